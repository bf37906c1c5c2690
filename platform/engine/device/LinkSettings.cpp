#include "platform/engine/device/LinkSettings.h"

#include "platform/engine/RadioSettings.h"
#include "platform/win/store/PrivateProfile.h"

#include <algorithm>

namespace hb::engine {

namespace {

constexpr unsigned kListSize = 8192;

} // namespace

LinkSettings ReadLinkSettings(const std::string& path, const std::string& section) {
    LinkSettings settings;
    if (path.empty()) {
        return settings;
    }
    const int baud = GetPrivateProfileInt(section.c_str(), "Baud", kDefaultBaud, path.c_str());
    settings.baud = baud > 0 ? static_cast<unsigned>(baud) : 0;
    const int timeout =
        GetPrivateProfileInt(section.c_str(), "ReplyTimeout", kDefaultReplyTimeoutMs, path.c_str());
    settings.replyTimeoutMs = timeout > 0 ? timeout : kDefaultReplyTimeoutMs;
    settings.memories = FrequencyList(ReadSetting(path, section.c_str(), "Memories", kListSize));
    return settings;
}

bool IsStandardBaud(unsigned baud) {
    return std::ranges::find(kStandardBauds, baud) != std::end(kStandardBauds);
}

} // namespace hb::engine
