// Feeds arbitrary bytes to the scanning-file reader. The checksum is set right first, since the
// fuzzer could never guess it and would then never reach the object records. Whatever the reader
// takes must write back to bytes that read again to the same bytes. Seeds are in corpus/scanfile.

#include "platform/tessary/model/Group.h"
#include "platform/tessary/model/ScanFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::uint8_t> bytes(data, data + size);
    if (bytes.size() >= 4) {
        const std::uint32_t crc = hb::tessary::Crc32(std::span(bytes.data(), bytes.size() - 4));
        for (std::size_t i = 0; i < 4; ++i) {
            bytes[bytes.size() - 4 + i] = static_cast<std::uint8_t>(crc >> (8 * i));
        }
    }
    hb::tessary::ScanFileRead read = hb::tessary::ParseScanFile(bytes, "fuzz");
    if (!read.root) {
        if (read.error.empty()) {
            std::abort();
        }
        return 0;
    }
    read.root->hasScannable();
    if (auto* group = dynamic_cast<Group*>(read.root.get())) {
        // Its readers index the settings record without a size test.
        const Blob* settings = scan_fetch_blob(
            group->records(), static_cast<std::uint32_t>(hb::records::BlobTag::RadioSettings), 255,
            hb::tessary::kRadioSettingsSize);
        if (settings->data.size() != hb::tessary::kRadioSettingsSize) {
            std::abort();
        }
    }
    const std::string first = hb::tessary::EncodeScanFile(*read.root);
    hb::tessary::ScanFileRead again = hb::tessary::ParseScanFile(
        std::span(reinterpret_cast<const std::uint8_t*>(first.data()), first.size()), "again");
    if (!again.root || hb::tessary::EncodeScanFile(*again.root) != first) {
        std::abort();
    }
    return 0;
}
