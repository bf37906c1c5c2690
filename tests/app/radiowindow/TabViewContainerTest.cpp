#include "app/radiowindow/TabViewContainer.h"

#include "app/HalbridgeApp.h"
#include "platform/afx/Afx.h"
#include "platform/testkit/PlatformTest.h"

#include <memory>

namespace hb::app::test {
namespace {

// A page that counts its initial updates.
class CCountingView : public CView {
    DECLARE_DYNCREATE(CCountingView)

public:
    void OnInitialUpdate() override {
        ++initialUpdates;
        CView::OnInitialUpdate();
    }
    void OnDraw(CDC*) override {}

    int initialUpdates = 0;
};

IMPLEMENT_DYNCREATE(CCountingView, CView)

// A view whose window is refused.
class CRefusedView : public CView {
    DECLARE_DYNCREATE(CRefusedView)

protected:
    BOOL PreCreateWindow(CREATESTRUCT&) override { return FALSE; }
    void OnDraw(CDC*) override {}
};

IMPLEMENT_DYNCREATE(CRefusedView, CView)

class CCountingDoc : public CDocument {
public:
    void OnChangedViewList() override {
        ++changes;
        CDocument::OnChangedViewList();
    }

    int changes = 0;
};

// A frame holding its tab container by value, as the radio window does.
class CTabsFrame : public CFrameWnd {
public:
    CTabViewContainer tabs;
};

class TabViewContainerTest : public hb::testkit::PlatformTest {
protected:
    TabViewContainerTest() {
        frame->Create(nullptr, "Tabs", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 400, 300));
        EXPECT_TRUE(frame->tabs.Create(nullptr, nullptr, 0x50008243, CRect(0, 0, 400, 300), frame,
                                       AFX_IDW_PANE_FIRST));
    }
    void TearDown() override {
        frame->DestroyWindow();
        PlatformTest::TearDown();
    }

    CTabViewContainer& Tabs() const { return frame->tabs; }
    CCountingView* AddCounting(LPCSTR caption) const {
        EXPECT_TRUE(Tabs().AddView(RUNTIME_CLASS(CCountingView), nullptr, caption));
        return static_cast<CCountingView*>(Tabs().GetView(Tabs().GetItemCount() - 1));
    }
    // The user clicks the tab.
    void Click(int index) const {
        const CRect rect = Tabs().GetTabControl().GetItem(index)->GetRect();
        Tabs().GetTabControl().SendMessage(WM_LBUTTONDOWN, MK_LBUTTON,
                                           MAKELPARAM(rect.CenterPoint().x, rect.CenterPoint().y));
    }
    // A plain window handed to the container.
    std::unique_ptr<CWnd> MakeControl() const {
        auto control = std::make_unique<CWnd>();
        EXPECT_TRUE(control->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10),
                                    frame, 1));
        return control;
    }

    CTabsFrame* frame = new CTabsFrame;
};

TEST_F(TabViewContainerTest, TheTabControlFillsTheContainerWithoutAClientEdge) {
    CWnd* control = Tabs().GetDlgItem(static_cast<int>(CTabViewContainer::kTabControlId));
    ASSERT_EQ(control, &Tabs().GetTabControl());
    EXPECT_EQ(Tabs().GetExStyle() & WS_EX_CLIENTEDGE, 0u);
    Tabs().MoveWindow(0, 0, 320, 200);
    CRect rect;
    control->GetClientRect(&rect);
    EXPECT_EQ(rect, CRect(0, 0, 320, 200));
    EXPECT_EQ(Tabs().GetTabControl().GetPaintManager()->GetAppearance(), 9);
    EXPECT_EQ(Tabs().GetTabClientRect(), Tabs().GetTabControl().GetPageRect());
}

TEST_F(TabViewContainerTest, AVisualStyleGivesTheOtherAppearance) {
    CHalbridgeApp app;
    app.m_visualStyle = 1;
    CTabViewContainer* styled =
        static_cast<CTabViewContainer*>(RUNTIME_CLASS(CTabViewContainer)->CreateObject());
    ASSERT_TRUE(styled->Create(nullptr, nullptr, WS_CHILD, CRect(0, 0, 10, 10), frame, 2));
    EXPECT_EQ(styled->GetTabControl().GetPaintManager()->GetAppearance(), 10);
    // Made by its runtime class, it goes with its window.
    styled->DestroyWindow();
}

TEST_F(TabViewContainerTest, ViewsTakeThePaneIdsUpwardFromTheTabCount) {
    CCountingView* first = AddCounting("Scan List");
    const std::unique_ptr<CWnd> control = MakeControl();
    ASSERT_TRUE(Tabs().AddControl(control.get(), "Audio Recorder"));
    CCountingView* third = AddCounting("History");
    ASSERT_NE(first, nullptr);
    ASSERT_NE(third, nullptr);
    EXPECT_EQ(first->GetDlgCtrlID(), 59648);
    EXPECT_EQ(third->GetDlgCtrlID(), 59648 + 2);
    EXPECT_EQ(Tabs().GetItemCount(), 3);
    EXPECT_EQ(first->GetParent(), &Tabs().GetTabControl());
    EXPECT_EQ(control->GetParent(), &Tabs().GetTabControl());
    EXPECT_EQ(control->GetOwner(), &Tabs());
    EXPECT_EQ(Tabs().GetCaption(2), "History");
    Tabs().SetCaption(2, "Hits");
    EXPECT_EQ(Tabs().GetCaption(2), "Hits");
}

