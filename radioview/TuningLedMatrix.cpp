#include "radioview/TuningLedMatrix.h"

#include "platform/records/PrivateMessages.h"

#include <array>

IMPLEMENT_DYNAMIC(CTuningLedMatrix, CiLedMatrixX)

BEGIN_MESSAGE_MAP(CTuningLedMatrix, CiLedMatrixX)
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
ON_WM_RBUTTONDOWN()
ON_MESSAGE(WM_RBUTTONDBLCLK, &CTuningLedMatrix::OnRButtonDblClk)
ON_WM_LBUTTONUP()
ON_WM_RBUTTONUP()
ON_WM_MOUSEMOVE()
ON_WM_TIMER()
END_MESSAGE_MAP()

namespace {

constexpr UINT_PTR kRepeatTimer = 27802;
constexpr UINT kRepeatMs = 250;
constexpr BYTE kColumns = 8;
constexpr int kColumnWidth = 16;
constexpr COLORREF kIdleColor = 0x8000FF;
constexpr COLORREF kPressedColor = 0xFFFFFF;

constexpr std::array<DWORD, kColumns> kGigahertzWeights{1000000000, 100000000, 10000000, 1000000,
                                                        100000,     10000,     1000,     100};
constexpr std::array<DWORD, kColumns> kTenMegahertzWeights{10000000, 1000000, 100000, 10000,
                                                           1000,     100,     10,     1};

// The weights of a digit mode, or null for a mode without a table.
const std::array<DWORD, kColumns>* WeightsOf(BYTE mode) {
    switch (mode) {
    case 4:
        return &kGigahertzWeights;
    case 3:
    case 6:
        return &kTenMegahertzWeights;
    default:
        return nullptr;
    }
}

// Columns are 16 pixels wide, counted from the low byte of the x coordinate.
BYTE ColumnAt(CPoint point) {
    return static_cast<BYTE>((point.x & 0xFF) / kColumnWidth);
}

} // namespace

void CTuningLedMatrix::Init(CWnd* window, DWORD spareValue, BYTE mode) {
    target = window;
    spare = spareValue;
    digitMode = mode;
    SetIndicatorActiveColor(kIdleColor);
}

void CTuningLedMatrix::SendStep() {
    const std::array<DWORD, kColumns>* weights = WeightsOf(digitMode);
    if (!weights || column >= kColumns || !target) {
        return;
    }
    const auto flags = (static_cast<std::uint32_t>(GetDlgCtrlID()) << 16) |
                       (static_cast<std::uint32_t>(direction) << 8) | fine;
    target->SendMessage(WM_TUNE_DIGIT_STEP, (*weights)[column], static_cast<LPARAM>(flags));
}

void CTuningLedMatrix::StopTracking() {
    ::ReleaseCapture();
    SetIndicatorActive(0, column, FALSE);
    SetIndicatorActiveColor(kIdleColor);
    KillTimer(kRepeatTimer);
}

void CTuningLedMatrix::LightColumn(BYTE newColumn) {
    SetIndicatorActive(0, column, FALSE);
    SetIndicatorActive(0, newColumn, TRUE);
    ::SetCapture(m_hWnd);
}

void CTuningLedMatrix::BeginPress(BYTE pressedColumn, UINT flags, BYTE pressDirection) {
    if (pressedColumn != column || !GetIndicatorActive(0, pressedColumn)) {
        LightColumn(pressedColumn);
    }
    column = pressedColumn;
    fine = (flags & MK_SHIFT) ? 0xFF : 0;
    direction = pressDirection;
    SetIndicatorActiveColor(kPressedColor);
    SendStep();
    SetTimer(kRepeatTimer, kRepeatMs);
}

void CTuningLedMatrix::TrackHover(CPoint point) {
    CRect client;
    GetClientRect(&client);
    const BYTE hovered = ColumnAt(point);
    if (hovered >= kColumns || !client.PtInRect(point)) {
        StopTracking();
        return;
    }
    if (hovered != column || !GetIndicatorActive(0, hovered)) {
        LightColumn(hovered);
        column = hovered;
        SetIndicatorActiveColor(kIdleColor);
    }
}

void CTuningLedMatrix::Press(UINT flags, CPoint point, BYTE pressDirection) {
    Default();
    const BYTE pressed = ColumnAt(point);
    if (pressed < kColumns && ::IsWindow(m_hWnd)) {
        BeginPress(pressed, flags, pressDirection);
    }
}

void CTuningLedMatrix::OnLButtonDown(UINT nFlags, CPoint point) {
    Press(nFlags, point, 0xFF);
}

void CTuningLedMatrix::OnLButtonDblClk(UINT nFlags, CPoint point) {
    Press(nFlags, point, 0xFF);
}

void CTuningLedMatrix::OnRButtonDown(UINT nFlags, CPoint point) {
    Press(nFlags, point, 0);
}

LRESULT CTuningLedMatrix::OnRButtonDblClk(WPARAM wParam, LPARAM lParam) {
    Press(static_cast<UINT>(wParam), CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)), 0);
    return 0;
}

void CTuningLedMatrix::OnLButtonUp(UINT, CPoint) {
    Default();
    StopTracking();
}

void CTuningLedMatrix::OnRButtonUp(UINT, CPoint) {
    Default();
    StopTracking();
}

void CTuningLedMatrix::OnMouseMove(UINT, CPoint point) {
    Default();
    TrackHover(point);
}

void CTuningLedMatrix::OnTimer(UINT_PTR nIDEvent) {
    if (nIDEvent == kRepeatTimer) {
        SendStep();
        return;
    }
    Default();
}
