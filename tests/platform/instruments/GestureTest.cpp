#include "tests/platform/instruments/InstrumentTest.h"

namespace hb::instruments::test {
namespace {

using Log = std::vector<std::string>;

TEST_F(InstrumentTest, AUserTurnFiresBothPositionAliasesWhileAPutFiresNothing) {
    panel.tuning.SetPosition(300);
    panel.tuning.SetProperty(knob::kPosition, 320.0);
    EXPECT_TRUE(panel.log.empty());
    EXPECT_TRUE(FiredEvents(panel).empty());

    EXPECT_TRUE(UserSetPosition(panel.tuning, 400));
    EXPECT_EQ(panel.log, (Log{"tuning 4 at 400", "tuning 18 at 400"}));
    const std::vector<FiredEvent> fired = FiredEvents(panel);
    ASSERT_EQ(fired.size(), 2u);
    EXPECT_EQ(fired[0].controlId, kTuning);
    EXPECT_EQ(fired[0].dispid, 4);
    EXPECT_EQ(fired[1].dispid, 18);
    EXPECT_TRUE(fired[1].handled);

    // No change, no event; the range holds the user.
    panel.log.clear();
    UserSetPosition(panel.tuning, 400);
    UserSetPosition(panel.tuning, 5000);
    EXPECT_EQ(panel.log, (Log{"tuning 4 at 1000", "tuning 18 at 1000"}));
}

TEST_F(InstrumentTest, DraggingAKnobClockwiseTurnsItUpThroughItsTravel) {
    // 90 x 104 pixels; the centre is (45, 52). A quarter turn of the 300 degree travel covers
    // 300 of the 1000.
    panel.tuning.SendMessage(WM_LBUTTONDOWN, 0x0001, MAKELPARAM(45, 12));
    panel.tuning.SendMessage(WM_MOUSEMOVE, 0x0001, MAKELPARAM(85, 52));
    panel.tuning.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(85, 52));
    EXPECT_EQ(panel.tuning.GetPosition(), 550);
    EXPECT_EQ(panel.log, (Log{"tuning down 1 0 45,12", "tuning 4 at 550", "tuning 18 at 550",
                              "tuning up 1 0 85,52", "tuning drag end"}));
    EXPECT_EQ(GetCapture(), HWND{});

    panel.log.clear();
    panel.tuning.SetIncrement(10);
    panel.tuning.SendMessage(WM_KEYDOWN, VK_UP);
    panel.tuning.SendMessage(WM_KEYDOWN, VK_LEFT);
    panel.tuning.SendMessage(WM_KEYDOWN, 'A');
    panel.tuning.SendMessage(WM_LBUTTONDBLCLK, 0x0001, MAKELPARAM(45, 52));
    EXPECT_EQ(panel.log, (Log{"tuning 4 at 560", "tuning 18 at 560", "tuning 4 at 550",
                              "tuning 18 at 550", "tuning reset"}));
}

TEST_F(InstrumentTest, ALampClickFiresBothClickAliasesAfterTheMouseEvents) {
    EXPECT_TRUE(UserClick(panel.statusLamp, 1, 2, 5, 6));
    EXPECT_EQ(panel.log, (Log{"lamp down 1 2 5,6", "lamp 2", "lamp 3"}));
    // The unbound mouse-up still went out, typed as the table says.
    const std::vector<FiredEvent> fired = FiredEvents(panel);
    ASSERT_EQ(fired.size(), 4u);
    EXPECT_EQ(fired[1].dispid, 11);
    EXPECT_FALSE(fired[1].handled);
    EXPECT_EQ(fired[1].args,
              (std::vector<hb::afx::EventArg>{std::int16_t{1}, std::int16_t{2}, 5, 6}));

    // Released outside: no click.
    panel.log.clear();
    UserMouse(panel.statusLamp, MouseAction::Down, 1, 0, 5, 6);
    UserMouse(panel.statusLamp, MouseAction::Up, 1, 0, 500, 6);
    EXPECT_EQ(panel.log, (Log{"lamp down 1 0 5,6"}));
}

TEST_F(InstrumentTest, AnEditableLabelFiresItsMouseKeyAndChangeEvents) {
    EXPECT_TRUE(UserClick(panel.name, 1, 0, 3, 4));
    for (const UINT key : {UINT{'X'}, VK_BACK, VK_BACK, UINT{'9'}, VK_RETURN}) {
        hb::afx::PressKey(panel.name, key);
        PumpUntilIdle();
    }
    EXPECT_EQ(panel.name.GetCaption(), "Marine 19");
    EXPECT_EQ(panel.log, (Log{"name down 1 0 3,4", "name key 88 0", "name key 8 0", "name key 8 0",
                              "name key 57 0", "name key 13 0", "name changed to Marine 19"}));

    // A handler that clears the key keeps Enter from ending the edit.
    panel.log.clear();
    panel.swallowKey = VK_RETURN;
    UserKey(panel.name, VK_RETURN, 0);
    EXPECT_EQ(panel.log, (Log{"name key 13 0"}));

    // Not editable: a plain label that takes nothing.
    panel.log.clear();
    panel.name.SetEditable(FALSE);
    EXPECT_FALSE(UserClick(panel.name, 1, 0, 3, 4));
    EXPECT_FALSE(UserKey(panel.name, 'A', 0));
    panel.name.SendMessage(WM_CHAR, 'a');
    EXPECT_TRUE(panel.log.empty());
    EXPECT_EQ(panel.name.GetCaption(), "Marine 19");
}

TEST_F(InstrumentTest, PadKeysSwitchesAndDisabledInstruments) {
    // 90 x 97 pixels: the bottom row is '.', '0', 'C'.
    UserClick(panel.keypad, 1, 0, 5, 90);
    UserClick(panel.keypad, 1, 1, 45, 90);
    UserKey(panel.keypad, '7', 0);
    UserKey(panel.keypad, VK_BACK, 0);
    EXPECT_FALSE(UserKey(panel.keypad, 'A', 0));
    EXPECT_EQ(panel.log, (Log{"keypad 10 0", "keypad 0 1", "keypad 7 0", "keypad 11 0"}));

    panel.log.clear();
    panel.hold.SetActive(TRUE);
    panel.hold.SetActive(FALSE);
    UserClick(panel.hold, 1, 0, 3, 3);
    UserSetActive(panel.hold, true);
    UserKey(panel.hold, VK_SPACE, 0);
    EXPECT_EQ(panel.log, (Log{"hold on", "hold off"}));

    panel.log.clear();
    panel.tuning.EnableWindow(FALSE);
    EXPECT_FALSE(UserSetPosition(panel.tuning, 10));
    EXPECT_FALSE(UserClick(panel.tuning, 1, 0, 45, 48));
    EXPECT_FALSE(UserSetPosition(panel.meter, 10));
    EXPECT_FALSE(UserSetActive(panel.tone, true));
    EXPECT_EQ(panel.tuning.GetPosition(), 250);
    EXPECT_TRUE(panel.log.empty());
}

TEST_F(InstrumentTest, AHandlerThatClosesThePanelEndsTheGesture) {
    panel.closeOnTurn = true;
    const HWND tuning = panel.tuning;
    EXPECT_TRUE(UserSetPosition(tuning, 600));
    EXPECT_EQ(panel.log, (Log{"tuning 4 at 600"}));
    EXPECT_FALSE(IsWindow(tuning));
}

} // namespace
} // namespace hb::instruments::test
