#include "platform/tessary/grid/Grid.h"

#include "platform/afx/AfxMessageBox.h"
#include "platform/tessary/app/ObjectDoc.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/tessary/grid/GridFind.h"
#include "platform/tessary/model/Object.h"
#include "platform/win/core/Hooks.h"
#include "platform/win/sys/Clipboard.h"

#include <algorithm>
#include <cstring>
#include <string>

IMPLEMENT_DYNAMIC(CGrid, CUGCtrl)

namespace {

constexpr COLORREF kPlainBack = RGB(255, 255, 255);

constexpr COLORREF kRowColors[] = {
    RGB(0, 0, 0),     RGB(192, 0, 0),   RGB(0, 128, 0),   RGB(0, 0, 192),
    RGB(0, 128, 128), RGB(160, 128, 0), RGB(160, 0, 160), RGB(224, 112, 0),
};

std::vector<std::vector<CString>> SplitCells(const std::string& text) {
    std::vector<std::vector<CString>> rows;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end;
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        std::vector<CString> cells;
        std::size_t from = 0;
        for (std::size_t tab = line.find('\t'); tab != std::string::npos;
             tab = line.find('\t', from)) {
            cells.emplace_back(line.substr(from, tab - from).c_str());
            from = tab + 1;
        }
        cells.emplace_back(line.substr(from).c_str());
        rows.push_back(std::move(cells));
        start = end + 1;
    }
    return rows;
}

std::string WidthEntry(int col) {
    return "ColumnWidth" + std::to_string(col);
}

} // namespace

int CGrid::OnEditFinish(int col, long row, CWnd* edit, LPCSTR text, BOOL cancel) {
    return FinishTextEdit(col, row, edit, text, cancel);
}

int CGrid::FinishTextEdit(int col, long row, CWnd*, LPCSTR text, BOOL cancel) {
    if (!cancel) {
        QuickSetText(col, row, text);
    }
    return 1;
}

bool CGrid::StoreBlock(int c0, long r0, const std::vector<std::vector<CString>>& texts) {
    bool all = true;
    for (std::size_t r = 0; r < texts.size(); ++r) {
        const long row = r0 + static_cast<long>(r);
        for (std::size_t c = 0; c < texts[r].size() && row < GetNumberRows(); ++c) {
            const int col = c0 + static_cast<int>(c);
            CUGCell cell;
            if (!GetCell(col, row, &cell) || cell.GetReadOnly()) {
                continue;
            }
            if (FinishTextEdit(col, row, nullptr, texts[r][c], FALSE) == 0) {
                all = false;
            }
        }
    }
    RedrawAll();
    return all;
}

void CGrid::OnEditCopy(BOOL cut) {
    int c0 = 0;
    int c1 = 0;
    long r0 = 0;
    long r1 = 0;
    if (!GetSelectedRange(&c0, &r0, &c1, &r1)) {
        return;
    }
    std::string text;
    std::vector<std::vector<CString>> cleared;
    for (long row = r0; row <= r1; ++row) {
        cleared.emplace_back();
        for (int col = c0; col <= c1; ++col) {
            text += QuickGetText(col, row).str();
            text += col < c1 ? "\t" : "\r\n";
            cleared.back().emplace_back(IsSelected(col, row) ? "" : QuickGetText(col, row));
        }
    }
    if (!OpenClipboard(m_hWnd)) {
        return;
    }
    EmptyClipboard();
    if (const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1)) {
        std::memcpy(GlobalLock(block), text.c_str(), text.size() + 1);
        GlobalUnlock(block);
        SetClipboardData(CF_TEXT, block);
    }
    CloseClipboard();
    if (cut && !StoreBlock(c0, r0, cleared)) {
        MessageBeep(MB_ICONEXCLAMATION);
    }
}

void CGrid::OnEditPaste() {
    if (!IsClipboardFormatAvailable(CF_TEXT) || !OpenClipboard(m_hWnd)) {
        return;
    }
    std::string text;
    if (const HGLOBAL block = GetClipboardData(CF_TEXT)) {
        const auto* data = static_cast<const char*>(GlobalLock(block));
        text.assign(data, strnlen(data, GlobalSize(block)));
        GlobalUnlock(block);
    }
    CloseClipboard();
    if (!text.empty() && !StoreBlock(GetCurrentCol(), GetCurrentRow(), SplitCells(text))) {
        MessageBeep(MB_ICONEXCLAMATION);
    }
}

