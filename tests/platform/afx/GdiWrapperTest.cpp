#include "tests/platform/afx/AfxTest.h"

#include <algorithm>
#include <vector>

namespace {

using hb::win::DrawOp;
using hb::win::DrawRecord;

// Paints through a CPaintDC with its own font, and colours one static child through
// WM_CTLCOLORSTATIC.
class CDisplayPanel : public CWnd {
public:
    CDisplayPanel() {
        m_bold.CreateFont(-12, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, FF_SWISS,
                          "MS Sans Serif");
        m_green.CreateSolidBrush(RGB(0, 64, 0));
    }

    CFont m_bold;
    CBrush m_green;
    CFont* previousFont = nullptr;
    int erased = 0;

protected:
    void OnPaint() {
        CPaintDC dc(this);
        previousFont = dc.SelectObject(&m_bold);
        dc.SetTextColor(RGB(255, 0, 0));
        dc.TextOut(5, 5, CString("SCAN"));
        dc.Draw3dRect(CRect(0, 0, 40, 20), RGB(255, 255, 255), RGB(128, 128, 128));
        dc.SelectObject(previousFont);
        CRect box(0, 30, 100, 50);
        EXPECT_EQ(dc.DrawText("HOLD", &box, DT_SINGLELINE), 16);
    }
    BOOL OnEraseBkgnd(CDC* pDC) {
        ++erased;
        pDC->FillSolidRect(0, 0, 10, 10, RGB(0, 0, 255));
        return TRUE;
    }
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
        if (nCtlColor == CTLCOLOR_STATIC && pWnd->GetDlgCtrlID() == 27792) {
            pDC->SetTextColor(RGB(0, 255, 0));
            return m_green;
        }
        return CWnd::OnCtlColor(pDC, pWnd, nCtlColor);
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDisplayPanel, CWnd)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

// A static that chooses its own background unless told to leave it to its parent.
class CSelfColouredStatic : public CStatic {
public:
    CSelfColouredStatic() { m_blue.CreateSolidBrush(RGB(0, 0, 128)); }

    CBrush m_blue;
    bool ownColours = true;
    std::vector<UINT> asked;

protected:
    HBRUSH CtlColor(CDC* pDC, UINT nCtlColor) {
        asked.push_back(nCtlColor);
        if (!ownColours) {
            return nullptr;
        }
        pDC->SetBkColor(RGB(0, 0, 128));
        return m_blue;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSelfColouredStatic, CStatic)
ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

class GdiWrapperTest : public hb::afx::test::AfxTest {
protected:
    static const DrawRecord* Find(const hb::win::DisplayList& list, DrawOp op) {
        const auto it = std::find_if(list.begin(), list.end(),
                                     [op](const DrawRecord& record) { return record.op == op; });
        return it == list.end() ? nullptr : &*it;
    }
};

TEST_F(GdiWrapperTest, WhatAPaintHandlerDrawsLandsInTheDisplayListWithItsFont) {
    CDisplayPanel panel;
    panel.CreateEx(0, nullptr, "Panel", WS_OVERLAPPED | WS_VISIBLE, CRect(0, 0, 200, 100), nullptr,
                   0);
    const auto painted = hb::win::PaintWindowTree(panel.m_hWnd);
    ASSERT_EQ(painted.size(), 1u);
    const auto& list = painted[0].list;
    EXPECT_EQ(panel.erased, 1);
    ASSERT_NE(panel.previousFont, nullptr);
    EXPECT_EQ(HGDIOBJ(*panel.previousFont), GetStockObject(SYSTEM_FONT));

    const DrawRecord* text = Find(list, DrawOp::TextOut);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text, "SCAN");
    EXPECT_EQ(text->state.font.handle, HFONT(panel.m_bold));
    EXPECT_EQ(text->state.font.weight, FW_BOLD);
    EXPECT_EQ(text->state.textColor, RGB(255, 0, 0));
    EXPECT_EQ(Find(list, DrawOp::DrawText)->state.font.handle, HFONT(GetStockObject(SYSTEM_FONT)));

