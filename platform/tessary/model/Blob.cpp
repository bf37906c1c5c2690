#include "platform/tessary/model/Blob.h"

#include "platform/tessary/model/ItemStream.h"

#include <algorithm>
#include <string>

namespace {

using hb::records::BlobTag;

std::uint32_t ClampedSize(std::uint32_t tag, std::uint32_t size) {
    switch (static_cast<BlobTag>(tag)) {
    case BlobTag::LockOutMap:
        return std::clamp(size, hb::tessary::kLockOutMapHeader, hb::tessary::kMaxBlobSize);
    case BlobTag::RadioSettings:
        return hb::tessary::kRadioSettingsSize;
    }
    return std::clamp(size, 1u, hb::tessary::kMaxBlobSize);
}

bool IsRadioSettings(std::uint32_t tag) {
    return static_cast<BlobTag>(tag) == BlobTag::RadioSettings;
}

} // namespace

Blob* scan_fetch_blob(BlobList& list, std::uint32_t tag, std::uint32_t key, std::uint32_t size) {
    for (const auto& blob : list) {
        if (blob->tag == tag && blob->key == key) {
            // Callers read the settings record at its fixed offsets without a size test.
            if (IsRadioSettings(tag) && blob->data.size() != hb::tessary::kRadioSettingsSize) {
                blob->data.assign(hb::tessary::kRadioSettingsSize, 0);
            }
            return blob.get();
        }
    }
    auto made = std::make_unique<Blob>();
    made->tag = tag;
    made->key = key;
    made->data.assign(ClampedSize(tag, size), 0);
    list.push_back(std::move(made));
    return list.back().get();
}

namespace hb::tessary {

std::uint32_t LockOutMapSize(std::uint32_t lower, std::uint32_t upper, std::uint32_t step) {
    if (step == 0 || upper < lower) {
        return 0;
    }
    const std::uint64_t steps = (upper - lower) / step + 1;
    const std::uint64_t size = kLockOutMapHeader + (steps + 7) / 8;
    return size > kMaxBlobSize ? 0 : static_cast<std::uint32_t>(size);
}

void WriteBlobs(ItemWriter& out, const BlobList& list) {
    for (const auto& blob : list) {
        const std::size_t start = out.begin(kItemBlob);
        out.raw32(blob->tag);
        out.raw32(blob->key);
        out.raw(
            std::string_view(reinterpret_cast<const char*>(blob->data.data()), blob->data.size()));
        out.end(start);
    }
}

void ReadBlob(ItemReader& item, BlobList& list) {
    const auto bytes = item.bytes();
    if (bytes.size() < 8 || bytes.size() - 8 > kMaxBlobSize) {
        item.fail("a typed record has a bad size");
        return;
    }
    auto blob = std::make_unique<Blob>();
    blob->tag = LoadLe32(bytes.data());
    blob->key = LoadLe32(bytes.data() + 4);
    blob->data.assign(bytes.begin() + 8, bytes.end());
    if (IsRadioSettings(blob->tag) && blob->data.size() != kRadioSettingsSize) {
        item.repaired("a radio settings record holds " + std::to_string(blob->data.size()) +
                      " bytes instead of " + std::to_string(kRadioSettingsSize) +
                      "; a fresh record takes its place");
        blob->data.assign(kRadioSettingsSize, 0);
    }
    list.push_back(std::move(blob));
}

} // namespace hb::tessary
