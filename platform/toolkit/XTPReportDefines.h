#pragma once
// What the report control tells its parent and asks of its records.
#include "platform/afx/CRect.h"
#include "platform/win/WinTypes.h"
#include "platform/win/controls/ControlMessages.h"

#include <cstddef>

class CDC;
class CFont;
class CXTPReportColumn;
class CXTPReportControl;
class CXTPReportRecordItem;
class CXTPReportRow;

// WM_NOTIFY codes of the report control: a click on a cell, and an in-place edit ended with Enter
// after the item took the new text.
inline constexpr UINT XTP_NM_REPORT_ITEMCLICK = static_cast<UINT>(-60);
inline constexpr UINT XTP_NM_REPORT_VALUECHANGED = static_cast<UINT>(-57);

// Grid line styles; 0 draws none.
enum XTPReportGridStyle {
    xtpReportGridNoLines = 0,
    xtpReportGridSolid = 1,
    xtpReportGridSmallDots = 2,
    xtpReportGridLargeDots = 3,
    xtpReportGridDashes = 4
};

// The notification's record: the row, item and column (each may be null) and the point.
struct XTP_NM_REPORTRECORDITEM {
    NMHDR hdr;
    CXTPReportRow* pRow = nullptr;
    CXTPReportRecordItem* pItem = nullptr;
    CXTPReportColumn* pColumn = nullptr;
    POINT pt{};
};

// One cell being drawn, and the look its record may change.
struct XTP_REPORTRECORDITEM_DRAWARGS {
    CDC* pDC = nullptr;
    CXTPReportControl* pControl = nullptr;
    CXTPReportRow* pRow = nullptr;
    CXTPReportColumn* pColumn = nullptr;
    CXTPReportRecordItem* pItem = nullptr;
    CRect rcItem;
};

struct XTP_REPORTRECORDITEM_METRICS {
    CFont* pFont = nullptr;
    COLORREF clrForeground = 0;
    COLORREF clrBackground = 0xFFFFFF;
};

namespace hb::toolkit {

// Records and items are allocated here, and freed here whoever deletes them; the count lets a test
// see that nothing of a control is left behind.
void* AllocateRecordData(std::size_t bytes);
void FreeRecordData(void* data);
std::size_t LiveRecordData();

} // namespace hb::toolkit
