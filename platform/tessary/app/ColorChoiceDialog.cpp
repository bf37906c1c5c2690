#include "platform/tessary/app/ColorChoiceDialog.h"

#include "platform/tessary/app/DialogButtons.h"

#include <string>

IMPLEMENT_DYNAMIC(CColorChoiceDialog, CDialog)

const std::array<COLORREF, CColorChoiceDialog::kBasicCount> CColorChoiceDialog::kBasicColors = {
    RGB(0, 0, 0),       RGB(128, 0, 0),     RGB(0, 128, 0),     RGB(128, 128, 0),
    RGB(0, 0, 128),     RGB(128, 0, 128),   RGB(0, 128, 128),   RGB(128, 128, 128),
    RGB(192, 192, 192), RGB(255, 0, 0),     RGB(0, 255, 0),     RGB(255, 255, 0),
    RGB(0, 0, 255),     RGB(255, 0, 255),   RGB(0, 255, 255),   RGB(255, 255, 255),
    RGB(255, 128, 128), RGB(255, 192, 128), RGB(255, 255, 192), RGB(128, 255, 128),
    RGB(128, 255, 255), RGB(128, 192, 255), RGB(192, 128, 255), RGB(64, 64, 64),
};

namespace {

constexpr int kCell = 16;
constexpr int kGridLeft = 7;
constexpr int kGridTop = 7;
constexpr int kGridBottom = kGridTop + CColorChoiceDialog::kBasicRows * kCell;

hb::afx::DialogTemplate MakeTemplate() {
    hb::afx::DialogTemplate dialog{.style = WS_POPUP | WS_CAPTION | WS_SYSMENU,
                                   .cx = kGridLeft * 2 + CColorChoiceDialog::kBasicColumns * kCell,
                                   .cy = kGridBottom + 48,
                                   .fontName = "MS Sans Serif",
                                   .fontSize = 8};
    for (int n = 0; n < CColorChoiceDialog::kBasicCount; ++n) {
        // Push-like radio buttons: the chosen cell stays down.
        dialog.controls.push_back(
            {.id = CColorChoiceDialog::IDC_BASIC_FIRST + static_cast<UINT>(n),
             .className = "Button",
             .style = WS_VISIBLE | WS_TABSTOP | BS_AUTORADIOBUTTON | BS_PUSHLIKE |
                      (n == 0 ? WS_GROUP : 0),
             .x = kGridLeft + n % CColorChoiceDialog::kBasicColumns * kCell + 1,
             .y = kGridTop + n / CColorChoiceDialog::kBasicColumns * kCell + 1,
             .cx = kCell - 2,
             .cy = kCell - 2});
    }
    dialog.controls.push_back({.className = "Static",
                               .text = "Current:",
                               .style = WS_VISIBLE | WS_GROUP | SS_LEFT,
                               .x = kGridLeft,
                               .y = kGridBottom + 8,
                               .cx = 40,
                               .cy = 8});
    dialog.controls.push_back({.id = CColorChoiceDialog::IDC_CURRENT,
                               .className = "Static",
                               .style = WS_VISIBLE | WS_BORDER | SS_LEFT,
                               .x = kGridLeft + 44,
                               .y = kGridBottom + 5,
                               .cx = 40,
                               .cy = 14});
    hb::tessary::AddOkCancel(dialog, kGridBottom + 27);
    return dialog;
}

const hb::afx::DialogTemplate& Template() {
    static const hb::afx::DialogTemplate dialog = MakeTemplate();
    return dialog;
}

} // namespace

BEGIN_MESSAGE_MAP(CColorChoiceDialog, CDialog)
ON_WM_CTLCOLOR()
ON_COMMAND_RANGE(IDC_BASIC_FIRST, IDC_BASIC_FIRST + kBasicCount - 1,
                 &CColorChoiceDialog::OnBasicColor)
END_MESSAGE_MAP()

CColorChoiceDialog::CColorChoiceDialog(int index, COLORREF color, CWnd* pParentWnd)
    : CDialog(&Template(), pParentWnd), m_index(index), m_color(color) {}

BOOL CColorChoiceDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(("Color " + std::to_string(m_index)).c_str());
    for (int n = 0; n < kBasicCount; ++n) {
        m_basicBrushes[static_cast<std::size_t>(n)].CreateSolidBrush(
            kBasicColors[static_cast<std::size_t>(n)]);
        if (kBasicColors[static_cast<std::size_t>(n)] == m_color) {
            CheckDlgButton(static_cast<int>(IDC_BASIC_FIRST) + n, BST_CHECKED);
        }
    }
    m_currentBrush.CreateSolidBrush(m_color);
    return TRUE;
}

HBRUSH CColorChoiceDialog::OnCtlColor(CDC*, CWnd* pWnd, UINT) {
    const int id = pWnd ? pWnd->GetDlgCtrlID() : 0;
    if (id == static_cast<int>(IDC_CURRENT)) {
        return m_currentBrush;
    }
    if (id >= static_cast<int>(IDC_BASIC_FIRST) &&
        id < static_cast<int>(IDC_BASIC_FIRST) + kBasicCount) {
        return m_basicBrushes[static_cast<std::size_t>(id - static_cast<int>(IDC_BASIC_FIRST))];
    }
    return HBRUSH{};
}

void CColorChoiceDialog::OnBasicColor(UINT nID) {
    m_color = kBasicColors[nID - IDC_BASIC_FIRST];
    m_currentBrush.DeleteObject();
    m_currentBrush.CreateSolidBrush(m_color);
    if (CWnd* current = GetDlgItem(static_cast<int>(IDC_CURRENT))) {
        current->Invalidate();
    }
}