void CGrid::OnEditClearSelected() {
    int c0 = 0;
    int c1 = 0;
    long r0 = 0;
    long r1 = 0;
    if (!GetSelectedRange(&c0, &r0, &c1, &r1)) {
        return;
    }
    std::vector<std::vector<CString>> cleared;
    for (long row = r0; row <= r1; ++row) {
        cleared.emplace_back();
        for (int col = c0; col <= c1; ++col) {
            cleared.back().emplace_back(IsSelected(col, row) ? "" : QuickGetText(col, row));
        }
    }
    if (!StoreBlock(c0, r0, cleared)) {
        MessageBeep(MB_ICONEXCLAMATION);
    }
}

void CGrid::OnEditClearAll() {
    if (GetNumberRows() == 0 ||
        AfxMessageBox("Clear every cell of this sheet?", MB_YESNO | MB_ICONQUESTION) != IDYES) {
        return;
    }
    const std::vector<std::vector<CString>> cleared(
        static_cast<std::size_t>(GetNumberRows()),
        std::vector<CString>(static_cast<std::size_t>(GetNumberCols())));
    if (!StoreBlock(0, 0, cleared)) {
        MessageBeep(MB_ICONEXCLAMATION);
    }
}

void CGrid::OnEditSelectAll() {
    SelectRange(0, 0, GetNumberCols() - 1, GetNumberRows() - 1);
}

void CGrid::ClearSelections() {
    ClearSelection();
}

void CGrid::OnEditFind() {
    CGridFind(*this, false).DoModal();
}

void CGrid::OnEditReplace() {
    CGridFind(*this, true).DoModal();
}

void CGrid::OnEditChangeColor(int color) {
    if (color < 0 || color >= static_cast<int>(std::size(kRowColors))) {
        return;
    }
    bool changed = false;
    for (const long row : GetSelectedRows()) {
        if (Object* object = RowObject(row)) {
            object->setColor(static_cast<std::uint8_t>(color));
            object->markChanged();
            for (int col = 0; col < GetNumberCols(); ++col) {
                CUGCell cell;
                if (GetCell(col, row, &cell)) {
                    cell.SetTextColor(TextColorOf(*object));
                    SetCell(col, row, &cell);
                }
            }
            changed = true;
        }
    }
    if (changed && m_doc) {
        m_doc->SetModifiedFlag(TRUE);
    }
    RedrawAll();
}

void CGrid::SetGridIdent(LPCSTR ident) {
    m_ident = ident ? ident : "";
}

void CGrid::PreSetup() {
    EndEdit(false);
}

void CGrid::PostSetup() {
    CScanApp* app = CScanApp::GetScanApp();
    if (app && !m_ident.IsEmpty()) {
        for (int col = 0; col < GetNumberCols(); ++col) {
            const int width = app->GetProfileIntA(m_ident, WidthEntry(col).c_str(), -1);
            if (width > 0) {
                SetColWidth(col, width);
            }
        }
    }
    RedrawAll();
}

void CGrid::OnColumnSized(int col, int width) {
    if (CScanApp* app = CScanApp::GetScanApp(); app && !m_ident.IsEmpty()) {
        app->WriteProfileInt(m_ident, WidthEntry(col).c_str(), width);
    }
}

void CGrid::SetBackgroundCellColor(long row, CUGCell* cell) const {
    const CScanApp* app = CScanApp::GetScanApp();
    if (cell && app && row % 2 == 1 && cell->GetBackColor() == kPlainBack) {
        cell->SetBackColor(app->Colors().alternateRow);
    }
}

Object* CGrid::RowObject(long) const {
    return nullptr;
}

COLORREF CGrid::TextColorOf(const Object& object) {
    return kRowColors[std::min<std::size_t>(object.color(), std::size(kRowColors) - 1)];
}
