#include "platform/tessary/model/ScanFile.h"

#include "platform/tessary/model/Group.h"
#include "platform/tessary/model/ItemStream.h"
#include "platform/tessary/model/Range.h"
#include "platform/tessary/model/Roster.h"
#include "platform/tessary/model/SweepSettings.h"
#include "platform/tessary/model/TrunkSystem.h"
#include "platform/win/store/AtomicFile.h"
#include "platform/win/store/Folders.h"
#include "platform/win/sys/Paths.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <vector>

namespace hb::tessary {
namespace {

constexpr std::string_view kMagic = "HBSCAN";
constexpr std::size_t kHeadSize = 8;
constexpr std::size_t kItemHeadSize = 8;
constexpr std::size_t kChecksumSize = 4;
// Far more than any scan list or group needs; a larger file is not ours.
constexpr std::size_t kMaxFileSize = 64u << 20;

std::array<std::uint32_t, 256> MakeCrcTable() {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k) {
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        }
        table[n] = c;
    }
    return table;
}

ScanFileRead Failure(const std::string& name, const std::string& why) {
    return {nullptr, "\"" + name + "\" " + why, {}};
}

} // namespace

std::unique_ptr<Object> CreateObject(std::uint32_t kind) {
    using records::ObjectKind;
    switch (static_cast<ObjectKind>(kind)) {
    case ObjectKind::Group:
        return std::make_unique<Group>();
    case ObjectKind::Bank:
        return std::make_unique<Bank>();
    case ObjectKind::Channel:
    case ObjectKind::StandaloneChannel:
        return std::make_unique<Chan>(static_cast<ObjectKind>(kind));
    case ObjectKind::SearchRange:
        return std::make_unique<Range>();
    case ObjectKind::ScanList:
        return std::make_unique<Roster>();
    case ObjectKind::ScanListEntry:
        return std::make_unique<RosterEntry>();
    case ObjectKind::UserIdEntry:
        return std::make_unique<UserIdEntry>();
    case ObjectKind::TrunkSystem:
        return std::make_unique<TrunkSystem>();
    case ObjectKind::SweepSettings:
        return std::make_unique<SweepSettings>();
    }
    return nullptr;
}

std::uint32_t Crc32(std::span<const std::uint8_t> bytes) {
    static const std::array<std::uint32_t, 256> table = MakeCrcTable();
    std::uint32_t c = 0xFFFFFFFFu;
    for (const std::uint8_t b : bytes) {
        c = table[(c ^ b) & 0xFF] ^ (c >> 8);
    }
    return c ^ 0xFFFFFFFFu;
}

ScanFileRead ParseScanFile(std::span<const std::uint8_t> bytes, const std::string& name) {
    if (bytes.size() < kHeadSize || std::memcmp(bytes.data(), kMagic.data(), kMagic.size()) != 0) {
        return Failure(name, "is not a scanning file");
    }
    const std::uint16_t version = static_cast<std::uint16_t>(bytes[6] | bytes[7] << 8);
    if (version == 0) {
        return Failure(name, "is damaged: it has no format version");
    }
    if (version > kScanFileVersion) {
        return Failure(name, "was written in a newer format (version " + std::to_string(version) +
                                 ") than this program reads");
    }
    if (bytes.size() < kHeadSize + kItemHeadSize + kChecksumSize) {
        return Failure(name, "is truncated");
    }
    const std::uint64_t rootLength = LoadLe32(bytes.data() + kHeadSize + 4);
    const std::uint64_t expected = kHeadSize + kItemHeadSize + rootLength + kChecksumSize;
    if (expected > bytes.size()) {
        return Failure(name, "is truncated");
    }
    if (expected < bytes.size()) {
        return Failure(name, "is damaged: it has data after its end");
    }
    const std::size_t body = bytes.size() - kChecksumSize;
    if (Crc32(bytes.first(body)) != LoadLe32(bytes.data() + body)) {
        return Failure(name, "is damaged: its checksum does not match");
    }
    std::string error;
    std::string repairs;
    ItemReader root(bytes.subspan(kHeadSize + kItemHeadSize, rootLength), error, 0, &repairs);
    std::unique_ptr<Object> object = root.object(LoadLe32(bytes.data() + kHeadSize));
    if (!error.empty()) {
        return Failure(name, "is damaged: " + error);
    }
    if (!object) {
        return Failure(name, "holds no object this program knows");
    }
    ScanFileRead read{std::move(object), {}, {}};
    if (!repairs.empty()) {
        read.repaired = "\"" + name + "\" is damaged: " + repairs;
    }
    return read;
}

ScanFileRead ReadScanFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) {
        return Failure(path, std::string("cannot be opened: ") + std::strerror(errno));
    }
    const std::streamoff size = in.tellg();
    if (size < 0 || static_cast<std::uint64_t>(size) > kMaxFileSize) {
        return Failure(path, "is not a scanning file");
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    in.seekg(0);
    if (!in.read(reinterpret_cast<char*>(bytes.data()), size)) {
        return Failure(path, "cannot be read");
    }
    ScanFileRead read = ParseScanFile(bytes, path);
    if (read.root) {
        read.root->setFileName(path);
        read.root->clearChanged();
    }
    return read;
}

std::string EncodeScanFile(const Object& root) {
    ItemWriter out;
    out.raw(kMagic);
    out.raw(std::string{static_cast<char>(kScanFileVersion & 0xFF),
                        static_cast<char>(kScanFileVersion >> 8)});
    out.object(root);
    const std::string& data = out.data();
    out.raw32(Crc32(std::span(reinterpret_cast<const std::uint8_t*>(data.data()), data.size())));
    return std::move(out.data());
}

std::string WriteScanFile(const std::string& path, const Object& root) {
    if (!win::WriteFileAtomically(path, EncodeScanFile(root))) {
        return "\"" + path + "\" could not be written";
    }
    return {};
}

std::string DocumentPath(const std::string& name) {
    return win::PathJoin(win::DocumentsFolder(), win::NativePath(name));
}

} // namespace hb::tessary
