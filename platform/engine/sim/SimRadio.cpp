#include "platform/engine/sim/SimRadio.h"

#include <algorithm>

namespace hb::engine::sim {

namespace {

// The longest prefix of the map that starts `line`.
template <class Map>
auto Longest(Map& map, std::string_view line) {
    auto best = map.end();
    for (auto it = map.begin(); it != map.end(); ++it) {
        if (line.starts_with(it->first) &&
            (best == map.end() || it->first.size() > best->first.size())) {
            best = it;
        }
    }
    return best;
}

// Noise in place of a reply: no decoder takes it for a reply of its own.
std::string Garble(std::string reply) {
    std::ranges::reverse(reply);
    return "#?" + reply + "\x7F";
}

} // namespace

std::optional<std::string> SimRadio::Take(std::string_view line) {
    m_journal.emplace_back(line);
    std::optional<std::string> reply;
    if (const auto script = Longest(m_scripts, line); script != m_scripts.end()) {
        reply = script->second;
    } else {
        reply = Answer(line);
    }
    if (const auto failure = Longest(m_failures, line); failure != m_failures.end()) {
        const Fault fault = failure->second.fault;
        if (--failure->second.count == 0) {
            m_failures.erase(failure);
        }
        if (fault == Fault::Silent) {
            return std::nullopt;
        }
        return Garble(reply.value_or("OK"));
    }
    return reply;
}

void SimRadio::FailOn(std::string prefix, Fault fault, unsigned count) {
    if (count == 0) {
        m_failures.erase(prefix);
        return;
    }
    m_failures[std::move(prefix)] = {fault, count};
}

void SimRadio::Script(std::string prefix, std::string reply) {
    m_scripts[std::move(prefix)] = std::move(reply);
}

} // namespace hb::engine::sim
