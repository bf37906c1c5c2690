#include "platform/afx/CFrameWnd.h"
#include "platform/win/store/AtomicFile.h"
#include "platform/win/store/Registry.h"
#include "tests/platform/tessary/app/ScanAppTest.h"

#include <array>

namespace hb::tessary::test {
namespace {

constexpr LPCSTR kUserKey = "Software\\Corvanta\\Halbridge Pro\\";
constexpr LPCSTR kSuiteKey = "Software\\Corvanta\\Suite\\";

// The value as stored, or nullopt when the key or the value is missing.
std::optional<std::string> Stored(HKEY root, const std::string& path, LPCSTR name, DWORD type) {
    HKEY key;
    if (RegOpenKeyEx(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    DWORD found = REG_NONE;
    char data[256] = {};
    DWORD size = sizeof data;
    const DWORD result =
        RegQueryValueEx(key, name, nullptr, &found, reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS || found != type) {
        return std::nullopt;
    }
    return std::string(data, type == REG_SZ ? size - 1 : size);
}

void SetValue(HKEY root, const std::string& path, LPCSTR name, DWORD type, const void* data,
              DWORD size) {
    HKEY key;
    ASSERT_EQ(
        RegCreateKeyEx(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
        ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueEx(key, name, 0, type, static_cast<const BYTE*>(data), size),
              ERROR_SUCCESS);
    RegCloseKey(key);
}

std::string Dword(std::uint32_t v) {
    return {static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16),
            static_cast<char>(v >> 24)};
}

using ProfileTest = ScanAppTest;

TEST_F(ProfileTest, ReadsGiveTheirDefaultsUntilWrittenAndEachScopeHasItsOwnKey) {
    EXPECT_EQ(app.GetProfileIntA("Settings", "ViewType", -1), -1);
    EXPECT_EQ(app.GetProfileStringA("Radio 1", "ScanListFile", "Radio 1.sws"), "Radio 1.sws");
    EXPECT_EQ(app.GetProfileStringA("Radio 1", "ScanListFile"), "");
    EXPECT_EQ(app.GetSuiteProfileInt("Colors", "Color12", 7), 7);
    EXPECT_EQ(app.GetSuiteProfileString("Settings", "Theme", "none"), "none");
    EXPECT_EQ(app.GetMachineProfileInt("Settings", "DisableScanMode", 3), 3);

    // One section and entry in all three scopes.
    EXPECT_TRUE(app.WriteProfileInt("Settings", "VisualTheme", -2));
    EXPECT_TRUE(app.WriteSuiteProfileInt("Settings", "VisualTheme", 3));
    SetValue(HKEY_LOCAL_MACHINE, "Software\\Corvanta\\Halbridge Pro\\Settings", "VisualTheme",
             REG_DWORD, Dword(1).data(), 4);
    EXPECT_EQ(app.GetProfileIntA("Settings", "VisualTheme", 0), -2);
    EXPECT_EQ(app.GetSuiteProfileInt("Settings", "VisualTheme", 0), 3);
    EXPECT_EQ(app.GetMachineProfileInt("Settings", "VisualTheme", 0), 1);
    EXPECT_EQ(
        Stored(HKEY_CURRENT_USER, std::string(kUserKey) + "Settings", "VisualTheme", REG_DWORD),
        Dword(0xFFFFFFFE));
    EXPECT_EQ(
        Stored(HKEY_CURRENT_USER, std::string(kSuiteKey) + "Settings", "VisualTheme", REG_DWORD),
        Dword(3));

    EXPECT_TRUE(app.WriteProfileStringA("Radio 1", "ScanListFile", "/srv/a.sws"));
    EXPECT_TRUE(app.WriteSuiteProfileString("Shared", "Owner", "Corvanta"));
    EXPECT_EQ(app.GetProfileStringA("Radio 1", "ScanListFile"), "/srv/a.sws");
    EXPECT_EQ(app.GetSuiteProfileString("Shared", "Owner"), "Corvanta");
    EXPECT_EQ(Stored(HKEY_CURRENT_USER, std::string(kSuiteKey) + "Shared", "Owner", REG_SZ),
              "Corvanta");

    // A value of another type reads as absent.
    EXPECT_EQ(app.GetProfileIntA("Radio 1", "ScanListFile", 5), 5);
    EXPECT_EQ(app.GetSuiteProfileInt("Shared", "Owner", 5), 5);
    // The machine scope is never written by the profile.
    EXPECT_FALSE(Stored(HKEY_CURRENT_USER, std::string(kSuiteKey) + "Settings", "Owner", REG_SZ));
}

TEST_F(ProfileTest, SectionKeyHoldsBinaryRecordsThatAreReadOnlyAtTheirExactSize) {
    std::array<BYTE, 129> vfo{};
    for (std::size_t i = 0; i < vfo.size(); ++i) {
        vfo[i] = static_cast<BYTE>(i * 7);
    }
    const std::array<BYTE, 130> longer{1, 2, 3};
    HKEY key = app.GetSectionKey("Radio 1");
    ASSERT_TRUE(key);
    ASSERT_EQ(RegSetValueEx(key, "VFO0", 0, REG_BINARY, vfo.data(), 129), ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueEx(key, "VFO1", 0, REG_BINARY, longer.data(), 130), ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueEx(key, "VFO2", 0, REG_SZ, vfo.data(), 129), ERROR_SUCCESS);
    RegCloseKey(key);

    key = app.GetSectionKey("Radio 1");
    ASSERT_TRUE(key);
    std::array<BYTE, 129> read{};
    EXPECT_TRUE(CScanApp::ReadBinaryValue(key, "VFO0", read.data(), 129));
    EXPECT_EQ(read, vfo);
    // A 130-byte value, a string and a missing value all leave the caller's default.
    std::array<BYTE, 129> kept{};
    kept.fill(0xAA);
    const auto untouched = kept;
    for (const LPCSTR name : {"VFO1", "VFO2", "VFO3"}) {
        EXPECT_FALSE(CScanApp::ReadBinaryValue(key, name, kept.data(), 129)) << name;
        EXPECT_EQ(kept, untouched) << name;
    }
    RegCloseKey(key);
    // The key is the user scope's section.
    EXPECT_EQ(Stored(HKEY_CURRENT_USER, std::string(kUserKey) + "Radio 1", "VFO0", REG_BINARY),
              std::string(vfo.begin(), vfo.end()));
}

TEST_F(ProfileTest, DeleteRegTreeEmptiesTheProfileButRefusesAnEmptyPath) {
    app.WriteProfileInt("Settings", "ToolBarInit", 1);
    app.WriteSuiteProfileInt("Colors", "Color12", 5);
    EXPECT_EQ(app.DeleteRegTree(HKEY_CURRENT_USER, ""), static_cast<LONG>(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(app.GetProfileIntA("Settings", "ToolBarInit", 0), 1);

    EXPECT_EQ(app.DeleteRegTree(HKEY_CURRENT_USER, "Software\\Corvanta\\Halbridge Pro"),
              static_cast<LONG>(ERROR_SUCCESS));
    EXPECT_EQ(app.GetProfileIntA("Settings", "ToolBarInit", 0), 0);
    EXPECT_EQ(app.GetSuiteProfileInt("Colors", "Color12", 0), 5);
}

TEST_F(ProfileTest, WindowPositionsRoundTripThroughTheProfile) {
    auto* frame = new CFrameWnd;
    ASSERT_TRUE(
        frame->Create(nullptr, "Main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(100, 50, 700, 450)));
    EXPECT_FALSE(app.RestoreWindowPosition(frame, "MainWindow"));

    app.SaveWindowPosition(frame, "MainWindow");
    EXPECT_EQ(app.GetProfileStringA("WindowPositions", "MainWindow"), "100,50,700,450,0");
    frame->MoveWindow(0, 0, 200, 100);
    EXPECT_TRUE(app.RestoreWindowPosition(frame, "MainWindow"));
    CRect rect;
    frame->GetWindowRect(&rect);
    EXPECT_EQ(rect, CRect(100, 50, 700, 450));

    // Maximised: the normal rectangle stays, and the window comes back maximised.
    frame->ShowWindow(SW_SHOWMAXIMIZED);
    app.SaveWindowPosition(frame, "MainWindow");
    EXPECT_EQ(app.GetProfileStringA("WindowPositions", "MainWindow"), "100,50,700,450,1");
    frame->ShowWindow(SW_RESTORE);
    EXPECT_TRUE(app.RestoreWindowPosition(frame, "MainWindow"));
    EXPECT_TRUE(IsZoomed(frame->m_hWnd));

    // Minimised windows save nothing; damaged or off-screen values are not applied.
    frame->ShowWindow(SW_MINIMIZE);
    app.SaveWindowPosition(frame, "Other");
    EXPECT_EQ(app.GetProfileStringA("WindowPositions", "Other", "none"), "none");
    for (const LPCSTR stored : {"1,2,3", "10,10,5,5,0", "5000,5000,5600,5400,0", "1,2,3,4,0x"}) {
        app.WriteProfileStringA("WindowPositions", "Other", stored);
        EXPECT_FALSE(app.RestoreWindowPosition(frame, "Other")) << stored;
    }
    frame->DestroyWindow();
}

TEST_F(ProfileTest, ASettingsFileThatCannotBeWrittenIsReportedOncePerRun) {
    const std::string folder = Home() + "/config";
    hb::win::registry::UseFiles(folder);
    ExpectBox("The settings could not be saved to " + folder + "/user.reg (Permission denied)",
              IDOK, "Halbridge Pro");
    hb::win::SetFileWriteFault(hb::win::FileWriteStage::Rename);
    EXPECT_FALSE(app.WriteProfileInt("Settings", "ViewType", 2));

    // Later failures, through any of the writes, say nothing more.
    hb::win::SetFileWriteFault(hb::win::FileWriteStage::Open);
    EXPECT_FALSE(app.WriteProfileStringA("Settings", "Name", "x"));
    hb::win::SetFileWriteFault(hb::win::FileWriteStage::Write);
    EXPECT_FALSE(app.WriteSuiteProfileInt("Colors", "Background", 7));
    EXPECT_EQ(Boxes().size(), 1u);

    // Once the file can be written again, writes reach it.
    EXPECT_TRUE(app.WriteProfileInt("Settings", "ViewType", 2));
    hb::win::registry::UseFiles(folder);
    EXPECT_EQ(app.GetProfileIntA("Settings", "ViewType", -1), 2);
}

TEST_F(ProfileTest, AWriteRefusedForAnotherReasonShowsNothing) {
    BYTE data[2] = {1, 2};
    hb::win::registry::FailNext(hb::win::registry::Op::Set, ERROR_ACCESS_DENIED);
    EXPECT_FALSE(app.WriteProfileBinary("Settings", "Block", data, sizeof data));
    EXPECT_TRUE(Boxes().empty());
}

} // namespace
} // namespace hb::tessary::test
