#include "audio/AudioManifest.h"

#include "audio/AudioManifestItem.h"
#include "audio/AudioView.h"
#include "audio/ManifestPaintManager.h"
#include "audio/MinutesSecondsItem.h"
#include "audio/ReportFrequencyItem.h"
#include "audio/ReportTextItem.h"
#include "platform/afx/res/AfxIds.h"
#include "platform/records/PrivateMessages.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/tessary/audio/AudioFile.h"
#include "platform/toolkit/CXTPColorManager.h"
#include "platform/win/core/Clock.h"
#include "platform/win/core/Hooks.h"
#include "platform/win/core/MessageBox.h"
#include "platform/win/sys/Files.h"
#include "platform/win/sys/Paths.h"
#include "resources/ResourceIds.h"

#include <array>
#include <cstdio>

IMPLEMENT_DYNCREATE(CAudioManifest, CXTPReportView)

namespace {

constexpr UINT kFilePrintDirect = 0xE108;

} // namespace

BEGIN_MESSAGE_MAP(CAudioManifest, CXTPReportView)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_TIMER()
ON_COMMAND(ID_FILE_PRINT, &CView::OnFilePrint)
ON_COMMAND(kFilePrintDirect, &CView::OnFilePrint)
ON_COMMAND(ID_FILE_PRINT_PREVIEW, &CView::OnFilePrintPreview)
ON_MESSAGE(CAudioManifest::kHandledNothing, &CAudioManifest::OnAnswerNothing)
ON_NOTIFY(XTP_NM_REPORT_ITEMCLICK, XTP_ID_REPORT_CONTROL, &CAudioManifest::OnReportItemClick)
ON_NOTIFY(XTP_NM_REPORT_VALUECHANGED, XTP_ID_REPORT_CONTROL, &CAudioManifest::OnReportValueChanged)
END_MESSAGE_MAP()

bool CAudioManifest::s_rebuilding = false;

namespace {

constexpr LPCSTR kSection = "AudioManifest";
constexpr int kMinWidth = 30;
constexpr int kPlayMinWidth = 45;

struct ColumnLook {
    LPCSTR caption;
    int width;
    int item;
    int alignment;
};

constexpr std::array<ColumnLook, 9> kColumns = {{
    {"Play", 38, CAudioManifestItem::kPlay, DT_RIGHT},
    {"Info", 208, CAudioManifestItem::kInfo, DT_LEFT},
    {"Date", 140, CAudioManifestItem::kDate, DT_CENTER},
    {"Freq", 104, CAudioManifestItem::kFreq, DT_RIGHT},
    {"ID Code", 82, CAudioManifestItem::kIdCode, DT_CENTER},
    {"Notes", 68, CAudioManifestItem::kNotes, DT_LEFT},
    {"Min", 52, CAudioManifestItem::kMin, DT_CENTER},
    {"Radio", 150, CAudioManifestItem::kRadio, DT_LEFT},
    {"File", 260, CAudioManifestItem::kFile, DT_LEFT},
}};

// How far back each scope reaches; scope 5 shows everything.
constexpr std::array<std::int64_t, 5> kScopeSpans = {86400, 172800, 604800, 2678400, 31536000};
constexpr BYTE kScopeEverything = 5;
constexpr BYTE kScopeWindow = 6;

// The file's path with the documents folder taken off, for files in its subfolders too.
CString ShownPath(const std::string& path) {
    CString shown = path.c_str();
    const CScanApp* app = CScanApp::GetScanApp();
    if (!app) {
        return shown;
    }
    app->RemoveDocPath(shown);
    const std::string native = hb::win::NativePath(shown.str());
    const std::string& folder = app->GetDocFolder().str();
    return native.starts_with(folder) ? CString(native.substr(folder.size()).c_str()) : shown;
}

CString ColumnWidthEntry(int index) {
    char entry[32];
    std::snprintf(entry, sizeof entry, "ColumnWidth%d", index);
    return entry;
}

} // namespace

CAudioManifest::CAudioManifest() = default;

CAudioManifest::~CAudioManifest() {
    CloseWatch();
}