    // The erase and the four sides of the frame are opaque fills in the background colour.
    std::vector<std::pair<RECT, COLORREF>> fills;
    for (const DrawRecord& record : list) {
        if (record.op == DrawOp::ExtTextOut && (record.flags & ETO_OPAQUE)) {
            fills.emplace_back(record.rect, record.state.bkColor);
        }
    }
    ASSERT_EQ(fills.size(), 5u);
    EXPECT_EQ(fills[0].second, RGB(0, 0, 255));
    EXPECT_EQ(CRect(fills[1].first), CRect(0, 0, 39, 1));
    EXPECT_EQ(fills[1].second, RGB(255, 255, 255));
    EXPECT_EQ(CRect(fills[3].first), CRect(39, 0, 40, 20));
    EXPECT_EQ(fills[4].second, RGB(128, 128, 128));
}

TEST_F(GdiWrapperTest, TheParentColoursItsStaticsAndTheWindowKeepsIconsAndFont) {
    CDisplayPanel panel;
    panel.CreateEx(0, nullptr, "Panel", WS_OVERLAPPED | WS_VISIBLE, CRect(0, 0, 200, 100), nullptr,
                   0);
    CStatic khz;
    CStatic mhz;
    khz.Create("kHz", WS_VISIBLE, CRect(0, 0, 40, 20), &panel, 27792);
    mhz.Create("MHz", WS_VISIBLE, CRect(50, 0, 90, 20), &panel, 27791);
    const auto painted = hb::win::PaintWindowTree(panel.m_hWnd);
    ASSERT_EQ(painted.size(), 3u);
    EXPECT_EQ(Find(painted[1].list, DrawOp::FillRect)->brush.color, RGB(0, 64, 0));
    EXPECT_EQ(Find(painted[1].list, DrawOp::DrawText)->state.textColor, RGB(0, 255, 0));
    EXPECT_EQ(Find(painted[2].list, DrawOp::FillRect)->brush.color, GetSysColor(COLOR_BTNFACE));

    khz.SetFont(&panel.m_bold);
    EXPECT_EQ(khz.GetFont(), &panel.m_bold);
    EXPECT_EQ(mhz.GetFont(), nullptr);

    const HICON big = hb::win::CreateIconHandle(32, 32, 27330);
    const HICON small = hb::win::CreateIconHandle(16, 16, 27330);
    EXPECT_FALSE(panel.SetIcon(big, TRUE));
    EXPECT_FALSE(panel.SetIcon(small, FALSE));
    EXPECT_EQ(panel.SetIcon(small, TRUE), big);
    EXPECT_EQ(panel.GetIcon(TRUE), small);
    EXPECT_EQ(panel.GetIcon(FALSE), small);

    CDC* dc = panel.GetDC();
    ASSERT_NE(dc, nullptr);
    dc->Ellipse(CRect(1, 1, 9, 9));
    EXPECT_EQ(panel.ReleaseDC(dc), 1);
    EXPECT_EQ(hb::win::LastPaint(panel.m_hWnd).back().op, DrawOp::Ellipse);
}

TEST_F(GdiWrapperTest, AControlChoosingItsOwnColoursAnswersBeforeItsParent) {
    CDisplayPanel panel;
    panel.CreateEx(0, nullptr, "Panel", WS_OVERLAPPED | WS_VISIBLE, CRect(0, 0, 200, 100), nullptr,
                   0);
    CSelfColouredStatic khz;
    khz.Create("kHz", WS_VISIBLE, CRect(0, 0, 40, 20), &panel, 27792);

    auto painted = hb::win::PaintWindowTree(panel.m_hWnd);
    ASSERT_EQ(painted.size(), 2u);
    EXPECT_EQ(Find(painted[1].list, DrawOp::FillRect)->brush.color, RGB(0, 0, 128));
    // The parent's OnCtlColor, which would have made the text green, was not asked.
    EXPECT_EQ(Find(painted[1].list, DrawOp::DrawText)->state.textColor,
              GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(khz.asked, std::vector<UINT>{CTLCOLOR_STATIC});

    CClientDC dc(&panel);
    EXPECT_EQ(panel.SendMessage(WM_CTLCOLOREDIT, static_cast<WPARAM>(dc.m_hDC.id()),
                                hb::win::ParamFromHwnd(khz)),
              static_cast<LRESULT>(HBRUSH(khz.m_blue).id()));
    EXPECT_EQ(dc.GetBkColor(), RGB(0, 0, 128));
    EXPECT_EQ(khz.asked.back(), CTLCOLOR_EDIT);

    // Without a brush of its own, the parent answers as for any control.
    khz.ownColours = false;
    painted = hb::win::PaintWindowTree(panel.m_hWnd);
    EXPECT_EQ(Find(painted[1].list, DrawOp::FillRect)->brush.color, RGB(0, 64, 0));
    EXPECT_EQ(Find(painted[1].list, DrawOp::DrawText)->state.textColor, RGB(0, 255, 0));
}

TEST_F(GdiWrapperTest, WrappersOwnTheirObjectsAndTemporaryOnesNever) {
    HFONT kept;
    {
        CFont font;
        ASSERT_TRUE(font.CreatePointFont(90, "Tahoma"));
        EXPECT_FALSE(font.CreatePointFont(80, "Arial")); // one object per wrapper
        LOGFONT logFont;
        ASSERT_TRUE(font.GetLogFont(&logFont));
        EXPECT_EQ(logFont.lfHeight, -12);
        EXPECT_STREQ(logFont.lfFaceName, "Tahoma");
        EXPECT_EQ(CFont::FromHandle(font), &font);
        kept = font;
    }
    EXPECT_EQ(GetObjectType(kept), 0u);

    const HPEN pen = CreatePen(PS_SOLID, 1, RGB(1, 1, 1));
    CGdiObject* temporary = CGdiObject::FromHandle(pen);
    ASSERT_NE(dynamic_cast<CPen*>(temporary), nullptr);
    EXPECT_EQ(CPen::FromHandle(pen), temporary);
    EXPECT_EQ(CFont::FromHandle(HFONT(HGDIOBJ(pen))), nullptr); // a pen is no font
    hb::afx::DeleteTempMap();
    EXPECT_EQ(GetObjectType(pen), OBJ_PEN);

    CDC memory;
    ASSERT_TRUE(memory.CreateCompatibleDC(nullptr));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&memory, 40, 20));
    BITMAP size;
    ASSERT_TRUE(bitmap.GetBitmap(&size));
    EXPECT_EQ(size.bmWidth, 40);
    CBitmap* before = memory.SelectObject(&bitmap);
    ASSERT_NE(before, nullptr);
    EXPECT_EQ(memory.SelectObject(before), &bitmap);
    CPen outline(PS_DOT, 1, RGB(9, 9, 9));
    EXPECT_EQ(HGDIOBJ(*memory.SelectObject(&outline)), GetStockObject(BLACK_PEN));
    EXPECT_NE(memory.SelectStockObject(NULL_BRUSH), nullptr);
    EXPECT_EQ(CDC::FromHandle(memory.m_hDC), &memory);
    EXPECT_FALSE(memory.IsPrinting());
}

