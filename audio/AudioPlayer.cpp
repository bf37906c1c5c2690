#include "audio/AudioPlayer.h"

#include "app/mainframe/MainFrame.h"
#include "app/radiowindow/WaitCursor.h"
#include "audio/AudioManifest.h"
#include "audio/AudioPlayerFrame.h"
#include "platform/afx/Ddx.h"
#include "platform/records/PrivateMessages.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/tessary/audio/AudioPlayerView.h"
#include "platform/tessary/audio/Mixer.h"
#include "platform/win/controls/DateTimePick.h"
#include "platform/win/core/Clock.h"

#include <array>

IMPLEMENT_DYNCREATE(CAudioPlayer, CAudioView)

BEGIN_MESSAGE_MAP(CAudioPlayer, CAudioView)
ON_WM_CREATE()
ON_MESSAGE(WM_PLAY_CATALOG_ENTRY, &CAudioPlayer::OnPlayCatalogEntry)
ON_MESSAGE(WM_CATALOG_EDIT_FILE, &CAudioPlayer::OnCatalogEditFile)
ON_BN_CLICKED(28532, &CAudioPlayer::OnGroupHeaders)
ON_CBN_SELCHANGE(28549, &CAudioPlayer::OnSpeakerChosen)
ON_CBN_SELCHANGE(28622, &CAudioPlayer::OnSortChosen)
ON_CBN_SELCHANGE(28623, &CAudioPlayer::OnScopeChosen)
ON_EN_KILLFOCUS(28094, &CAudioPlayer::OnSearchLeft)
ON_NOTIFY(DTN_CLOSEUP, 28624, &CAudioPlayer::OnCalendarClosed)
ON_NOTIFY(DTN_CLOSEUP, 28625, &CAudioPlayer::OnCalendarClosed)
END_MESSAGE_MAP()

namespace {

constexpr UINT kSortBox = 28622;
constexpr UINT kScopeBox = 28623;
constexpr UINT kSpeakerBox = 28549;
constexpr UINT kGroupHeaders = 28532;
constexpr UINT kSearchTerm = 28094;
constexpr UINT kFrom = 28624;
constexpr UINT kTo = 28625;
constexpr COLORREF kFromTitle = 0x00C000;
constexpr COLORREF kToTitle = 0x0000C0;
constexpr LPCSTR kCatalogSection = "AudioManifest";
constexpr int kLastSecondOfDay = 86399;
constexpr UINT kMuteIcon = 26015;
constexpr UINT kMutedIcon = 28504;
// The player's own pictures of Stop, Pause, Play, Rewind, Forward, Back and End, in the order of
// the view's transport buttons.
constexpr std::array<UINT, 7> kTransportIcons{28520, 27421, 27420, 28517, 28516, 28519, 28518};

constexpr const char* kScopes[] = {"One Day",  "Two Days",     "One Week",  "One Month",
                                   "One Year", "All Recorded", "Date Range"};
constexpr const char* kSorts[] = {"Date/Time", "Description", "Frequency", "ID Code"};

// Midnight of the time's local day.
std::int64_t StartOfDay(const CTime& time) {
    return time.GetTime() - time.GetHour() * 3600 - time.GetMinute() * 60 - time.GetSecond();
}

} // namespace

CAudioPlayer::CAudioPlayer() : CAudioView(kSection, "Audio Player", kForm) {
    // The player only plays. Its logger reads the mode setting again at every role change, and
    // the recorder's default of record mode would have it record into the file it plays.
    if (CScanApp* app = CScanApp::GetScanApp()) {
        app->WriteProfileInt(kSection, "Mode", kModePlay);
    }
}

int CAudioPlayer::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    CWnd* parent = CWnd::FromHandle(lpCreateStruct->hwndParent);
    m_owner = parent;
    CAudioLog::Create(parent, WS_CHILD | WS_VISIBLE);
    return CAudioView::OnCreate(lpCreateStruct);
}

void CAudioPlayer::DoDataExchange(CDataExchange* pDX) {
    CAudioView::DoDataExchange(pDX);
    DDX_ControlIfPresent(pDX, kSortBox, m_sortBox);
    DDX_ControlIfPresent(pDX, kScopeBox, m_scopeBox);
    DDX_ControlIfPresent(pDX, kSpeakerBox, m_speakerBox);
    if (GetDlgItem(kGroupHeaders)) {
        DDX_Check(pDX, kGroupHeaders, m_groupHeaders);
    }
    if (GetDlgItem(kFrom) && GetDlgItem(kTo)) {
        DDX_DateTimeCtrl(pDX, kFrom, m_windowBegin);
        DDX_DateTimeCtrl(pDX, kTo, m_windowEnd);
    }
}

