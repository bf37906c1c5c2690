#include "tests/platform/afx/AfxTest.h"

#include <string>
#include <vector>

namespace {

constexpr int kListId = 27924;

// A list control whose object handles its double clicks and clicks itself.
class CReflectingList : public CWnd {
public:
    int doubleClicks = 0;
    int clicks = 0;

protected:
    void OnDblClk(NMHDR*, LRESULT* pResult) {
        ++doubleClicks;
        *pResult = 7;
    }
    void OnClicked() { ++clicks; }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReflectingList, CWnd)
ON_NOTIFY_REFLECT(NM_DBLCLK, &CReflectingList::OnDblClk)
ON_CONTROL_REFLECT(BN_CLICKED, &CReflectingList::OnClicked)
END_MESSAGE_MAP()

class CBasePanel : public CWnd {
public:
    std::vector<std::string> calls;

protected:
    void OnColor(UINT id) { calls.push_back("color " + std::to_string(id)); }
    void OnBaseCommand() { calls.push_back("base command"); }
    BOOL OnToolTip(UINT, NMHDR*, LRESULT* pResult) {
        calls.push_back("base tip");
        *pResult = 1;
        return TRUE;
    }
    void OnListDblClk(NMHDR* pNMHDR, LRESULT*) {
        calls.push_back("parent dblclk " + std::to_string(pNMHDR->idFrom));
    }
    void OnListClicked() { calls.push_back("parent clicked"); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBasePanel, CWnd)
ON_COMMAND_RANGE(27083, 27114, &CBasePanel::OnColor)
ON_COMMAND(100, &CBasePanel::OnBaseCommand)
ON_NOTIFY_EX(TTN_NEEDTEXT, 0, &CBasePanel::OnToolTip)
ON_NOTIFY(NM_DBLCLK, kListId, &CBasePanel::OnListDblClk)
ON_BN_CLICKED(kListId, &CBasePanel::OnListClicked)
END_MESSAGE_MAP()

class CDerivedPanel : public CBasePanel {
public:
    BOOL tipHandled = FALSE;

protected:
    void OnOneColor() { calls.push_back("derived 27090"); }
    BOOL OnDerivedToolTip(UINT id, NMHDR*, LRESULT*) {
        calls.push_back("derived tip " + std::to_string(id));
        return tipHandled;
    }
    void OnEditChange() { calls.push_back("edit change"); }
    void OnHeaderRange(UINT id, NMHDR*, LRESULT* pResult) {
        calls.push_back("header " + std::to_string(id));
        *pResult = 3;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedPanel, CBasePanel)
ON_COMMAND(27090, &CDerivedPanel::OnOneColor)
ON_NOTIFY_EX(TTN_NEEDTEXT, 0, &CDerivedPanel::OnDerivedToolTip)
ON_EN_CHANGE(5, &CDerivedPanel::OnEditChange)
ON_NOTIFY_RANGE(NM_CLICK, 40, 49, &CDerivedPanel::OnHeaderRange)
END_MESSAGE_MAP()

class MessageMapTest : public hb::afx::test::AfxTest {
protected:
    MessageMapTest() {
        panel.CreateEx(0, nullptr, "panel", WS_OVERLAPPED, CRect(0, 0, 200, 100), nullptr, 0);
    }

    BOOL Command(int id, int code = 0, HWND control = {}) {
        return static_cast<BOOL>(
            panel.SendMessage(WM_COMMAND, MAKEWPARAM(id, code), hb::win::ParamFromHwnd(control)));
    }
    LRESULT Notify(HWND from, UINT_PTR id, UINT code) {
        NMHDR header{from, id, code};
        return panel.SendMessage(WM_NOTIFY, id, reinterpret_cast<LPARAM>(&header));
    }

