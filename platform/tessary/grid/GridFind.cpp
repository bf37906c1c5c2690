#include "platform/tessary/grid/GridFind.h"

#include "platform/tessary/app/DialogButtons.h"
#include "platform/tessary/grid/Grid.h"
#include "platform/win/controls/ControlMessages.h"
#include "platform/win/core/Hooks.h"

#include <algorithm>
#include <cctype>
#include <string>

IMPLEMENT_DYNAMIC(CGridFind, CDialog)

BEGIN_MESSAGE_MAP(CGridFind, CDialog)
ON_BN_CLICKED(IDC_FIND_NEXT, &CGridFind::OnFindNext)
ON_BN_CLICKED(IDC_REPLACE, &CGridFind::OnReplace)
ON_BN_CLICKED(IDC_REPLACE_ALL, &CGridFind::OnReplaceAll)
END_MESSAGE_MAP()

namespace {

constexpr int kMargin = 7;
constexpr int kLabelWidth = 50;
constexpr int kFieldWidth = 130;
constexpr int kButtonX = kMargin + kLabelWidth + kFieldWidth + 8;
constexpr int kButtonWidth = 56;
constexpr int kLineHeight = 18;

hb::afx::DialogControl Label(LPCSTR text, int y) {
    return {.className = "Static",
            .text = text,
            .style = WS_VISIBLE | SS_LEFT,
            .x = kMargin,
            .y = y + 2,
            .cx = kLabelWidth,
            .cy = 10};
}

hb::afx::DialogControl Field(UINT id, int y) {
    return {.id = id,
            .className = "Edit",
            .style = WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL,
            .x = kMargin + kLabelWidth,
            .y = y,
            .cx = kFieldWidth,
            .cy = 13};
}

hb::afx::DialogControl Button(UINT id, LPCSTR text, int y, DWORD kind) {
    return {.id = id,
            .className = "Button",
            .text = text,
            .style = WS_VISIBLE | WS_TABSTOP | kind,
            .x = kButtonX,
            .y = y,
            .cx = kButtonWidth,
            .cy = 14};
}

hb::afx::DialogTemplate MakeTemplate(bool replace) {
    hb::afx::DialogTemplate dialog{.caption = replace ? "Replace" : "Find",
                                   .style = WS_POPUP | WS_CAPTION | WS_SYSMENU,
                                   .cx = kButtonX + kButtonWidth + kMargin,
                                   .cy = kMargin + 4 * kLineHeight + kMargin,
                                   .fontName = "MS Sans Serif",
                                   .fontSize = 8};
    int y = kMargin;
    dialog.controls.push_back(Label("Find what:", y));
    dialog.controls.push_back(Field(CGridFind::IDC_FIND_TEXT, y));
    dialog.controls.push_back(Button(CGridFind::IDC_FIND_NEXT, "&Find Next", y, BS_DEFPUSHBUTTON));
    y += kLineHeight;
    if (replace) {
        dialog.controls.push_back(Label("Replace with:", y));
        dialog.controls.push_back(Field(CGridFind::IDC_REPLACE_TEXT, y));
        dialog.controls.push_back(Button(CGridFind::IDC_REPLACE, "&Replace", y, BS_PUSHBUTTON));
        dialog.controls.push_back(
            Button(CGridFind::IDC_REPLACE_ALL, "Replace &All", y + kLineHeight, BS_PUSHBUTTON));
    }
    dialog.controls.push_back({.id = CGridFind::IDC_MATCH_CASE,
                               .className = "Button",
                               .text = "Match &case",
                               .style = WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX,
                               .x = kMargin,
                               .y = kMargin + 3 * kLineHeight,
                               .cx = 80,
                               .cy = 10});
    dialog.controls.push_back(Button(IDCANCEL, "Close", kMargin + 3 * kLineHeight, BS_PUSHBUTTON));
    return dialog;
}

const hb::afx::DialogTemplate& Template(bool replace) {
    static const hb::afx::DialogTemplate find = MakeTemplate(false);
    static const hb::afx::DialogTemplate replacing = MakeTemplate(true);
    return replace ? replacing : find;
}

std::string Folded(std::string text) {
    std::ranges::transform(text, text.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

} // namespace

CGridFind::CGridFind(CGrid& grid, bool replace)
    : CDialog(&Template(replace), &grid), m_grid(grid) {}

CString CGridFind::FindText() const {
    CString text;
    GetDlgItemText(IDC_FIND_TEXT, text);
    return text;
}

bool CGridFind::MatchCase() const {
    return IsDlgButtonChecked(IDC_MATCH_CASE) == BST_CHECKED;
}

std::size_t CGridFind::FindIn(const std::string& cell, const std::string& text,
                              std::size_t from) const {
    return MatchCase() ? cell.find(text, from) : Folded(cell).find(Folded(text), from);
}

bool CGridFind::FindNext() {
    const std::string text = FindText().str();
    const int cols = m_grid.GetNumberCols();
    const long cells = static_cast<long>(cols) * m_grid.GetNumberRows();
    if (text.empty() || cells == 0) {
        return false;
    }
    const long current = m_grid.GetCurrentRow() * cols + m_grid.GetCurrentCol();
    for (long step = 1; step <= cells; ++step) {
        const long at = (current + step) % cells;
        const int col = static_cast<int>(at % cols);
        const long row = at / cols;
        if (FindIn(m_grid.QuickGetText(col, row).str(), text, 0) != std::string::npos) {
            m_grid.GotoCell(col, row);
            return true;
        }
    }
    return false;
}

bool CGridFind::ReplaceIn(int col, long row) {
    const std::string text = FindText().str();
    CString replacement;
    GetDlgItemText(IDC_REPLACE_TEXT, replacement);
    const std::string cell = m_grid.QuickGetText(col, row).str();
    std::string replaced;
    std::size_t from = 0;
    for (std::size_t at = FindIn(cell, text, 0); at != std::string::npos;
         at = FindIn(cell, text, from)) {
        replaced += cell.substr(from, at - from) + replacement.str();
        from = at + text.size();
    }
    replaced += cell.substr(from);
    return m_grid.FinishTextEdit(col, row, nullptr, replaced.c_str(), FALSE) != 0;
}

void CGridFind::OnFindNext() {
    if (!FindNext()) {
        MessageBeep(MB_ICONASTERISK);
    }
}

void CGridFind::OnReplace() {
    const int col = m_grid.GetCurrentCol();
    const long row = m_grid.GetCurrentRow();
    CUGCell cell;
    const bool here = m_grid.GetCell(col, row, &cell) && !cell.GetReadOnly() &&
                      !FindText().IsEmpty() &&
                      FindIn(cell.GetText().str(), FindText().str(), 0) != std::string::npos;
    if (here && !ReplaceIn(col, row)) {
        MessageBeep(MB_ICONEXCLAMATION);
    }
    m_grid.RedrawAll();
    OnFindNext();
}

void CGridFind::OnReplaceAll() {
    const std::string text = FindText().str();
    bool found = false;
    bool refused = false;
    for (long row = 0; !text.empty() && row < m_grid.GetNumberRows(); ++row) {
        for (int col = 0; col < m_grid.GetNumberCols(); ++col) {
            CUGCell cell;
            if (m_grid.GetCell(col, row, &cell) && !cell.GetReadOnly() &&
                FindIn(cell.GetText().str(), text, 0) != std::string::npos) {
                found = true;
                refused = !ReplaceIn(col, row) || refused;
            }
        }
    }
    m_grid.RedrawAll();
    if (!found || refused) {
        MessageBeep(found ? MB_ICONEXCLAMATION : MB_ICONASTERISK);
    }
}
