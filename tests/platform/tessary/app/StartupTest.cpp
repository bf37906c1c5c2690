#include "platform/tessary/app/AppHooks.h"
#include "platform/tessary/model/Radio.h"
#include "platform/win/sys/FakeModules.h"
#include "platform/win/sys/ProgramPath.h"
#include "tests/platform/tessary/app/ScanAppTest.h"

#include <filesystem>

namespace hb::tessary::test {
namespace {

using StartupTest = ScanAppTest;

TEST_F(StartupTest, FoldersAndTheSettingsFileFollowHalbridgeHome) {
    EXPECT_EQ(app.GetAppFolder(), (hb::win::ApplicationFolder() + "/").c_str());
    EXPECT_EQ(app.GetDocFolder(), (Documents() + "/").c_str());
    EXPECT_EQ(app.GetSettingsFile(), (Home() + "/config/Halbridge Pro.ini").c_str());

    CString path = "Radio 1.sws";
    app.MakeDocPath(path);
    EXPECT_EQ(path, Doc("Radio 1.sws").c_str());
    path = "Groups\\Police.swg";
    app.MakeDocPath(path);
    EXPECT_EQ(path, (Documents() + "/Groups/Police.swg").c_str());
    for (const LPCSTR kept : {"/srv/lists/Radio 1.sws", ""}) {
        path = kept;
        app.MakeDocPath(path);
        EXPECT_EQ(path, kept);
    }
    path = "Halbridge Pro User Manual.pdf";
    app.MakeAppPath(path);
    EXPECT_EQ(path, app.GetAppFolder() + "Halbridge Pro User Manual.pdf");

    path = Doc("Police.swg").c_str();
    app.RemoveDocPath(path);
    EXPECT_EQ(path, "Police.swg");
    path = (Documents() + "\\Fire.swg").c_str();
    app.RemoveDocPath(path);
    EXPECT_EQ(path, "Fire.swg");
    for (const std::string& kept :
         {Documents() + "/Groups/Police.swg", std::string("/srv/Police.swg"), Documents()}) {
        path = kept.c_str();
        app.RemoveDocPath(path);
        EXPECT_EQ(path, kept.c_str());
    }

    // Only a bare name goes to the documents folder, with its case.
    path = "Marine.SWG";
    app.OrganizeFile(path);
    EXPECT_EQ(path, Doc("Marine.SWG").c_str());
    for (const LPCSTR kept : {"/srv/Marine.swg", "Groups/Marine.swg", "Groups\\Marine.swg"}) {
        path = kept;
        app.OrganizeFile(path);
        EXPECT_EQ(path, kept);
    }
}

TEST_F(StartupTest, AppSetupPreparesTheFoldersAndReadsTheSettings) {
    app.WriteProfileInt("Settings", "UseSimpleMode", 1);
    app.WriteProfileInt("Settings", "MuteWhenMinimized", 1);
    app.WriteProfileInt("Settings", "DisplayColorMode", 2);
    EXPECT_FALSE(std::filesystem::exists(Home() + "/config"));

    ASSERT_EQ(app.AppSetup(kProduct), 1);
    EXPECT_TRUE(std::filesystem::is_directory(Home() + "/config"));
    EXPECT_EQ(app.calls, (std::vector<std::string>{"CopySampleSettings " + Home() +
                                                   "/config/Halbridge Pro.ini"}));
    EXPECT_STREQ(app.GetProduct().maker, "Corvanta");
    EXPECT_EQ(app.GetProduct().ids[0], 0x1234);
    EXPECT_EQ(app.GetProduct().version[3], 17);
    EXPECT_TRUE(app.m_simpleMode);
    EXPECT_TRUE(app.m_muteWhenMinimized);
    EXPECT_FALSE(app.m_muteInactive);
    EXPECT_EQ(app.GetDisplayColorMode(), 2);
    EXPECT_FALSE(app.IsForcedSimpleMode());
    EXPECT_FALSE(app.IsAudioLoggingUnavailable());
    EXPECT_EQ(app.GetWindowsMajorVersion(), 6u);
    EXPECT_STREQ(app.GetProductName(), "Halbridge Pro");

    // A home that is a file leaves nowhere to keep the settings.
    const std::string blocked = Home() + "/blocked";
    WriteBytes(blocked, "x");
    setenv("HALBRIDGE_HOME", blocked.c_str(), 1);
    app.calls.clear();
    EXPECT_EQ(app.AppSetup(kProduct), 0);
    EXPECT_TRUE(app.calls.empty());
}

TEST_F(StartupTest, FileVersionCheckRefusesOldMissingAndUnversionedModules) {
    // The module tests' library carries version 1.2.3.4.
    EXPECT_EQ(app.FileVersionCheck("HbTestModule.DLL", 1, 2, 3, 4), 0);
    EXPECT_EQ(app.FileVersionCheck("HbTestModule.DLL", 1, 1, 99, 99), 0);
    EXPECT_NE(app.FileVersionCheck("HbTestModule.DLL", 1, 2, 3, 5), 0);
    EXPECT_NE(app.FileVersionCheck("HbTestModule.DLL", 2, 0, 0, 0), 0);
    EXPECT_NE(app.FileVersionCheck("NoSuchCompanion.DLL", 0, 0, 0, 0), 0);

    hb::win::SetFakeModule("Pellam.DLL", hb::win::ModuleVersion{{9, 1, 4, 17}}, false);
    hb::win::SetFakeModule("xtp.dll", std::nullopt, false);
    EXPECT_EQ(app.FileVersionCheck("Pellam.DLL", 9, 1, 4, 17), 0);
    EXPECT_NE(app.FileVersionCheck("Pellam.DLL", 9, 1, 4, 18), 0);
    EXPECT_NE(app.FileVersionCheck("xtp.dll", 0, 0, 0, 0), 0);
}

TEST_F(StartupTest, TraceWritesOnlyWhenHbTraceNamesAFile) {
    const std::string trace = Home() + "/trace.log";
    unsetenv("HB_TRACE");
    CScanApp::Trace("Orvane", 12);
    EXPECT_FALSE(std::filesystem::exists(trace));

    setenv("HB_TRACE", trace.c_str(), 1);
    hb::win::SetWallTime(1'700'000'000);
    CScanApp::Trace("Orvane", 12);
    AdvanceAndPump(250);
    CScanApp::Trace("RadioFrame", 345);
    unsetenv("HB_TRACE");
    EXPECT_EQ(ReadBytes(trace), "2023-11-14 22:13:20.000 Orvane(12)\n"
                                "2023-11-14 22:13:20.250 RadioFrame(345)\n");
}

TEST_F(StartupTest, ErrorMessageSaysWhatAStatusItKnowsMeans) {
    ExpectBox("Scanner: Device Open failed with status 0x8D00 (Loader, 690).\nThe port is in use "
              "by another program.",
              IDOK, "Device Open");
    app.ErrorMessage("Scanner", "Device Open", "Loader", 690, 0x8D00, 0x10, 0);
}

TEST_F(StartupTest, ErrorMessageRecordsEveryArgumentAndShowsAStopBox) {
    ExpectBox("Radio: Engine Open failed with status 0x8123 (RadioFrame, 412).", IDOK,
              "Engine Open");
    app.ErrorMessage("Radio", "Engine Open", "RadioFrame", 412, 0x8123, 0x10, 0);
    ASSERT_EQ(ErrorMessages().size(), 1u);
    const ErrorMessageRecord& record = ErrorMessages()[0];
    EXPECT_EQ(record.who, "Radio");
    EXPECT_EQ(record.title, "Engine Open");
    EXPECT_EQ(record.source, "RadioFrame");
    EXPECT_EQ(record.ref, 412);
    EXPECT_EQ(record.status, 0x8123);
    EXPECT_EQ(record.type, 0x10u);
    EXPECT_EQ(record.reserved, 0);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].type, MB_ICONHAND);
}

TEST_F(StartupTest, UsersStubsAndHooksAnswerAsTestsSetThem) {
    EXPECT_EQ(app.AccessCheck(2, 10, "Orvane"), 0);
    app.SetAccessResult(2, 1);
    EXPECT_NE(app.AccessCheck(2, 11, "Orvane"), 0);
    EXPECT_EQ(app.AccessCheck(1, 12, "Orvane"), 0);
    EXPECT_EQ(app.ParsePathName(), 0);

    app.m_deviceTable[17] = CScanApp::kDeviceSupported;
    EXPECT_TRUE(app.IsDeviceSupported(17));
    EXPECT_FALSE(app.IsDeviceSupported(18));
    EXPECT_FALSE(app.IsDeviceSupported(133));
    EXPECT_FALSE(app.IsDeviceSupported(-1));
    app.Logout(2);
    app.ChangeRadioFilesDirectory();
    app.GlobalAudioSettings();
    EXPECT_EQ(StubCalls(), (std::vector<std::string>{
                               "IsDeviceSupported(17)", "IsDeviceSupported(18)",
                               "IsDeviceSupported(133)", "IsDeviceSupported(-1)", "Logout(2)",
                               "ChangeRadioFilesDirectory()", "GlobalAudioSettings()"}));

    // Every new Radio passes through the application's tailoring.
    auto radio = Radio::CreateRadio(17);
    ASSERT_TRUE(radio);
    EXPECT_EQ(app.tailored, (std::vector<Radio*>{radio.get()}));
}

} // namespace
} // namespace hb::tessary::test
