#include "platform/engine/sim/SimTextRadio.h"

#include <algorithm>

namespace hb::engine::sim {

namespace {

constexpr std::string_view kFramingWords[] = {"IDF", "IDN", "QUF", "QUN", "MUN", "MUA", "CDF",
                                              "CDN", "DMF", "HAF", "HAN", "HPF", "HPN"};
constexpr std::string_view kKeyWord = "KEY";

std::string_view CommandWord(std::string_view line) {
    const auto end = std::ranges::find_if(line, [](char c) { return c < 'A' || c > 'Z'; });
    return line.substr(0, static_cast<std::size_t>(end - line.begin()));
}

} // namespace

std::string SimTextRadio::Framing(std::string_view word) const {
    const auto it = m_framing.find(word.substr(0, 2));
    return it != m_framing.end() ? it->second : std::string();
}

std::vector<std::string_view> SimTextRadio::Words(std::string_view arguments) {
    std::vector<std::string_view> words;
    for (std::size_t at = arguments.find_first_not_of(' '); at != std::string_view::npos;
         at = arguments.find_first_not_of(' ', at)) {
        const std::size_t end = std::min(arguments.find(' ', at), arguments.size());
        words.push_back(arguments.substr(at, end - at));
        at = end;
    }
    return words;
}

void SimTextRadio::Define(std::string word, Command command) {
    m_commands[std::move(word)] = std::move(command);
}

std::optional<std::string> SimTextRadio::Answer(std::string_view line) {
    const std::string_view word = CommandWord(line);
    if (line == word && std::ranges::find(kFramingWords, word) != std::end(kFramingWords)) {
        m_framing[std::string(word.substr(0, 2))] = std::string(word);
        return std::string(kAccepted);
    }
    if (word == kKeyWord) {
        Key(line.substr(word.size()));
        return std::string(kAccepted);
    }
    if (const auto command = m_commands.find(word); command != m_commands.end()) {
        return command->second(line.substr(word.size()));
    }
    return std::nullopt;
}

} // namespace hb::engine::sim