int CAudioManifest::ProfileInt(LPCSTR entry, int defaultValue) const {
    CScanApp* app = CScanApp::GetScanApp();
    return app ? app->GetProfileIntA(kSection, entry, defaultValue) : defaultValue;
}

void CAudioManifest::WriteProfile(LPCSTR entry, int value) const {
    if (CScanApp* app = CScanApp::GetScanApp()) {
        app->WriteProfileInt(kSection, entry, value);
    }
}

int CAudioManifest::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CXTPReportView::OnCreate(lpCreateStruct) == -1) {
        return -1;
    }
    ReadSettings();
    m_images.Create(IDB_MANIFEST_ROWS, 16, 0, RGB(255, 255, 255));
    m_wndReport.SetImageList(&m_images);
    AddColumns();
    ChooseSortColumns(m_sort, false);
    m_wndReport.GetReportHeader()->ShowItemsInGroups(TRUE);
    m_wndReport.GetReportHeader()->SetAutoColumnSizing(FALSE);
    m_wndReport.SetGridStyle(TRUE, xtpReportGridDashes);
    m_wndReport.SetGridStyle(FALSE, xtpReportGridDashes);
    auto* paint = new CManifestPaintManager;
    m_wndReport.SetPaintManager(paint);
    if (const CScanApp* app = CScanApp::GetScanApp()) {
        LOGFONT font = app->GetLogFont();
        paint->SetTextFont(font);
    }
    paint->m_clrHeaderControl = CXTPColorManager::GetColor(COLOR_BTNFACE);
    paint->RefreshMetrics();
    return 0;
}

void CAudioManifest::ReadSettings() {
    const auto now = static_cast<std::int32_t>(hb::win::WallTime());
    m_scope = static_cast<BYTE>(ProfileInt("Scope", 2));
    m_sort = static_cast<BYTE>(ProfileInt("Sort", 2));
    m_windowStart = ProfileInt("WindowStart", now);
    m_windowEnd = ProfileInt("WindowEnd", now);
    m_dispositionFilter = static_cast<BYTE>(ProfileInt("DispositionFilter", 7));
    m_reverse = static_cast<BYTE>(ProfileInt("Reverse", 255));
    m_group = ProfileInt("Group", 1);
}

void CAudioManifest::AddColumns() {
    for (int index = 0; const ColumnLook& look : kColumns) {
        CXTPReportColumn* column =
            m_wndReport.AddColumn(new CXTPReportColumn(look.item, look.caption, look.width));
        column->SetMinWidth(kMinWidth);
        column->SetWidth(ProfileInt(ColumnWidthEntry(index++), look.width));
        column->SetAlignment(look.alignment);
    }
    m_wndReport.GetColumns()->Find(CAudioManifestItem::kPlay)->SetMinWidth(kPlayMinWidth);
}

void CAudioManifest::ChooseSortColumns(BYTE sort, bool withSecond) {
    using Item = CAudioManifestItem;
    int first = Item::kDate;
    int second = withSecond ? Item::kDate : -1;
    switch (sort) {
    case 0:
        second = withSecond ? Item::kFreq : -1;
        break;
    case 1:
        first = Item::kInfo;
        break;
    case 2:
        first = Item::kFreq;
        break;
    case 3:
        first = Item::kIdCode;
        break;
    case 4:
    case 5:
        first = Item::kFile;
        break;
    default:
        // SetSort leaves the sort empty for other values; creation sorts by date.
        if (withSecond) {
            first = -1;
            second = -1;
        }
        break;
    }
    CXTPReportColumns& columns = *m_wndReport.GetColumns();
    columns.GetSortOrder()->Clear();
    columns.GetGroupsOrder()->Clear();
    for (const int item : {first, second}) {
        if (CXTPReportColumn* column = item >= 0 ? columns.Find(item) : nullptr) {
            column->SetSortIncreasing(m_reverse == 0);
            columns.GetSortOrder()->Add(column);
        }
    }
    if (m_group != 0 && columns.GetSortOrder()->GetCount() > 0) {
        columns.GetGroupsOrder()->Add(columns.GetSortOrder()->GetAt(0));
    }
}