    CDerivedPanel panel;
};

TEST_F(MessageMapTest, CommandsSearchTheClassMapThenItsBase) {
    EXPECT_TRUE(Command(27083));
    EXPECT_TRUE(Command(27090));
    EXPECT_TRUE(Command(27114, 1)); // an accelerator
    EXPECT_TRUE(Command(100));
    EXPECT_FALSE(Command(27115));
    EXPECT_FALSE(Command(27082));
    EXPECT_EQ(panel.calls, (std::vector<std::string>{"color 27083", "derived 27090", "color 27114",
                                                     "base command"}));
}

TEST_F(MessageMapTest, ControlNotificationsMatchTheirCode) {
    const HWND edit = MakeChild(panel, 5);
    EXPECT_TRUE(Command(5, EN_CHANGE, edit));
    EXPECT_FALSE(Command(5, EN_KILLFOCUS, edit));
    const HWND headers[] = {MakeChild(panel, 40), MakeChild(panel, 49), MakeChild(panel, 50)};
    EXPECT_EQ(Notify(headers[0], 40, NM_CLICK), 3);
    EXPECT_EQ(Notify(headers[1], 49, NM_CLICK), 3);
    EXPECT_EQ(Notify(headers[2], 50, NM_CLICK), 0);
    EXPECT_EQ(Notify(headers[0], 40, NM_RCLICK), 0);
    EXPECT_EQ(panel.calls, (std::vector<std::string>{"edit change", "header 40", "header 49"}));
}

TEST_F(MessageMapTest, ANotifyHandlerReturningFalseLetsTheNextOneRun) {
    // Tool tips are top-level windows: their notifications carry control id 0.
    const HWND tip = CreateWindowEx(0, hb::afx::test::kFieldClass, "", WS_POPUP, 0, 0, 10, 10,
                                    panel, 0, nullptr);
    EXPECT_EQ(Notify(tip, 27745, TTN_NEEDTEXT), 1);
    panel.tipHandled = TRUE;
    EXPECT_EQ(Notify(tip, 27745, TTN_NEEDTEXT), 0);
    EXPECT_EQ(panel.calls,
              (std::vector<std::string>{"derived tip 0", "base tip", "derived tip 0"}));
}

TEST_F(MessageMapTest, AControlsOwnObjectHandlesItsNotificationsFirst) {
    CReflectingList list;
    ASSERT_TRUE(list.SubclassWindow(MakeChild(panel, kListId)));
    EXPECT_EQ(Notify(list, kListId, NM_DBLCLK), 7);
    EXPECT_TRUE(Command(kListId, BN_CLICKED, list));
    EXPECT_EQ(list.doubleClicks, 1);
    EXPECT_EQ(list.clicks, 1);
    EXPECT_TRUE(panel.calls.empty());

    // Without an object of its own, the parent's entries take the notification.
    const HWND plain = list.UnsubclassWindow();
    EXPECT_EQ(Notify(plain, kListId, NM_DBLCLK), 0);
    EXPECT_TRUE(Command(kListId, BN_CLICKED, plain));
    EXPECT_EQ(panel.calls, (std::vector<std::string>{"parent dblclk " + std::to_string(kListId),
                                                     "parent clicked"}));
}

// Every window-message entry; the handlers defined here log their cracked arguments, the others
// are CWnd's defaults.
class CEverything : public CWnd {
public:
    std::vector<std::string> log;
    int createResult = 0;

protected:
    void Add(std::string line) { log.push_back(std::move(line)); }
    static std::string Name(CWnd* wnd) { return wnd ? std::to_string(wnd->m_hWnd.id()) : "-"; }
    static std::string At(CPoint pt) { return std::to_string(pt.x) + "," + std::to_string(pt.y); }

