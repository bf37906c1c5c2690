#include "platform/engine/GlobalRadioConfig.h"

#include "platform/engine/SimState.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <string_view>
#include <tuple>

namespace {

constexpr std::array<std::string_view, 3> kPrefixes{"ttyS", "ttyUSB", "ttyACM"};

// The kind's rank, the number after the prefix (-1 when none), the name.
std::tuple<std::size_t, long, std::string> SortKey(const std::string& path) {
    const std::string name = std::filesystem::path(path).filename().string();
    for (std::size_t rank = 0; rank < kPrefixes.size(); ++rank) {
        if (name.starts_with(kPrefixes[rank])) {
            const std::string digits = name.substr(kPrefixes[rank].size());
            const bool number =
                !digits.empty() && digits.size() < 10 &&
                std::ranges::all_of(digits, [](char c) { return c >= '0' && c <= '9'; });
            return {rank, number ? std::stol(digits) : -1, path};
        }
    }
    return {kPrefixes.size(), -1, path};
}

bool IsSerialName(const std::string& name) {
    return std::ranges::any_of(kPrefixes, [&name](std::string_view prefix) {
        return name.size() > prefix.size() && name.starts_with(prefix);
    });
}

} // namespace

std::vector<std::string> CGlobalRadioConfig::EnumerateLocalComPorts() {
    const auto& sim = hb::engine::SimState::Get();
    std::vector<std::string> ports = sim.comPorts;
    std::error_code error;
    for (std::filesystem::directory_iterator it(sim.serialFolder, error), end; !error && it != end;
         it.increment(error)) {
        if (IsSerialName(it->path().filename().string())) {
            ports.push_back(it->path().string());
        }
    }
    std::ranges::sort(ports, {}, SortKey);
    ports.erase(std::unique(ports.begin(), ports.end()), ports.end());
    return ports;
}
