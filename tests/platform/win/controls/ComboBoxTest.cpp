#include "ControlTest.h"

#include <string>
#include <vector>

namespace {

using hb::win::DrawOp;

class ComboBoxTest : public ControlTest {
protected:
    HWND MakeCombo(DWORD type, std::vector<LPCSTR> strings = {"FM", "AM", "USB", "LSB"},
                   UINT id = 27903) {
        const HWND combo = Create("ComboBox", "", type, id, {10, 10, 110, 200});
        for (LPCSTR text : strings) {
            SendMessage(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
        }
        return combo;
    }

    static std::vector<std::string> Strings(HWND combo) {
        std::vector<std::string> strings;
        const auto count = SendMessage(combo, CB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            std::string text(static_cast<std::size_t>(SendMessage(combo, CB_GETLBTEXTLEN, i, 0)),
                             '\0');
            EXPECT_EQ(SendMessage(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data())),
                      static_cast<LRESULT>(text.size()));
            strings.push_back(text);
        }
        return strings;
    }

    static std::string Text(HWND hwnd) {
        char text[64] = {};
        GetWindowText(hwnd, text, sizeof text);
        return text;
    }

    static int Height(HWND hwnd) {
        RECT rect;
        GetClientRect(hwnd, &rect);
        return rect.bottom;
    }

