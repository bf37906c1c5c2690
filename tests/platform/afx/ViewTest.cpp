#include "tests/platform/afx/AfxTest.h"

#include <string>
#include <vector>

namespace {

// A view that prints "Page n" on each page it is asked for.
class CPrintingView : public CView {
public:
    std::vector<std::string> calls;
    UINT maxPage = CPrintInfo::kUnknownPage;
    UINT stopAfter = 0;

    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override {
        EXPECT_TRUE(pDC->IsPrinting());
        calls.push_back(pInfo->m_bPreview ? "begin preview" : "begin");
    }
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override {
        const std::string text = "Page " + std::to_string(pInfo->m_nCurPage);
        pDC->TextOut(pInfo->m_rectDraw.left, pInfo->m_rectDraw.top, text.c_str(),
                     static_cast<int>(text.size()));
        pInfo->m_bContinuePrinting = pInfo->m_nCurPage != stopAfter;
    }
    void OnEndPrinting(CDC*, CPrintInfo*) override { calls.push_back("end"); }
    void OnDraw(CDC*) override { calls.push_back("draw"); }

protected:
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override {
        pInfo->SetMaxPage(maxPage);
        return DoPreparePrinting(pInfo);
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPrintingView, CView)
ON_COMMAND(ID_FILE_PRINT, &CView::OnFilePrint)
ON_COMMAND(ID_FILE_PRINT_PREVIEW, &CView::OnFilePrintPreview)
END_MESSAGE_MAP()

// A scrolled view that marks its contents' origin, printed with the default OnPrint.
class CMarkView : public CScrollView {
public:
    void OnDraw(CDC* pDC) override { pDC->TextOut(0, 0, "origin"); }

protected:
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override { return DoPreparePrinting(pInfo); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMarkView, CScrollView)
ON_COMMAND(ID_FILE_PRINT, &CView::OnFilePrint)
END_MESSAGE_MAP()

class ViewTest : public hb::afx::test::AfxTest {
protected:
    ViewTest() {
        frame->Create(nullptr, "Frame", WS_OVERLAPPED | WS_VISIBLE, CRect(0, 0, 300, 200));
    }

    // A view of the frame, deleted with it.
    template <class View>
    View* MakeView(View* view, const RECT& rect = CRect(0, 0, 100, 100)) {
        EXPECT_TRUE(view->Create(nullptr, "printed", WS_CHILD | WS_VISIBLE, rect, frame,
                                 AFX_IDW_PANE_FIRST + 1));
        return view;
    }

    static std::vector<std::string> PageTexts(const hb::afx::PrintJob& job) {
        std::vector<std::string> texts;
        for (const auto& page : job.pages) {
            for (const auto& record : page.list) {
                texts.push_back(std::to_string(page.number) + ": " + record.text);
            }
        }
        return texts;
    }

