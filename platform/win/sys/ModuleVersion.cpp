#include "platform/win/sys/ModuleVersion.h"

#include "platform/win/sys/FakeModules.h"
#include "platform/win/sys/Paths.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string_view>
#include <vector>

namespace hb::win {

namespace {

constexpr std::string_view kSectionName{".hbversion", sizeof ".hbversion"}; // with its NUL
constexpr std::uint32_t kSectionNoBits = 8;
constexpr std::uint64_t kElfHeaderSize = 64;
constexpr std::uint64_t kSectionHeaderSize = 64;
constexpr std::uint64_t kLargestNameTable = 1 << 20;

std::uint64_t Le(const unsigned char* p, int bytes) {
    std::uint64_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        v = (v << 8) | p[i];
    }
    return v;
}

struct Section {
    std::uint32_t name = 0;
    std::uint32_t type = 0;
    std::uint64_t offset = 0;
    std::uint64_t size = 0;
};

// Reads byte ranges of an open file, refusing any range that does not lie inside it.
class ElfFile {
public:
    explicit ElfFile(const std::string& path) : m_fd(open(path.c_str(), O_RDONLY | O_CLOEXEC)) {
        struct stat st {};
        if (m_fd >= 0 && fstat(m_fd, &st) == 0 && S_ISREG(st.st_mode)) {
            m_size = static_cast<std::uint64_t>(st.st_size);
        }
    }
    ElfFile(const ElfFile&) = delete;
    ElfFile& operator=(const ElfFile&) = delete;
    ~ElfFile() {
        if (m_fd >= 0) {
            close(m_fd);
        }
    }

    bool Read(std::uint64_t offset, void* out, std::uint64_t size) const {
        if (offset > m_size || size > m_size - offset) {
            return false;
        }
        auto* dst = static_cast<unsigned char*>(out);
        while (size > 0) {
            const ssize_t n = pread(m_fd, dst, size, static_cast<off_t>(offset));
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n <= 0) {
                return false;
            }
            dst += n;
            offset += static_cast<std::uint64_t>(n);
            size -= static_cast<std::uint64_t>(n);
        }
        return true;
    }

    // Section headers from the ELF header; false unless this is a little-endian ELF64 file
    // whose section table lies inside it.
    bool ReadSectionTable() {
        unsigned char h[kElfHeaderSize];
        if (!Read(0, h, sizeof h) ||
            std::memcmp(h,
                        "\x7F"
                        "ELF",
                        4) != 0 ||
            h[4] != 2 || h[5] != 1) {
            return false;
        }
        m_tableOffset = Le(h + 0x28, 8);
        m_entrySize = Le(h + 0x3A, 2);
        m_count = Le(h + 0x3C, 2);
        m_nameIndex = Le(h + 0x3E, 2);
        return m_entrySize >= kSectionHeaderSize && m_count > 0 && m_nameIndex < m_count &&
               m_tableOffset <= m_size && m_count * m_entrySize <= m_size - m_tableOffset;
    }

    std::uint64_t SectionCount() const { return m_count; }
    std::uint64_t NameTableIndex() const { return m_nameIndex; }

    bool ReadSection(std::uint64_t index, Section& out) const {
        unsigned char s[kSectionHeaderSize];
        if (!Read(m_tableOffset + index * m_entrySize, s, sizeof s)) {
            return false;
        }
        out.name = static_cast<std::uint32_t>(Le(s, 4));
        out.type = static_cast<std::uint32_t>(Le(s + 4, 4));
        out.offset = Le(s + 24, 8);
        out.size = Le(s + 32, 8);
        return true;
    }

private:
    int m_fd;
    std::uint64_t m_size = 0;
    std::uint64_t m_tableOffset = 0;
    std::uint64_t m_entrySize = 0;
    std::uint64_t m_count = 0;
    std::uint64_t m_nameIndex = 0;
};

bool FindVersionSection(ElfFile& file, Section& out) {
    Section names;
    if (!file.ReadSectionTable() || !file.ReadSection(file.NameTableIndex(), names) ||
        names.type == kSectionNoBits || names.size > kLargestNameTable) {
        return false;
    }
    std::vector<char> table(names.size);
    if (!file.Read(names.offset, table.data(), table.size())) {
        return false;
    }
    for (std::uint64_t i = 0; i < file.SectionCount(); ++i) {
        Section s;
        if (!file.ReadSection(i, s)) {
            return false;
        }
        if (s.name <= table.size() && table.size() - s.name >= kSectionName.size() &&
            std::string_view(table.data() + s.name, kSectionName.size()) == kSectionName) {
            out = s;
            return s.type != kSectionNoBits;
        }
    }
    return false;
}

} // namespace

bool ReadModuleVersion(const std::string& path, ModuleVersion& out) {
    if (const FakeModule* fake = FindFakeModule(path)) {
        if (fake->version) {
            out = *fake->version;
        }
        return fake->version.has_value();
    }
    ElfFile file(NativePath(path));
    Section section;
    unsigned char record[kModuleVersionRecordSize];
    if (!FindVersionSection(file, section) || section.size < sizeof record ||
        !file.Read(section.offset, record, sizeof record) ||
        std::memcmp(record, kModuleVersionMagic.data(), kModuleVersionMagic.size()) != 0) {
        return false;
    }
    for (std::size_t i = 0; i < out.parts.size(); ++i) {
        out.parts[i] = static_cast<std::uint16_t>(Le(record + 8 + 2 * i, 2));
    }
    return true;
}

} // namespace hb::win