TEST_F(TabViewContainerTest, AViewThatCannotBeMadeAddsNoTab) {
    EXPECT_FALSE(Tabs().AddView(nullptr, nullptr, "None"));
    EXPECT_FALSE(Tabs().AddView(RUNTIME_CLASS(CView), nullptr, "Abstract"));
    EXPECT_FALSE(Tabs().AddView(RUNTIME_CLASS(CRefusedView), nullptr, "Refused"));
    EXPECT_FALSE(Tabs().AddView(RUNTIME_CLASS(CDocument), nullptr, "Not a window"));
    EXPECT_EQ(Tabs().GetItemCount(), 0);
    EXPECT_FALSE(Tabs().AddControl(nullptr, "None"));
}

TEST_F(TabViewContainerTest, PagesAddedAfterTheInitialUpdateAreInitialisedAtOnce) {
    CCountingView* early = AddCounting("Early");
    EXPECT_EQ(early->initialUpdates, 0);
    frame->InitialUpdateFrame(nullptr, TRUE);
    EXPECT_EQ(early->initialUpdates, 1);
    CCountingView* late = AddCounting("Late");
    EXPECT_EQ(late->initialUpdates, 1);
    EXPECT_EQ(early->initialUpdates, 1);
}

TEST_F(TabViewContainerTest, RemovingChecksTheIndexAndTheWindow) {
    CCountingView* view = AddCounting("Scan List");
    const std::unique_ptr<CWnd> control = MakeControl();
    Tabs().AddControl(control.get(), "Control");
    const std::unique_ptr<CWnd> foreign = MakeControl();

    EXPECT_FALSE(Tabs().RemoveView(foreign.get(), TRUE));
    EXPECT_TRUE(::IsWindow(foreign->GetSafeHwnd()));
    EXPECT_FALSE(Tabs().RemoveView(nullptr, TRUE));
    for (BOOL destroy : {TRUE, FALSE}) {
        EXPECT_FALSE(Tabs().RemoveView(2, destroy));
        EXPECT_FALSE(Tabs().RemoveView(-1, destroy));
    }
    EXPECT_EQ(Tabs().GetItemCount(), 2);

    // Kept, the window stays where it was.
    EXPECT_TRUE(Tabs().RemoveView(control.get(), FALSE));
    EXPECT_TRUE(::IsWindow(control->GetSafeHwnd()));
    const HWND viewHwnd = view->GetSafeHwnd();
    EXPECT_TRUE(Tabs().RemoveView(0, TRUE));
    EXPECT_FALSE(::IsWindow(viewHwnd));
    EXPECT_EQ(Tabs().GetItemCount(), 0);
}

TEST_F(TabViewContainerTest, OutOfRangeIndexesAnswerNothing) {
    AddCounting("Only");
    EXPECT_EQ(Tabs().GetView(1), nullptr);
    EXPECT_EQ(Tabs().GetView(-1), nullptr);
    EXPECT_EQ(Tabs().GetCaption(5), "");
    Tabs().SetCaption(5, "Ignored");
    EXPECT_FALSE(Tabs().SetActiveIndex(1));
    EXPECT_FALSE(Tabs().SetActiveIndex(-1));
    EXPECT_EQ(Tabs().GetActiveIndex(), 0);
}

TEST_F(TabViewContainerTest, ChoosingATabMakesItsViewTheFramesActiveView) {
    CCountingView* first = AddCounting("First");
    const std::unique_ptr<CWnd> control = MakeControl();
    Tabs().AddControl(control.get(), "Control");
    CCountingView* third = AddCounting("Third");
    frame->SetActiveView(first, FALSE);

    Click(2);
    EXPECT_EQ(Tabs().GetActiveIndex(), 2);
    EXPECT_EQ(Tabs().GetActiveView(), third);
    EXPECT_EQ(frame->GetActiveView(), third);
    EXPECT_TRUE(third->IsWindowVisible());
    EXPECT_FALSE(first->IsWindowVisible());

    // A page that is no view shows, but the active view stays.
    Click(1);
    EXPECT_EQ(Tabs().GetActiveView(), control.get());
    EXPECT_EQ(frame->GetActiveView(), third);

    // Selecting in code tells no one.
    EXPECT_TRUE(Tabs().ActivateView(first));
    EXPECT_EQ(Tabs().GetActiveIndex(), 0);
    EXPECT_EQ(frame->GetActiveView(), third);
    EXPECT_FALSE(Tabs().ActivateView(nullptr));
}

TEST_F(TabViewContainerTest, AContainerWithADocumentTellsItOfTabChanges) {
    CCountingDoc document;
    document.m_bAutoDelete = FALSE;
    CCreateContext context;
    context.m_pCurrentDoc = &document;
    auto* container =
        static_cast<CTabViewContainer*>(RUNTIME_CLASS(CTabViewContainer)->CreateObject());
    ASSERT_TRUE(container->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 200),
                                  frame, 3, &context));
    ASSERT_EQ(container->GetDocument(), &document);
    container->AddView(RUNTIME_CLASS(CCountingView), nullptr, "One");
    container->AddView(RUNTIME_CLASS(CCountingView), nullptr, "Two");
    const int before = document.changes;
    const CRect rect = container->GetTabControl().GetItem(1)->GetRect();
    container->GetTabControl().SendMessage(WM_LBUTTONDOWN, MK_LBUTTON,
                                           MAKELPARAM(rect.CenterPoint().x, rect.CenterPoint().y));
    EXPECT_EQ(document.changes, before + 1);
    container->DestroyWindow();
}

TEST_F(TabViewContainerTest, DestroyingTheContainerEmptiesItAndTakesItsViews) {
    CCountingView* view = AddCounting("View");
    const HWND viewHwnd = view->GetSafeHwnd();
    Tabs().DestroyWindow();
    EXPECT_EQ(Tabs().GetItemCount(), 0);
    EXPECT_FALSE(::IsWindow(viewHwnd));
}

} // namespace
} // namespace hb::app::test