    static LPARAM Param(LPCSTR text) { return reinterpret_cast<LPARAM>(text); }
};

TEST_F(ComboBoxTest, StringsKeepTheirOrderOrAreSortedWithoutCase) {
    const HWND combo = MakeCombo(CBS_DROPDOWNLIST);
    EXPECT_EQ(SendMessage(combo, CB_INSERTSTRING, 1, Param("NFM")), 1);
    EXPECT_EQ(SendMessage(combo, CB_INSERTSTRING, static_cast<WPARAM>(-1), Param("CW")), 5);
    EXPECT_EQ(SendMessage(combo, CB_INSERTSTRING, 7, Param("WFM")), CB_ERR);
    EXPECT_EQ(Strings(combo), (std::vector<std::string>{"FM", "NFM", "AM", "USB", "LSB", "CW"}));
    EXPECT_EQ(SendMessage(combo, CB_GETLBTEXTLEN, 6, 0), CB_ERR);
    EXPECT_EQ(SendMessage(combo, CB_DELETESTRING, 0, 0), 5);
    EXPECT_EQ(SendMessage(combo, CB_DELETESTRING, 5, 0), CB_ERR);

    const HWND sorted = MakeCombo(CBS_DROPDOWNLIST | CBS_SORT, {"usb", "AM", "fm", "Am"}, 2);
    EXPECT_EQ(Strings(sorted), (std::vector<std::string>{"AM", "Am", "fm", "usb"}));
    EXPECT_EQ(SendMessage(sorted, CB_INSERTSTRING, 0, Param("zz")), 0); // never sorted
    EXPECT_EQ(SendMessage(sorted, CB_RESETCONTENT, 0, 0), CB_OKAY);
    EXPECT_EQ(SendMessage(sorted, CB_GETCOUNT, 0, 0), 0);
}

TEST_F(ComboBoxTest, SettingTheSelectionOutOfRangeKeepsItAndTellsNobody) {
    const HWND combo = MakeCombo(CBS_DROPDOWNLIST);
    EXPECT_EQ(SendMessage(combo, CB_GETCURSEL, 0, 0), CB_ERR);
    EXPECT_EQ(SendMessage(combo, CB_SETCURSEL, 2, 0), 2);
    EXPECT_EQ(Text(combo), "USB");
    EXPECT_EQ(SendMessage(combo, CB_SETCURSEL, 4, 0), CB_ERR);
    EXPECT_EQ(SendMessage(combo, CB_SETCURSEL, static_cast<WPARAM>(-7), 0), CB_ERR);
    EXPECT_EQ(SendMessage(combo, CB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(Text(combo), "USB");

    // The selection follows its string as others come and go.
    SendMessage(combo, CB_INSERTSTRING, 0, Param("CW"));
    EXPECT_EQ(SendMessage(combo, CB_GETCURSEL, 0, 0), 3);
    SendMessage(combo, CB_DELETESTRING, 1, 0);
    EXPECT_EQ(SendMessage(combo, CB_GETCURSEL, 0, 0), 2);
    SendMessage(combo, CB_DELETESTRING, 2, 0);
    EXPECT_EQ(SendMessage(combo, CB_GETCURSEL, 0, 0), CB_ERR);
    EXPECT_EQ(Text(combo), "");

    SendMessage(combo, CB_SETCURSEL, 0, 0);
    EXPECT_EQ(SendMessage(combo, CB_SETCURSEL, static_cast<WPARAM>(-1), 0), CB_ERR);
    EXPECT_EQ(SendMessage(combo, CB_GETCURSEL, 0, 0), CB_ERR);
    SendMessage(combo, CB_SELECTSTRING, static_cast<WPARAM>(-1), Param("l"));
    SendMessage(combo, CB_SHOWDROPDOWN, TRUE, 0);
    EXPECT_TRUE(SendMessage(combo, CB_GETDROPPEDSTATE, 0, 0));
    SendMessage(combo, CB_SHOWDROPDOWN, FALSE, 0);
    EXPECT_TRUE(Notes(27903).empty());
}

TEST_F(ComboBoxTest, FindingIgnoresCaseAndWrapsRoundFromTheStart) {
    const HWND combo = MakeCombo(CBS_DROPDOWN, {"Scan", "Search", "scope", "Scan list"});
    EXPECT_EQ(SendMessage(combo, CB_FINDSTRING, static_cast<WPARAM>(-1), Param("sc")), 0);
    EXPECT_EQ(SendMessage(combo, CB_FINDSTRING, 0, Param("SC")), 2);
    EXPECT_EQ(SendMessage(combo, CB_FINDSTRING, 3, Param("sc")), 0);
    EXPECT_EQ(SendMessage(combo, CB_FINDSTRINGEXACT, 0, Param("scan")), 0);
    EXPECT_EQ(SendMessage(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), Param("Sca")),
              CB_ERR);
    EXPECT_EQ(SendMessage(combo, CB_FINDSTRING, static_cast<WPARAM>(-1), Param("x")), CB_ERR);

    EXPECT_EQ(SendMessage(combo, CB_SELECTSTRING, 0, Param("scan")), 3);
    EXPECT_EQ(SendMessage(combo, CB_SELECTSTRING, 0, Param("none")), CB_ERR);
    EXPECT_EQ(SendMessage(combo, CB_GETCURSEL, 0, 0), 3);
    EXPECT_EQ(Text(GetDlgItem(combo, 1001)), "Scan list");

    EXPECT_EQ(SendMessage(combo, CB_SETITEMDATA, 1, 0x7F01), TRUE);
    SendMessage(combo, CB_INSERTSTRING, 0, Param("Hold"));
    EXPECT_EQ(SendMessage(combo, CB_GETITEMDATA, 2, 0), 0x7F01);
    EXPECT_EQ(SendMessage(combo, CB_GETITEMDATA, 9, 0), CB_ERR);
    EXPECT_EQ(SendMessage(combo, CB_SETITEMDATA, 9, 1), CB_ERR);
}

TEST_F(ComboBoxTest, PickingFromTheDropDownListTellsTheParentInOrder) {
    const HWND combo = MakeCombo(CBS_DROPDOWNLIST);
    const int closed = Height(combo);
    EXPECT_LT(closed, 190); // the field only

    Click(combo); // on the field
    EXPECT_TRUE(SendMessage(combo, CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_GT(Height(combo), closed + 3 * 14); // more than three rows
    EXPECT_EQ(Notes(27903), std::vector<UINT>{CBN_DROPDOWN});

    // The third row of the open list.
    const int row = (Height(combo) - closed) / 4;
    Click(combo, 20, closed + 2 * row + row / 2);
    EXPECT_EQ(SendMessage(combo, CB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(Text(combo), "USB");
    EXPECT_FALSE(SendMessage(combo, CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_EQ(Height(combo), closed);
    EXPECT_EQ(Notes(27903),
              (std::vector<UINT>{CBN_DROPDOWN, CBN_SELCHANGE, CBN_SELENDOK, CBN_CLOSEUP}));
}

TEST_F(ComboBoxTest, ASimpleComboBoxAlwaysShowsItsList) {
    const HWND combo = MakeCombo(CBS_SIMPLE);
    EXPECT_EQ(Height(combo), 190);
    Click(combo, 20, 18 + 1 + 14 + 7); // the second row under the field
    EXPECT_EQ(SendMessage(combo, CB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(Text(GetDlgItem(combo, 1001)), "AM");
    EXPECT_EQ(Notes(27903), (std::vector<UINT>{CBN_SELCHANGE, CBN_SELENDOK}));
    SendMessage(combo, CB_SHOWDROPDOWN, TRUE, 0);
    EXPECT_FALSE(SendMessage(combo, CB_GETDROPPEDSTATE, 0, 0));
}

TEST_F(ComboBoxTest, ArrowKeysChangeAClosedListAndMoveTheHighlightOfAnOpenOne) {
    const HWND combo = MakeCombo(CBS_DROPDOWNLIST);
    SetFocus(combo);
    SendMessage(combo, WM_KEYDOWN, VK_DOWN, 0);
    SendMessage(combo, WM_KEYDOWN, VK_UP, 0); // already at the top
    EXPECT_EQ(SendMessage(combo, CB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(Notes(27903), (std::vector<UINT>{CBN_SELCHANGE, CBN_SELENDOK}));
    parent.ClearMessages();

    SendMessage(combo, WM_KEYDOWN, VK_F4, 0);
    SendMessage(combo, WM_KEYDOWN, VK_DOWN, 0);
    SendMessage(combo, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(SendMessage(combo, CB_GETCURSEL, 0, 0), 0); // only highlighted so far
    SendMessage(combo, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(SendMessage(combo, CB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(Notes(27903), (std::vector<UINT>{CBN_DROPDOWN, CBN_CLOSEUP}));
    parent.ClearMessages();

    SendMessage(combo, WM_KEYDOWN, VK_F4, 0);
    SendMessage(combo, WM_KEYDOWN, VK_DOWN, 0);
    SendMessage(combo, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(SendMessage(combo, CB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(Notes(27903),
              (std::vector<UINT>{CBN_DROPDOWN, CBN_SELCHANGE, CBN_SELENDOK, CBN_CLOSEUP}));

    // Losing the focus closes an open list.
    SendMessage(combo, WM_KEYDOWN, VK_F4, 0);
    SetFocus(parent.hwnd());
    EXPECT_FALSE(SendMessage(combo, CB_GETDROPPEDSTATE, 0, 0));
}

TEST_F(ComboBoxTest, TheEditOfADropDownReportsTypingAndWorksTheList) {
    const HWND combo = MakeCombo(CBS_DROPDOWN);
    const HWND edit = GetDlgItem(combo, 1001);
    ASSERT_TRUE(edit);
    SendMessage(combo, CB_SETCURSEL, 1, 0);
    EXPECT_EQ(Text(edit), "AM");
    EXPECT_TRUE(Notes(27903).empty());

    SendMessage(edit, WM_CHAR, 'F', 0); // the chosen text is selected: typing replaces it
    SendMessage(edit, WM_CHAR, 'x', 0);
    EXPECT_EQ(Text(combo), "Fx");
    EXPECT_EQ(Notes(27903), (std::vector<UINT>{CBN_EDITCHANGE, CBN_EDITCHANGE}));
    parent.ClearMessages();

    SendMessage(edit, WM_KEYDOWN, VK_DOWN, 0); // the edit hands the arrow to the combo box
    EXPECT_EQ(SendMessage(combo, CB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(Text(edit), "USB");
    EXPECT_EQ(Notes(27903), (std::vector<UINT>{CBN_SELCHANGE, CBN_SELENDOK}));

    SetWindowText(combo, "462.5625");
    EXPECT_EQ(Text(edit), "462.5625");
    const HWND list = MakeCombo(CBS_DROPDOWNLIST, {"FM", "AM"}, 3);
    EXPECT_EQ(SendMessage(list, WM_SETTEXT, 0, Param("am")), TRUE);
    EXPECT_EQ(SendMessage(list, CB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(SendMessage(list, WM_SETTEXT, 0, Param("WFM")), CB_ERR);
    EXPECT_EQ(Text(list), "AM");
}

TEST_F(ComboBoxTest, PaintsTheChoiceAndTheOpenListWithTheHighlightedRow) {
    const HWND combo = MakeCombo(CBS_DROPDOWNLIST);
    SendMessage(combo, CB_SETCURSEL, 3, 0);
    EXPECT_EQ(DrawnTexts(Painted(combo)), std::vector<std::string>{"LSB"});

    SendMessage(combo, CB_SHOWDROPDOWN, TRUE, 0);
    const auto& open = Painted(combo);
    EXPECT_EQ(DrawnTexts(open), (std::vector<std::string>{"LSB", "FM", "AM", "USB", "LSB"}));
    const auto highlighted = std::find_if(open.begin(), open.end(), [](const auto& record) {
        return record.op == DrawOp::DrawText &&
               record.state.textColor == GetSysColor(COLOR_HIGHLIGHTTEXT);
    });
    ASSERT_NE(highlighted, open.end());
    EXPECT_EQ(highlighted->text, "LSB");
    EXPECT_GT(highlighted->rect.top, 20);
}

} // namespace
