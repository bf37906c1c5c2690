#include "StoreTest.h"
#include "platform/win/core/LastError.h"

#include <stdlib.h>

#include <cstring>

namespace hb::win {
namespace {

class PrivateProfileTest : public StoreTest {
protected:
    const char* const kPath = "/virtual/Halbridge.ini";

    std::string Get(const char* section, const char* key, DWORD size = 64,
                    const char* def = "default") {
        std::string buf(size, '#');
        const DWORD n = GetPrivateProfileString(section, key, def, buf.data(), size, kPath);
        EXPECT_EQ(buf[n], '\0');
        return buf.substr(0, n);
    }
};

TEST_F(PrivateProfileTest, IntegersAreSignedAndReadFromTheLeadingDigits) {
    ini::Seed(kPath, "[Audio]\nAudioInput = -5\nCount=12ab\nWord=abc\nPlus=+7\nEmpty=\n"
                     "Huge=99999999999\nTiny=-99999999999\n");
    EXPECT_EQ(GetPrivateProfileInt("Audio", "AudioInput", -1, kPath), -5);
    EXPECT_EQ(GetPrivateProfileInt("Audio", "AudioMonitor", -4, kPath), -4);
    EXPECT_EQ(GetPrivateProfileInt("Audio", "Count", 0, kPath), 12);
    EXPECT_EQ(GetPrivateProfileInt("Audio", "Word", 9, kPath), 0);
    EXPECT_EQ(GetPrivateProfileInt("Audio", "Plus", 0, kPath), 7);
    EXPECT_EQ(GetPrivateProfileInt("Audio", "Empty", 3, kPath), 3);
    EXPECT_EQ(GetPrivateProfileInt("Audio", "Huge", 0, kPath), INT_MAX);
    EXPECT_EQ(GetPrivateProfileInt("Audio", "Tiny", 0, kPath), INT_MIN);
    EXPECT_EQ(GetPrivateProfileInt("Missing", "AudioInput", -1, kPath), -1);
}

TEST_F(PrivateProfileTest, StringsAreTrimmedUnquotedAndCutToTheBuffer) {
    ini::Seed(kPath, "; radios\n[Radios]\n  Radio#1 =  \"Uniden BC 796\"  \nRadio#2='x'\n"
                     "[Vela*Quin]\nToneReadersInstalled=2\n");
    EXPECT_EQ(Get("Radios", "Radio#1"), "Uniden BC 796");
    EXPECT_EQ(Get("Radios", "Radio#1", 5), "Unid");
    EXPECT_EQ(Get("Radios", "Radio#1", 1), "");
    EXPECT_EQ(Get("radios", "RADIO#2"), "x");
    EXPECT_EQ(Get("Radios", "Radio#3"), "default");
    EXPECT_EQ(Get("Radios", "Radio#3", 4), "def");
    EXPECT_EQ(Get("vela*quin", "tonereadersinstalled"), "2");
    EXPECT_EQ(Get("Vela", "ToneReadersInstalled"), "default");
    EXPECT_EQ(GetPrivateProfileString("Radios", "Radio#1", "", nullptr, 0, kPath), 0u);
}

TEST_F(PrivateProfileTest, ListsOfSectionsAndKeys) {
    ini::Seed(kPath, "[One]\na=1\nB=2\n[Two]\n[one]\nc=3\n");
    EXPECT_EQ(Get(nullptr, nullptr), std::string("One\0Two\0", 8));
    EXPECT_EQ(Get("ONE", nullptr), std::string("a\0B\0", 4));
    EXPECT_EQ(Get("Three", nullptr), "");
    // A list that does not fit is cut and still ends in two NULs.
    char buf[6];
    std::memset(buf, '#', sizeof buf);
    EXPECT_EQ(GetPrivateProfileString(nullptr, nullptr, "", buf, 6, kPath), 4u);
    EXPECT_EQ(std::string(buf, 6), std::string("One\0\0\0", 6));
}

TEST_F(PrivateProfileTest, WritesEditLinesInPlaceAndKeepComments) {
    const std::string path = Folder() + "/settings.ini";
    WriteFile(path, "; Halbridge settings\r\n[Radios]\r\n; first radio\r\nradio#1=Old\r\n\r\n"
                    "; tone readers\r\n[Vela*Quin]\r\nSystemTypes=1\r\n");
    ini::UseFiles();
    EXPECT_TRUE(WritePrivateProfileString("RADIOS", "Radio#1", "New", path.c_str()));
    EXPECT_TRUE(WritePrivateProfileString("Radios", "Radio#2", "Two", path.c_str()));
    EXPECT_TRUE(WritePrivateProfileString("Connections", "Reader#1", "Radio#1", path.c_str()));
    EXPECT_EQ(ReadFile(path),
              "; Halbridge settings\r\n[Radios]\r\n; first radio\r\nradio#1=New\r\n"
              "Radio#2=Two\r\n\r\n; tone readers\r\n[Vela*Quin]\r\nSystemTypes=1\r\n"
              "\r\n[Connections]\r\nReader#1=Radio#1\r\n");

    EXPECT_TRUE(WritePrivateProfileString("Radios", "radio#1", nullptr, path.c_str()));
    EXPECT_TRUE(WritePrivateProfileString("Radios", nullptr, nullptr, path.c_str()));
    EXPECT_TRUE(WritePrivateProfileString("Missing", nullptr, nullptr, path.c_str()));
    EXPECT_EQ(ReadFile(path), "; Halbridge settings\r\n\r\n; tone readers\r\n[Vela*Quin]\r\n"
                              "SystemTypes=1\r\n\r\n[Connections]\r\nReader#1=Radio#1\r\n");
    EXPECT_EQ(FolderNames(), std::vector<std::string>{"settings.ini"});
}

TEST_F(PrivateProfileTest, AFailedWriteKeepsTheOldFileAndValue) {
    const std::string path = Folder() + "/settings.ini";
    WriteFile(path, "[A]\nx=1\n");
    ini::UseFiles();
    SetFileWriteFault(FileWriteStage::Sync);
    EXPECT_FALSE(WritePrivateProfileString("A", "x", "2", path.c_str()));
    EXPECT_EQ(GetLastError(), ERROR_WRITE_FAULT);
    EXPECT_EQ(ReadFile(path), "[A]\nx=1\n");
    EXPECT_EQ(GetPrivateProfileInt("A", "x", 0, path.c_str()), 1);
    EXPECT_EQ(FolderNames(), std::vector<std::string>{"settings.ini"});
    EXPECT_TRUE(ini::Journal(path).empty());
}

TEST_F(PrivateProfileTest, FileModeReadsAFileChangedOnDisk) {
    const std::string path = Folder() + "/settings.ini";
    ini::UseFiles();
    EXPECT_EQ(GetPrivateProfileInt("A", "x", 7, path.c_str()), 7);
    WriteFile(path, "[A]\nx=1\n");
    EXPECT_EQ(GetPrivateProfileInt("A", "x", 7, path.c_str()), 1);
    WriteFile(path, "[A]\nx=22\n");
    EXPECT_EQ(GetPrivateProfileInt("A", "x", 7, path.c_str()), 22);
}

TEST_F(PrivateProfileTest, MemoryModeNeverReadsTheFileAndKeepsWritesInMemory) {
    const std::string path = Folder() + "/copy.ini";
    WriteFile(path, "[A]\nx=1\ny=5\n");
    EXPECT_EQ(GetPrivateProfileInt("A", "x", 0, path.c_str()), 0);
    EXPECT_EQ(GetPrivateProfileInt("A", "y", 0, path.c_str()), 0);
    EXPECT_TRUE(WritePrivateProfileString("A", "x", "2", path.c_str()));
    EXPECT_TRUE(WritePrivateProfileString("A", nullptr, nullptr, path.c_str()));
    WriteFile(path, "[A]\nx=3\n");
    EXPECT_EQ(GetPrivateProfileInt("A", "x", 0, path.c_str()), 0);
    EXPECT_EQ(ini::Dump(path), "");
    EXPECT_EQ(ReadFile(path), "[A]\nx=3\n");

    const std::vector<ini::Write> journal = ini::Journal(path);
    ASSERT_EQ(journal.size(), 2u);
    EXPECT_EQ(journal[0].key, "x");
    EXPECT_EQ(journal[0].value, "2");
    EXPECT_EQ(journal[1].section, "A");
    EXPECT_FALSE(journal[1].key);
}

TEST_F(PrivateProfileTest, RelativePathsAreInTheConfigFolder) {
    const char* saved = getenv("HALBRIDGE_HOME");
    const std::string savedHome = saved ? saved : "";
    setenv("HALBRIDGE_HOME", Folder().c_str(), 1);
    ini::UseFiles();
    EXPECT_TRUE(WritePrivateProfileString("A", "x", "1", "sub\\Halbridge.ini"));
    EXPECT_EQ(ReadFile(Folder() + "/config/sub/Halbridge.ini"), "[A]\nx=1\n");
    EXPECT_EQ(ini::Journal(Folder() + "/config/sub/Halbridge.ini").size(), 1u);
    saved ? setenv("HALBRIDGE_HOME", savedHome.c_str(), 1) : unsetenv("HALBRIDGE_HOME");
}

TEST_F(PrivateProfileTest, WritesThatWouldNotReadBackAreRefused) {
    const char* bad[][3] = {{"A", "x", "1\n[B]"}, {"A]", "x", "1"}, {"A", "x=y", "1"},
                            {"A", ";x", "1"},     {"A", " ", "1"},  {"A\r\nB", "x", "1"}};
    for (const auto& [section, key, value] : bad) {
        SetLastError(0);
        EXPECT_FALSE(WritePrivateProfileString(section, key, value, kPath)) << section << key;
        EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    }
    EXPECT_EQ(ini::Dump(kPath), "");
}

} // namespace
} // namespace hb::win
