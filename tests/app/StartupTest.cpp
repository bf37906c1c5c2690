#include "app/radiowindow/RadioFrame.h"
#include "platform/afx/CDialog.h"
#include "platform/afx/CDocTemplate.h"
#include "platform/afx/CDocument.h"
#include "platform/afx/CView.h"
#include "platform/afx/res/ResourceChain.h"
#include "platform/records/StatusCodes.h"
#include "platform/tessary/model/File.h"
#include "platform/tessary/model/Radio.h"
#include "platform/win/sys/Modules.h"
#include "platform/win/sys/ProgramPath.h"
#include "resources/ResourceIds.h"
#include "tests/app/ProgramTest.h"

#include <algorithm>
#include <filesystem>

namespace hb::app::test {
namespace {

std::string VersionText(const ModuleVersion& version) {
    const auto& v = version.parts;
    return std::to_string(v[0]) + "." + std::to_string(v[1]) + "." + std::to_string(v[2]) + "." +
           std::to_string(v[3]);
}

class StartupTest : public ProgramTest {
protected:
    StartupTest() { Settings(kTwoRadios); }

    std::vector<UINT> TemplateIds() const {
        std::vector<UINT> ids;
        for (POSITION pos = app->GetFirstDocTemplatePosition(); pos;) {
            ids.push_back(app->GetNextDocTemplate(pos)->m_nIDResource);
        }
        return ids;
    }
    // Start-up ended: no window is left, and nothing was set up.
    void ExpectEndedEarly(const std::optional<int>& result, const std::string& why,
                          int status = CHalbridgeApp::kStartupFailed) const {
        EXPECT_EQ(result, std::optional<int>(status)) << why;
        EXPECT_EQ(app->m_pMainWnd, nullptr) << why;
        EXPECT_TRUE(Rigs().empty()) << why;
        EXPECT_FALSE(std::filesystem::exists(Home() + "/config")) << why;
    }
};

TEST_F(StartupTest, AMissingOrOldCompanionOrAResourceLibraryThatWillNotLoadEndsStartUp) {
    for (std::size_t i = 0; i < std::size(kCompanions); ++i) {
        for (const bool missing : {true, false}) {
            ModuleVersion old = kCompanions[i].version;
            auto last = std::find_if(old.parts.rbegin(), old.parts.rend(),
                                     [](std::uint16_t part) { return part != 0; });
            --*last;
            hb::win::SetFakeModule(kCompanions[i].name, missing ? std::nullopt : std::optional(old),
                                   false);
            NewApp();
            testing::internal::CaptureStderr();
            ExpectEndedEarly(Start(), std::string(kCompanions[i].name) +
                                          (missing ? " missing" : " too old"));
            const std::string said = testing::internal::GetCapturedStderr();
            EXPECT_EQ(said, "halbridge: start-up ended: the companion file " +
                                hb::win::ModulePathFor(kCompanions[i].name) +
                                (missing ? " is missing or carries no version\n"
                                         : " is version " + VersionText(old) + ", older than " +
                                               VersionText(kCompanions[i].version) + "\n"));
            // The companion library is loaded only when every check before it passed.
            EXPECT_EQ(GetModuleHandle("Brisko.DLL") != HMODULE{}, i == 8) << kCompanions[i].name;
            hb::win::SetFakeModule(kCompanions[i].name, kCompanions[i].version, false);
            hb::win::UnloadAllModules();
        }
    }
    hb::win::SetFakeModule("Pellam.DLL", kCompanions[8].version, true);
    NewApp();
    testing::internal::CaptureStderr();
    ExpectEndedEarly(Start(), "Pellam does not load");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "halbridge: start-up ended: the library " +
                                                          hb::win::ModulePathFor("Pellam.DLL") +
                                                          " cannot be loaded\n");
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(StartupTest, ResetAsAWholeArgumentDeletesOnlyTheProgramsSettings) {
    UserValue("Settings", "UseCompactView", 1);
    SetValue("Software\\Corvanta\\Suite\\Colors", "Background", 7);
    ExpectEndedEarly(Start("-RESET"), "reset", 0);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, "Software\\Corvanta\\Halbridge Pro"));
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, "Software\\Corvanta\\Suite\\Colors"));

    // Reset without a settings tree still ends start-up.
    NewApp();
    ExpectEndedEarly(Start("\"-reset\""), "second reset", 0);
}

