#include "ControlTest.h"

#include <string>

using hb::win::DrawOp;

namespace {

class EditTest : public ControlTest {
protected:
    static void Type(HWND hwnd, const std::string& keys) {
        for (char key : keys) {
            SendMessage(hwnd, WM_CHAR, static_cast<unsigned char>(key), 0);
        }
    }

    static std::string TextOf(HWND hwnd) {
        char buffer[64] = {};
        GetWindowText(hwnd, buffer, sizeof buffer);
        return buffer;
    }

    static std::pair<DWORD, DWORD> Selection(HWND hwnd) {
        DWORD from = 99;
        DWORD to = 99;
        const LRESULT both = SendMessage(hwnd, EM_GETSEL, reinterpret_cast<WPARAM>(&from),
                                         reinterpret_cast<LPARAM>(&to));
        EXPECT_EQ(both,
                  static_cast<LRESULT>(MAKELONG(static_cast<WORD>(from), static_cast<WORD>(to))));
        return {from, to};
    }

    static void Select(HWND hwnd, int from, int to) {
        SendMessage(hwnd, EM_SETSEL, static_cast<WPARAM>(from), to);
    }
};

TEST_F(EditTest, TypingAndSetTextBothReportAChange) {
    const HWND edit = Create("Edit", "", WS_BORDER, 28031);
    Type(edit, "14\b6");
    EXPECT_EQ(TextOf(edit), "16");
    EXPECT_EQ(CountNotes(28031, EN_CHANGE), 4u);
    EXPECT_TRUE(SendMessage(edit, EM_GETMODIFY, 0, 0));
    EXPECT_EQ(Selection(edit), std::make_pair(DWORD{2}, DWORD{2}));

    SetWindowText(edit, "146.52");
    EXPECT_EQ(CountNotes(28031, EN_CHANGE), 5u);
    EXPECT_FALSE(SendMessage(edit, EM_GETMODIFY, 0, 0));
    EXPECT_EQ(Selection(edit), std::make_pair(DWORD{0}, DWORD{0}));
    SendMessage(edit, EM_SETMODIFY, TRUE, 0);
    EXPECT_TRUE(SendMessage(edit, EM_GETMODIFY, 0, 0));

    Type(edit, "\r\t\x1B"); // control characters are not text
    Select(edit, 0, 0);
    Type(edit, "\b"); // nothing before the caret
    EXPECT_EQ(TextOf(edit), "146.52");
    EXPECT_EQ(CountNotes(28031, EN_CHANGE), 5u);

    const HWND created = Create("Edit", "created", 0, 28032);
    EXPECT_EQ(TextOf(created), "created");
    EXPECT_TRUE(Notes(28032).empty()); // the creation text is no change
}

TEST_F(EditTest, NumberUppercaseAndReadOnlyStylesFilterTyping) {
    ExpectBeeps(3);
    const HWND number = Create("Edit", "", ES_NUMBER, 1);
    Type(number, "4x2");
    EXPECT_EQ(TextOf(number), "42");
    EXPECT_EQ(CountNotes(1, EN_CHANGE), 2u);
    SendMessage(number, EM_REPLACESEL, 0, reinterpret_cast<LPARAM>("a")); // not typed
    EXPECT_EQ(TextOf(number), "42a");

    const HWND upper = Create("Edit", "", ES_UPPERCASE, 2);
    Type(upper, "nfm1");
    EXPECT_EQ(TextOf(upper), "NFM1");

    const HWND locked = Create("Edit", "fixed", ES_READONLY, 3);
    Type(locked, "z\b");
    EXPECT_EQ(TextOf(locked), "fixed");
    EXPECT_TRUE(Notes(3).empty());
    SendMessage(locked, EM_SETREADONLY, FALSE, 0);
    Select(locked, 0, -1);
    Type(locked, "z");
    EXPECT_EQ(TextOf(locked), "z");
}

TEST_F(EditTest, TheLimitHoldsForTypingAndReplacingButNotForSetText) {
    ExpectBeeps(1);
    const HWND edit = Create("Edit", "", 0, 5);
    SendMessage(edit, EM_LIMITTEXT, 3, 0);
    Type(edit, "abcd");
    EXPECT_EQ(TextOf(edit), "abc");
    EXPECT_EQ(CountNotes(5, EN_MAXTEXT), 1u);
    Select(edit, 1, 2);
    Type(edit, "X"); // replaces one character: fits
    EXPECT_EQ(TextOf(edit), "aXc");

    SetWindowText(edit, "toolong");
    EXPECT_EQ(TextOf(edit), "toolong");
    SendMessage(edit, EM_LIMITTEXT, 9, 0);
    Select(edit, 7, 7);
    SendMessage(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("12345"));
    EXPECT_EQ(TextOf(edit), "toolong12");
    EXPECT_EQ(CountNotes(5, EN_MAXTEXT), 2u);
    SendMessage(edit, EM_LIMITTEXT, 0, 0); // no limit
    Type(edit, "3");
    EXPECT_EQ(TextOf(edit), "toolong123");
}

TEST_F(EditTest, SelectionsAreReplacedAndReportedInOrder) {
    const HWND edit = Create("Edit", "", 0, 6);
    SetWindowText(edit, "hello world");
    Select(edit, 5, 0); // backwards
    EXPECT_EQ(Selection(edit), std::make_pair(DWORD{0}, DWORD{5}));
    Type(edit, "J");
    EXPECT_EQ(TextOf(edit), "J world");
    EXPECT_EQ(Selection(edit), std::make_pair(DWORD{1}, DWORD{1}));

    Select(edit, 1, 99); // clamped
    EXPECT_EQ(Selection(edit), std::make_pair(DWORD{1}, DWORD{7}));
    Type(edit, "\b");
    EXPECT_EQ(TextOf(edit), "J");
    Select(edit, 0, -1);
    SendMessage(edit, EM_REPLACESEL, 0, reinterpret_cast<LPARAM>("Tone"));
    EXPECT_EQ(TextOf(edit), "Tone");
    Select(edit, 1, 3);
    Select(edit, -1, 0); // drops the selection, the caret stays
    EXPECT_EQ(Selection(edit), std::make_pair(DWORD{3}, DWORD{3}));
    Type(edit, "\b");
    EXPECT_EQ(TextOf(edit), "Toe");
}

TEST_F(EditTest, FocusChangesAreReportedToTheParentInOrder) {
    const HWND first = Create("Edit", "", 0, 27787);
    const HWND second = Create("Edit", "", 0, 27788);
    SetFocus(first);
    SendMessage(second, WM_LBUTTONDOWN, 0, MAKELPARAM(2, 2)); // a click takes the focus
    EXPECT_EQ(GetFocus(), second);
    std::vector<std::pair<UINT, UINT>> seen;
    for (const MSG& msg : parent.Messages()) {
        if (msg.message == WM_COMMAND) {
            seen.emplace_back(LOWORD(msg.wParam), HIWORD(msg.wParam));
        }
    }
    EXPECT_EQ(seen, (std::vector<std::pair<UINT, UINT>>{
                        {27787, EN_SETFOCUS}, {27787, EN_KILLFOCUS}, {27788, EN_SETFOCUS}}));
}

TEST_F(EditTest, AFocusedEditShowsItsSelectionOverItsText) {
    const HWND edit = Create("Edit", "hello", 0, 8, {0, 0, 100, 20});
    EXPECT_EQ(OpsOf(Painted(edit)), (std::vector{DrawOp::FillRect, DrawOp::DrawText}));
    SetFocus(edit);
    Select(edit, 1, 3);
    const auto& list = Painted(edit);
    ASSERT_EQ(OpsOf(list), (std::vector{DrawOp::FillRect, DrawOp::DrawText, DrawOp::InvertRect}));
    EXPECT_EQ(list[1].text, "hello");
    EXPECT_EQ(list[2].rect.left, 1 + 7);   // the width of "h" in
    EXPECT_EQ(list[2].rect.right, 1 + 15); // the width of "hel"
    Select(edit, 2, 2);
    EXPECT_EQ(OpsOf(Painted(edit)).back(), DrawOp::LineTo);
}

} // namespace
