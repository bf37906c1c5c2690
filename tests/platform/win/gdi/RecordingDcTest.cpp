#include "platform/testkit/PlatformTest.h"
#include "platform/testkit/TestWindow.h"

#include <vector>

using hb::testkit::PlatformTest;
using hb::testkit::TestWindow;
using hb::win::DisplayList;
using hb::win::DisplayListOf;
using hb::win::DrawOp;
using hb::win::HandleFromParam;
using hb::win::LastPaint;

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

std::vector<DrawOp> OpsOf(const DisplayList& list) {
    std::vector<DrawOp> ops;
    for (const auto& record : list) {
        ops.push_back(record.op);
    }
    return ops;
}

bool SameRect(const RECT& a, const RECT& b) {
    return EqualRect(&a, &b) != FALSE;
}

class RecordingDcTest : public PlatformTest {
protected:
    TestWindow window{{.style = WS_VISIBLE, .rect = {0, 0, 200, 100}}};
};

TEST_F(RecordingDcTest, APaintRecordsEachCallInOrderWithTheStateItDrewIn) {
    const HFONT font = CreateFont(12, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_SWISS, "MS Sans Serif");
    const HPEN pen = CreatePen(PS_DASH, 2, kBlue);
    const HBRUSH brush = CreateSolidBrush(kRed);
    window.On(WM_PAINT, [&](WPARAM, LPARAM) {
        PAINTSTRUCT ps;
        const HDC hdc = BeginPaint(window.hwnd(), &ps);
        SelectObject(hdc, font);
        SetTextColor(hdc, kRed);
        SetBkMode(hdc, TRANSPARENT);
        TextOut(hdc, 5, 6, "Scan", 4);
        SelectObject(hdc, pen);
        Rectangle(hdc, 1, 2, 30, 40);
        SetViewportOrgEx(hdc, 10, 20, nullptr);
        const RECT box{0, 0, 5, 5};
        FillRect(hdc, &box, brush);
        EndPaint(window.hwnd(), &ps);
        return LRESULT{0};
    });
    InvalidateRect(window.hwnd(), nullptr, TRUE);
    UpdateWindow(window.hwnd());

    const DisplayList& list = LastPaint(window.hwnd());
    ASSERT_EQ(OpsOf(list), (std::vector{DrawOp::TextOut, DrawOp::Rectangle, DrawOp::FillRect}));
    const auto& text = list[0];
    EXPECT_EQ(text.text, "Scan");
    EXPECT_EQ(text.points[0].x, 5);
    EXPECT_EQ(text.state.font.handle, font);
    EXPECT_EQ(text.state.font.face, "MS Sans Serif");
    EXPECT_EQ(text.state.font.height, 12);
    EXPECT_EQ(text.state.font.weight, FW_BOLD);
    EXPECT_EQ(text.state.textColor, kRed);
    EXPECT_EQ(text.state.bkMode, TRANSPARENT);
    EXPECT_EQ(text.state.pen.style, PS_SOLID); // the pen came later
    EXPECT_TRUE(text.state.clipped);
    EXPECT_TRUE(SameRect(text.state.clip, {0, 0, 200, 100}));

    EXPECT_EQ(list[1].state.pen.handle, pen);
    EXPECT_EQ(list[1].state.pen.color, kBlue);
    EXPECT_EQ(list[1].state.pen.width, 2);
    EXPECT_EQ(list[1].state.brush.color, RGB(255, 255, 255));
    EXPECT_TRUE(SameRect(list[1].rect, {1, 2, 30, 40}));

    EXPECT_TRUE(SameRect(list[2].rect, {10, 20, 15, 25})); // the origin is applied
    EXPECT_EQ(list[2].brush.color, kRed);
    EXPECT_EQ(list[2].state.viewportOrg.y, 20);

    UpdateWindow(window.hwnd()); // valid now: no second paint
    EXPECT_EQ(window.Count(WM_PAINT), 1u);
}

TEST_F(RecordingDcTest, BeginPaintReportsTheInvalidAreaAndTheErase) {
    PAINTSTRUCT seen;
    window.On(WM_PAINT, [&](WPARAM, LPARAM) {
        BeginPaint(window.hwnd(), &seen);
        EndPaint(window.hwnd(), &seen);
        return LRESULT{0};
    });
    const RECT part{10, 10, 20, 20};
    InvalidateRect(window.hwnd(), &part, TRUE);
    UpdateWindow(window.hwnd());
    EXPECT_TRUE(SameRect(seen.rcPaint, part));
    EXPECT_TRUE(seen.fErase); // nobody erased
    ASSERT_EQ(window.Count(WM_ERASEBKGND), 1u);
    EXPECT_FALSE(GetUpdateRect(window.hwnd(), nullptr, FALSE));

    window.On(WM_ERASEBKGND, [](WPARAM, LPARAM) { return LRESULT{1}; });
    InvalidateRect(window.hwnd(), nullptr, TRUE);
    UpdateWindow(window.hwnd());
    EXPECT_FALSE(seen.fErase);
    EXPECT_TRUE(SameRect(seen.rcPaint, {0, 0, 200, 100}));
}

