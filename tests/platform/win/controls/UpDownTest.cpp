#include "ControlTest.h"

#include <string>
#include <vector>

namespace {

struct Change {
    int pos = 0;
    int delta = 0;
    LRESULT posDuringNotify = 0;
};

class UpDownTest : public ControlTest {
protected:
    UpDownTest() {
        parent.On(WM_NOTIFY, [this](WPARAM, LPARAM lParam) {
            const auto* change = reinterpret_cast<const NMUPDOWN*>(lParam);
            EXPECT_EQ(change->hdr.code, UDN_DELTAPOS);
            EXPECT_EQ(change->hdr.idFrom,
                      static_cast<UINT_PTR>(GetDlgCtrlID(change->hdr.hwndFrom)));
            changes.push_back({change->iPos, change->iDelta,
                               SendMessage(change->hdr.hwndFrom, UDM_GETPOS32, 0, 0)});
            return cancel;
        });
    }

    HWND MakeSpin(DWORD style = 0) {
        return Create(UPDOWN_CLASS, "", style, 27786, {200, 10, 216, 40});
    }

    static void Up(HWND spin) { Click(spin, 8, 3); }
    static void Down(HWND spin) { Click(spin, 8, 26); }
    static LRESULT Pos(HWND spin) { return SendMessage(spin, UDM_GETPOS32, 0, 0); }

    static std::string Text(HWND hwnd) {
        char text[32] = {};
        GetWindowText(hwnd, text, sizeof text);
        return text;
    }

    // The WM_VSCROLL positions the parent got.
    std::vector<int> Scrolls() const {
        std::vector<int> positions;
        for (const MSG& msg : parent.Messages()) {
            if (msg.message == WM_VSCROLL) {
                EXPECT_EQ(LOWORD(msg.wParam), SB_THUMBPOSITION);
                positions.push_back(static_cast<SHORT>(HIWORD(msg.wParam)));
            }
        }
        return positions;
    }

    std::vector<Change> changes;
    LRESULT cancel = 0;
};

TEST_F(UpDownTest, APressAsksTheParentFirstThenMovesAndReports) {
    const HWND spin = MakeSpin();
    SendMessage(spin, UDM_SETRANGE32, 0, 10);
    EXPECT_EQ(SendMessage(spin, UDM_SETPOS32, 0, 5), 0);
    Up(spin);
    Down(spin);
    Down(spin);
    ASSERT_EQ(changes.size(), 3u);
    EXPECT_EQ(changes[0].pos, 5);
    EXPECT_EQ(changes[0].delta, 1);
    EXPECT_EQ(changes[0].posDuringNotify, 5); // not moved yet
    EXPECT_EQ(changes[1].delta, -1);
    EXPECT_EQ(changes[2].pos, 5);
    EXPECT_EQ(Pos(spin), 4);
    EXPECT_EQ(Scrolls(), (std::vector<int>{6, 5, 4}));
    EXPECT_FALSE(GetCapture());

    cancel = 1;
    Up(spin);
    EXPECT_EQ(changes.size(), 4u);
    EXPECT_EQ(Pos(spin), 4);
    EXPECT_EQ(Scrolls().size(), 3u);
}

TEST_F(UpDownTest, TheEndsClampOrWrapAndAReversedRangeCountsDown) {
    const HWND spin = MakeSpin();
    SendMessage(spin, UDM_SETRANGE32, 0, 3);
    SendMessage(spin, UDM_SETPOS32, 0, 3);
    Up(spin); // the parent still hears of the press
    EXPECT_EQ(changes.back().delta, 1);
    EXPECT_EQ(Pos(spin), 3);
    EXPECT_EQ(SendMessage(spin, UDM_SETPOS32, 0, 99), 3);
    EXPECT_EQ(Pos(spin), 3);

    const HWND wrap = Create(UPDOWN_CLASS, "", UDS_WRAP, 27788, {300, 10, 316, 40});
    SendMessage(wrap, UDM_SETRANGE32, 1, 3);
    SendMessage(wrap, UDM_SETPOS32, 0, 3);
    Up(wrap);
    EXPECT_EQ(Pos(wrap), 1);
    Down(wrap);
    EXPECT_EQ(Pos(wrap), 3);

    // The default range runs from 100 down to 0: the up arrow lowers the position.
    const HWND memory = Create(UPDOWN_CLASS, "", 0, 27789, {350, 10, 366, 40});
    int lower = 0;
    int upper = 0;
    SendMessage(memory, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lower),
                reinterpret_cast<LPARAM>(&upper));
    EXPECT_EQ(lower, 100);
    EXPECT_EQ(upper, 0);
    SendMessage(memory, UDM_SETPOS32, 0, 50);
    Up(memory);
    EXPECT_EQ(changes.back().delta, -1);
    EXPECT_EQ(Pos(memory), 49);

    SendMessage(memory, UDM_SETRANGE, 0, MAKELPARAM(20, static_cast<WORD>(-20)));
    EXPECT_EQ(SendMessage(memory, UDM_GETRANGE, 0, 0), MAKELONG(20, static_cast<WORD>(-20)));
    EXPECT_EQ(Pos(memory), 20);
    EXPECT_EQ(SendMessage(memory, UDM_SETPOS, 0, MAKELPARAM(static_cast<WORD>(-5), 0)), 20);
    EXPECT_EQ(LOWORD(SendMessage(memory, UDM_GETPOS, 0, 0)), static_cast<WORD>(-5));
}

TEST_F(UpDownTest, ABuddyShowsThePositionAndWhatIsTypedInItCounts) {
    const HWND edit = Create("Edit", "", 0, 27787, {100, 10, 200, 34});
    const HWND spin = MakeSpin(UDS_AUTOBUDDY | UDS_SETBUDDYINT | UDS_ALIGNRIGHT);
    EXPECT_EQ(hb::win::HwndFromParam(static_cast<WPARAM>(SendMessage(spin, UDM_GETBUDDY, 0, 0))),
              edit);
    RECT buddy;
    RECT own;
    GetWindowRect(edit, &buddy);
    GetWindowRect(spin, &own);
    EXPECT_EQ(own.right, 200); // at the buddy's right edge, the buddy narrower by as much
    EXPECT_EQ(buddy.right, own.left);
    EXPECT_EQ(own.bottom - own.top, 24);

    SendMessage(spin, UDM_SETRANGE32, 0, 100000);
    SendMessage(spin, UDM_SETPOS32, 0, 12345);
    EXPECT_EQ(Text(edit), "12,345");
    SetWindowText(edit, "77");
    Up(spin);
    EXPECT_EQ(changes.back().pos, 77);
    EXPECT_EQ(Text(edit), "78");

    SetWindowText(edit, "7x");
    BOOL error = FALSE;
    EXPECT_EQ(SendMessage(spin, UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&error)), 78);
    EXPECT_TRUE(error);
    EXPECT_NE(HIWORD(SendMessage(spin, UDM_GETPOS, 0, 0)), 0u);

    const HWND plain = Create("Edit", "", 0, 2, {10, 100, 60, 120});
    const HWND other = Create(UPDOWN_CLASS, "", UDS_SETBUDDYINT | UDS_NOTHOUSANDS, 3);
    SendMessage(other, UDM_SETRANGE32, 0, 5000);
    EXPECT_FALSE(SendMessage(other, UDM_SETBUDDY, static_cast<WPARAM>(plain.id()), 0));
    SendMessage(other, UDM_SETPOS32, 0, 2500);
    EXPECT_EQ(Text(plain), "2500");
}

} // namespace
