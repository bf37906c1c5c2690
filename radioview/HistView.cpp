#include "radioview/HistView.h"

#include "app/rig/Rig.h"
#include "platform/afx/CFrameWnd.h"
#include "platform/afx/CTime.h"
#include "platform/afx/CWinApp.h"
#include "platform/records/PrivateMessages.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/tessary/model/Format.h"
#include "platform/tessary/model/Object.h"
#include "platform/tessary/model/Radio.h"
#include "resources/ResourceIds.h"

#include <array>
#include <ctime>

IMPLEMENT_DYNCREATE(CHistView, CGenericListView)

BEGIN_MESSAGE_MAP(CHistView, CGenericListView)
ON_NOTIFY_REFLECT(NM_DBLCLK, &CHistView::OnDoubleClick)
END_MESSAGE_MAP()

namespace {

struct HistoryColumn {
    LPCSTR heading;
    int format;
    int width;
};

constexpr std::array<HistoryColumn, 9> kColumns{{
    {"Frequency", LVCFMT_RIGHT, 100},
    {"ID", LVCFMT_CENTER, 75},
    {"Sig", LVCFMT_CENTER, 75},
    {"Name", LVCFMT_LEFT, 150},
    {"Date", LVCFMT_CENTER, 100},
    {"Time", LVCFMT_CENTER, 100},
    {"Air Time", LVCFMT_RIGHT, 100},
    {"Events", LVCFMT_LEFT, 100},
    // Fills the rest of the list's width.
    {"", LVCFMT_CENTER, 9999},
}};

constexpr int kDefaultWidth = 100;
constexpr int kFillerWidth = 9999;
// Row 50 goes before a row is added, so the list keeps rows 0 to 50.
constexpr int kLastRow = 50;

// The object's first text, then its second after ", " when both are there.
CString NameOf(const Object& object) {
    CString name = object.name().c_str();
    name.Trim();
    if (!name.IsEmpty() && !object.description().empty()) {
        name += ", ";
    }
    name += object.description().c_str();
    name.TrimRight();
    return name;
}

CString RowName(const Object* channel, const Object* user) {
    if (!user) {
        return channel ? NameOf(*channel) : CString("Manually Tuned");
    }
    CString name = NameOf(*user);
    if (channel) {
        if (!name.IsEmpty() && !channel->description().empty()) {
            name += ", ";
        }
        name += channel->description().c_str();
        name.TrimRight();
    }
    return name;
}

CString IdText(const HistoryRecord& rec) {
    const hb::records::UserId id = rec.get(HistoryRecord::kUserId);
    if (id.get(hb::records::UserId::kValue) == 0) {
        return {};
    }
    CString text = format_user(id).c_str();
    return text.TrimLeft();
}

} // namespace

CHistView::CHistView() {
    m_section = "History";
    m_description = "Scanning history, double-click on frequency to tune.";
}

void CHistView::OnInitialUpdate() {
    CGenericListView::OnInitialUpdate();
    InsertColumns();
    RestoreColumnWidths();
    const HICON icon = AfxGetApp()->LoadIcon(IDI_HISTORY);
    SetIcon(icon, TRUE);
    SetIcon(icon, FALSE);
}

void CHistView::InsertColumns() {
    m_columnCount = 0;
    for (const HistoryColumn& shown : kColumns) {
        LVCOLUMN column;
        column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
        column.fmt = shown.format;
        column.cx = shown.width;
        column.pszText = const_cast<LPSTR>(shown.heading);
        column.iSubItem = m_columnCount;
        SendMessage(LVM_INSERTCOLUMN, m_columnCount, reinterpret_cast<LPARAM>(&column));
        ++m_columnCount;
    }
}

void CHistView::RestoreColumnWidths() {
    CScanApp& app = *CScanApp::GetScanApp();
    for (int column = 0; column + 1 < m_columnCount; ++column) {
        const int width = app.GetProfileIntA(m_section, WidthEntry(column), kDefaultWidth);
        SendMessage(LVM_SETCOLUMNWIDTH, column, MAKELPARAM(static_cast<WORD>(width), 0));
    }
    SendMessage(LVM_SETCOLUMNWIDTH, m_columnCount - 1, MAKELPARAM(kFillerWidth, 0));
}

void CHistView::ChooseUnit(const CRig& rig) {
    if (m_unit != kUndecided) {
        return;
    }
    if (rig.m_radio->features() & Radio::kFeatureHf) {
        const int megahertz =
            CScanApp::GetScanApp()->GetProfileIntA("Settings", "HFFreqDisplayMHz", 1);
        m_unit = megahertz ? kMegahertz : kKilohertz;
    } else {
        m_unit = kMegahertz;
    }
}

void CHistView::AddEntry(const HistoryRecord* rec, const Object* channel, const Object* user,
                         CRig* rig) {
    // Without its radio the row could show neither frequency nor signal.
    if (!rec || !rig || !rig->m_radio) {
        return;
    }
    ChooseUnit(*rig);
    SendMessage(LVM_DELETEITEM, kLastRow);

    CString frequency =
        rig->m_radio->FormatFrequency(rec->get(HistoryRecord::kFrequency), InMegahertz()).c_str();
    frequency.TrimLeft();
    CString signal;
    signal.Format("%d", rig->RadioRequest(static_cast<int>(rec->get(HistoryRecord::kHitNumber2)),
                                          static_cast<int>(rec->get(HistoryRecord::kHitNumber1))));
    const CTime time(static_cast<std::time_t>(rec->get(HistoryRecord::kTime)));
    CString airTime;
    airTime.Format("%.1f", rec->get(HistoryRecord::kAirTime) * 0.001);
    const CString cells[] = {
        IdText(*rec),
        signal,
        RowName(channel, user),
        time.Format("%Y/%m/%d").c_str(),
        time.Format("%H:%M:%S").c_str(),
        airTime,
        FormatEvents(rec->get(HistoryRecord::kFlags)).c_str(),
    };

    LVITEM item;
    item.mask = LVIF_TEXT;
    item.iItem = 0;
    item.pszText = const_cast<LPSTR>(frequency.GetString());
    const auto row =
        static_cast<int>(SendMessage(LVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(&item)));
    if (row < 0) {
        return;
    }
    for (const CString& cell : cells) {
        ++item.iSubItem;
        item.pszText = const_cast<LPSTR>(cell.GetString());
        SendMessage(LVM_SETITEMTEXT, row, reinterpret_cast<LPARAM>(&item));
    }
}

void CHistView::ClearHistory() {
    SendMessage(LVM_DELETEALLITEMS);
}

void CHistView::OnDoubleClick(NMHDR* pNMHDR, LRESULT* pResult) {
    *pResult = 0;
    const int row = reinterpret_cast<const NMITEMACTIVATE*>(pNMHDR)->iItem;
    std::array<char, 64> text{};
    LVITEM item;
    item.pszText = text.data();
    item.cchTextMax = static_cast<int>(text.size());
    std::uint32_t hz = 0;
    CFrameWnd* frame = GetParentFrame();
    if (row >= 0 && SendMessage(LVM_GETITEMTEXT, row, reinterpret_cast<LPARAM>(&item)) > 0 &&
        convert_frequency(text.data(), &hz, InMegahertz() ? 'M' : 'K') == kFrequencyConverted &&
        hz != 0 && frame) {
        frame->SendMessage(WM_RADIO_TUNE, hz, 0);
        return;
    }
    MessageBeep(MB_ICONASTERISK);
}
