#include "platform/win/sys/ModuleVersion.h"

#include "SysTest.h"
#include "platform/win/sys/Modules.h"
#include "platform/win/sys/ProgramPath.h"

#include <algorithm>

namespace hb::win::test {
namespace {

class ModuleVersions : public SysTest {
protected:
    void SetUp() override {
        SysTest::SetUp();
        m_library = ReadFile(ApplicationFolder() + "/libHbTestModule.so");
        ASSERT_FALSE(m_library.empty());
    }

    // Whether a copy of the test library with `bytes` as its contents gives a version.
    bool Reads(const std::string& bytes) {
        WriteFile(Scratch("copy.so"), bytes);
        ModuleVersion version;
        return ReadModuleVersion(Scratch("copy.so"), version);
    }

    std::string Patched(std::size_t offset, const std::string& bytes) const {
        std::string copy = m_library;
        copy.replace(offset, bytes.size(), bytes);
        return copy;
    }

    std::size_t RecordOffset() const {
        const auto record = EncodeModuleVersion({{1, 2, 3, 4}});
        return m_library.find(std::string(record.begin(), record.end()));
    }

    std::string m_library;
};

TEST_F(ModuleVersions, ReadsTheRecordWithoutLoadingTheLibrary) {
    ModuleVersion version;
    ASSERT_TRUE(ReadModuleVersion(ApplicationFolder() + "\\libHbTestModule.so", version));
    EXPECT_EQ(version, (ModuleVersion{{1, 2, 3, 4}}));
    EXPECT_FALSE(GetModuleHandle("HbTestModule.DLL"));
    EXPECT_TRUE(Reads(m_library));
}

TEST_F(ModuleVersions, CompareLikeVersionNumbers) {
    EXPECT_LT((ModuleVersion{{9, 1, 4, 17}}), (ModuleVersion{{9, 1, 4, 18}}));
    EXPECT_GT((ModuleVersion{{3, 0, 6, 606}}), (ModuleVersion{{3, 0, 6, 548}}));
    EXPECT_GT((ModuleVersion{{13, 4, 0, 0}}), (ModuleVersion{{9, 65535, 9, 9}}));
    EXPECT_EQ((ModuleVersion{{3, 0, 6, 401}}), (ModuleVersion{{3, 0, 6, 401}}));
}

TEST_F(ModuleVersions, FilesWithoutAGoodRecordGiveFalse) {
    ModuleVersion version{{7, 7, 7, 7}};
    EXPECT_FALSE(ReadModuleVersion(Scratch("missing.so"), version));
    EXPECT_FALSE(ReadModuleVersion(m_scratch.Path(), version));
    EXPECT_FALSE(ReadModuleVersion(ProgramFilePath(), version)); // an ELF file without one
    EXPECT_EQ(version, (ModuleVersion{{7, 7, 7, 7}}));

    EXPECT_FALSE(Reads(""));
    EXPECT_FALSE(Reads("HBVER01 and some text that is not an ELF file at all, long enough to "
                       "cover an ELF header"));

    const std::size_t record = RecordOffset();
    ASSERT_NE(record, std::string::npos);
    EXPECT_FALSE(Reads(Patched(record, "X")));
    EXPECT_FALSE(Reads(Patched(4, "\x01")));                                // 32-bit
    EXPECT_FALSE(Reads(Patched(5, "\x02")));                                // big-endian
    EXPECT_FALSE(Reads(Patched(0x28, "\xF0\xFF\xFF\xFF\xFF\xFF\xFF\xFF"))); // table far away
    EXPECT_FALSE(Reads(Patched(0x3E, "\xFF\x7F")));                         // no such name table
}

TEST_F(ModuleVersions, TruncatedCopiesGiveFalse) {
    const std::size_t record = RecordOffset();
    ASSERT_NE(record, std::string::npos);
    for (std::size_t size : {std::size_t{4}, std::size_t{63}, std::size_t{64}, record + 8,
                             m_library.size() / 2, m_library.size() - 1}) {
        EXPECT_FALSE(Reads(m_library.substr(0, size))) << size;
    }
}

} // namespace
} // namespace hb::win::test
