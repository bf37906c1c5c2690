#pragma once
// Fixture for the transfer tests: a trunk tracker of type 43 on the simulated port, whose radio
// speaks the text protocol, a loader connected to it over an owner window with its progress
// dialog open, and a record of every box shown, with the clock when it came.
#include "app/rig/Rig.h"
#include "platform/engine/sim/SimRadio.h"
#include "platform/engine/sim/SimRadios.h"
#include "platform/win/core/Clock.h"
#include "platform/win/core/MessageBox.h"
#include "programming/Loader.h"
#include "resources/program/ProgramResources.h"
#include "tests/app/rig/RigTest.h"

#include <deque>
#include <string>
#include <vector>

namespace hb::app::test {

class TransferTest : public RigTest {
protected:
    struct Box {
        std::string text;
        std::string caption;
        UINT type = 0;
        HWND owner{};
        std::int64_t atMs = 0;
    };

    TransferTest() {
        UseProgramResources(ProgramResourceTables());
        Settings("[Trunk]\nType=43\nPort=SIM\n");
        rig = AddRig("Trunk", 43);
        rig->AttachView(kRadioWindow, &owner.wnd);
        hb::win::SetMessageBoxHandler([this](const hb::win::BoxRequest& box) {
            boxes.push_back({box.text, box.caption, box.type, box.owner, hb::win::NowMs()});
            if (answers.empty()) {
                return IDOK;
            }
            const int answer = answers.front();
            answers.pop_front();
            return answer;
        });
    }

    void TearDown() override {
        loader.m_progress.DestroyWindow();
        hb::win::SetMessageBoxHandler({});
        RigTest::TearDown();
    }

    // Opens the device and the progress dialog, as a transfer does before its first command.
    void Connect() {
        ASSERT_FALSE(IsFailureStatus(rig->OpenDevice(&owner.wnd)));
        loader.m_rig = rig;
        loader.m_owner = &owner.wnd;
        ASSERT_TRUE(loader.m_progress.Create(&owner.wnd));
        Radio().ClearJournal();
    }

    static hb::engine::sim::SimRadio& Radio() { return hb::engine::sim::RadioNamed("Trunk"); }
    static std::size_t Count(UINT type) {
        std::size_t count = 0;
        for (const UINT beep : Beeps()) {
            count += beep == type ? 1 : 0;
        }
        return count;
    }

    OwnerWindow owner;
    CRig* rig = nullptr;
    CLoader loader;
    std::vector<Box> boxes;
    std::deque<int> answers;
};

} // namespace hb::app::test
