#include "platform/afx/Afx.h"
#include "platform/testkit/PlatformTest.h"
#include "platform/toolkit/Toolkit.h"

#include <string>
#include <vector>

namespace hb::toolkit::test {
namespace {

using hb::win::DrawOp;
using Strings = std::vector<std::string>;

constexpr UINT kV1 = 27745;
constexpr UINT kIcon = 28636;
constexpr UINT kCheckedIcon = 28637;

const hb::win::DisplayList& Repaint(HWND hwnd) {
    InvalidateRect(hwnd, nullptr, TRUE);
    UpdateWindow(hwnd);
    return hb::win::LastPaint(hwnd);
}

// A panel holding a V button, logging the events and clicks it gets.
class CButtonPanel : public CWnd {
public:
    Strings log;

protected:
    void OnMouseUpV1(short button, short shift, long x, long y) {
        log.push_back("up " + std::to_string(button) + " " + std::to_string(shift) + " " +
                      std::to_string(x) + "," + std::to_string(y));
    }
    void OnClickedV1() { log.push_back("clicked"); }

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()
};

BEGIN_MESSAGE_MAP(CButtonPanel, CWnd)
ON_BN_CLICKED(kV1, &CButtonPanel::OnClickedV1)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CButtonPanel, CWnd)
ON_EVENT(CButtonPanel, kV1, XTP_BUTTON_EVENT_MOUSEUP, &CButtonPanel::OnMouseUpV1)
END_EVENTSINK_MAP()

class ButtonTest : public hb::testkit::PlatformTest {
protected:
    ButtonTest() {
        UseProgramResources({.icons = {{kIcon, {{32, 32}}}, {kCheckedIcon, {{32, 32}}}}});
        panel.CreateEx(0, nullptr, "panel", WS_OVERLAPPED | WS_VISIBLE, CRect(0, 0, 200, 100),
                       nullptr, 0);
        CreateWindowEx(0, "Button", "V1", WS_CHILD | WS_VISIBLE, 10, 10, 60, 40, panel.m_hWnd, kV1,
                       nullptr);
        EXPECT_TRUE(v1.SubclassDlgItem(kV1, &panel));
    }

    std::vector<hb::win::DrawRecord> Drawn(DrawOp op) {
        std::vector<hb::win::DrawRecord> found;
        for (const auto& record : Repaint(v1.m_hWnd)) {
            if (record.op == op) {
                found.push_back(record);
            }
        }
        return found;
    }

    CButtonPanel panel;
    CXTPButton v1;
};

TEST_F(ButtonTest, OtherButtonsThanTheLeftOneFireTheMouseUpEventWithTheShiftState) {
    v1.SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(5, 6));
    hb::win::SetKeyDown(VK_SHIFT, true);
    hb::win::SetKeyDown(VK_CONTROL, true);
    v1.SendMessage(WM_MBUTTONUP, 0, MAKELPARAM(7, 8));
    hb::win::SetKeyDown(VK_SHIFT, false);
    hb::win::SetKeyDown(VK_CONTROL, false);
    // A left click is a click, and leaves the check alone.
    v1.SendMessage(WM_LBUTTONDOWN, 0, 0);
    v1.SendMessage(WM_LBUTTONUP, 0, 0);
    EXPECT_EQ(panel.log, (Strings{"up 2 0 5,6", "up 4 3 7,8", "clicked"}));
    EXPECT_FALSE(v1.GetChecked());
}