void CAudioPlayer::OnInitialUpdate() {
    CScanApp* app = CScanApp::GetScanApp();
    SetMonitorLine(app ? app->GetProfileIntA("Settings", "AudioPlayerSpeaker", kDefaultSpeaker)
                       : kDefaultSpeaker);
    CAudioView::OnInitialUpdate();
    SetLargeIcons();
    SendDlgItemMessage(kFrom, DTM_SETMCCOLOR, MCSC_TITLEBK, kFromTitle);
    SendDlgItemMessage(kTo, DTM_SETMCCOLOR, MCSC_TITLEBK, kToTitle);
    FillLists();
    if (!GetParentFrame() || !app) {
        return;
    }
    const auto now = static_cast<int>(hb::win::WallTime());
    m_groupHeaders = app->GetProfileIntA(kCatalogSection, "Group", 1);
    const int scope = app->GetProfileIntA(kCatalogSection, "Scope", 2);
    const int sort = app->GetProfileIntA(kCatalogSection, "Sort", 2);
    m_windowBegin = CTime(app->GetProfileIntA(kCatalogSection, "TimeWindowBegin", now));
    m_windowEnd = CTime(app->GetProfileIntA(kCatalogSection, "TimeWindowEnd", now));
    SelectValue(m_scopeBox, static_cast<DWORD_PTR>(scope), false);
    SelectValue(m_sortBox, static_cast<DWORD_PTR>(sort), false);
    UpdateData(FALSE);
}

void CAudioPlayer::SetLargeIcons() {
    const CSize large(32, 32);
    if (m_muteButton.GetSafeHwnd()) {
        m_muteButton.SetIcon(large, kMuteIcon, kMutedIcon);
    }
    for (std::size_t i = 0; i < kTransportIcons.size(); ++i) {
        if (m_transport[i].GetSafeHwnd()) {
            m_transport[i].SetIcon(large, kTransportIcons[i]);
        }
    }
}

void CAudioPlayer::FillLists() {
    if (m_scopeBox.GetSafeHwnd()) {
        m_scopeBox.ResetContent();
        for (int value = 0; value < static_cast<int>(std::size(kScopes)); ++value) {
            m_scopeBox.SetItemData(m_scopeBox.AddString(kScopes[value]),
                                   static_cast<DWORD_PTR>(value));
        }
    }
    if (m_sortBox.GetSafeHwnd()) {
        m_sortBox.ResetContent();
        for (int value = 0; value < static_cast<int>(std::size(kSorts)); ++value) {
            m_sortBox.SetItemData(m_sortBox.AddString(kSorts[value]),
                                  static_cast<DWORD_PTR>(value));
        }
    }
    if (m_speakerBox.GetSafeHwnd()) {
        CMixer::EnumerateOutputs(&m_speakerBox, nullptr);
        SelectValue(m_speakerBox, static_cast<DWORD_PTR>(static_cast<std::int64_t>(m_monitorLine)),
                    true);
    }
}

void CAudioPlayer::SelectValue(CComboBox& box, DWORD_PTR value, bool lastWhenNone) {
    if (!box.GetSafeHwnd()) {
        return;
    }
    for (int index = 0; index < box.GetCount(); ++index) {
        if (box.GetItemData(index) == value) {
            box.SetCurSel(index);
            return;
        }
    }
    box.SetCurSel(lastWhenNone ? box.GetCount() - 1 : -1);
}

CAudioManifest* CAudioPlayer::Catalog() const {
    auto* frame = dynamic_cast<CAudioPlayerFrame*>(GetParentFrame());
    return frame ? frame->m_catalog : nullptr;
}

bool CAudioPlayer::IsOpenFile(const char* path) const {
    return path && m_file.IsOpen() && CString(m_file.m_name.c_str()).CompareNoCase(path) == 0;
}

void CAudioPlayer::ReleaseFile() {
    const int role = m_role;
    Reset();
    m_file.Close();
    m_file.m_name.clear();
    if (CScanApp* app = CScanApp::GetScanApp()) {
        app->WriteProfileStringA(m_section.c_str(), "RecordingFile", "");
    }
    SetRole(role);
    if (m_indexView) {
        m_indexView->Reload();
    }
}

bool CAudioPlayer::OpenFile(const CString& path) {
    const int role = m_role;
    Reset();
    if (CScanApp* app = CScanApp::GetScanApp()) {
        app->WriteProfileStringA(m_section.c_str(), "RecordingFile", path);
    }
    SetRole(role);
    if (m_indexView) {
        m_indexView->BindDocument(&m_file);
    }
    return m_file.IsOpen();
}