TEST_F(GdiWrapperTest, AnImageListIsCutFromABitmapStrip) {
    std::vector<UINT> loaded;
    HBITMAP strip;
    hb::afx::SetBitmapLoader([&](UINT id) {
        loaded.push_back(id);
        strip = id == 27412 ? hb::win::CreateBitmapHandle(16 * 13, 16, id, 13) : HBITMAP{};
        return strip;
    });
    CImageList images;
    ASSERT_TRUE(images.Create(27412, 16, 1, RGB(255, 255, 255)));
    EXPECT_EQ(loaded, std::vector<UINT>{27412});
    EXPECT_EQ(images.GetImageCount(), 13);
    EXPECT_EQ(GetObjectType(strip), 0u); // the list keeps its own copy
    EXPECT_EQ(images.Add(hb::win::CreateIconHandle(16, 16, 27330)), 13);

    CDC printer;
    printer.Attach(hb::win::CreateRecordingDC());
    ASSERT_TRUE(images.Draw(&printer, 12, CPoint(4, 2), ILD_TRANSPARENT));
    const auto& drawn = hb::win::DisplayListOf(printer).back();
    EXPECT_EQ(drawn.op, DrawOp::ImageListDraw);
    EXPECT_EQ(drawn.image.resourceId, 27412u);
    EXPECT_EQ(drawn.image.cell, 12);
    EXPECT_EQ(CRect(drawn.rect), CRect(4, 2, 20, 18));

    CImageList missing;
    EXPECT_FALSE(missing.Create(99, 16, 1, RGB(255, 255, 255)));
    EXPECT_EQ(missing.m_hImageList, HIMAGELIST{});
    EXPECT_EQ(CImageList::FromHandle(images), &images);
    const HIMAGELIST list = images.Detach();
    EXPECT_EQ(ImageList_GetImageCount(list), 14);
    EXPECT_TRUE(ImageList_Destroy(list));
}

} // namespace