TEST_F(ButtonTest, TheFaceShowsTheCheckTheIconAndTheDisabledState) {
    EXPECT_EQ(Drawn(DrawOp::DrawText).at(0).text, "V1");
    EXPECT_EQ(Drawn(DrawOp::DrawEdge).at(0).flags, EDGE_RAISED);
    v1.SetChecked(TRUE);
    EXPECT_EQ(Drawn(DrawOp::DrawEdge).at(0).flags, EDGE_SUNKEN);

    ASSERT_TRUE(v1.SetIcon(CSize(24, 24), kIcon, kCheckedIcon));
    std::vector<hb::win::DrawRecord> icons = Drawn(DrawOp::DrawIcon);
    ASSERT_EQ(icons.size(), 1u);
    EXPECT_EQ(icons[0].image.resourceId, kCheckedIcon);
    // With a caption the icon stands at the left and the caption beside it; alone it is centred.
    EXPECT_EQ(CRect(icons[0].rect), CRect(6, 8, 30, 32));
    EXPECT_EQ(Drawn(DrawOp::DrawText).at(0).text, "V1");
    EXPECT_GE(Drawn(DrawOp::DrawText).at(0).rect.left, 36);
    v1.SetChecked(FALSE);
    v1.SetWindowText("");
    EXPECT_EQ(Drawn(DrawOp::DrawIcon).at(0).image.resourceId, kIcon);
    EXPECT_EQ(CRect(Drawn(DrawOp::DrawIcon).at(0).rect), CRect(18, 8, 42, 32));
    EXPECT_TRUE(Drawn(DrawOp::DrawText).empty());
    v1.SetWindowText("V1");

    EXPECT_FALSE(v1.SetIcon(CSize(32, 32), 1u));
    v1.EnableWindow(FALSE);
    const auto texts = Drawn(DrawOp::DrawText);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].state.textColor, GetSysColor(COLOR_GRAYTEXT));
}

TEST_F(ButtonTest, TheGapSetOnTheButtonPlacesTheCaptionInEitherLookAndRulesOverTheThemes) {
    ASSERT_TRUE(v1.SetIcon(CSize(24, 24), kIcon));
    const auto captionLeft = [this] { return Drawn(DrawOp::DrawText).at(0).rect.left; };
    const LONG usual = captionLeft();
    v1.SetTextImageGap(-12);
    EXPECT_EQ(v1.GetTextImageGap(), -12);
    EXPECT_EQ(captionLeft(), usual - 18);

    // A theme's own gap counts only while the button has none of its own.
    CXTPButton other;
    ASSERT_TRUE(other.SubclassWindow(CreateWindowEx(0, "Button", "V2", WS_CHILD | WS_VISIBLE, 80,
                                                    10, 60, 40, panel.m_hWnd, kV1 + 1, nullptr)));
    ASSERT_TRUE(other.SetIcon(CSize(24, 24), kIcon));
    for (CXTPButton* button : {&v1, &other}) {
        button->SetTheme(new CXTPButtonTheme);
        button->GetTheme()->SetTextImageGap(20);
    }
    CRect text;
    other.GetTheme()->CalcRects(nullptr, &other, &text, nullptr);
    EXPECT_EQ(text.left, 6 + 24 + 20);
    EXPECT_FALSE(other.GetTextImageGap().has_value());
    v1.GetTheme()->CalcRects(nullptr, &v1, &text, nullptr);
    EXPECT_EQ(text.left, 6 + 24 - 12);
    EXPECT_EQ(captionLeft(), text.left);
}

// A report list with two columns and three rows.
class CTestList : public CXTListView {
protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct) {
        if (CXTListView::OnCreate(lpCreateStruct) == -1) {
            return -1;
        }
        AttachHeader();
        return 0;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestList, CXTListView)
ON_WM_CREATE()
END_MESSAGE_MAP()

