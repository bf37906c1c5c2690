#include "ControlTest.h"

#include <string>
#include <vector>

namespace {

class ListBoxTest : public ControlTest {
protected:
    static constexpr UINT kId = 29382;

    HWND MakeList(std::vector<LPCSTR> strings = {"One", "Two", "Three"}) {
        const HWND list = Create("ListBox", "", LBS_NOTIFY, kId, {10, 10, 110, 200});
        for (LPCSTR text : strings) {
            SendMessage(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
        }
        return list;
    }

    static std::vector<std::string> Strings(HWND list) {
        std::vector<std::string> strings;
        const auto count = SendMessage(list, LB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            std::string text(static_cast<std::size_t>(SendMessage(list, LB_GETTEXTLEN, i, 0)),
                             '\0');
            SendMessage(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
            strings.push_back(text);
        }
        return strings;
    }
};

TEST_F(ListBoxTest, StringsAndTheirDataAreAddedInsertedDeletedAndResetByMessage) {
    const HWND list = MakeList();
    EXPECT_EQ(SendMessage(list, LB_INSERTSTRING, 1, reinterpret_cast<LPARAM>("New")), 1);
    EXPECT_EQ(SendMessage(list, LB_INSERTSTRING, 9, reinterpret_cast<LPARAM>("Far")), LB_ERR);
    EXPECT_EQ(Strings(list), (std::vector<std::string>{"One", "New", "Two", "Three"}));
    EXPECT_EQ(SendMessage(list, LB_SETITEMDATA, 2, 42), TRUE);
    EXPECT_EQ(SendMessage(list, LB_SETCURSEL, 2, 0), 2);
    // Deleting before the selection keeps it on the same string and its data.
    EXPECT_EQ(SendMessage(list, LB_DELETESTRING, 0, 0), 3);
    EXPECT_EQ(SendMessage(list, LB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(SendMessage(list, LB_GETITEMDATA, 1, 0), 42);
    EXPECT_EQ(SendMessage(list, LB_GETITEMDATA, 7, 0), LB_ERR);
    EXPECT_EQ(SendMessage(list, LB_DELETESTRING, 1, 0), 2);
    EXPECT_EQ(SendMessage(list, LB_GETCURSEL, 0, 0), -1);
    SendMessage(list, LB_RESETCONTENT, 0, 0);
    EXPECT_EQ(SendMessage(list, LB_GETCOUNT, 0, 0), 0);
    // Nothing of this was the user's.
    EXPECT_TRUE(Notes(kId).empty());
}

TEST_F(ListBoxTest, AClickOrAnArrowSelectsARowAndTellsTheParent) {
    const HWND list = MakeList();
    RECT row{};
    ASSERT_EQ(SendMessage(list, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&row)), LB_OKAY);
    Click(list, 5, (row.top + row.bottom) / 2);
    EXPECT_EQ(SendMessage(list, LB_GETCURSEL, 0, 0), 1);
    SendMessage(list, WM_KEYDOWN, VK_DOWN, 0);
    SendMessage(list, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(SendMessage(list, LB_GETCURSEL, 0, 0), 2);
    // Below the last row nothing changes.
    Click(list, 5, 190);
    EXPECT_EQ(SendMessage(list, LB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(Notes(kId), (std::vector<UINT>{LBN_SELCHANGE, LBN_SELCHANGE}));
}

TEST_F(ListBoxTest, TheWheelScrollsTheRowsNoFurtherThanTheLastOne) {
    std::vector<std::string> names;
    for (int n = 0; n < 40; ++n) {
        names.push_back("Row " + std::to_string(n));
    }
    std::vector<LPCSTR> strings;
    for (const std::string& name : names) {
        strings.push_back(name.c_str());
    }
    const HWND list = MakeList(strings);
    const auto topRow = [list] {
        RECT row{};
        SendMessage(list, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row));
        return -row.top / (row.bottom - row.top);
    };
    const auto wheel = [list](int delta) {
        SendMessage(list, WM_MOUSEWHEEL,
                    MAKEWPARAM(0, static_cast<WORD>(static_cast<short>(delta))), 0);
    };
    wheel(120);
    EXPECT_EQ(topRow(), 0);
    wheel(-240);
    EXPECT_EQ(topRow(), 6);
    wheel(-120 * 40);
    RECT client{};
    GetClientRect(list, &client);
    RECT last{};
    SendMessage(list, LB_GETITEMRECT, 39, reinterpret_cast<LPARAM>(&last));
    EXPECT_LE(last.bottom, client.bottom);
    EXPECT_GT(last.bottom + (last.bottom - last.top), client.bottom);
    wheel(120 * 40);
    EXPECT_EQ(topRow(), 0);
    // Scrolling is not choosing.
    EXPECT_EQ(SendMessage(list, LB_GETCURSEL, 0, 0), -1);
    EXPECT_TRUE(Notes(kId).empty());
}

} // namespace
