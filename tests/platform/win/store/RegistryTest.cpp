#include "StoreTest.h"

#include <cstring>

namespace hb::win {
namespace {

class RegistryTest : public StoreTest {
protected:
    static HKEY Create(HKEY root, const char* path, DWORD* disposition = nullptr) {
        HKEY key;
        EXPECT_EQ(RegCreateKeyEx(root, path, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                                 nullptr, &key, disposition),
                  ERROR_SUCCESS);
        return key;
    }
    static DWORD SetSz(HKEY key, const char* name, const char* text, DWORD size) {
        return RegSetValueEx(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text), size);
    }
    static std::vector<std::string> SubKeys(HKEY key) {
        std::vector<std::string> names;
        char name[100];
        for (DWORD i = 0; RegEnumKey(key, i, name, sizeof name) == ERROR_SUCCESS; ++i) {
            names.push_back(name);
        }
        return names;
    }
};

TEST_F(RegistryTest, BinaryIsReadOnlyIntoABufferLargeEnough) {
    const HKEY key = Create(HKEY_CURRENT_USER, "Software\\Corvanta\\Halbridge Pro\\Radio");
    std::vector<BYTE> parm(129);
    for (std::size_t i = 0; i < parm.size(); ++i) {
        parm[i] = static_cast<BYTE>(i * 7);
    }
    ASSERT_EQ(RegSetValueEx(key, "SpanParm", 0, REG_BINARY, parm.data(), 129), ERROR_SUCCESS);

    std::vector<BYTE> small(100, 0xAA);
    DWORD type = 0;
    DWORD size = 100;
    EXPECT_EQ(RegQueryValueEx(key, "SpanParm", nullptr, &type, small.data(), &size),
              ERROR_MORE_DATA);
    EXPECT_EQ(type, REG_BINARY);
    EXPECT_EQ(size, 129u);
    EXPECT_EQ(small, std::vector<BYTE>(100, 0xAA));

    size = 0;
    EXPECT_EQ(RegQueryValueEx(key, "SpanParm", nullptr, nullptr, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 129u);

    std::vector<BYTE> exact(129);
    EXPECT_EQ(RegQueryValueEx(key, "spanparm", nullptr, &type, exact.data(), &size), ERROR_SUCCESS);
    EXPECT_EQ(exact, parm);
    EXPECT_EQ(RegQueryValueEx(key, "ScopeParm", nullptr, &type, exact.data(), &size),
              ERROR_FILE_NOT_FOUND);
}

TEST_F(RegistryTest, ValueTypesAreStoredAsWritten) {
    const HKEY key = Create(HKEY_CURRENT_USER, "Software\\Test");
    EXPECT_EQ(SetSz(key, "Counted", "abc", 4), ERROR_SUCCESS);
    EXPECT_EQ(SetSz(key, "Uncounted", "abc", 3), ERROR_SUCCESS);
    for (const char* name : {"Counted", "Uncounted"}) {
        char text[8] = "xxxxxxx";
        DWORD size = sizeof text;
        EXPECT_EQ(
            RegQueryValueEx(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(text), &size),
            ERROR_SUCCESS);
        EXPECT_EQ(size, 4u) << name;
        EXPECT_STREQ(text, "abc");
    }
    const DWORD number = 42;
    const auto* bytes = reinterpret_cast<const BYTE*>(&number);
    EXPECT_EQ(RegSetValueEx(key, "Short", 0, REG_DWORD, bytes, 2), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegSetValueEx(key, "Odd", 0, 7, bytes, 4), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegSetValueEx(key, nullptr, 0, REG_DWORD, bytes, 4), ERROR_SUCCESS);
    DWORD read = 0;
    DWORD type = 0;
    DWORD size = sizeof read;
    EXPECT_EQ(RegQueryValueEx(key, "", nullptr, &type, reinterpret_cast<BYTE*>(&read), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, REG_DWORD);
    EXPECT_EQ(read, 42u);
}

TEST_F(RegistryTest, NamesIgnoreCaseAndKeepTheirFirstCase) {
    DWORD disposition = 0;
    const HKEY key = Create(HKEY_CURRENT_USER, "\\Software\\\\Corvanta\\", &disposition);
    EXPECT_EQ(disposition, DWORD(REG_CREATED_NEW_KEY));
    Create(HKEY_CURRENT_USER, "SOFTWARE\\corvanta", &disposition);
    EXPECT_EQ(disposition, DWORD(REG_OPENED_EXISTING_KEY));
    EXPECT_EQ(SubKeys(HKEY_CURRENT_USER), std::vector<std::string>{"Software"});

    EXPECT_EQ(SetSz(key, "VisualTheme", "a", 2), ERROR_SUCCESS);
    EXPECT_EQ(SetSz(key, "VISUALTHEME", "b", 2), ERROR_SUCCESS);
    char name[32];
    DWORD nameSize = sizeof name;
    char data[4];
    DWORD dataSize = sizeof data;
    EXPECT_EQ(RegEnumValue(key, 0, name, &nameSize, nullptr, nullptr, reinterpret_cast<BYTE*>(data),
                           &dataSize),
              ERROR_SUCCESS);
    EXPECT_STREQ(name, "VisualTheme");
    EXPECT_STREQ(data, "b");
    nameSize = sizeof name;
    EXPECT_EQ(RegEnumValue(key, 1, name, &nameSize, nullptr, nullptr, nullptr, nullptr),
              ERROR_NO_MORE_ITEMS);
}

TEST_F(RegistryTest, SubKeysAreListedInCaseInsensitiveOrderAndValuesInWriteOrder) {
    const HKEY isam = Create(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Jet\\4.0\\ISAM Formats");
    for (const char* name : {"Xbase", "excel", "Lotus", "Jet 3.x", "a_b", "AAB", "Paradox"}) {
        RegCloseKey(Create(isam, name));
    }
    EXPECT_EQ(SubKeys(isam), (std::vector<std::string>{"AAB", "a_b", "excel", "Jet 3.x", "Lotus",
                                                       "Paradox", "Xbase"}));
    char tiny[4];
    EXPECT_EQ(RegEnumKey(isam, 4, tiny, sizeof tiny), ERROR_MORE_DATA);

    const HKEY key = Create(HKEY_CURRENT_USER, "Software\\Order");
    for (const char* name : {"Zeta", "alpha", "Mid"}) {
        SetSz(key, name, "1", 2);
    }
    SetSz(key, "Zeta", "2", 2);
    RegDeleteValue(key, "alpha");
    SetSz(key, "Alpha", "3", 2);
    std::vector<std::string> names;
    char name[16];
    DWORD size = sizeof name;
    for (DWORD i = 0;
         RegEnumValue(key, i, name, &size, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
         ++i, size = sizeof name) {
        names.push_back(name);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Zeta", "Mid", "Alpha"}));
}

TEST_F(RegistryTest, DeletingKeysAndTrees) {
    const HKEY app = Create(HKEY_CURRENT_USER, "Software\\Corvanta\\Halbridge Pro");
    const HKEY radio = Create(app, "Radios\\Radio1");
    SetSz(radio, "Name", "x", 2);

    EXPECT_EQ(RegDeleteKey(HKEY_CURRENT_USER, "Software\\Corvanta\\Halbridge Pro"),
              ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegDeleteKey(app, "Radios\\Missing"), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegDeleteTree(HKEY_CURRENT_USER, "software\\corvanta\\halbridge pro"), ERROR_SUCCESS);

    HKEY opened;
    EXPECT_EQ(
        RegOpenKeyEx(HKEY_CURRENT_USER, "Software\\Corvanta\\Halbridge Pro", 0, KEY_READ, &opened),
        ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(SubKeys(HKEY_CURRENT_USER), std::vector<std::string>{"Software"});

    // Handles opened before the delete stay deleted even when the path is made again.
    Create(HKEY_CURRENT_USER, "Software\\Corvanta\\Halbridge Pro\\Radios\\Radio1");
    EXPECT_EQ(SetSz(radio, "Name", "y", 2), ERROR_KEY_DELETED);
    EXPECT_EQ(RegCreateKeyEx(app, "New", 0, nullptr, 0, 0, nullptr, &opened, nullptr),
              ERROR_KEY_DELETED);
    EXPECT_EQ(RegCloseKey(radio), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(radio), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegQueryValueEx(HKEY(12345u), "x", nullptr, nullptr, nullptr, nullptr),
              ERROR_INVALID_HANDLE);

    EXPECT_EQ(RegDeleteTree(HKEY_CURRENT_USER, nullptr), ERROR_SUCCESS);
    EXPECT_TRUE(SubKeys(HKEY_CURRENT_USER).empty());
}

TEST_F(RegistryTest, JournalKeepsTheOrderOfChanges) {
    const HKEY key = Create(HKEY_CURRENT_USER, "Software\\App");
    SetSz(key, "VisualTheme", "1", 2);
    SetSz(key, "VisualStyle", "2", 2);
    RegDeleteValue(key, "VisualTheme");
    RegDeleteTree(HKEY_CURRENT_USER, "Software");

    using registry::Change;
    std::vector<std::pair<Change, std::string>> seen;
    for (const registry::JournalEntry& e : registry::Journal()) {
        EXPECT_EQ(e.root, HKEY_CURRENT_USER);
        seen.emplace_back(e.change, e.keyPath + "|" + e.valueName);
    }
    EXPECT_EQ(seen, (std::vector<std::pair<Change, std::string>>{
                        {Change::CreateKey, "Software|"},
                        {Change::CreateKey, "Software\\App|"},
                        {Change::SetValue, "Software\\App|VisualTheme"},
                        {Change::SetValue, "Software\\App|VisualStyle"},
                        {Change::DeleteValue, "Software\\App|VisualTheme"},
                        {Change::DeleteTree, "Software|"}}));
    EXPECT_EQ(registry::Journal()[2].type, REG_SZ);
    EXPECT_EQ(registry::Journal()[2].data, (std::vector<BYTE>{'1', 0}));
    registry::ClearJournal();
    EXPECT_TRUE(registry::Journal().empty());
}

TEST_F(RegistryTest, FailNextFailsOneCallOfItsKindAndChangesNothing) {
    const HKEY key = Create(HKEY_CURRENT_USER, "Software\\App");
    registry::ClearJournal();
    registry::FailNext(registry::Op::Set, ERROR_ACCESS_DENIED);
    registry::FailNext(registry::Op::Open, ERROR_FILE_NOT_FOUND);

    HKEY opened;
    EXPECT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, "Software", 0, KEY_READ, &opened),
              ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, "Software", 0, KEY_READ, &opened), ERROR_SUCCESS);
    EXPECT_EQ(SetSz(key, "A", "1", 2), ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegQueryValueEx(key, "A", nullptr, nullptr, nullptr, nullptr), ERROR_FILE_NOT_FOUND);
    EXPECT_TRUE(registry::Journal().empty());
    EXPECT_EQ(SetSz(key, "A", "1", 2), ERROR_SUCCESS);
}

TEST_F(RegistryTest, SeedAndDumpUseTheFileText) {
    const std::string text = "HalbridgeRegistry 1\n"
                             "\n[SOFTWARE]\n"
                             "\n[SOFTWARE\\Microsoft]\n"
                             "\n[SOFTWARE\\Microsoft\\Jet]\n"
                             "\n[SOFTWARE\\Microsoft\\Jet\\Excel]\n"
                             "\"Engine\"=sz:\"C:\\\\x \\\"q\\\"\\n\\x01\"\n"
                             "@=dword:0000000a\n"
                             "\"Blob\"=hex:00,ff,10\n"
                             "\"Empty\"=hex:\n"
                             "\"Nothing\"=none:\n"
                             "\nEnd\n";
    ASSERT_TRUE(registry::Seed(HKEY_LOCAL_MACHINE, text));
    EXPECT_EQ(registry::Dump(HKEY_LOCAL_MACHINE), text);

    HKEY key;
    ASSERT_EQ(
        RegOpenKeyEx(HKEY_LOCAL_MACHINE, "software\\microsoft\\jet\\excel", 0, KEY_READ, &key),
        ERROR_SUCCESS);
    char engine[32];
    DWORD size = sizeof engine;
    EXPECT_EQ(
        RegQueryValueEx(key, "Engine", nullptr, nullptr, reinterpret_cast<BYTE*>(engine), &size),
        ERROR_SUCCESS);
    EXPECT_STREQ(engine, "C:\\x \"q\"\n\x01");

    EXPECT_FALSE(registry::Seed(HKEY_LOCAL_MACHINE, "HalbridgeRegistry 1\n[A]\n\"x\"=dword:\nEnd"));
    EXPECT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, "A", 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
}

} // namespace
} // namespace hb::win
