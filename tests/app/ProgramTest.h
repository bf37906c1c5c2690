#pragma once
// Fixture for the program's tests: a scratch HALBRIDGE_HOME, the program's own resources, every
// companion file standing in with the version start-up wants, and the application started the way
// the program starts it. The wizard is not shown at start-up unless a test asks for it.

#include "app/HalbridgeApp.h"
#include "app/rig/Rig.h"
#include "app/rig/RigList.h"
#include "platform/afx/CFrameWnd.h"
#include "platform/afx/ModalScript.h"
#include "platform/engine/EngineSim.h"
#include "platform/testkit/AppRun.h"
#include "platform/win/store/PrivateProfile.h"
#include "platform/win/store/Registry.h"
#include "platform/win/sys/Shell.h"
#include "platform/win/sys/FakeModules.h"
#include "resources/program/ProgramResources.h"
#include "tests/platform/tessary/ModelTest.h"

#include <memory>
#include <optional>
#include <string>

namespace hb::app::test {

using hb::engine::EngineSim;
using hb::win::ModuleVersion;

struct CompanionFile {
    const char* name;
    ModuleVersion version;
};

// In the order start-up checks them.
inline constexpr CompanionFile kCompanions[] = {
    {"iPlotLibrary.ocx", {{3, 0, 6, 606}}},
    {"iProfessionalLibrary.ocx", {{3, 0, 6, 401}}},
    {"isAnalogLibrary.ocx", {{3, 0, 6, 548}}},
    {"isDigitalLibrary.ocx", {{3, 0, 6, 376}}},
    {"Tessary.DLL", {{9, 1, 4, 17}}},
    {"ENGINE.DLL", {{9, 1, 4, 17}}},
    {"xtp.dll", {{13, 4, 0, 0}}},
    {"Brisko.DLL", {{9, 1, 4, 17}}},
    {"Pellam.DLL", {{9, 1, 4, 17}}},
};

// A receiver and a trunk tracker, both simulated: a configuration the engine accepts.
inline constexpr const char* kTwoRadios = "[Radios]\nRadio#1=Receiver\nRadio#2=Tracker\n"
                                          "[Receiver]\nType=42\nPort=SIM\n"
                                          "[Tracker]\nType=17\nPort=SIM\n";

class ProgramTest : public hb::tessary::test::ModelTest {
protected:
    ProgramTest() {
        UseProgramResources(ProgramResourceTables());
        for (const CompanionFile& companion : kCompanions) {
            hb::win::SetFakeModule(companion.name, companion.version, false);
        }
        UserValue("Wizard", "ShowAtStartup", 0);
    }
    void TearDown() override {
        if (app && app->m_pMainWnd) {
            hb::testkit::FinishApp(*app);
        }
        // A rig writes its settings through the application as it goes.
        CRig::DeleteAll();
        app.reset();
        ModelTest::TearDown();
    }

    // The resource library itself rather than its stand-in: for the forms it carries.
    static void UseResourceLibrary() {
        hb::win::ClearFakeModules();
        for (const CompanionFile& companion : kCompanions) {
            if (std::string(companion.name) != "Pellam.DLL") {
                hb::win::SetFakeModule(companion.name, companion.version, false);
            }
        }
    }
    std::string SettingsFile() const { return Home() + "/config/Halbridge Pro.ini"; }
    void Settings(const std::string& text) const {
        ASSERT_TRUE(hb::win::ini::Seed(SettingsFile(), text));
    }
    static void SetValue(const std::string& path, LPCSTR name, DWORD value) {
        HKEY key;
        ASSERT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                                 &key, nullptr),
                  ERROR_SUCCESS);
        RegSetValueEx(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
        RegCloseKey(key);
    }
    // A value in the program's user settings, as a user left it.
    static void UserValue(const std::string& section, LPCSTR name, DWORD value) {
        SetValue("Software\\Corvanta\\Halbridge Pro\\" + section, name, value);
    }
    // A PDF viewer is installed, and programs are started by the recording launcher.
    static void RecordLaunchesWithAPdfViewer() {
        hb::win::UseRecordingLauncher();
        HKEY key;
        RegCreateKeyEx(HKEY_CLASSES_ROOT, ".pdf", 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
        RegCloseKey(key);
    }
    static bool KeyExists(HKEY root, const std::string& path) {
        HKEY key;
        if (RegOpenKeyEx(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
            return false;
        }
        RegCloseKey(key);
        return true;
    }

    // Starts the application with the command line: nullopt when it is up, else the exit code of
    // its failed start.
    std::optional<int> Start(const std::string& commandLine = {}) const {
        return hb::testkit::StartApp(*app, commandLine);
    }
    // Ends the application, if it runs, and makes a new one, as a second run of the program.
    void NewApp() {
        if (app->m_pMainWnd) {
            EXPECT_EQ(hb::testkit::FinishApp(*app), 0);
        }
        app.reset();
        app = std::make_unique<CHalbridgeApp>();
    }
    CFrameWnd& Main() const { return *static_cast<CFrameWnd*>(app->m_pMainWnd); }
    void Command(UINT id) const { Main().SendMessage(WM_COMMAND, id); }
    std::size_t Pump() const { return hb::testkit::PumpApp(*app); }
    static std::vector<std::string> Rigs() {
        std::vector<std::string> names;
        for (const CRig* rig : CRigList::Get()) {
            names.push_back(rig->m_name.str());
        }
        return names;
    }

    std::unique_ptr<CHalbridgeApp> app = std::make_unique<CHalbridgeApp>();
};

} // namespace hb::app::test
