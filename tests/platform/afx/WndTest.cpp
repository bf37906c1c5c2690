#include "platform/testkit/TestWindow.h"
#include "tests/platform/afx/AfxTest.h"

#include <string>
#include <vector>

namespace {

using hb::testkit::TestWindow;

// Records what reaches the object, and answers a private message.
class CProbe : public CWnd {
public:
    std::vector<UINT> seen;
    bool boundAtFirstMessage = false;
    int presubclassed = 0;
    BOOL consumeKeys = FALSE;
    std::vector<std::string>* walk = nullptr;
    std::string name;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (seen.empty()) {
            boundAtFirstMessage = m_hWnd && FromHandlePermanent(m_hWnd) == this;
        }
        seen.push_back(message);
        return CWnd::WindowProc(message, wParam, lParam);
    }
    void PreSubclassWindow() override { ++presubclassed; }
    BOOL PreTranslateMessage(MSG*) override {
        if (walk) {
            walk->push_back(name);
        }
        return consumeKeys;
    }

protected:
    LRESULT OnPrivate(WPARAM, LPARAM) {
        const MSG* current = GetCurrentMessage();
        return current && current->hwnd == m_hWnd ? 99 : -1;
    }
    void OnSize(UINT type, int cx, int cy) {
        sizes.push_back(cx * 1000 + cy);
        CWnd::OnSize(type, cx, cy);
    }

public:
    std::vector<int> sizes;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CProbe, CWnd)
ON_MESSAGE(WM_APP, &CProbe::OnPrivate)
ON_WM_SIZE()
END_MESSAGE_MAP()

class CSelfDeleting : public CWnd {
public:
    explicit CSelfDeleting(int& deleted) : m_deleted(deleted) {}
    ~CSelfDeleting() override { ++m_deleted; }

protected:
    void PostNcDestroy() override { delete this; }

private:
    int& m_deleted;
};

// A frame that lives on the stack, unlike the frames that delete themselves.
class CFrameLike : public CFrameWnd {
protected:
    void PostNcDestroy() override {}
};

class WndTest : public hb::afx::test::AfxTest {
protected:
    static HWND TopLevel(CWnd& wnd, LPCSTR text = "top") {
        wnd.CreateEx(0, nullptr, text, WS_OVERLAPPED | WS_VISIBLE, CRect(10, 20, 210, 120), nullptr,
                     0);
        return wnd.m_hWnd;
    }
};

TEST_F(WndTest, CreateBindsTheObjectBeforeTheFirstMessage) {
    CProbe probe;
    const HWND hwnd = TopLevel(probe);
    ASSERT_TRUE(IsWindow(hwnd));
    EXPECT_TRUE(probe.boundAtFirstMessage);
    EXPECT_EQ(probe.seen.front(), WM_NCCREATE);
    EXPECT_EQ(probe.presubclassed, 1);
    EXPECT_EQ(CWnd::FromHandlePermanent(hwnd), &probe);
    EXPECT_EQ(CWnd::FromHandle(hwnd), &probe);
    EXPECT_EQ(probe.sizes, (std::vector<int>{200100}));
    EXPECT_EQ(probe.SendMessage(WM_APP), 99);
    // A second window for the same object is refused.
    EXPECT_FALSE(probe.CreateEx(0, nullptr, "again", WS_OVERLAPPED, CRect(), nullptr, 0));

    CProbe child;
    ASSERT_TRUE(child.Create(nullptr, "child", WS_VISIBLE, CRect(1, 2, 11, 12), &probe, 27));
    EXPECT_EQ(probe.GetDlgItem(27), &child);

    CProbe orphan;
    EXPECT_FALSE(orphan.Create(nullptr, "orphan", 0, CRect(), nullptr, 1));
}

TEST_F(WndTest, WindowsWithoutAnObjectGetTemporaryOnes) {
    TestWindow plain(hb::testkit::TestWindowOptions{.text = "plain"});
    EXPECT_EQ(CWnd::FromHandlePermanent(plain.hwnd()), nullptr);
    CWnd* temporary = CWnd::FromHandle(plain.hwnd());
    ASSERT_NE(temporary, nullptr);
    EXPECT_EQ(temporary->m_hWnd, plain.hwnd());
    EXPECT_EQ(CWnd::FromHandle(plain.hwnd()), temporary);
    EXPECT_EQ(CWnd::FromHandlePermanent(plain.hwnd()), nullptr);
    CString text;
    temporary->GetWindowText(text);
    EXPECT_EQ(text, "plain");
    hb::afx::DeleteTempMap();
    EXPECT_TRUE(IsWindow(plain.hwnd()));
    EXPECT_NE(CWnd::FromHandle(plain.hwnd()), nullptr);

    EXPECT_EQ(CWnd::FromHandle(HWND{}), nullptr);
    const HWND gone = plain.hwnd();
    DestroyWindow(gone);
    EXPECT_EQ(CWnd::FromHandle(gone), nullptr);
}