class ListViewTest : public hb::testkit::PlatformTest {
protected:
    ListViewTest() {
        frame->Create(nullptr, "Frame", WS_OVERLAPPED | WS_VISIBLE, CRect(0, 0, 400, 300));
        EXPECT_TRUE(list->Create(nullptr, "list", WS_CHILD | WS_VISIBLE | LVS_REPORT,
                                 CRect(0, 0, 300, 200), frame, AFX_IDW_PANE_FIRST));
        for (const char* heading : {"Frequency", "Name"}) {
            LVCOLUMN column;
            column.mask = LVCF_TEXT | LVCF_WIDTH;
            column.pszText = const_cast<LPSTR>(heading);
            column.cx = 100;
            list->SendMessage(LVM_INSERTCOLUMN, 9, reinterpret_cast<LPARAM>(&column));
        }
        for (const char* row : {"row 0", "row 1", "row 2"}) {
            LVITEM item;
            item.mask = LVIF_TEXT;
            item.iItem = 9;
            item.pszText = const_cast<LPSTR>(row);
            list->SendMessage(LVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(&item));
        }
    }

    CFrameWnd* frame = new CFrameWnd;
    CTestList* list = new CTestList;
};

TEST_F(ListViewTest, RowsTakeTheirOwnColoursWhileRowColoursAreOn) {
    list->SetRowColor(0, RGB(0, 0, 0), RGB(1, 2, 3));
    list->SetRowColor(2, RGB(200, 0, 0), CLR_DEFAULT);
    const auto textColours = [&] {
        std::vector<COLORREF> colours;
        for (const auto& record : Repaint(list->m_hWnd)) {
            if (record.op == DrawOp::DrawText && record.text.starts_with("row")) {
                colours.push_back(record.state.textColor);
            }
        }
        return colours;
    };
    const COLORREF plain = GetSysColor(COLOR_WINDOWTEXT);
    EXPECT_EQ(textColours(), (std::vector<COLORREF>{plain, plain, plain}));

    list->EnableUserRowColor(TRUE);
    EXPECT_EQ(textColours(), (std::vector<COLORREF>{RGB(0, 0, 0), plain, RGB(200, 0, 0)}));
    bool rowZeroBack = false;
    for (const auto& record : hb::win::LastPaint(list->m_hWnd)) {
        rowZeroBack =
            rowZeroBack || (record.op == DrawOp::FillRect && record.brush.color == RGB(1, 2, 3));
    }
    EXPECT_TRUE(rowZeroBack);
}

TEST_F(ListViewTest, NoColumnGetsNarrowerThanTheMinimum) {
    list->SetMinimumColSize(15);
    EXPECT_EQ(list->GetHeader().GetMinSize(), 15);
    list->SendMessage(LVM_SETCOLUMNWIDTH, 0, MAKELPARAM(5, 0));
    list->SendMessage(LVM_SETCOLUMNWIDTH, 1, MAKELPARAM(60, 0));
    EXPECT_EQ(list->SendMessage(LVM_GETCOLUMNWIDTH, 0), 15);
    EXPECT_EQ(list->SendMessage(LVM_GETCOLUMNWIDTH, 1), 60);
}

class SplitterTest : public hb::testkit::PlatformTest {};

TEST_F(SplitterTest, AFlatSplitterDrawsNoFramesAroundItsPanes) {
    auto* frame = new CFrameWnd;
    frame->Create(nullptr, "Frame", WS_OVERLAPPED | WS_VISIBLE, CRect(0, 0, 400, 300));
    CXTSplitterWnd splitter;
    ASSERT_TRUE(splitter.CreateStatic(frame, 1, 2));
    for (int col = 0; col < 2; ++col) {
        CreateWindowEx(0, "Static", "", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, splitter.m_hWnd,
                       static_cast<UINT>(splitter.IdFromRowCol(0, col)), nullptr);
    }
    frame->RecalcLayout();
    const auto edges = [&] {
        std::size_t count = 0;
        for (const auto& record : Repaint(splitter.m_hWnd)) {
            count += record.op == DrawOp::DrawEdge ? 1 : 0;
        }
        return count;
    };
    EXPECT_EQ(edges(), 2u);
    splitter.SetSplitterStyle(XT_SPLIT_FLAT);
    EXPECT_EQ(edges(), 0u);
    splitter.DestroyWindow();
    frame->DestroyWindow();
}

} // namespace
} // namespace hb::toolkit::test