TEST_F(StartupTest, AFileWhosePathContainsResetIsOpenedAndKeepsItsCase) {
    UserValue("Settings", "UseCompactView", 1);
    const std::string folder = Home() + "/Pre-Reset";
    std::filesystem::create_directories(folder);
    const std::string list = folder + "/Receiver.sws";
    Roster roster;
    ASSERT_TRUE(File(list, &roster).save());
    UseResourceLibrary();
    // The scan view shows the empty list as it is (the standard view would ask for a group).
    UserValue("Receiver", "ViewType", 0);
    // The window opens and holds the radio, but there is nothing to scan.
    ExpectBox("scan list is empty", IDOK, "Empty Scan List");

    ASSERT_EQ(Start("\"" + list + "\""), std::nullopt);
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, "Software\\Corvanta\\Halbridge Pro\\Settings"));
    auto* frame = dynamic_cast<CRadioFrame*>(Main().GetActiveFrame());
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->GetActiveDocument()->GetPathName(), list.c_str());
    // The window serves the radio the file is named after, and holds it.
    ASSERT_EQ(frame->m_rig, CRig::FindByName("Receiver"));
    EXPECT_EQ(frame->m_rig->m_owner, frame);
    EXPECT_EQ(frame->m_rig->m_opener, ID_TOOLS_RADIO_CONTROL);
}

TEST_F(StartupTest, AFreshStartCopiesTheSampleSettingsAndMakesARigForEachUsableEntry) {
    const std::string folder = Home() + "/program";
    std::filesystem::create_directories(folder + "/Samples");
    hb::win::SetModuleFileNameOverride(folder + "/hbpro");
    const std::string sample = "[Radios]\nRadio#1=Alpha\nRadio#3=Charlie\n"
                               "Radio#4=A name of twenty-five chr\nRadio#5=Unknown\n"
                               "[Alpha]\nType=42\nPort=SIM\n[Charlie]\nType=258\nPort=SIM\n"
                               "[A name of twenty-fi]\nType=17\nPort=SIM\n[Unknown]\nType=200\n";
    WriteBytes(folder + "/Samples/hbpro.ini", sample);
    hb::win::ini::UseFiles();
    NewApp();

    ASSERT_EQ(Start(), std::nullopt);
    EXPECT_EQ(ReadBytes(SettingsFile()), sample);
    EXPECT_EQ(Rigs(), (std::vector<std::string>{"Alpha", "Charlie", "A name of twenty-fi"}));
    EXPECT_EQ(CRig::FindByName("Charlie")->m_radio->RadioTypeCode(), 2);
    // Nothing of a radio is open, and no document either.
    EXPECT_EQ(EngineSim::EngineCount() + EngineSim::DeviceCount(), 0u);
    EXPECT_EQ(Main().GetActiveFrame(), &Main());
    EXPECT_EQ(Main().GetTitle(), "Halbridge Pro");

    // A settings file that exists is the user's: it is not replaced.
    WriteBytes(SettingsFile(), "[Radios]\nRadio#2=Alpha\n[Alpha]\nType=42\nPort=SIM\n");
    hb::win::ini::UseFiles();
    NewApp();
    ASSERT_EQ(Start(), std::nullopt);
    EXPECT_EQ(Rigs(), std::vector<std::string>{"Alpha"});
}

TEST_F(StartupTest, ThereIsOneDatabaseTemplatePerInstalledFormat) {
    ASSERT_TRUE(hb::win::registry::Seed(HKEY_LOCAL_MACHINE,
                                        "HalbridgeRegistry 1\n[SOFTWARE]\n"
                                        "[SOFTWARE\\Microsoft]\n[SOFTWARE\\Microsoft\\Jet]\n"
                                        "[SOFTWARE\\Microsoft\\Jet\\4.0]\n"
                                        "[SOFTWARE\\Microsoft\\Jet\\4.0\\ISAM Formats]\n"
                                        "[SOFTWARE\\Microsoft\\Jet\\4.0\\ISAM Formats\\Excel]\n"
                                        "[SOFTWARE\\Microsoft\\Jet\\4.0\\ISAM Formats\\Jet 3.x]\n"
                                        "\"Engine\"=sz:\"Jet\"\n"
                                        "[SOFTWARE\\Microsoft\\Jet\\4.0\\ISAM Formats\\Jet 4.0]\n"
                                        "\"Engine\"=sz:\"Jet\"\n"
                                        "[SOFTWARE\\Microsoft\\Jet\\4.0\\ISAM Formats\\Text]\n"
                                        "\"Engine\"=sz:\"Text\"\n"
                                        "[SOFTWARE\\Microsoft\\Jet\\4.0\\ISAM Formats\\xbase]\n"
                                        "\"Engine\"=sz:\"Xbase\"\n"
                                        "End\n"));
    ASSERT_EQ(Start(), std::nullopt);
    EXPECT_EQ(TemplateIds(), (std::vector<UINT>{27295, 27354, 27297, 1645, 1646, 1649, 27299, 28508,
                                                27301, 27302, 27289}));
}