TEST_F(WndTest, AttachBindsWithoutTakingTheMessages) {
    TestWindow plain(hb::testkit::TestWindowOptions{});
    CProbe probe;
    ASSERT_TRUE(probe.Attach(plain.hwnd()));
    EXPECT_EQ(CWnd::FromHandlePermanent(plain.hwnd()), &probe);
    CProbe second;
    EXPECT_FALSE(second.Attach(plain.hwnd()));
    EXPECT_FALSE(probe.Attach(TopLevel(second)));
    SendMessage(plain.hwnd(), WM_APP, 0, 0);
    EXPECT_TRUE(probe.seen.empty());
    EXPECT_EQ(probe.Detach(), plain.hwnd());
    EXPECT_FALSE(probe.m_hWnd);
    EXPECT_EQ(CWnd::FromHandlePermanent(plain.hwnd()), nullptr);
}

TEST_F(WndTest, SubclassingPutsTheObjectBeforeTheWindowsOwnProcedure) {
    TestWindow plain(hb::testkit::TestWindowOptions{});
    plain.On(WM_APP + 1, [](WPARAM, LPARAM) { return LRESULT{5}; });
    CProbe probe;
    ASSERT_TRUE(probe.SubclassWindow(plain.hwnd()));
    EXPECT_EQ(probe.presubclassed, 1);
    plain.ClearMessages();

    EXPECT_EQ(SendMessage(plain.hwnd(), WM_APP, 0, 0), 99);
    EXPECT_EQ(SendMessage(plain.hwnd(), WM_APP + 1, 0, 0), 5);
    EXPECT_EQ(probe.seen, (std::vector<UINT>{WM_APP, WM_APP + 1}));
    EXPECT_EQ(plain.MessageIds(), (std::vector<UINT>{WM_APP + 1}));
    CProbe second;
    EXPECT_FALSE(second.SubclassWindow(plain.hwnd()));

    EXPECT_EQ(probe.UnsubclassWindow(), plain.hwnd());
    EXPECT_EQ(SendMessage(plain.hwnd(), WM_APP, 0, 0), 0);
    EXPECT_EQ(probe.seen.size(), 2u);
    EXPECT_EQ(plain.Count(WM_APP), 1u);

    CProbe parent;
    TopLevel(parent);
    const HWND item = MakeChild(parent, 7);
    CProbe control;
    EXPECT_FALSE(control.SubclassDlgItem(8, &parent));
    EXPECT_TRUE(control.SubclassDlgItem(7, &parent));
    EXPECT_EQ(control.m_hWnd, item);
}

TEST_F(WndTest, AfterWmNcDestroyTheObjectIsUnboundAndMayDeleteItself) {
    CProbe probe;
    const HWND hwnd = TopLevel(probe);
    int deleted = 0;
    auto* owned = new CSelfDeleting(deleted);
    ASSERT_TRUE(owned->Create(nullptr, "child", 0, CRect(0, 0, 5, 5), &probe, 3));
    auto* failed = new CSelfDeleting(deleted);
    EXPECT_FALSE(failed->CreateEx(0, "NoSuchClass", "", 0, CRect(), nullptr, 0));
    delete failed;
    EXPECT_EQ(deleted, 1);

    probe.DestroyWindow();
    EXPECT_EQ(deleted, 2);
    EXPECT_EQ(probe.seen.back(), WM_NCDESTROY);
    EXPECT_FALSE(probe.m_hWnd);
    EXPECT_EQ(CWnd::FromHandlePermanent(hwnd), nullptr);
    EXPECT_FALSE(probe.DestroyWindow());
}

TEST_F(WndTest, AnObjectGoingAwayTakesItsWindowWithIt) {
    HWND hwnd;
    HWND child;
    {
        CProbe probe;
        hwnd = TopLevel(probe);
        child = MakeChild(hwnd, 1);
    }
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_FALSE(IsWindow(child));
    EXPECT_EQ(CWnd::FromHandlePermanent(hwnd), nullptr);
}

TEST_F(WndTest, ThePreTranslateWalkStopsWhereAWindowConsumesTheMessage) {
    std::vector<std::string> walk;
    CProbe top, middle, child;
    TopLevel(top);
    middle.Create(nullptr, "", 0, CRect(), &top, 1);
    const HWND bare = MakeChild(middle, 2);
    child.Create(nullptr, "", 0, CRect(), CWnd::FromHandle(bare), 3);
    for (auto [wnd, name] : {std::pair{&top, "top"}, {&middle, "middle"}, {&child, "child"}}) {
        wnd->walk = &walk;
        wnd->name = name;
    }
    MSG msg{child.m_hWnd, WM_KEYDOWN, VK_F1, 0, 0, {}};
    EXPECT_FALSE(CWnd::WalkPreTranslateTree(HWND{}, &msg));
    EXPECT_EQ(walk, (std::vector<std::string>{"child", "middle", "top"}));

    walk.clear();
    middle.consumeKeys = TRUE;
    EXPECT_TRUE(CWnd::WalkPreTranslateTree(HWND{}, &msg));
    EXPECT_EQ(walk, (std::vector<std::string>{"child", "middle"}));

    walk.clear();
    EXPECT_FALSE(CWnd::WalkPreTranslateTree(bare, &msg));
    EXPECT_EQ(walk, (std::vector<std::string>{"child"}));
}