    int OnCreate(LPCREATESTRUCT cs) {
        Add(std::string("create ") + cs->lpszName + " " + std::to_string(m_hWnd.id() != 0));
        return createResult;
    }
    void OnDestroy() { Add("destroy"); }
    void OnNcDestroy() { Add("ncdestroy"); }
    void OnTimer(UINT_PTR id) { Add("timer " + std::to_string(id)); }
    void OnSize(UINT type, int cx, int cy) {
        Add("size " + std::to_string(type) + " " + std::to_string(cx) + "x" + std::to_string(cy));
    }
    void OnSetFocus(CWnd* old) { Add("setfocus " + Name(old)); }
    int OnMouseActivate(CWnd* top, UINT hit, UINT message) {
        Add("mouseactivate " + Name(top) + " " + std::to_string(hit) + " " +
            std::to_string(message));
        return 3;
    }
    void OnSysCommand(UINT id, LPARAM lParam) {
        Add("syscommand " + std::to_string(id) + " " + std::to_string(lParam));
    }
    void OnMDIActivate(BOOL activate, CWnd* activated, CWnd* deactivated) {
        Add("mdiactivate " + std::to_string(activate) + " " + Name(activated) + " " +
            Name(deactivated));
    }
    void OnSettingChange(UINT flags, LPCSTR section) {
        Add("setting " + std::to_string(flags) + " " + section);
    }
    void OnMouseMove(UINT flags, CPoint pt) { Add("move " + std::to_string(flags) + " " + At(pt)); }
    void OnLButtonDown(UINT, CPoint pt) { Add("ldown " + At(pt)); }
    BOOL OnMouseWheel(UINT flags, short delta, CPoint pt) {
        Add("wheel " + std::to_string(flags) + " " + std::to_string(delta) + " " + At(pt));
        return TRUE;
    }
    void OnKeyDown(UINT ch, UINT repeat, UINT flags) {
        Add("keydown " + std::to_string(ch) + " " + std::to_string(repeat) + " " +
            std::to_string(flags));
    }
    void OnShowWindow(BOOL show, UINT status) {
        Add("show " + std::to_string(show) + " " + std::to_string(status));
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CEverything, CWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_NCDESTROY()
ON_WM_CLOSE()
ON_WM_PAINT()
ON_WM_TIMER()
ON_WM_SIZE()
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
ON_WM_MOUSEACTIVATE()
ON_WM_SYSCOMMAND()
ON_WM_MDIACTIVATE()
ON_WM_SETTINGCHANGE()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_LBUTTONDBLCLK()
ON_WM_RBUTTONDOWN()
ON_WM_RBUTTONUP()
ON_WM_MOUSEWHEEL()
ON_WM_KEYDOWN()
ON_WM_CHAR()
ON_WM_SHOWWINDOW()
END_MESSAGE_MAP()

using WindowMessageEntryTest = hb::afx::test::AfxTest;

TEST_F(WindowMessageEntryTest, HandlersGetTheirArgumentsCracked) {
    CEverything wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "all", WS_OVERLAPPED, CRect(0, 0, 40, 30), nullptr, 0));
    const std::string self = std::to_string(wnd.m_hWnd.id());
    CEverything other;
    other.CreateEx(0, nullptr, "other", WS_OVERLAPPED, CRect(0, 0, 10, 10), nullptr, 0);
    const std::string otherId = std::to_string(other.m_hWnd.id());
    EXPECT_EQ(wnd.log, (std::vector<std::string>{"create all 1", "size 0 40x30"}));
    wnd.log.clear();

    wnd.ShowWindow(SW_SHOWNOACTIVATE);
    wnd.SetTimer(9, 100);
    AdvanceAndPump(100);
    wnd.KillTimer(9);
    wnd.SendMessage(WM_MOUSEACTIVATE, hb::win::ParamFromHwnd(other), MAKELPARAM(1, WM_LBUTTONDOWN));
    wnd.SendMessage(WM_SYSCOMMAND, 0xF060, 5);
    wnd.SendMessage(WM_MDIACTIVATE, hb::win::ParamFromHwnd(other), hb::win::ParamFromHwnd(wnd));
    wnd.SendMessage(WM_SETTINGCHANGE, 2, reinterpret_cast<LPARAM>("intl"));
    wnd.SendMessage(WM_MOUSEMOVE, 1, MAKELPARAM(3, 4));
    wnd.SendMessage(WM_LBUTTONDOWN, 1, MAKELPARAM(static_cast<WORD>(-2), 4));
    wnd.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(4, static_cast<WORD>(-120)), MAKELPARAM(13, 14));
    wnd.SendMessage(WM_KEYDOWN, VK_F5, MAKELPARAM(1, 0x3F));
    wnd.SetFocus();
    wnd.SendMessage(WM_CLOSE);
    EXPECT_EQ(wnd.log, (std::vector<std::string>{
                           "show 1 0", "timer 9", "mouseactivate " + otherId + " 1 513",
                           "syscommand 61536 5", "mdiactivate 1 " + self + " " + otherId,
                           "setting 2 intl", "move 1 3,4", "ldown -2,4", "wheel 4 -120 13,14",
                           "keydown 116 1 63", "setfocus -", "destroy", "ncdestroy"}));
    EXPECT_FALSE(wnd.m_hWnd);
}

TEST_F(WindowMessageEntryTest, MinusOneFromOnCreateFailsTheCreation) {
    CEverything wnd;
    wnd.createResult = -1;
    EXPECT_FALSE(wnd.CreateEx(0, nullptr, "fails", WS_OVERLAPPED, CRect(), nullptr, 0));
    EXPECT_FALSE(wnd.m_hWnd);
    EXPECT_EQ(wnd.log, (std::vector<std::string>{"create fails 1", "destroy", "ncdestroy"}));
}

} // namespace