void CAudioManifest::OnInitialUpdate() {
    CXTPReportView::OnInitialUpdate();
    Rebuild();
    SetTimer(kTimerId, kTimerMs);
}

void CAudioManifest::OnDestroy() {
    ClearCache();
    CXTPReportColumns& columns = *m_wndReport.GetColumns();
    for (int index = 0; index < columns.GetCount(); ++index) {
        WriteProfile(ColumnWidthEntry(index), columns.GetAt(index)->GetWidth());
    }
    CXTPReportView::OnDestroy();
}

LRESULT CAudioManifest::OnAnswerNothing(WPARAM, LPARAM) {
    return 0;
}

void CAudioManifest::Populate() {
    ++m_populateCount;
    m_wndReport.Populate();
}

void CAudioManifest::ApplyFilter(BOOL force) {
    int changes = 0;
    for (int index = 0; index < static_cast<int>(m_files.size()); ++index) {
        CatalogFileEntry& file = m_files[static_cast<std::size_t>(index)];
        if (file.removed) {
            continue;
        }
        for (const auto& segment : file.segments) {
            CAudioManifestItem* row = RowOf(*segment);
            if (!row) {
                row = new CAudioManifestItem(*segment, ShownPath(file.path), index);
                segment->row = m_wndReport.AddRecord(row)->GetIndex();
                ++changes;
            }
            const std::int64_t time = segment->timeStamp;
            const bool visible = time != 0 && time >= m_windowStart && time <= m_windowEnd &&
                                 segment->frequency != 0 && !file.stale;
            if ((row->IsVisible() != FALSE) != visible) {
                row->SetVisible(visible);
                ++changes;
            }
        }
    }
    if (changes > 0 || force) {
        Populate();
    }
}

void CAudioManifest::SetSort(BYTE sort, BOOL) {
    ChooseSortColumns(sort, true);
    m_sort = sort;
    WriteProfile("Sort", sort);
    ApplyFilter(TRUE);
}

void CAudioManifest::SetTimeWindow(std::int32_t start, std::int32_t end, BOOL force) {
    if (start == m_windowStart && end == m_windowEnd && m_scope == kScopeWindow && !force) {
        return;
    }
    m_windowStart = start;
    m_windowEnd = end;
    SetScope(kScopeWindow, TRUE);
    WriteProfile("WindowStart", start);
    WriteProfile("WindowEnd", end);
}

void CAudioManifest::SetScope(BYTE scope, BOOL force) {
    if (scope == m_scope && !force) {
        return;
    }
    if (scope != kScopeWindow) {
        const std::int64_t now = hb::win::WallTime();
        m_windowEnd = static_cast<std::int32_t>(now);
        m_windowStart =
            scope < kScopeEverything ? static_cast<std::int32_t>(now - kScopeSpans[scope]) : 0;
    }
    m_scope = scope;
    WriteProfile("Scope", scope);
    ApplyFilter(TRUE);
}

void CAudioManifest::SetFilterText(LPCSTR text) {
    const CString wanted = text ? text : "";
    if (wanted.CompareNoCase(m_wndReport.GetFilterText()) != 0) {
        m_wndReport.SetFilterText(wanted);
        Populate();
    }
}

void CAudioManifest::SetDispositionFilter(BYTE value, BOOL force) {
    if (value == m_dispositionFilter && !force) {
        return;
    }
    m_dispositionFilter = value;
    WriteProfile("DispositionFilter", value);
    ApplyFilter(TRUE);
}

void CAudioManifest::SetGroup(int group) {
    m_group = group;
    m_wndReport.GetReportHeader()->ShowItemsInGroups(group != 0);
    WriteProfile("Group", group);
    SetSort(m_sort, TRUE);
}

BOOL CAudioManifest::IsBusy() {
    const CScanApp* app = CScanApp::GetScanApp();
    if ((app && app->IsBusyPeriod()) || s_rebuilding) {
        return TRUE;
    }
    auto* player = dynamic_cast<CAudioView*>(m_player);
    if (!player) {
        return TRUE;
    }
    const BYTE state = player->GetLogClient()->m_playState;
    return state == CAudioLog::kPlayStarting || state == CAudioLog::kPlayPlaying;
}

