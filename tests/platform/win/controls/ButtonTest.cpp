#include "ControlTest.h"

using hb::win::DrawOp;
using hb::win::ParamFromHandle;

namespace {

class ButtonTest : public ControlTest {};

TEST_F(ButtonTest, AClickTogglesAnAutoCheckBoxAndTellsTheParent) {
    const HWND box = Create("Button", "Squelch", BS_AUTOCHECKBOX, 101);
    char name[16];
    GetClassName(box, name, sizeof name);
    EXPECT_STREQ(name, "Button");

    Click(box);
    EXPECT_EQ(CheckOf(box), LRESULT(BST_CHECKED));
    EXPECT_EQ(Notes(101), std::vector<UINT>{BN_CLICKED});
    SendMessage(box, BM_CLICK, 0, 0);
    EXPECT_EQ(CheckOf(box), LRESULT(BST_UNCHECKED));
    SendMessage(box, WM_KEYDOWN, VK_SPACE, 0);
    SendMessage(box, WM_KEYUP, VK_SPACE, 0);
    EXPECT_EQ(CheckOf(box), LRESULT(BST_CHECKED));
    EXPECT_EQ(GetFocus(), box); // the mouse click took the focus

    SendMessage(box, WM_LBUTTONDOWN, 0, MAKELPARAM(5, 5));
    SendMessage(box, WM_LBUTTONUP, 0, MAKELPARAM(500, 5)); // released outside: no click
    EXPECT_EQ(CheckOf(box), LRESULT(BST_CHECKED));
    EXPECT_EQ(CountNotes(101, BN_CLICKED), 3u);
    EXPECT_FALSE(GetCapture());
}

TEST_F(ButtonTest, OnlyAutomaticStylesChangeTheirCheckOnAClick) {
    const HWND plain = Create("Button", "Plain", BS_CHECKBOX, 1);
    const HWND three = Create("Button", "Three", BS_AUTO3STATE, 2);
    const HWND push = Create("Button", "OK", BS_DEFPUSHBUTTON, 3);
    Click(plain);
    EXPECT_EQ(CheckOf(plain), LRESULT(BST_UNCHECKED));
    SendMessage(plain, BM_SETCHECK, BST_INDETERMINATE, 0); // two states only
    EXPECT_EQ(CheckOf(plain), LRESULT(BST_CHECKED));
    std::vector<LRESULT> states;
    for (int i = 0; i < 3; ++i) {
        Click(three);
        states.push_back(CheckOf(three));
    }
    EXPECT_EQ(states, (std::vector<LRESULT>{1, 2, 0}));
    Click(push);
    SendMessage(push, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(CheckOf(push), LRESULT(BST_UNCHECKED));
    EXPECT_EQ(CountNotes(1, BN_CLICKED) + CountNotes(2, BN_CLICKED) + CountNotes(3, BN_CLICKED),
              5u);
}

TEST_F(ButtonTest, AutoRadioButtonsAreExclusiveWithinTheirGroupOnly) {
    const HWND a1 = Create("Button", "FM", BS_AUTORADIOBUTTON | WS_GROUP, 11);
    const HWND a2 = Create("Button", "AM", BS_AUTORADIOBUTTON, 12);
    const HWND check = Create("Button", "Attenuator", BS_AUTOCHECKBOX, 13);
    const HWND a3 = Create("Button", "USB", BS_AUTORADIOBUTTON, 14);
    const HWND b1 = Create("Button", "Slow", BS_AUTORADIOBUTTON | WS_GROUP, 21);
    const HWND b2 = Create("Button", "Fast", BS_AUTORADIOBUTTON, 22);
    SendMessage(check, BM_SETCHECK, BST_CHECKED, 0);
    SendMessage(a1, BM_SETCHECK, BST_CHECKED, 0);
    SendMessage(b1, BM_SETCHECK, BST_CHECKED, 0);

    Click(a3);
    EXPECT_EQ(CheckOf(a1), 0);
    EXPECT_EQ(CheckOf(a2), 0);
    EXPECT_EQ(CheckOf(a3), 1);
    EXPECT_EQ(CheckOf(check), 1); // not a radio button
    EXPECT_EQ(CheckOf(b1), 1);    // another group

    Click(b2);
    EXPECT_EQ(CheckOf(b1), 0);
    EXPECT_EQ(CheckOf(a3), 1);
    Click(b2); // clicking the checked one keeps it checked and still notifies
    EXPECT_EQ(CheckOf(b2), 1);
    EXPECT_EQ(CountNotes(22, BN_CLICKED), 2u);
}

TEST_F(ButtonTest, ADisabledButtonIgnoresEveryKindOfClick) {
    const HWND box = Create("Button", "Lock", BS_AUTOCHECKBOX, 7);
    EnableWindow(box, FALSE);
    Click(box);
    SendMessage(box, BM_CLICK, 0, 0);
    SendMessage(box, WM_KEYDOWN, VK_SPACE, 0);
    SendMessage(box, WM_KEYUP, VK_SPACE, 0);
    EXPECT_EQ(CheckOf(box), 0);
    EXPECT_TRUE(Notes(7).empty());
    EnableWindow(box, TRUE);
    SendMessage(box, BM_CLICK, 0, 0);
    EXPECT_EQ(CheckOf(box), 1);
}

TEST_F(ButtonTest, SetImageHandsBackThePreviousIconAndTheIconIsDrawn) {
    const HWND button = Create("Button", "Record", BS_PUSHBUTTON | BS_ICON, 30, {0, 0, 40, 40});
    const HICON first = hb::win::CreateIconHandle(16, 16, 27100);
    const HICON second = hb::win::CreateIconHandle(32, 32, 27101);
    EXPECT_EQ(SendMessage(button, BM_SETIMAGE, IMAGE_ICON, ParamFromHandle(first)), 0);
    EXPECT_EQ(SendMessage(button, BM_SETIMAGE, IMAGE_ICON, ParamFromHandle(second)),
              ParamFromHandle(first));
    EXPECT_EQ(SendMessage(button, BM_GETIMAGE, IMAGE_ICON, 0), ParamFromHandle(second));
    EXPECT_EQ(SendMessage(button, BM_GETIMAGE, IMAGE_BITMAP, 0), 0);

    const auto& list = Painted(button);
    const auto icon = std::find_if(list.begin(), list.end(),
                                   [](const auto& r) { return r.op == DrawOp::DrawIcon; });
    ASSERT_NE(icon, list.end());
    EXPECT_EQ(icon->image.resourceId, 27101u);
    EXPECT_EQ(icon->rect.left, 4); // centred
    EXPECT_EQ(std::count_if(list.begin(), list.end(),
                            [](const auto& r) { return r.op == DrawOp::DrawText; }),
              0);
}

TEST_F(ButtonTest, StateReportsPushAndFocus) {
    const HWND push = Create("Button", "Go", BS_PUSHBUTTON, 40);
    SendMessage(push, BM_SETSTATE, TRUE, 0);
    EXPECT_EQ(SendMessage(push, BM_GETSTATE, 0, 0), BST_PUSHED);
    EXPECT_EQ(Painted(push)[1].flags, EDGE_SUNKEN);
    SendMessage(push, BM_SETSTATE, FALSE, 0);
    SetFocus(push);
    EXPECT_EQ(SendMessage(push, BM_GETSTATE, 0, 0), BST_FOCUS);
    EXPECT_EQ(OpsOf(Painted(push)), (std::vector{DrawOp::FillRect, DrawOp::DrawEdge,
                                                 DrawOp::DrawText, DrawOp::DrawFocusRect}));
}

TEST_F(ButtonTest, EachStylePaintsItsOwnLookInItsFont) {
    const HWND check = Create("Button", "&Delay", BS_AUTOCHECKBOX, 1);
    const HWND radio = Create("Button", "Scan", BS_AUTORADIOBUTTON, 2);
    const HWND group = Create("Button", "Options", BS_GROUPBOX, 3, {0, 0, 200, 100});
    const HFONT font = CreateFont(12, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, FF_SWISS, "Tahoma");
    SendMessage(check, WM_SETFONT, ParamFromHandle(font), TRUE);
    EXPECT_EQ(SendMessage(check, WM_GETFONT, 0, 0), ParamFromHandle(font));
    SendMessage(check, BM_SETCHECK, BST_CHECKED, 0);
    SendMessage(radio, BM_SETCHECK, BST_CHECKED, 0);

    const auto& box = Painted(check);
    EXPECT_EQ(OpsOf(box), (std::vector{DrawOp::FillRect, DrawOp::Rectangle, DrawOp::Polyline,
                                       DrawOp::DrawText}));
    EXPECT_EQ(box[3].text, "&Delay");
    EXPECT_EQ(box[3].state.font.handle, font);
    EXPECT_EQ(OpsOf(Painted(radio)),
              (std::vector{DrawOp::FillRect, DrawOp::Ellipse, DrawOp::Ellipse, DrawOp::DrawText}));
    EXPECT_EQ(Painted(radio)[2].state.brush.color, RGB(0, 0, 0));
    const auto& frame = Painted(group);
    ASSERT_EQ(OpsOf(frame), (std::vector{DrawOp::DrawEdge, DrawOp::TextOut}));
    EXPECT_EQ(frame[0].flags, EDGE_ETCHED);
    EXPECT_EQ(frame[0].rect.top, 6); // half the caption's height
    EXPECT_EQ(frame[1].state.bkMode, OPAQUE);
    Click(group);
    EXPECT_TRUE(Notes(3).empty());

    EnableWindow(check, FALSE);
    EXPECT_EQ(Painted(check)[3].state.textColor, GetSysColor(COLOR_GRAYTEXT));
}

// A toggle on a receiver panel: drawn as a push button, down while checked, its caption on the
// whole face rather than beside a check mark.
TEST_F(ButtonTest, APushLikeCheckBoxIsAButtonThatStaysDownWhileChecked) {
    const HWND toggle = Create("Button", "Notch", BS_AUTOCHECKBOX | BS_PUSHLIKE, 5, {0, 0, 42, 20});
    EXPECT_EQ(OpsOf(Painted(toggle)),
              (std::vector{DrawOp::FillRect, DrawOp::DrawEdge, DrawOp::DrawText}));
    EXPECT_EQ(Painted(toggle)[1].flags, EDGE_RAISED);
    EXPECT_EQ(Painted(toggle)[2].rect.right - Painted(toggle)[2].rect.left, 42 - 4);
    Click(toggle);
    EXPECT_EQ(SendMessage(toggle, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(Painted(toggle)[1].flags, EDGE_SUNKEN);
    Click(toggle);
    EXPECT_EQ(Painted(toggle)[1].flags, EDGE_RAISED);
}

} // namespace
