#include "platform/instruments/CiLedMatrixX.h"

#include "platform/instruments/Instrument.h"

using hb::instruments::MatrixCell;

namespace {

MatrixCell CellOf(HWND hwnd, long row, long col) {
    return hb::instruments::GetMatrixCell(hwnd, row, col).value_or(MatrixCell{});
}

} // namespace

BOOL CiLedMatrixX::GetIndicatorActive(long row, long col) const {
    return CellOf(m_hWnd, row, col).active ? TRUE : FALSE;
}

void CiLedMatrixX::SetIndicatorActive(long row, long col, BOOL active) {
    MatrixCell cell = CellOf(m_hWnd, row, col);
    cell.active = active != FALSE;
    hb::instruments::PutMatrixCell(m_hWnd, row, col, cell);
}

COLORREF CiLedMatrixX::GetIndicatorColor(long row, long col) const {
    return CellOf(m_hWnd, row, col).color.value_or(GetIndicatorActiveColor());
}

void CiLedMatrixX::SetIndicatorColor(long row, long col, COLORREF color) {
    MatrixCell cell = CellOf(m_hWnd, row, col);
    cell.color = color;
    hb::instruments::PutMatrixCell(m_hWnd, row, col, cell);
}

CString CiLedMatrixX::GetIndicatorCaption(long row, long col) const {
    return CString(CellOf(m_hWnd, row, col).caption.c_str());
}

void CiLedMatrixX::SetIndicatorCaption(long row, long col, LPCSTR caption) {
    MatrixCell cell = CellOf(m_hWnd, row, col);
    cell.caption = caption ? caption : "";
    hb::instruments::PutMatrixCell(m_hWnd, row, col, cell);
}
