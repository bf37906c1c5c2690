#pragma once
// Fixture for the rig tests: a scratch HALBRIDGE_HOME, an application object whose settings file
// the engine reads too, and no rig left behind after a test.

#include "app/rig/Rig.h"
#include "app/rig/RigList.h"
#include "platform/afx/CWnd.h"
#include "platform/engine/EngineSim.h"
#include "platform/records/ProgHeader.h"
#include "platform/records/StatusCodes.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/tessary/model/Radio.h"
#include "platform/testkit/TestWindow.h"
#include "tests/platform/tessary/ModelTest.h"

#include <span>
#include <string>
#include <vector>

namespace hb::app::test {

using hb::engine::EngineSim;
using hb::records::IsFailureStatus;

class CTestApp : public CScanApp {
public:
    CTestApp() : CScanApp("Halbridge Pro") {}
};

// A real window a rig can hold, recording what it receives.
struct OwnerWindow {
    OwnerWindow() { wnd.Attach(window.Create()); }
    ~OwnerWindow() { wnd.Detach(); }
    std::vector<UINT> Commands() const {
        std::vector<UINT> ids;
        for (const MSG& msg : window.Messages()) {
            if (msg.message == WM_COMMAND) {
                ids.push_back(static_cast<UINT>(msg.wParam));
            }
        }
        return ids;
    }

    hb::testkit::TestWindow window;
    CWnd wnd;
};

class RigTest : public hb::tessary::test::ModelTest {
protected:
    static constexpr UINT kRadioWindow = 27019; // the radio-control command
    static constexpr std::uint8_t kScanner = 1;
    static constexpr std::uint8_t kTrunkTracker = 17; // trunk radio with device notifications
    static constexpr std::uint8_t kReceiver = 42;     // device notifications
    static constexpr std::uint8_t kSystemScanner = 105;

    RigTest() { EngineSim::SetSettingsFile(app.GetSettingsFile().str()); }
    void TearDown() override {
        CRig::DeleteAll();
        ModelTest::TearDown();
    }

    void Settings(const std::string& text) {
        ASSERT_TRUE(hb::win::ini::Seed(app.GetSettingsFile().str(), text));
    }
    static CRig* AddRig(const char* name, std::uint8_t type) {
        return new CRig(name, 1, Radio::CreateRadio(type).release());
    }
    // Starts an engine on a program of one channel, laid out as the core library compiles it.
    static std::uint16_t StartEngine(CRig& rig, CWnd* window) {
        using hb::records::ProgHeader;
        std::vector<std::uint8_t> program(hb::records::ProgEntryOffset(1));
        ProgHeader head;
        head.set(ProgHeader::kBlockSize, static_cast<std::uint32_t>(program.size()));
        head.set(ProgHeader::kMagic, ProgHeader::kMagicValue);
        head.set(ProgHeader::kEntryCount, 1);
        head.copyTo(program);
        return rig.CreateEngine(program.data(), window);
    }
    static std::size_t CallCount(std::string_view function) {
        return EngineSim::Calls(function).size();
    }

    CTestApp app;
};

} // namespace hb::app::test
