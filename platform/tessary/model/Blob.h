#pragma once
// Typed records kept with a group or a search range: a tag, a key and bytes. A search range keeps
// its lock-out map (53420000) this way, a trunk-scanner group its settings record (53420009).

#include "platform/records/ObjectKind.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace hb::tessary {
class ItemReader;
class ItemWriter;
} // namespace hb::tessary

struct Blob {
    std::uint32_t tag = 0;
    std::uint32_t key = 0;
    std::vector<std::uint8_t> data;
};

using BlobList = std::vector<std::unique_ptr<Blob>>;

// The record of `tag` and `key` in `list`, made zero-filled on the first call. The size asked for
// counts only then, and is first brought into the tag's bounds: a lock-out map holds 8 to 0xFFE0
// bytes, a settings record exactly 2,732, any other record 1 to 0xFFE0. A record made earlier
// keeps its size, so a reader must test offsets against data.size(); only a settings record is
// always 2,732 bytes, one of another size being replaced by a fresh record.
Blob* scan_fetch_blob(BlobList& list, std::uint32_t tag, std::uint32_t key, std::uint32_t size);

namespace hb::tessary {

inline constexpr std::uint32_t kLockOutMapHeader = 8;
inline constexpr std::uint32_t kMaxBlobSize = 0xFFE0;
inline constexpr std::uint32_t kRadioSettingsSize = 2732;

// The size of a new lock-out map for a range: 8 header bytes and one bit per step from the lower
// to the upper limit, both included. 0 when the step is 0, the limits are reversed or the map
// would pass kMaxBlobSize.
std::uint32_t LockOutMapSize(std::uint32_t lower, std::uint32_t upper, std::uint32_t step);

// The blob list item of an object record.
inline constexpr std::uint32_t kItemBlob = 110;
void WriteBlobs(ItemWriter& out, const BlobList& list);
void ReadBlob(ItemReader& item, BlobList& list);

} // namespace hb::tessary
