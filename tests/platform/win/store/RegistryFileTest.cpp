#include "StoreTest.h"

namespace hb::win {
namespace {

class RegistryFileTest : public StoreTest {
protected:
    std::string UserFile() { return Folder() + "/user.reg"; }

    static HKEY Create(HKEY root, const char* path) {
        HKEY key;
        EXPECT_EQ(RegCreateKeyEx(root, path, 0, nullptr, 0, 0, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        return key;
    }
    static DWORD SetDword(HKEY key, const char* name, DWORD value) {
        return RegSetValueEx(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), 4);
    }
};

TEST_F(RegistryFileTest, ValuesSurviveAReload) {
    registry::UseFiles(Folder());
    const HKEY app = Create(HKEY_CURRENT_USER, "Software\\Corvanta\\Halbridge Pro");
    const std::string text = "tab\there \"quoted\" back\\slash\r\n\x7f é";
    const std::vector<BYTE> blob{0, 1, 0x7f, 0x80, 0xff};
    ASSERT_EQ(RegSetValueEx(app, "Text", 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                            static_cast<DWORD>(text.size() + 1)),
              ERROR_SUCCESS);
    ASSERT_EQ(SetDword(app, nullptr, 0xDEADBEEF), ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueEx(app, "Blob", 0, REG_BINARY, blob.data(), 5), ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueEx(app, "Empty", 0, REG_BINARY, nullptr, 0), ERROR_SUCCESS);
    RegCloseKey(Create(app, "Empty Key"));
    ASSERT_EQ(SetDword(HKEY_CURRENT_USER, "On the root", 5), ERROR_SUCCESS);
    ASSERT_EQ(SetDword(Create(HKEY_LOCAL_MACHINE, "SOFTWARE\\Jet"), "Count", 3), ERROR_SUCCESS);
    ASSERT_EQ(SetDword(Create(HKEY_CLASSES_ROOT, ".pdf"), "Kept", 1), ERROR_SUCCESS);
    const std::string user = registry::Dump(HKEY_CURRENT_USER);
    const std::string machine = registry::Dump(HKEY_LOCAL_MACHINE);

    registry::UseFiles(Folder());
    EXPECT_EQ(registry::Dump(HKEY_CURRENT_USER), user);
    EXPECT_EQ(registry::Dump(HKEY_LOCAL_MACHINE), machine);
    EXPECT_EQ(ReadFile(UserFile()), user);
    HKEY key;
    EXPECT_EQ(RegOpenKeyEx(HKEY_CLASSES_ROOT, ".pdf", 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(FolderNames(), (std::vector<std::string>{"machine.reg", "user.reg"}));

    ASSERT_EQ(
        RegOpenKeyEx(HKEY_CURRENT_USER, "Software\\Corvanta\\Halbridge Pro", 0, KEY_READ, &key),
        ERROR_SUCCESS);
    std::string read(64, '\0');
    DWORD size = 64;
    EXPECT_EQ(
        RegQueryValueEx(key, "Text", nullptr, nullptr, reinterpret_cast<BYTE*>(read.data()), &size),
        ERROR_SUCCESS);
    EXPECT_EQ(read.substr(0, size), text + '\0');
    std::vector<BYTE> blobRead(5);
    size = 5;
    EXPECT_EQ(RegQueryValueEx(key, "Blob", nullptr, nullptr, blobRead.data(), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(blobRead, blob);
}

TEST_F(RegistryFileTest, ADamagedFileCountsAsEmptyAndIsKeptAside) {
    const std::string good = "HalbridgeRegistry 1\n[Software]\n\"A\"=dword:00000001\nEnd\n";
    const std::string damaged[] = {
        good.substr(0, good.size() - 4),                           // truncated: no end line
        "HalbridgeRegistry 1\n[Software]\n\"A\"=dword:1zz\nEnd\n", // garbled line
        "HalbridgeRegistry 2\nEnd\n",                              // unknown version
        std::string("\x89PNG\r\n\x1a\n\0\0\0", 11),                // foreign file
        "",                                                        // empty
    };
    for (const std::string& content : damaged) {
        WriteFile(UserFile(), content);
        testing::internal::CaptureStderr();
        registry::UseFiles(Folder());
        const std::string report = testing::internal::GetCapturedStderr();
        EXPECT_NE(report.find(UserFile()), std::string::npos) << report;
        EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), 1) << report;

        HKEY key;
        EXPECT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, "Software", 0, KEY_READ, &key),
                  ERROR_FILE_NOT_FOUND);
        EXPECT_EQ(ReadFile(UserFile()), content) << "untouched until the first write";

        EXPECT_EQ(SetDword(Create(HKEY_CURRENT_USER, "New"), "B", 2), ERROR_SUCCESS);
        EXPECT_EQ(ReadFile(UserFile() + ".damaged"), content);
        registry::UseFiles(Folder());
        EXPECT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, "New", 0, KEY_READ, &key), ERROR_SUCCESS);
    }
}

TEST_F(RegistryFileTest, EveryCutOfAFileBeforeItsEndLineIsRejected) {
    const std::string text = "HalbridgeRegistry 1\n[Software\\A]\n\"Name\"=sz:\"text\"\n"
                             "\"Blob\"=hex:01,02,03\n[Software\\B]\n@=dword:00000010\nEnd\n";
    ASSERT_TRUE(registry::Seed(HKEY_CURRENT_USER, text));
    for (std::size_t cut = 0; cut < text.size() - 4; ++cut) {
        EXPECT_FALSE(registry::Seed(HKEY_LOCAL_MACHINE, text.substr(0, cut))) << cut;
    }
    EXPECT_TRUE(registry::Dump(HKEY_LOCAL_MACHINE).find('[') == std::string::npos);
}

TEST_F(RegistryFileTest, AFailedWriteLeavesThePreviousFile) {
    registry::UseFiles(Folder());
    const HKEY key = Create(HKEY_CURRENT_USER, "Software");
    ASSERT_EQ(SetDword(key, "Value", 1), ERROR_SUCCESS);
    const std::string before = ReadFile(UserFile());

    for (const FileWriteStage stage : {FileWriteStage::Open, FileWriteStage::Write,
                                       FileWriteStage::Sync, FileWriteStage::Rename}) {
        SetFileWriteFault(stage);
        EXPECT_EQ(SetDword(key, "Value", 2), ERROR_WRITE_FAULT);
        EXPECT_EQ(ReadFile(UserFile()), before);
        EXPECT_EQ(FolderNames(), std::vector<std::string>{"user.reg"});
    }
    // The value stays in memory and reaches the file with the next write.
    DWORD value = 0;
    DWORD size = 4;
    EXPECT_EQ(
        RegQueryValueEx(key, "Value", nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size),
        ERROR_SUCCESS);
    EXPECT_EQ(value, 2u);
    EXPECT_EQ(SetDword(key, "Other", 3), ERROR_SUCCESS);
    EXPECT_NE(ReadFile(UserFile()).find("\"Value\"=dword:00000002"), std::string::npos);
}

} // namespace
} // namespace hb::win