void CAudioManifest::RequestPlay(LPARAM, std::uint32_t segment, std::uint64_t offset) {
    if (!m_player || !m_player->GetSafeHwnd()) {
        return;
    }
    m_player->SendMessage(WM_PLAY_CATALOG_ENTRY, segment, static_cast<LPARAM>(offset));
}

void CAudioManifest::OnReportItemClick(NMHDR* pNotifyStruct, LRESULT* pResult) {
    *pResult = 0;
    const auto* note = reinterpret_cast<XTP_NM_REPORTRECORDITEM*>(pNotifyStruct);
    auto* row = note->pRow ? dynamic_cast<CAudioManifestItem*>(note->pRow->GetRecord()) : nullptr;
    if (!row || !note->pColumn || note->pColumn->GetItemIndex() != CAudioManifestItem::kPlay) {
        return;
    }
    const CatalogFileEntry& file = m_files[static_cast<std::size_t>(row->m_fileIndex)];
    m_playPath = file.path.c_str();
    m_playSegment = row->m_segmentNumber;
    m_playOffset = row->m_recordOffset;
    RequestPlay(0, m_playSegment, m_playOffset);
}

void CAudioManifest::OnReportValueChanged(NMHDR* pNotifyStruct, LRESULT* pResult) {
    *pResult = 0;
    const auto* note = reinterpret_cast<XTP_NM_REPORTRECORDITEM*>(pNotifyStruct);
    auto* row = note->pRow ? dynamic_cast<CAudioManifestItem*>(note->pRow->GetRecord()) : nullptr;
    if (!row) {
        return;
    }
    const CatalogFileEntry& file = m_files[static_cast<std::size_t>(row->m_fileIndex)];
    m_editPath = file.path.c_str();
    if (m_player && m_player->GetSafeHwnd()) {
        m_player->SendMessage(WM_CATALOG_EDIT_FILE, 0, 0);
    }
    CatalogSegmentEntry* segment = file.FindSegment(row->m_recordOffset);
    if (!WriteEdit(*row, file)) {
        RestoreEdit(*row, segment);
        ::MessageBeep(MB_ICONASTERISK);
        return;
    }
    if (segment) {
        segment->frequency = row->Freq()->GetValue();
        segment->names = row->Info()->GetValue().str().substr(0, hb::records::kDalNameWidth);
        row->Info()->SetValue(segment->names.c_str());
        m_wndReport.RedrawControl();
    }
}

bool CAudioManifest::WriteEdit(CAudioManifestItem& row, const CatalogFileEntry& file) {
    // Opening would make a missing file anew.
    if (file.removed || GetFileAttributes(file.path.c_str()) == INVALID_FILE_ATTRIBUTES) {
        return false;
    }
    CAudioFile audio;
    audio.Open(file.path);
    bool written = false;
    if (audio.m_handle != -1 && audio.GotoPlaySegment(row.m_segmentNumber) &&
        audio.CurrentHeader().get(wlseg::kOwnOffset) == row.m_recordOffset) {
        wlseg header = audio.CurrentHeader();
        dal record = header.get(wlseg::kDal);
        record.set(dal::kFrequency, row.Freq()->GetValue());
        // The subject may fill its field; the other names are cleared to zeros.
        hb::records::WriteFixedText(record.view(dal::kName1), 0, hb::records::kDalNameWidth,
                                    row.Info()->GetValue().str(), '\0');
        record.setText(dal::kName2, "");
        record.setText(dal::kName3, "");
        header.set(wlseg::kDal, record);
        written = audio.SegmentHeaderWrite(header, CAudioFile::kWriteInPlace) != FALSE;
    }
    audio.Close();
    return written;
}

void CAudioManifest::RestoreEdit(CAudioManifestItem& row, const CatalogSegmentEntry* segment) {
    if (segment) {
        row.Freq()->SetValue(segment->frequency);
        row.Info()->SetValue(segment->names.c_str());
    }
    m_wndReport.RedrawControl();
}