TEST_F(StartupTest, TheWizardIsAskedForUnlessTheUserTurnedItOff) {
    ASSERT_EQ(Start(), std::nullopt);
    Pump();
    EXPECT_TRUE(Boxes().empty());

    RegDeleteTree(HKEY_CURRENT_USER, "Software\\Corvanta\\Halbridge Pro\\Wizard");
    NewApp();
    hb::afx::SetModalScript("CWizard", [](CDialog& wizard) { wizard.EndDialog(IDCANCEL); });
    ASSERT_EQ(Start(), std::nullopt);
    Pump();
    ASSERT_EQ(hb::afx::ModalLog().size(), 1u);
    EXPECT_EQ(hb::afx::ModalLog()[0].caption, "Halbridge Pro Wizard");
}

TEST_F(StartupTest, TheResourceLibraryServesFromStartUpUntilTheExitStep) {
    hb::win::ClearFakeModules();
    for (const CompanionFile& companion : kCompanions) {
        if (std::string(companion.name) != "Pellam.DLL") {
            hb::win::SetFakeModule(companion.name, companion.version, false);
        }
    }
    EXPECT_EQ(hb::afx::FindDialogResource(IDD_R8500_VIEW), nullptr);
    ASSERT_EQ(Start(), std::nullopt);
    EXPECT_NE(hb::afx::FindDialogResource(IDD_R8500_VIEW), nullptr);
    EXPECT_EQ(hb::testkit::FinishApp(*app), 0);
    EXPECT_EQ(hb::afx::FindDialogResource(IDD_R8500_VIEW), nullptr);
}

TEST_F(StartupTest, AFolderThatCannotBeMadeOrAFileThatCannotBeOpenedEndsStartUpAndSaysWhy) {
    // Something that is not a folder stands where the settings go.
    std::filesystem::remove_all(Home() + "/config");
    WriteBytes(Home() + "/config", "");
    testing::internal::CaptureStderr();
    EXPECT_EQ(Start(), std::optional<int>(CHalbridgeApp::kStartupFailed));
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "halbridge: start-up ended: the folder " + Home() +
                  "/config cannot be created (Not a directory)\n");
    EXPECT_EQ(app->m_pMainWnd, nullptr);
    std::filesystem::remove(Home() + "/config");

    const std::string missing = Home() + "/Receiver.sws";
    NewApp();
    UseResourceLibrary();
    ExpectBox("Receiver.sws", IDOK);
    testing::internal::CaptureStderr();
    EXPECT_EQ(Start("\"" + missing + "\""), std::optional<int>(CHalbridgeApp::kStartupFailed));
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "halbridge: start-up ended: cannot open " + missing + "\n");
    EXPECT_EQ(app->m_pMainWnd, nullptr);
}

TEST_F(StartupTest, ARelativeFileIsTakenFromTheFolderTheProgramWasStartedIn) {
    const std::string folder = Home() + "/lists";
    std::filesystem::create_directories(folder + "/sub");
    const std::string list = folder + "/sub/Receiver.sws";
    Roster roster;
    ASSERT_TRUE(File(list, &roster).save());
    UseResourceLibrary();
    UserValue("Receiver", "ViewType", 0);
    ExpectBox("scan list is empty", IDOK, "Empty Scan List");
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(folder);
    const std::optional<int> started = Start("sub/Receiver.sws");
    std::filesystem::current_path(before);

    ASSERT_EQ(started, std::nullopt);
    auto* frame = dynamic_cast<CRadioFrame*>(Main().GetActiveFrame());
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->GetActiveDocument()->GetPathName(), list.c_str());
}

TEST_F(StartupTest, AStopEndsStartUpAtItsNextStepAsNoFailure) {
    testing::internal::CaptureStderr();
    app->RequestStop();
    ExpectEndedEarly(Start(), "stopped before start-up", 0);

    // During the configuration prompt, as a signal does it: the prompt is cancelled, start-up
    // goes no further, and nothing of the user's is written.
    NewApp();
    EngineSim::SetConfigVerdict(hb::records::kStatusNotSupported);
    const std::string before = hb::win::ini::Dump(SettingsFile());
    hb::afx::SetModalScript(IDD_CONFIGURATION_PROMPT, [this](CDialog&) {
        app->RequestStop();
        hb::afx::CancelModals();
    });
    EXPECT_EQ(Start(), std::optional<int>(0));
    EXPECT_EQ(hb::afx::ModalLog().size(), 1u);
    EXPECT_EQ(hb::afx::ModalLog().back().result, IDCANCEL);
    EXPECT_EQ(app->m_pMainWnd, nullptr);
    EXPECT_TRUE(Rigs().empty());
    EXPECT_EQ(hb::win::ini::Dump(SettingsFile()), before);
    EXPECT_FALSE(
        KeyExists(HKEY_CURRENT_USER, "Software\\Corvanta\\Halbridge Pro\\WindowPositions"));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

} // namespace
} // namespace hb::app::test
