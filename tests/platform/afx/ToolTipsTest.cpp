#include "tests/platform/afx/AfxTest.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

// A front panel whose VFO buttons explain themselves.
class CFrontPanel : public CWnd {
public:
    std::vector<HWND> asked;
    std::vector<UINT> askedIds;

protected:
    BOOL OnToolTipNotify(UINT id, NMHDR* pNMHDR, LRESULT* pResult) {
        auto* info = reinterpret_cast<TOOLTIPTEXTA*>(pNMHDR);
        UINT control = static_cast<UINT>(pNMHDR->idFrom);
        if (info->uFlags & TTF_IDISHWND) {
            asked.push_back(hb::win::HwndFromParam(pNMHDR->idFrom));
            control = static_cast<UINT>(::GetDlgCtrlID(HWND(pNMHDR->idFrom)));
        }
        askedIds.push_back(id);
        std::snprintf(info->szText, sizeof info->szText, "VFO %u, 162.550 FM", control - 27744);
        *pResult = 0;
        return TRUE;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CFrontPanel, CWnd)
ON_NOTIFY_EX(TTN_NEEDTEXT, 0, &CFrontPanel::OnToolTipNotify)
END_MESSAGE_MAP()

class ToolTipsTest : public hb::afx::test::AfxTest {
protected:
    ToolTipsTest() {
        panel.CreateEx(0, nullptr, "Radio", WS_OVERLAPPED | WS_VISIBLE, CRect(0, 0, 400, 300),
                       nullptr, 0);
        v3.Create("V3", WS_VISIBLE, CRect(10, 10, 60, 30), &panel, 27747);
        v4.Create("V4", WS_VISIBLE, CRect(70, 10, 120, 30), &panel, 27748);
    }

    // The tooltip windows the panel owns.
    std::vector<HWND> Tips() const {
        std::vector<HWND> tips;
        for (HWND w = GetWindow(panel.m_hWnd, GW_HWNDFIRST); w; w = GetWindow(w, GW_HWNDNEXT)) {
            char name[32] = {};
            GetClassName(w, name, sizeof name);
            if (std::string(name) == TOOLTIPS_CLASS && GetWindow(w, GW_OWNER) == panel.m_hWnd) {
                tips.push_back(w);
            }
        }
        return tips;
    }

    static std::string Shown(HWND tip) {
        char text[80] = {};
        GetWindowText(tip, text, sizeof text);
        return IsWindowVisible(tip) ? text : "";
    }

    CFrontPanel panel;
    CButton v3;
    CButton v4;
};

TEST_F(ToolTipsTest, HoveringOverAChildAsksTheWindowForTheChildsText) {
    ASSERT_TRUE(panel.EnableToolTips());
    ASSERT_EQ(Tips().size(), 1u);
    const HWND tip = Tips()[0];

    hb::afx::MoveMouse(v3.m_hWnd, 5, 5);
    AdvanceAndPump(499);
    EXPECT_TRUE(panel.asked.empty());
    AdvanceAndPump(1);
    EXPECT_EQ(panel.asked, std::vector<HWND>{v3.m_hWnd});
    EXPECT_EQ(panel.askedIds, std::vector<UINT>{0});
    EXPECT_EQ(Shown(tip), "VFO 3, 162.550 FM");

    hb::afx::MoveMouse(v3.m_hWnd, 9, 9); // still on the same tool
    hb::afx::MoveMouse(v4.m_hWnd, 5, 5);
    EXPECT_EQ(Shown(tip), "");
    AdvanceAndPump(500);
    EXPECT_EQ(panel.asked, (std::vector<HWND>{v3.m_hWnd, v4.m_hWnd}));
    EXPECT_EQ(Shown(tip), "VFO 4, 162.550 FM");

    hb::afx::MoveMouse(panel.m_hWnd, 300, 200); // off every child
    AdvanceAndPump(1000);
    EXPECT_EQ(Shown(tip), "");
    EXPECT_EQ(panel.asked.size(), 2u);

    EXPECT_TRUE(panel.EnableToolTips(FALSE));
    EXPECT_TRUE(Tips().empty());
    hb::afx::MoveMouse(v3.m_hWnd, 5, 5);
    AdvanceAndPump(1000);
    EXPECT_EQ(panel.asked.size(), 2u);
}

TEST_F(ToolTipsTest, AToolTipControlShowsItsToolsWhenTheOwnerRelaysTheMouse) {
    CToolTipCtrl tips;
    ASSERT_TRUE(tips.Create(&panel));
    ASSERT_TRUE(tips.AddTool(&v4));
    const CRect volume(200, 100, 260, 160);
    ASSERT_TRUE(tips.AddTool(&panel, "Volume", volume, 26043));
    EXPECT_EQ(tips.SendMessage(TTM_GETTOOLCOUNT), 2);

    MSG move{v4.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5), 0, {}};
    tips.RelayEvent(&move);
    AdvanceAndPump(500);
    EXPECT_EQ(panel.asked, std::vector<HWND>{v4.m_hWnd});
    EXPECT_EQ(Shown(tips.m_hWnd), "VFO 4, 162.550 FM");

    move = {panel.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(210, 110), 0, {}};
    tips.RelayEvent(&move);
    AdvanceAndPump(500);
    EXPECT_EQ(Shown(tips.m_hWnd), "Volume");
    EXPECT_EQ(panel.asked.size(), 1u);

    tips.DelTool(&v4);
    EXPECT_EQ(tips.SendMessage(TTM_GETTOOLCOUNT), 1);
    tips.Activate(FALSE);
    EXPECT_EQ(Shown(tips.m_hWnd), "");
}

} // namespace