TEST_F(RecordingDcTest, SelectObjectHandsBackThePreviousObjectOfItsKind) {
    const HDC hdc = hb::win::CreateRecordingDC();
    const HFONT a = CreateFont(10, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "A");
    const HFONT b = CreateFont(20, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "B");
    const HPEN pen = CreatePen(PS_SOLID, 1, kRed);
    const HBRUSH brush = CreateSolidBrush(kBlue);

    EXPECT_EQ(SelectObject(hdc, a), GetStockObject(SYSTEM_FONT));
    EXPECT_EQ(HFONT(SelectObject(hdc, b)), a);
    EXPECT_EQ(SelectObject(hdc, pen), GetStockObject(BLACK_PEN));
    EXPECT_EQ(SelectObject(hdc, brush), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(SelectObject(hdc, GetStockObject(NULL_BRUSH)), HGDIOBJ(brush));

    const HBITMAP bitmap = hb::win::CreateBitmapHandle(16, 16, 300);
    EXPECT_FALSE(SelectObject(hdc, bitmap)); // only a memory DC holds a bitmap
    const HDC memory = CreateCompatibleDC(hdc);
    const HGDIOBJ original = SelectObject(memory, bitmap);
    EXPECT_TRUE(original);
    EXPECT_EQ(HBITMAP(SelectObject(memory, original)), bitmap);

    DeleteObject(a);
    EXPECT_FALSE(SelectObject(hdc, a)); // a dead object changes nothing
    TextOut(hdc, 0, 0, "x", 1);
    EXPECT_EQ(DisplayListOf(hdc).back().state.font.face, "B");
    EXPECT_TRUE(DeleteDC(memory));
    EXPECT_TRUE(DeleteDC(hdc));
    EXPECT_FALSE(DeleteDC(hdc));
}

TEST_F(RecordingDcTest, DeletingObjectsSparesStockObjectsAndWhatDcsDrewWith) {
    const HGDIOBJ white = GetStockObject(WHITE_BRUSH);
    EXPECT_TRUE(DeleteObject(white));
    EXPECT_TRUE(DeleteObject(white));
    const HDC hdc = hb::win::CreateRecordingDC();
    const HBRUSH black = HBRUSH(GetStockObject(BLACK_BRUSH));
    const RECT box{0, 0, 4, 4};
    EXPECT_TRUE(FillRect(hdc, &box, HBRUSH(white)));
    EXPECT_EQ(DisplayListOf(hdc).back().brush.color, RGB(255, 255, 255));
    EXPECT_EQ(GetSysColorBrush(COLOR_BTNFACE), GetSysColorBrush(COLOR_BTNFACE));
    EXPECT_TRUE(DeleteObject(GetSysColorBrush(COLOR_BTNFACE)));
    EXPECT_TRUE(FillRect(hdc, &box, GetSysColorBrush(COLOR_BTNFACE)));

    const HPEN pen = CreatePen(PS_DOT, 3, kRed);
    SelectObject(hdc, pen);
    EXPECT_TRUE(DeleteObject(pen));
    EXPECT_FALSE(DeleteObject(pen));
    EXPECT_FALSE(FillRect(hdc, &box, HBRUSH(HGDIOBJ(pen))));
    LineTo(hdc, 5, 5);
    EXPECT_EQ(DisplayListOf(hdc).back().state.pen.color, kRed);
    EXPECT_TRUE(FillRect(hdc, &box, black));
    DeleteDC(hdc);
}

TEST_F(RecordingDcTest, SavedStatesOriginsAndClippingNest) {
    const HDC hdc = hb::win::CreateRecordingDC();
    SetTextColor(hdc, kRed);
    SetWindowOrgEx(hdc, 5, 5, nullptr);
    const int saved = SaveDC(hdc);
    EXPECT_EQ(saved, 1);
    SetTextColor(hdc, kBlue);
    SetViewportOrgEx(hdc, 100, 0, nullptr);
    EXPECT_EQ(IntersectClipRect(hdc, 5, 5, 25, 25), SIMPLEREGION);
    EXPECT_EQ(IntersectClipRect(hdc, 15, 15, 50, 50), SIMPLEREGION);
    EXPECT_EQ(SaveDC(hdc), 2);
    MoveToEx(hdc, 5, 5, nullptr);
    LineTo(hdc, 15, 25);
    EXPECT_EQ(IntersectClipRect(hdc, 40, 40, 60, 60), NULLREGION);

    const auto& line = DisplayListOf(hdc)[2];
    ASSERT_EQ(line.op, DrawOp::LineTo);
    EXPECT_EQ(line.points[0].x, 100);
    EXPECT_EQ(line.points[1].x, 110);
    EXPECT_EQ(line.points[1].y, 20);
    EXPECT_TRUE(SameRect(line.state.clip, {110, 10, 120, 20}));
    EXPECT_EQ(line.state.textColor, kBlue);

    EXPECT_FALSE(RestoreDC(hdc, 3));
    EXPECT_TRUE(RestoreDC(hdc, saved)); // drops level 2 as well
    EXPECT_FALSE(RestoreDC(hdc, -1));
    EXPECT_EQ(GetTextColor(hdc), kRed);
    Ellipse(hdc, 5, 5, 10, 10);
    const auto& ellipse = DisplayListOf(hdc).back();
    EXPECT_FALSE(ellipse.state.clipped);
    EXPECT_TRUE(SameRect(ellipse.rect, {0, 0, 5, 5}));
    EXPECT_EQ(SetMapMode(hdc, MM_TEXT), MM_TEXT);
    EXPECT_EQ(SetMapMode(hdc, 2), 0);
    DeleteDC(hdc);
}

TEST_F(RecordingDcTest, ImagesAreRecordedWithWhereTheirPixelsComeFrom) {
    const HDC hdc = hb::win::CreateRecordingDC();
    const HDC memory = CreateCompatibleDC(hdc);
    SelectObject(memory, hb::win::CreateBitmapHandle(64, 16, 27400, 4));
    BitBlt(hdc, 10, 10, 16, 16, memory, 32, 0, SRCCOPY);
    const HICON icon = hb::win::CreateIconHandle(32, 32, 128);
    DrawIconEx(hdc, 1, 2, icon, 16, 16, 0, {}, DI_NORMAL);
    DrawIcon(hdc, 0, 0, icon);
    const HIMAGELIST list = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 4, 1);
    ImageList_AddMasked(list, hb::win::CreateBitmapHandle(48, 16, 27401, 3), RGB(255, 255, 255));
    EXPECT_TRUE(ImageList_Draw(list, 2, hdc, 4, 4, ILD_TRANSPARENT));
    EXPECT_FALSE(ImageList_Draw(list, 3, hdc, 4, 4, ILD_NORMAL));
    DestroyIcon(icon);
    EXPECT_FALSE(DrawIcon(hdc, 0, 0, icon));

    const DisplayList& list2 = DisplayListOf(hdc);
    ASSERT_EQ(OpsOf(list2), (std::vector{DrawOp::BitBlt, DrawOp::DrawIcon, DrawOp::DrawIcon,
                                         DrawOp::ImageListDraw}));
    EXPECT_EQ(list2[0].image.resourceId, 27400u);
    EXPECT_TRUE(SameRect(list2[0].source, {32, 0, 48, 16}));
    EXPECT_EQ(list2[0].flags, SRCCOPY);
    EXPECT_TRUE(SameRect(list2[1].rect, {1, 2, 17, 18}));
    EXPECT_TRUE(SameRect(list2[2].rect, {0, 0, 32, 32}));
    EXPECT_EQ(list2[2].image.resourceId, 128u);
    EXPECT_EQ(list2[3].image.resourceId, 27401u);
    EXPECT_EQ(list2[3].image.cell, 2);
    EXPECT_TRUE(SameRect(list2[3].rect, {4, 4, 20, 20}));
    DeleteDC(memory);
    DeleteDC(hdc);
}