TEST_F(WndTest, AnUnboundObjectIsInert) {
    CProbe live;
    TopLevel(live);
    live.SetFocus();
    CWnd unbound;
    // Each of these would reach the window layer with a null handle otherwise: a thread
    // message, a lost focus, a timer for nobody.
    EXPECT_FALSE(unbound.PostMessage(WM_APP));
    EXPECT_EQ(unbound.SetFocus(), nullptr);
    EXPECT_EQ(unbound.SetTimer(1, 100), 0u);
    EXPECT_EQ(PumpUntilIdle(), 0u);
    EXPECT_EQ(CWnd::GetFocus(), &live);
    EXPECT_TRUE(hb::win::ActiveTimers().empty());

    EXPECT_EQ(unbound.SendMessage(WM_APP), 0);
    EXPECT_FALSE(unbound.ShowWindow(SW_SHOW));
    EXPECT_FALSE(unbound.IsWindowEnabled());
    unbound.SetWindowText("x");
    CString text("old");
    unbound.GetWindowText(text);
    EXPECT_TRUE(text.IsEmpty());
    EXPECT_EQ(unbound.GetDlgItem(1), nullptr);
    CRect rect(1, 2, 3, 4);
    unbound.GetClientRect(&rect);
    EXPECT_TRUE(rect.IsRectNull());
    unbound.CenterWindow();
    EXPECT_FALSE(unbound.ModifyStyle(0, WS_VISIBLE));
    EXPECT_FALSE(unbound.UpdateData());
    EXPECT_FALSE(unbound.DestroyWindow());
}

TEST_F(WndTest, DialogItemNumbers) {
    CProbe dialog;
    TopLevel(dialog);
    MakeChild(dialog, 1);
    BOOL ok = FALSE;
    dialog.SetDlgItemInt(1, static_cast<UINT>(-25));
    EXPECT_EQ(static_cast<int>(dialog.GetDlgItemInt(1, &ok)), -25);
    EXPECT_TRUE(ok);
    EXPECT_EQ(dialog.GetDlgItemInt(1, &ok, FALSE), 0u);
    EXPECT_FALSE(ok);
    dialog.SetDlgItemInt(1, 4000000000u, FALSE);
    EXPECT_EQ(dialog.GetDlgItemInt(1, &ok, FALSE), 4000000000u);
    EXPECT_TRUE(ok);
    EXPECT_EQ(dialog.GetDlgItemInt(2, &ok), 0u);
    EXPECT_FALSE(ok);
}

TEST_F(WndTest, PlacementAndStyle) {
    CProbe parent;
    TopLevel(parent);
    CProbe child;
    child.Create(nullptr, "", WS_VISIBLE, CRect(0, 0, 40, 20), &parent, 1);
    child.CenterWindow();
    CRect rect;
    child.GetWindowRect(&rect);
    EXPECT_EQ(rect, CRect(90, 60, 130, 80)); // screen: the parent is at (10, 20)
    parent.ScreenToClient(&rect);
    EXPECT_EQ(rect, CRect(80, 40, 120, 60));

    CProbe popup;
    popup.CreateEx(0, nullptr, "", WS_POPUP, CRect(0, 0, 20, 10), &parent, 0);
    popup.CenterWindow();
    popup.GetWindowRect(&rect);
    EXPECT_EQ(rect, CRect(100, 65, 120, 75));

    EXPECT_TRUE(child.ModifyStyle(WS_VISIBLE, WS_TABSTOP));
    EXPECT_FALSE(child.ModifyStyle(0, WS_TABSTOP));
    EXPECT_EQ(child.GetStyle() & (WS_VISIBLE | WS_TABSTOP), WS_TABSTOP);
    EXPECT_TRUE(parent.SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE));
    EXPECT_TRUE(parent.GetExStyle() & WS_EX_TOPMOST);
}

TEST_F(WndTest, OwnerAndParentFrame) {
    CFrameLike frame;
    frame.CreateEx(0, nullptr, "", WS_OVERLAPPED, CRect(), nullptr, 0);
    CProbe view;
    view.Create(nullptr, "", 0, CRect(), &frame, 1);
    CProbe pane;
    pane.Create(nullptr, "", 0, CRect(), &view, 2);
    EXPECT_EQ(pane.GetParentFrame(), &frame);
    EXPECT_EQ(frame.GetParentFrame(), nullptr);
    EXPECT_EQ(pane.GetOwner(), &view);
    pane.SetOwner(&frame);
    EXPECT_EQ(pane.GetOwner(), &frame);
}

} // namespace
