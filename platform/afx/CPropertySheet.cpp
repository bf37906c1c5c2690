#include "platform/afx/CPropertySheet.h"

#include "platform/afx/CClientDC.h"
#include "platform/afx/CPaintDC.h"
#include "platform/win/core/SystemInfo.h"
#include "platform/win/gdi/DeviceContext.h"
#include "platform/win/gdi/Drawing.h"
#include "platform/win/gdi/Objects.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CPropertySheet, CDialog)

BEGIN_MESSAGE_MAP(CPropertySheet, CDialog)
ON_WM_PAINT()
ON_WM_LBUTTONDOWN()
ON_COMMAND(ID_WIZBACK, &CPropertySheet::OnWizardBack)
ON_COMMAND(ID_WIZNEXT, &CPropertySheet::OnWizardNext)
ON_COMMAND(ID_WIZFINISH, &CPropertySheet::OnWizardFinish)
ON_MESSAGE(PSM_SETWIZBUTTONS, &CPropertySheet::OnSetWizButtons)
END_MESSAGE_MAP()

namespace {

// In dialog units.
constexpr int kMargin = 4;
constexpr int kTabRow = 14;
constexpr int kButtonWidth = 50;
constexpr int kButtonHeight = 14;
constexpr int kButtonRow = kButtonHeight + 2 * kMargin;
// In pixels.
constexpr int kTabPadding = 12;

hb::afx::DialogControl SheetButton(UINT id, const char* text, int x, int y, DWORD kind) {
    return {.id = id,
            .className = "Button",
            .text = text,
            .style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | kind,
            .x = x,
            .y = y,
            .cx = kButtonWidth,
            .cy = kButtonHeight};
}

} // namespace