LRESULT CAudioPlayer::OnPlayCatalogEntry(WPARAM wParam, LPARAM lParam) {
    WaitCursor wait;
    CAudioManifest* catalog = Catalog();
    if (!catalog || catalog->m_playSegment != static_cast<std::uint32_t>(wParam) ||
        catalog->m_playOffset != static_cast<std::uint64_t>(lParam)) {
        return 0;
    }
    if (!IsOpenFile(catalog->m_playPath) && !OpenFile(catalog->m_playPath)) {
        return 0;
    }
    if (m_mode != kModePlay) {
        SetMode(kModePlay);
    }
    // Our file goes to a segment by its number, which the catalog names with its offset.
    OnGotoSegment(catalog->m_playSegment, 255);
    if (m_indexView && catalog->m_playSegment != 0) {
        m_indexView->GetGrid().GotoRow(static_cast<long>(catalog->m_playSegment) - 1);
    }
    return 0;
}

LRESULT CAudioPlayer::OnCatalogEditFile(WPARAM, LPARAM) {
    CAudioManifest* catalog = Catalog();
    if (catalog && IsOpenFile(catalog->m_editPath)) {
        ReleaseFile();
    }
    return 0;
}

void CAudioPlayer::UpdateSegment(const char* file, const wlseg* segment, std::uint32_t n) {
    if (!segment && IsOpenFile(file)) {
        ReleaseFile();
    }
    auto* main = dynamic_cast<CMainFrame*>(AfxGetMainWnd());
    auto* frame = main ? dynamic_cast<CAudioPlayerFrame*>(main->m_pAudioPlayer) : nullptr;
    if (frame && frame->m_catalog && file) {
        frame->m_catalog->NotifySegment(file, segment, static_cast<LPARAM>(n));
    }
}

void CAudioPlayer::OnGroupHeaders() {
    UpdateData(TRUE);
    if (CAudioManifest* catalog = Catalog()) {
        catalog->SetGroup(m_groupHeaders);
    }
}

void CAudioPlayer::OnSpeakerChosen() {
    const int chosen = m_speakerBox.GetCurSel();
    if (chosen < 0) {
        return;
    }
    const auto line = static_cast<std::int32_t>(m_speakerBox.GetItemData(chosen));
    SetMonitorLine(line);
    SetRole(1);
    if (CScanApp* app = CScanApp::GetScanApp()) {
        app->WriteProfileInt("Settings", "AudioPlayerSpeaker", line);
    }
}

void CAudioPlayer::OnSortChosen() {
    WaitCursor wait;
    const int chosen = m_sortBox.GetCurSel();
    if (CAudioManifest* catalog = Catalog(); catalog && chosen >= 0) {
        catalog->SetSort(static_cast<BYTE>(m_sortBox.GetItemData(chosen)), FALSE);
    }
}

void CAudioPlayer::OnScopeChosen() {
    WaitCursor wait;
    CAudioManifest* catalog = Catalog();
    const int chosen = m_scopeBox.GetCurSel();
    if (!catalog || chosen < 0) {
        return;
    }
    const auto scope = static_cast<int>(m_scopeBox.GetItemData(chosen));
    if (scope != kDateRange) {
        catalog->SetScope(static_cast<BYTE>(scope), FALSE);
        return;
    }
    UpdateData(TRUE);
    // The range takes in the whole of its last day.
    const std::int64_t begin = StartOfDay(m_windowBegin);
    const std::int64_t end = StartOfDay(m_windowEnd) + kLastSecondOfDay;
    catalog->SetTimeWindow(static_cast<std::int32_t>(begin), static_cast<std::int32_t>(end), FALSE);
    if (CScanApp* app = CScanApp::GetScanApp()) {
        app->WriteProfileInt(kCatalogSection, "TimeWindowBegin", static_cast<int>(begin));
        app->WriteProfileInt(kCatalogSection, "TimeWindowEnd", static_cast<int>(end));
    }
}

void CAudioPlayer::OnCalendarClosed(NMHDR*, LRESULT* pResult) {
    *pResult = 0;
    m_scopeBox.SetCurSel(kDateRange);
    OnScopeChosen();
}

void CAudioPlayer::OnSearchLeft() {
    CString text;
    if (CWnd* field = GetDlgItem(kSearchTerm)) {
        field->GetWindowText(text);
    }
    if (CAudioManifest* catalog = Catalog()) {
        catalog->SetFilterText(text);
    }
}