TEST_F(RecordingDcTest, DrawingThroughGetDcJoinsTheLastPaint) {
    window.On(WM_PAINT, [&](WPARAM, LPARAM) {
        PAINTSTRUCT ps;
        const HDC hdc = BeginPaint(window.hwnd(), &ps);
        Rectangle(hdc, 0, 0, 10, 10);
        EndPaint(window.hwnd(), &ps);
        return LRESULT{0};
    });
    const HDC hdc = GetDC(window.hwnd());
    Ellipse(hdc, 0, 0, 4, 4);
    EXPECT_TRUE(LastPaint(window.hwnd()).empty());
    EXPECT_FALSE(DeleteDC(hdc));
    EXPECT_EQ(ReleaseDC(window.hwnd(), hdc), 1);
    EXPECT_EQ(OpsOf(LastPaint(window.hwnd())), std::vector{DrawOp::Ellipse});

    RedrawWindow(window.hwnd(), nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    const HDC again = GetDC(window.hwnd());
    SetPixel(again, 1, 1, kRed);
    ReleaseDC(window.hwnd(), again);
    EXPECT_EQ(OpsOf(LastPaint(window.hwnd())), (std::vector{DrawOp::Rectangle, DrawOp::SetPixel}));
    EXPECT_EQ(ReleaseDC(window.hwnd(), again), 0);
}

// A window that paints itself at once (UpdateWindow) leaves nothing dirty, yet what it drew has
// not been put together with its tree: that stays known until the tree is painted.
TEST_F(RecordingDcTest, APaintOfItsOwnIsUntakenUntilTheTreePaintsIt) {
    TestWindow child({.style = WS_CHILD | WS_VISIBLE, .parent = window.hwnd(), .id = 1});
    child.On(WM_PAINT, [&](WPARAM, LPARAM) {
        PAINTSTRUCT ps;
        const HDC hdc = BeginPaint(child.hwnd(), &ps);
        Rectangle(hdc, 0, 0, 10, 10);
        EndPaint(child.hwnd(), &ps);
        return LRESULT{0};
    });
    hb::win::PaintWindowTree(window.hwnd());
    EXPECT_FALSE(hb::win::HasUntakenPaint(child.hwnd()));

    InvalidateRect(child.hwnd(), nullptr, TRUE);
    UpdateWindow(child.hwnd());
    EXPECT_FALSE(GetUpdateRect(child.hwnd(), nullptr, FALSE));
    EXPECT_TRUE(hb::win::HasUntakenPaint(child.hwnd()));
    EXPECT_FALSE(hb::win::HasUntakenPaint(window.hwnd()));

    hb::win::PaintWindowTree(window.hwnd());
    EXPECT_FALSE(hb::win::HasUntakenPaint(child.hwnd()));
}

TEST_F(RecordingDcTest, PaintWindowTreePaintsVisibleChildrenInCreationOrder) {
    TestWindow first({.style = WS_CHILD | WS_VISIBLE, .parent = window.hwnd(), .id = 1});
    TestWindow hidden({.style = WS_CHILD, .parent = window.hwnd(), .id = 2});
    TestWindow inner({.style = WS_CHILD | WS_VISIBLE, .parent = first.hwnd(), .id = 3});
    TestWindow last({.style = WS_CHILD | WS_VISIBLE, .parent = window.hwnd(), .id = 4});
    for (TestWindow* w : {&window, &first, &hidden, &inner, &last}) {
        w->On(WM_PAINT, [w](WPARAM, LPARAM) {
            PAINTSTRUCT ps;
            const HDC hdc = BeginPaint(w->hwnd(), &ps);
            const std::string id = std::to_string(GetDlgCtrlID(w->hwnd()));
            TextOut(hdc, 0, 0, id.c_str(), static_cast<int>(id.size()));
            EndPaint(w->hwnd(), &ps);
            return LRESULT{0};
        });
    }
    const auto painted = hb::win::PaintWindowTree(window.hwnd());
    std::vector<HWND> order;
    std::vector<std::string> texts;
    for (const auto& p : painted) {
        order.push_back(p.hwnd);
        texts.push_back(p.list.at(0).text);
    }
    EXPECT_EQ(order, (std::vector{window.hwnd(), first.hwnd(), inner.hwnd(), last.hwnd()}));
    EXPECT_EQ(texts, (std::vector<std::string>{"0", "1", "3", "4"}));
    EXPECT_EQ(hidden.Count(WM_PAINT), 0u);
}

TEST_F(RecordingDcTest, PrintDrawsTheClientAndTheChildrenInPlace) {
    window.On(WM_PRINTCLIENT, [&](WPARAM wParam, LPARAM) {
        Rectangle(HandleFromParam<HDC>(wParam), 0, 0, 200, 100);
        return LRESULT{0};
    });
    const HWND label = CreateWindowEx(0, "Static", "Band", WS_CHILD | WS_VISIBLE, 30, 40, 60, 20,
                                      window.hwnd(), 5, nullptr);
    CreateWindowEx(0, "Static", "hidden", WS_CHILD, 0, 0, 60, 20, window.hwnd(), 6, nullptr);
    ASSERT_TRUE(label);

    const HDC hdc = hb::win::CreateRecordingDC();
    SendMessage(window.hwnd(), WM_PRINT, static_cast<WPARAM>(hdc.id()), PRF_CLIENT | PRF_CHILDREN);
    const DisplayList& list = DisplayListOf(hdc);
    ASSERT_EQ(OpsOf(list), (std::vector{DrawOp::Rectangle, DrawOp::IntersectClipRect,
                                        DrawOp::FillRect, DrawOp::DrawText}));
    EXPECT_TRUE(SameRect(list[2].rect, {30, 40, 90, 60}));
    EXPECT_TRUE(SameRect(list[3].state.clip, {30, 40, 90, 60}));
    EXPECT_EQ(list[3].text, "Band");
    Rectangle(hdc, 0, 0, 1, 1);
    EXPECT_FALSE(list.back().state.clipped); // the DC is back as it was
    EXPECT_EQ(list.back().state.viewportOrg.x, 0);
    DeleteDC(hdc);
}

} // namespace