CPropertySheet::CPropertySheet(LPCSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : CDialog(nullptr, pParentWnd), m_strCaption(pszCaption ? pszCaption : ""),
      m_nStartPage(static_cast<int>(iSelectPage)) {}

void CPropertySheet::AddPage(CPropertyPage* pPage) {
    if (pPage) {
        m_pages.push_back(pPage);
    }
}

CPropertyPage* CPropertySheet::GetPage(int nPage) const {
    return nPage >= 0 && nPage < GetPageCount() ? m_pages[static_cast<std::size_t>(nPage)]
                                                : nullptr;
}

int CPropertySheet::TabRowHeight() const {
    return m_bWizard ? 0 : kTabRow;
}

CRect CPropertySheet::PageRect() const {
    const RECT area =
        hb::afx::DluToPixels({kMargin, kMargin + TabRowHeight(), m_sheetTemplate.cx - kMargin,
                              m_sheetTemplate.cy - kButtonRow});
    return CRect(area);
}

CRect CPropertySheet::GetTabRect(int nPage) {
    const RECT row = hb::afx::DluToPixels({kMargin, kMargin, kMargin, kMargin + kTabRow});
    CClientDC dc(this);
    if (HGDIOBJ font =
            hb::win::HandleFromParam<HGDIOBJ>(static_cast<WPARAM>(SendMessage(WM_GETFONT)))) {
        ::SelectObject(dc.m_hDC, font);
    }
    int x = row.left;
    for (int page = 0; page < GetPageCount(); ++page) {
        const int width = dc.GetTextExtent(GetPage(page)->GetCaption()).cx + kTabPadding;
        if (page == nPage) {
            return CRect(x, row.top, x + width, row.bottom);
        }
        x += width;
    }
    return CRect();
}

int CPropertySheet::DoModal() {
    int cx = 0;
    int cy = 0;
    for (CPropertyPage* page : m_pages) {
        if (const hb::afx::DialogTemplate* form = page->FindTemplate()) {
            cx = std::max(cx, form->cx);
            cy = std::max(cy, form->cy);
        }
    }
    m_sheetTemplate = {.caption = m_strCaption.str(),
                       .style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_DLGFRAME,
                       .cx = cx + 2 * kMargin,
                       .cy = cy + kMargin + TabRowHeight() + kButtonRow};
    const int buttonTop = m_sheetTemplate.cy - kMargin - kButtonHeight;
    const int cancelLeft = m_sheetTemplate.cx - kMargin - kButtonWidth;
    const int nextLeft = cancelLeft - kMargin - kButtonWidth;
    if (m_bWizard) {
        hb::afx::DialogControl finish =
            SheetButton(ID_WIZFINISH, "Finish", nextLeft, buttonTop, BS_PUSHBUTTON);
        finish.style &= ~WS_VISIBLE;
        m_sheetTemplate.controls = {
            SheetButton(ID_WIZBACK, "< Back", nextLeft - kButtonWidth, buttonTop, BS_PUSHBUTTON),
            SheetButton(ID_WIZNEXT, "Next >", nextLeft, buttonTop, BS_DEFPUSHBUTTON), finish,
            SheetButton(IDCANCEL, "Cancel", cancelLeft, buttonTop, BS_PUSHBUTTON)};
    } else {
        m_sheetTemplate.controls = {
            SheetButton(IDOK, "OK", nextLeft, buttonTop, BS_DEFPUSHBUTTON),
            SheetButton(IDCANCEL, "Cancel", cancelLeft, buttonTop, BS_PUSHBUTTON)};
    }
    SetTemplate(&m_sheetTemplate);
    m_nActive = -1;
    return CDialog::DoModal();
}

BOOL CPropertySheet::OnInitDialog() {
    CDialog::OnInitDialog();
    SetActivePage(std::clamp(m_nStartPage, 0, std::max(0, GetPageCount() - 1)));
    return TRUE;
}

BOOL CPropertySheet::SetActivePage(int nPage) {
    CPropertyPage* page = GetPage(nPage);
    if (!m_hWnd) {
        m_nStartPage = nPage;
        return page != nullptr;
    }
    if (!page) {
        return FALSE;
    }
    if (nPage == m_nActive) {
        return TRUE;
    }
    CPropertyPage* shown = GetActivePage();
    if (shown && !shown->OnKillActive()) {
        return FALSE;
    }
    if (!page->m_hWnd && !page->CreateChild(this)) {
        return FALSE;
    }
    const CRect area = PageRect();
    page->SetWindowPos(nullptr, area.left, area.top, area.Width(), area.Height(),
                       SWP_NOZORDER | SWP_NOACTIVATE);
    page->OnSetActive();
    if (shown && shown->m_hWnd) {
        shown->ShowWindow(SW_HIDE);
    }
    page->ShowWindow(SW_SHOW);
    m_nActive = nPage;
    Invalidate();
    return TRUE;
}

BOOL CPropertySheet::SetActivePage(CPropertyPage* pPage) {
    const auto found = std::ranges::find(m_pages, pPage);
    return found != m_pages.end() && SetActivePage(static_cast<int>(found - m_pages.begin()));
}

void CPropertySheet::OnOK() {
    CPropertyPage* shown = GetActivePage();
    if (shown && !shown->OnKillActive()) {
        return;
    }
    for (CPropertyPage* page : m_pages) {
        if (page->m_hWnd) {
            page->OnOK();
        }
    }
    EndDialog(IDOK);
}

void CPropertySheet::OnCancel() {
    for (CPropertyPage* page : m_pages) {
        if (page->m_hWnd) {
            page->OnCancel();
        }
    }
    EndDialog(IDCANCEL);
}

void CPropertySheet::OnPaint() {
    CPaintDC dc(this);
    if (m_bWizard) {
        return;
    }
    if (HGDIOBJ font =
            hb::win::HandleFromParam<HGDIOBJ>(static_cast<WPARAM>(SendMessage(WM_GETFONT)))) {
        ::SelectObject(dc.m_hDC, font);
    }
    ::SetBkMode(dc.m_hDC, TRANSPARENT);
    CRect area = PageRect();
    area.InflateRect(1, 1);
    ::FrameRect(dc.m_hDC, &area, ::GetSysColorBrush(COLOR_BTNSHADOW));
    for (int page = 0; page < GetPageCount(); ++page) {
        CRect tab = GetTabRect(page);
        if (page == m_nActive) {
            tab.top -= 2;
            dc.FillSolidRect(&tab, ::GetSysColor(COLOR_WINDOW));
        }
        ::FrameRect(dc.m_hDC, &tab, ::GetSysColorBrush(COLOR_BTNSHADOW));
        dc.DrawText(GetPage(page)->GetCaption(), &tab,
                    DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
}

void CPropertySheet::OnLButtonDown(UINT, CPoint point) {
    if (m_bWizard) {
        return;
    }
    for (int page = 0; page < GetPageCount(); ++page) {
        if (GetTabRect(page).PtInRect(point)) {
            SetActivePage(page);
            return;
        }
    }
}

LRESULT CPropertySheet::OnSetWizButtons(WPARAM, LPARAM lParam) {
    const auto flags = static_cast<DWORD>(lParam);
    const bool finish = (flags & (PSWIZB_FINISH | PSWIZB_DISABLEDFINISH)) != 0;
    // Finish stands where Next stands, and is the button Enter presses while it does.
    const bool finishInstead = finish && !(flags & PSWIZB_NEXT);
    const struct {
        UINT id;
        bool shown;
        bool enabled;
    } buttons[] = {{ID_WIZBACK, true, (flags & PSWIZB_BACK) != 0},
                   {ID_WIZNEXT, !finishInstead, (flags & PSWIZB_NEXT) != 0},
                   {ID_WIZFINISH, finishInstead, (flags & PSWIZB_FINISH) != 0}};
    for (const auto& button : buttons) {
        CWnd* control = GetDlgItem(static_cast<int>(button.id));
        if (!control) {
            continue;
        }
        control->ShowWindow(button.shown ? SW_SHOW : SW_HIDE);
        control->EnableWindow(button.enabled);
        const bool isDefault = button.shown && button.id != ID_WIZBACK;
        const auto style = static_cast<DWORD>(::GetWindowLong(control->m_hWnd, GWL_STYLE));
        ::SetWindowLong(
            control->m_hWnd, GWL_STYLE,
            static_cast<LONG>((style & ~0xFu) | (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON)));
    }
    return 0;
}

int CPropertySheet::WizardTarget(LRESULT answer, int step) const {
    if (answer == -1) {
        return -1;
    }
    if (answer == 0) {
        const int next = m_nActive + step;
        return next >= 0 && next < GetPageCount() ? next : -1;
    }
    for (int page = 0; page < GetPageCount(); ++page) {
        if (static_cast<LRESULT>(GetPage(page)->GetTemplateId()) == answer) {
            return page;
        }
    }
    return -1;
}

void CPropertySheet::MoveTo(int nPage) {
    if (nPage < 0) {
        return;
    }
    if (nPage != m_nActive) {
        SetActivePage(nPage);
        return;
    }
    CPropertyPage* shown = GetActivePage();
    shown->OnSetActive();
    Invalidate();
}

void CPropertySheet::OnWizardBack() {
    if (CPropertyPage* shown = GetActivePage()) {
        MoveTo(WizardTarget(shown->OnWizardBack(), -1));
    }
}

void CPropertySheet::OnWizardNext() {
    if (CPropertyPage* shown = GetActivePage()) {
        MoveTo(WizardTarget(shown->OnWizardNext(), 1));
    }
}

void CPropertySheet::OnWizardFinish() {
    CPropertyPage* shown = GetActivePage();
    if (shown && shown->OnWizardFinish() && !IsEnded()) {
        EndDialog(ID_WIZFINISH);
    }
}