    CFrameWnd* frame = new CFrameWnd;
};

TEST_F(ViewTest, PrintingRunsThePagesTheViewAsksForAfterThePrintDialog) {
    auto* view = MakeView(new CPrintingView);
    view->maxPage = 3;
    view->stopAfter = 2;
    int dialogs = 0;
    hb::afx::SetPrintPreparation([&](CPrintInfo& info) {
        ++dialogs;
        EXPECT_EQ(info.GetMaxPage(), 3u);
        return dialogs == 1;
    });
    view->SendMessage(WM_COMMAND, ID_FILE_PRINT);
    view->SendMessage(WM_COMMAND, ID_FILE_PRINT);
    EXPECT_EQ(dialogs, 2);
    ASSERT_EQ(hb::afx::PrintLog().size(), 1u);
    const hb::afx::PrintJob& job = hb::afx::PrintLog()[0];
    EXPECT_EQ(job.title, "printed");
    EXPECT_FALSE(job.preview);
    EXPECT_EQ(PageTexts(job), (std::vector<std::string>{"1: Page 1", "2: Page 2"}));
    EXPECT_EQ(job.pages[1].list[0].points[0].x, 0);
    EXPECT_EQ(view->calls, (std::vector<std::string>{"begin", "end"}));

    // Preview asks nobody; without a last page only the first one comes.
    hb::afx::SetPrintPreparation([](CPrintInfo&) {
        ADD_FAILURE() << "preview showed the print dialog";
        return false;
    });
    view->maxPage = CPrintInfo::kUnknownPage;
    view->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
    ASSERT_EQ(hb::afx::PrintLog().size(), 2u);
    EXPECT_TRUE(hb::afx::PrintLog()[1].preview);
    EXPECT_EQ(PageTexts(hb::afx::PrintLog()[1]), std::vector<std::string>{"1: Page 1"});
}

TEST_F(ViewTest, PrintingWithoutAPrintDialogHookIsAFailure) {
    auto* view = MakeView(new CPrintingView);
    std::vector<std::string> failures;
    hb::win::SetFailureHandler([&](const std::string& m) { failures.push_back(m); });
    view->SendMessage(WM_COMMAND, ID_FILE_PRINT);
    EXPECT_EQ(failures.size(), 1u);
    EXPECT_TRUE(hb::afx::PrintLog().empty());
    EXPECT_TRUE(view->calls.empty());
}

TEST_F(ViewTest, TheWheelScrollsThreeLinesANotchWithinTheContents) {
    auto* view = MakeView(new CMarkView);
    const HWND label = CreateWindowEx(0, hb::afx::test::kFieldClass, "", WS_CHILD | WS_VISIBLE, 0,
                                      50, 20, 10, view->m_hWnd, 7, nullptr);
    view->SetScrollSizes(MM_TEXT, {100, 400}, CScrollView::sizeDefault, {10, 10});
    EXPECT_EQ(view->GetTotalSize(), CSize(100, 400));

    const auto wheel = [&](int delta) {
        return view->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(delta)), 0);
    };
    EXPECT_TRUE(wheel(-WHEEL_DELTA));
    EXPECT_EQ(view->GetScrollPosition(), CPoint(0, 30));
    RECT rect;
    GetWindowRect(label, &rect);
    MapWindowPoints(HWND{}, view->m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(rect.top, 20);
    EXPECT_TRUE(wheel(-WHEEL_DELTA * 50));
    EXPECT_EQ(view->GetScrollPosition(), CPoint(0, 300));
    EXPECT_FALSE(wheel(-WHEEL_DELTA));
    view->ScrollToPosition(CPoint(-5, -5));
    EXPECT_EQ(view->GetScrollPosition(), CPoint(0, 0));

    // Contents only wider than the window scroll sideways.
    view->SetScrollSizes(MM_TEXT, {250, 50});
    EXPECT_TRUE(wheel(-WHEEL_DELTA));
    EXPECT_EQ(view->GetScrollPosition(), CPoint(6, 0));
}

} // namespace

namespace {

TEST_F(ViewTest, TheScreenIsDrawnFromTheScrollPositionAndThePrintedPageFromTheOrigin) {
    auto* view = MakeView(new CMarkView);
    view->SetScrollSizes(MM_TEXT, {100, 400});
    view->ScrollToPosition(CPoint(0, 40));
    view->Invalidate();
    view->UpdateWindow();
    const hb::win::DisplayList& screen = hb::win::LastPaint(view->m_hWnd);
    ASSERT_EQ(screen.size(), 1u);
    EXPECT_EQ(screen[0].points[0].y, -40);

    hb::afx::SetPrintPreparation([](CPrintInfo&) { return true; });
    view->SendMessage(WM_COMMAND, ID_FILE_PRINT);
    ASSERT_EQ(hb::afx::PrintLog().size(), 1u);
    const auto& page = hb::afx::PrintLog()[0].pages.at(0).list;
    ASSERT_EQ(page.size(), 1u);
    EXPECT_EQ(page[0].text, "origin");
    EXPECT_EQ(page[0].points[0].y, 0);
}

} // namespace
