#pragma once
// Kind tags of the core library's stored objects, and tags of the typed records kept with them.

#include <cstdint>

namespace hb::records {

enum class ObjectKind : std::uint32_t {
    Group = 53530002,
    Bank = 53530004,
    Channel = 53530005,
    // A channel that stands alone: a file root, a scan-list entry, a bank member, or a member of
    // a group's list of search ranges.
    StandaloneChannel = 53530006,
    SearchRange = 53530008,
    ScanList = 53530013,
    ScanListEntry = 53530014,
    UserIdEntry = 53530018,
    TrunkSystem = 53530037,
    SweepSettings = 53530040, // a spectrum analyzer or band scope file's settings
};

constexpr bool IsChannelKind(ObjectKind kind) {
    return kind == ObjectKind::Channel || kind == ObjectKind::StandaloneChannel;
}

enum class BlobTag : std::uint32_t {
    LockOutMap = 53420000,    // a search range's locked-out steps
    RadioSettings = 53420009, // a trunk-scanner group's settings record
};

} // namespace hb::records
