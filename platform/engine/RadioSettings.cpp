#include "platform/engine/RadioSettings.h"

#include "platform/records/DecoderModel.h"
#include "platform/records/RadioModel.h"
#include "platform/win/core/NoCase.h"
#include "platform/win/store/PrivateProfile.h"
#include "platform/win/sys/Files.h"

#include <algorithm>
#include <charconv>
#include <string_view>

namespace hb::engine {

namespace {

constexpr unsigned kDefaultRate = 40;
constexpr unsigned kMaxRate = 1000;
constexpr DWORD kListSize = 8192;
constexpr DWORD kKindsSize = 256;

std::string& SettingsPath() {
    static std::string path;
    return path;
}

std::vector<std::uint32_t> ParseFrequencies(std::string_view text) {
    std::vector<std::uint32_t> list = FrequencyList(text);
    std::ranges::sort(list);
    return list;
}

// A list of frequencies, or none when the key is missing (an empty value is an empty list).
std::optional<std::vector<std::uint32_t>> ReadFrequencies(const char* file, const char* section,
                                                          const char* key) {
    // A default no value can hold tells a missing key from an empty one.
    const char kMissing[] = "\x01";
    std::string text(kListSize, '\0');
    text.resize(GetPrivateProfileString(section, key, kMissing, text.data(), kListSize, file));
    if (text == kMissing) {
        return std::nullopt;
    }
    return ParseFrequencies(text);
}

// Names the list does not know are left out, so a typing error costs one kind, not all.
std::vector<FaultKind> ParseFaultKinds(std::string_view text) {
    static constexpr std::pair<std::string_view, FaultKind> kNames[] = {
        {"bad", FaultKind::BadReply},
        {"reset", FaultKind::Reset},
        {"check", FaultKind::ShortLoss},
        {"restart", FaultKind::LongLoss}};
    std::vector<FaultKind> kinds;
    std::size_t from = 0;
    while (from <= text.size()) {
        const std::size_t comma = std::min(text.find(',', from), text.size());
        std::string_view name = text.substr(from, comma - from);
        while (!name.empty() && name.front() == ' ') {
            name.remove_prefix(1);
        }
        while (!name.empty() && name.back() == ' ') {
            name.remove_suffix(1);
        }
        for (const auto& [known, kind] : kNames) {
            if (hb::win::EqualNoCase(name, known)) {
                kinds.push_back(kind);
            }
        }
        from = comma + 1;
    }
    return kinds;
}

} // namespace

std::vector<std::uint32_t> FrequencyList(std::string_view text) {
    std::vector<std::uint32_t> list;
    const char* p = text.data();
    const char* end = p + text.size();
    while (p < end) {
        std::uint32_t value = 0;
        const auto [next, error] = std::from_chars(p, end, value);
        if (error == std::errc() && value != 0) {
            list.push_back(value);
        }
        p = (next == p) ? p + 1 : next;
    }
    return list;
}

std::string ReadSetting(const std::string& path, const char* section, const char* key,
                        unsigned size) {
    std::string buffer(size, '\0');
    buffer.resize(GetPrivateProfileString(section, key, "", buffer.data(), size, path.c_str()));
    return buffer;
}

const std::string& SettingsFile() {
    return SettingsPath();
}

void SetSettingsFile(std::string path) {
    SettingsPath() = std::move(path);
}

RadioSection ReadRadioSection(const std::string& path, const std::string& name) {
    RadioSection section;
    section.name = name;
    if (path.empty()) {
        return section;
    }
    const char* file = path.c_str();
    section.type = GetPrivateProfileInt(name.c_str(), "Type", 0, file) & 0xFF;
    section.port = ReadSetting(path, name.c_str(), "Port", MAX_PATH);
    const int rate = GetPrivateProfileInt(name.c_str(), "Rate", kDefaultRate, file);
    section.rate = rate > 0 ? std::min(static_cast<unsigned>(rate), kMaxRate) : kDefaultRate;
    section.seed = static_cast<std::uint32_t>(GetPrivateProfileInt(name.c_str(), "Seed", 1, file));
    section.busy = ReadFrequencies(file, name.c_str(), "Busy");
    section.dtmf = ReadFrequencies(file, name.c_str(), "Dtmf");
    section.talkgroups = ReadFrequencies(file, name.c_str(), "Talkgroups");
    const int faults = GetPrivateProfileInt(name.c_str(), "Faults", 0, file);
    section.faultSeconds = faults > 0 ? static_cast<std::uint32_t>(faults) : 0;
    char kinds[kKindsSize] = {};
    GetPrivateProfileString(name.c_str(), "FaultKinds", "bad,reset,check,restart", kinds,
                            sizeof kinds, file);
    section.faultKinds = ParseFaultKinds(kinds);
    return section;
}

bool IsKnownRadioType(int type) {
    const auto* model = hb::records::FindRadioModel(static_cast<std::uint8_t>(type));
    return model != nullptr && (model->features & hb::records::kFeatureControl) != 0;
}

bool IsKnownDecoderType(int type) {
    return hb::records::FindDecoderModel(static_cast<std::uint8_t>(type)) != nullptr;
}

bool IsSimulatedPort(const std::string& port) {
    return hb::win::EqualNoCase(port, "SIM");
}

bool IsSerialPort(const std::string& port) {
    return port.starts_with("/dev/");
}

std::optional<std::string> ToneReaderOf(const std::string& path, const std::string& radioName) {
    if (path.empty()) {
        return std::nullopt;
    }
    const int readers = GetPrivateProfileInt("Vela*Quin", "ToneReadersInstalled", 0, path.c_str());
    for (int k = 1; k <= readers; ++k) {
        const std::string key = "Reader#" + std::to_string(k);
        const std::string radioKey = ReadSetting(path, "Connections", key.c_str());
        if (radioKey.empty() || ReadSetting(path, "Radios", radioKey.c_str()) != radioName) {
            continue;
        }
        return ReadSetting(path, "ToneReaders", key.c_str(), MAX_PATH);
    }
    return std::nullopt;
}

} // namespace hb::engine
