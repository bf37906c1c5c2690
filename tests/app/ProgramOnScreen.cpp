#include "ProgramOnScreen.h"

#include "platform/testkit/xdriver/Artefacts.h"

#include <string>
#include <thread>

namespace hb::apptest {

void ProgramOnScreen::SetUp() {
    std::string whyNot;
    server = hb::testkit::XServer::Start(whyNot);
    if (!server) {
        GTEST_SKIP() << "no X server for the program: " << whyNot;
    }
    driver = hb::testkit::XDriver::Connect(server->name());
    ASSERT_TRUE(driver) << "cannot open " << server->name();
}

std::optional<hb::testkit::XDriver::XId> ProgramOnScreen::StartToMainWindow() {
    if (!program.Launch({}, server->name())) {
        ADD_FAILURE() << program.Output();
        return std::nullopt;
    }
    const auto wizard = driver->FindWindow("Halbridge Pro Wizard", kWait);
    if (!wizard || !driver->WaitUntilPainted(*wizard, kWait)) {
        ADD_FAILURE() << "no set-up wizard: " << program.Output();
        return std::nullopt;
    }
    EXPECT_TRUE(driver->Screenshot(*wizard, hb::testkit::ArtefactPath("program-setup-wizard.png")));
    driver->Press("Escape");
    if (!driver->WaitUntilGone(*wizard, kWait)) {
        ADD_FAILURE() << "the set-up wizard stayed: " << program.Output();
        return std::nullopt;
    }
    const auto main = driver->FindWindow("Halbridge Pro", kWait);
    if (!main || !driver->WaitUntilPainted(*main, kWait)) {
        ADD_FAILURE() << "no main window: " << program.Output();
        return std::nullopt;
    }
    // A first start puts the Volume pane away half a second after the window is made. The window
    // is handed over once the pane's place shows the empty MDI area, so that nothing moves under
    // the pointer afterwards.
    const auto paneGone = [&] {
        const auto pane = driver->Pixels(*main, kVolumePaneX, kVolumePaneY, 1, 1);
        return !pane.empty() && pane == driver->Pixels(*main, kMdiAreaX, kVolumePaneY, 1, 1);
    };
    const auto deadline = std::chrono::steady_clock::now() + kWait;
    while (!paneGone()) {
        if (std::chrono::steady_clock::now() > deadline) {
            ADD_FAILURE() << "the Volume pane stayed: " << program.Output();
            return std::nullopt;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return main;
}

} // namespace hb::apptest
