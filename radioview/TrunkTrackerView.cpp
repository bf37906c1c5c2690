// The trunk-tracker panel's structure: its controls, its first update, tooltips, the audio
// logger's live rule and the replay displays.
#include "radioview/TrunkTrackerView.h"

#include "app/radiowindow/RadioFrame.h"
#include "app/rig/Rig.h"
#include "platform/afx/Ddx.h"
#include "platform/records/EngineCommands.h"
#include "platform/tessary/app/ObjectHint.h"
#include "platform/tessary/app/RosterDoc.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/tessary/audio/AudioLog.h"
#include "platform/tessary/model/Group.h"
#include "platform/tessary/model/Radio.h"
#include "platform/tessary/model/Roster.h"
#include "platform/win/controls/ControlMessages.h"
#include "resources/ResourceIds.h"

#include <algorithm>
#include <ctime>

namespace {

using hb::records::EngineCommandRecord;

// The scanner keys and their 32 by 32 icons, in the panel's order.
struct KeyIcon {
    UINT id;
    UINT icon;
};
constexpr std::array<KeyIcon, CTrunkTrackerView::kPushButtonCount> kKeyIcons{{
    {IDC_KEY_SCAN, 27350},
    {IDC_KEY_SEARCH, 28053},
    {IDC_KEY_SERVICE, 28499},
    {IDC_KEY_HOLD, 27421},
    {IDC_KEY_RESUME, 27872},
    {IDC_KEY_TRUNK, 28501},
    {IDC_KEY_LIMIT, 27271},
    {IDC_KEY_LOCK_OUT, 28498},
    {IDC_KEY_WEATHER, 27450},
    {IDC_KEY_ATTENUATOR, 27531},
    {IDC_KEY_11, 28543},
    {IDC_KEY_12, 28544},
    {IDC_KEY_MANUAL, 28520},
    {IDC_KEY_DELAY, 28638},
    {IDC_KEY_RESET, 27029},
    {IDC_KEY_MINI_BAR, 27169},
    {IDC_KEY_SCAN_LIST, 27767},
    {IDC_KEY_RECORD, 27036},
}};

// In the order of CTrunkTrackerView::Lamp.
constexpr std::array<UINT, CTrunkTrackerView::kLampCount> kLampIds{
    IDC_KIND_PL,     IDC_KIND_DPL,        IDC_KIND_LTR,   IDC_KIND_M1,      IDC_KIND_M2,
    IDC_KIND_ED,     IDC_HOLD_STATE_LAMP, IDC_TRUNK_LAMP, IDC_ID_HOLD_LAMP, IDC_DIGITAL_LAMP,
    IDC_SEARCH_LAMP, IDC_PRIORITY_LAMP,   IDC_ICALL_LAMP, IDC_ACTIVE_LAMP,  IDC_EMERGENCY_LAMP,
};

// Scanner keys that send one fixed key code; the restart comes before or after the key.
enum class Restart : std::uint8_t { None, Before, After };
struct FixedKey {
    UINT id;
    std::uint8_t code;
    Restart restart;
};
constexpr FixedKey kFixedKeys[] = {
    {IDC_KEY_SCAN, 0, Restart::After},    {IDC_KEY_WEATHER, 1, Restart::Before},
    {IDC_KEY_SEARCH, 2, Restart::Before}, {IDC_KEY_RESUME, 4, Restart::After},
    {IDC_KEY_LIMIT, 5, Restart::None},    {IDC_KEY_TRUNK, 6, Restart::None},
    {IDC_KEY_MANUAL, 10, Restart::None},  {IDC_KEY_11, 11, Restart::None},
    {IDC_KEY_12, 12, Restart::None},      {IDC_KEY_DELAY, 23, Restart::None},
    {IDC_ENTER_MHZ, 15, Restart::None},   {IDC_DIGIT_POINT, 16, Restart::None},
};

constexpr COLORREF kLampOff = 0xC0C0C0;
constexpr int kFirstStyle = 7;
constexpr int kLaterStyle = 4;
constexpr int kTallButton = 17;
constexpr std::size_t kToolTipLimit = 80;
constexpr int kMeterRecord = 6;
constexpr BYTE kLoggerLive = 1;
constexpr BYTE kLoggerReplay = 2;

CScanApp& App() {
    return *CScanApp::GetScanApp();
}

} // namespace

IMPLEMENT_DYNCREATE(CTrunkTrackerView, CRadioView)

BEGIN_MESSAGE_MAP(CTrunkTrackerView, CRadioView)
ON_NOTIFY_EX(TTN_NEEDTEXT, 0, &CTrunkTrackerView::OnTrunkToolTip)
ON_COMMAND_RANGE(IDC_BANK_1, IDC_BANK_20, &CTrunkTrackerView::OnBankButton)
ON_COMMAND_RANGE(IDC_KEY_SCAN, IDC_KEY_SCAN, &CTrunkTrackerView::PressKey)
ON_COMMAND_RANGE(IDC_KEY_WEATHER, IDC_KEY_WEATHER, &CTrunkTrackerView::PressKey)
ON_COMMAND_RANGE(IDC_KEY_SEARCH, IDC_KEY_SEARCH, &CTrunkTrackerView::PressKey)
ON_COMMAND_RANGE(IDC_KEY_RESUME, IDC_KEY_RESUME, &CTrunkTrackerView::PressKey)
ON_COMMAND_RANGE(IDC_KEY_LIMIT, IDC_KEY_LIMIT, &CTrunkTrackerView::PressKey)
ON_COMMAND_RANGE(IDC_KEY_TRUNK, IDC_KEY_TRUNK, &CTrunkTrackerView::PressKey)
ON_COMMAND_RANGE(IDC_KEY_MANUAL, IDC_KEY_MANUAL, &CTrunkTrackerView::PressKey)
ON_COMMAND_RANGE(IDC_KEY_11, IDC_KEY_11, &CTrunkTrackerView::PressKey)
ON_COMMAND_RANGE(IDC_KEY_12, IDC_KEY_12, &CTrunkTrackerView::PressKey)
ON_COMMAND_RANGE(IDC_KEY_DELAY, IDC_KEY_DELAY, &CTrunkTrackerView::PressKey)
ON_COMMAND_RANGE(IDC_ENTER_MHZ, IDC_ENTER_MHZ, &CTrunkTrackerView::PressKey)
ON_COMMAND_RANGE(IDC_DIGIT_POINT, IDC_DIGIT_POINT, &CTrunkTrackerView::PressKey)
ON_COMMAND_RANGE(IDC_DIGIT_0, IDC_DIGIT_0 + 9, &CTrunkTrackerView::OnDigitKey)
ON_COMMAND(IDC_KEY_SERVICE, &CTrunkTrackerView::OnServiceKey)
ON_COMMAND(IDC_KEY_HOLD, &CTrunkTrackerView::OnHoldKey)
ON_COMMAND(IDC_KEY_ATTENUATOR, &CTrunkTrackerView::OnAttKey)
ON_COMMAND(IDC_KEY_LOCK_OUT, &CTrunkTrackerView::OnLockOutKey)
ON_COMMAND(IDC_KEY_RESET, &CTrunkTrackerView::OnResetKey)
ON_COMMAND(IDC_KEY_MINI_BAR, &CTrunkTrackerView::OnMiniBarKey)
ON_COMMAND(IDC_KEY_SCAN_LIST, &CTrunkTrackerView::OnScanListKey)
ON_COMMAND(IDC_KEY_RECORD, &CTrunkTrackerView::OnRecordKey)
ON_BN_CLICKED(IDC_SHOW_IN_SCAN_LIST, &CTrunkTrackerView::OnGoToKey)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CTrunkTrackerView, CRadioView)
ON_EVENT(CTrunkTrackerView, IDC_ID_MATRIX, 1, &CTrunkTrackerView::OnIdMatrixClick)
ON_EVENT(CTrunkTrackerView, IDC_BANK_MODE_COLUMN, 1, &CTrunkTrackerView::OnBankModeClick)
ON_EVENT(CTrunkTrackerView, IDC_TONE_CONTROL, 4, &CTrunkTrackerView::OnToneControl)
ON_EVENT(CTrunkTrackerView, IDC_PRIORITY_MODE, 4, &CTrunkTrackerView::OnPriorityMode)
ON_EVENT(CTrunkTrackerView, IDC_DATA_SKIP, 4, &CTrunkTrackerView::OnDataSkip)
END_EVENTSINK_MAP()

CTrunkTrackerView::CTrunkTrackerView() : CTrunkTrackerView(IDD_TRUNKTRACKER_VIEW) {}

CTrunkTrackerView::CTrunkTrackerView(UINT nIDTemplate) : CRadioView(nIDTemplate) {}

void CTrunkTrackerView::DoDataExchange(CDataExchange* pDX) {
    CRadioView::DoDataExchange(pDX);
    const struct {
        UINT id;
        CWnd& control;
    } optional[] = {
        {IDC_SIGNAL_BAR, m_signalBar},     {IDC_TEXT_LINE_1, m_textLine1},
        {IDC_TEXT_LINE_2, m_textLine2},    {IDC_TEXT_LINE_3, m_textLine3},
        {IDC_STATUS_LINE, m_statusLine},   {IDC_CHANNEL_TAG, m_channelTag},
        {IDC_ID_MATRIX, m_idMatrix},       {IDC_BANK_MODE_COLUMN, m_modeColumn},
        {IDC_TONE_CONTROL, m_toneControl}, {IDC_PRIORITY_MODE, m_priorityMode},
        {IDC_DATA_SKIP, m_dataSkip},       {IDC_ID_DISPLAY, m_idDisplay},
        {IDC_BANK_STRIP, m_bankStrip},     {IDC_BANK_STRIP_2, m_bankStrip2},
    };
    for (const auto& [id, control] : optional) {
        DDX_ControlIfPresent(pDX, static_cast<int>(id), control);
    }
    for (std::size_t i = 0; i < kKeyIcons.size(); ++i) {
        DDX_ControlIfPresent(pDX, static_cast<int>(kKeyIcons[i].id), m_keys[i]);
    }
    for (std::size_t i = 0; i < kLampIds.size(); ++i) {
        DDX_ControlIfPresent(pDX, static_cast<int>(kLampIds[i]), m_lamps[i]);
    }
    for (int n = 0; n < kBankCount; ++n) {
        DDX_ControlIfPresent(pDX, static_cast<int>(IDC_BANK_1) + n, m_banks[n]);
    }
}

CXTPButton* CTrunkTrackerView::Key(UINT id) {
    for (std::size_t i = 0; i < kKeyIcons.size(); ++i) {
        if (kKeyIcons[i].id == id) {
            return m_keys[i].m_hWnd ? &m_keys[i] : nullptr;
        }
    }
    return nullptr;
}

Radio* CTrunkTrackerView::Model() const {
    return m_rig ? m_rig->m_radio : nullptr;
}

Group* CTrunkTrackerView::DocumentGroup() const {
    const auto* document = DYNAMIC_DOWNCAST(CRosterDoc, GetDocument());
    const Roster* roster = document ? document->GetRoster() : nullptr;
    if (!roster || roster->entries().empty()) {
        return nullptr;
    }
    return dynamic_cast<Group*>(roster->entries().front()->object());
}

void CTrunkTrackerView::OnInitialUpdate() {
    CRadioView::OnInitialUpdate();
    if (!m_rig) {
        return;
    }
    m_audioLog = m_rig->GetAudioLog();
    m_mhzDisplay = kOn;
    const hb::tessary::NamedColors& colors = App().Colors();
    for (CiLedRectangleX& lamp : m_lamps) {
        if (lamp.m_hWnd) {
            lamp.SetActiveColor(colors.lamp);
            lamp.SetInactiveColor(kLampOff);
        }
    }
    for (CiLedRectangleX* lamp : {&m_liveLed, &m_holdLed, &m_scanningLamp, &m_signalLamp}) {
        if (lamp->m_hWnd) {
            lamp->SetActiveColor(colors.lamp);
            lamp->SetInactiveColor(kLampOff);
        }
    }
    ColourDisplays(colors.displayNormal);
    StyleBankButtons();
    LoadIcons();
    LoadIdBanks();
    SendSwitches();
}

void CTrunkTrackerView::ColourDisplays(COLORREF first) {
    if (m_idDisplay.m_hWnd) {
        m_idDisplay.SetSegmentColor(first);
    }
    for (CiLabelX* label :
         {&m_textLine1, &m_textLine2, &m_textLine3, &m_statusLine, &m_channelTag}) {
        if (label->m_hWnd) {
            label->SetFontColor(first);
        }
    }
}

void CTrunkTrackerView::StyleBankButtons() {
    const bool sixth = m_banks[5].m_hWnd != nullptr;
    const bool eleventh = m_banks[10].m_hWnd != nullptr;
    DWORD flags = 0;
    if (m_banks[0].m_hWnd) {
        CRect client;
        m_banks[0].GetClientRect(&client);
        flags = client.Height() >= kTallButton ? 4 : 0;
    }
    for (int n = 0; n < kBankCount; ++n) {
        CXTButton& button = m_banks[n];
        if (!button.m_hWnd || (n >= 5 && n < 10 && !sixth) || (n >= 10 && !eleventh)) {
            continue;
        }
        button.SetXButtonStyle(n < 9 ? kFirstStyle : kLaterStyle);
        button.SetXButtonFlags(flags);
    }
}

void CTrunkTrackerView::LoadIcons() {
    for (std::size_t i = 0; i < kKeyIcons.size(); ++i) {
        if (m_keys[i].m_hWnd) {
            m_keys[i].SetIcon(CSize(32, 32), kKeyIcons[i].icon);
        }
    }
}

void CTrunkTrackerView::LoadIdBanks() {
    const Radio* radio = Model();
    if (!radio) {
        return;
    }
    const int banks = std::min<int>(radio->organisation().banks, kBankCount);
    for (int i = 0; i < banks; ++i) {
        CString entry;
        entry.Format("TrunkIDBank%d", i);
        const auto word = static_cast<std::uint16_t>(
            App().GetProfileIntA(m_rig->m_section, entry, 0) & kIdLoadMask);
        m_idBanks[i] = word;
        ShowModeRow(i, (word & kIdScanning) ? "SCAN" : "SRCH", kScanColor);
        if (m_modeColumn.m_hWnd && i < m_modeColumn.GetRowCount()) {
            m_modeColumn.SetIndicatorActive(i, 0, TRUE);
        }
        ShowIdRow(i, word);
    }
}

void CTrunkTrackerView::ShowModeRow(int bank, LPCSTR text, COLORREF color) {
    if (!m_modeColumn.m_hWnd || bank >= m_modeColumn.GetRowCount()) {
        return;
    }
    m_modeColumn.SetIndicatorCaption(bank, 0, text);
    m_modeColumn.SetIndicatorColor(bank, 0, color);
}

void CTrunkTrackerView::ShowIdRow(int bank, std::uint16_t word) {
    const Radio* radio = Model();
    if (!radio || !m_idMatrix.m_hWnd || bank >= m_idMatrix.GetRowCount()) {
        return;
    }
    const long columns =
        std::min<long>({radio->organisation().idsPerBank / 10, 10, m_idMatrix.GetColCount()});
    for (long j = 0; j < columns; ++j) {
        m_idMatrix.SetIndicatorActive(bank, j, (word >> j) & 1 ? TRUE : FALSE);
    }
}

void CTrunkTrackerView::SendSwitches() {
    SendSwitch(m_toneControl, "SquelchMode", hb::records::kEngineCmdToneSwitch,
               m_toneControl.m_hWnd != nullptr);
    SendSwitch(m_priorityMode, "PriorityMode", hb::records::kEngineCmdPrioritySwitch, true);
    SendSwitch(m_dataSkip, "DataSkip", hb::records::kEngineCmdDataSkipSwitch, true);
}

// The stored position goes to the switch and the radio, and is written back.
void CTrunkTrackerView::SendSwitch(CiSwitchSliderX& slider, LPCSTR entry, std::uint8_t code,
                                   bool present) {
    if (!present) {
        return;
    }
    const int position = App().GetProfileIntA(m_rig->m_section, entry, 0);
    if (slider.m_hWnd) {
        slider.SetPosition(position);
    }
    SwitchMoved(position, entry, code);
}

void CTrunkTrackerView::SwitchMoved(int position, LPCSTR entry, std::uint8_t code) {
    EngineCommandRecord record =
        EngineCommandRecord::Make(code, static_cast<std::uint8_t>(position));
    Send(record);
    App().WriteProfileInt(m_rig->m_section, entry, position);
}

void CTrunkTrackerView::OnToneControl() {
    SwitchMoved(static_cast<int>(m_toneControl.GetPosition()), "SquelchMode",
                hb::records::kEngineCmdToneSwitch);
}

void CTrunkTrackerView::OnPriorityMode() {
    SwitchMoved(static_cast<int>(m_priorityMode.GetPosition()), "PriorityMode",
                hb::records::kEngineCmdPrioritySwitch);
}

void CTrunkTrackerView::OnDataSkip() {
    SwitchMoved(static_cast<int>(m_dataSkip.GetPosition()), "DataSkip",
                hb::records::kEngineCmdDataSkipSwitch);
}

void CTrunkTrackerView::GoLive() {
    if (m_audioLog && m_audioLog->GetMode() == kLoggerReplay) {
        m_audioLog->SetMode(kLoggerLive);
    }
}

std::uint16_t CTrunkTrackerView::Send(EngineCommandRecord& record) {
    GoLive();
    return m_rig ? m_rig->EngineCommand(&record) : 0;
}

void CTrunkTrackerView::PressKey(UINT id) {
    for (const FixedKey& key : kFixedKeys) {
        if (key.id != id) {
            continue;
        }
        if (key.restart == Restart::Before) {
            StartAgainIfManual();
        }
        EngineCommandRecord record =
            EngineCommandRecord::Make(hb::records::kEngineCmdScannerKey, key.code);
        Send(record);
        if (key.restart == Restart::After) {
            StartAgainIfManual();
        }
    }
}

void CTrunkTrackerView::SelectVfo(BYTE n, BOOL on) {
    CRadioView::SelectVfo(n, on);
    GoLive();
}

CString CTrunkTrackerView::BankToolTip(int n) const {
    CString text;
    const Group* group = DocumentGroup();
    if (group && n >= 1 && static_cast<std::size_t>(n) <= group->banks().size()) {
        text.Format("Bank %u: %-70s", static_cast<unsigned>(n),
                    group->banks()[static_cast<std::size_t>(n - 1)]->name().c_str());
        text.TrimRight();
    } else {
        text.Format("Bank %u", static_cast<unsigned>(n));
    }
    if (static_cast<std::size_t>(text.GetLength()) > kToolTipLimit) {
        text = text.Left(static_cast<int>(kToolTipLimit));
    }
    return text;
}

BOOL CTrunkTrackerView::OnTrunkToolTip(UINT id, NMHDR* pNMHDR, LRESULT* pResult) {
    auto* info = reinterpret_cast<TOOLTIPTEXTA*>(pNMHDR);
    HWND control = hb::win::HwndFromParam(pNMHDR->idFrom);
    if (!(info->uFlags & TTF_IDISHWND)) {
        control = ::GetDlgItem(m_hWnd, static_cast<int>(pNMHDR->idFrom));
    }
    const int controlId = control ? ::GetDlgCtrlID(control) : 0;
    if (controlId < static_cast<int>(IDC_BANK_1) || controlId > static_cast<int>(IDC_BANK_20)) {
        return OnToolTipNotify(id, pNMHDR, pResult);
    }
    m_trunkTip = BankToolTip(controlId - static_cast<int>(IDC_BANK_1) + 1);
    info->lpszText = const_cast<LPSTR>(static_cast<LPCSTR>(m_trunkTip));
    *pResult = 0;
    return TRUE;
}

void CTrunkTrackerView::UpdateFrequencyDisplay(UINT hz) {
    if (m_hold || !m_rig) {
        return;
    }
    hb::records::DeviceStatus device;
    if (m_rig->DeviceStatus(device.data()) != 0) {
        return;
    }
    const bool searching = device.get(hb::records::DeviceStatus::kCurrentChannel) ==
                           hb::records::DeviceStatus::kNoChannel;
    CRadioView::UpdateFrequencyDisplay(m_scanningFlag && !searching ? 0 : hz);
}

void CTrunkTrackerView::ShowMeterValue(CAudioLog* log, int kind, int value) {
    CRadioView::ShowMeterValue(log, kind, value);
    if (kind == kMeterRecord) {
        if (CXTPButton* record = Key(IDC_KEY_RECORD)) {
            record->SetChecked(value != 0);
        }
    }
}

void CTrunkTrackerView::ClearTexts() {
    if (m_idDisplay.m_hWnd) {
        m_idDisplay.SetPrecision(0);
        m_idDisplay.SetValue(0);
    }
    for (CiLabelX* label :
         {&m_textLine1, &m_textLine2, &m_textLine3, &m_statusLine, &m_channelTag}) {
        if (label->m_hWnd) {
            label->SetCaption("");
        }
    }
}

void CTrunkTrackerView::ShowAudioState(CAudioLog* log) {
    if (log && m_hold != m_holdShown) {
        ClearTexts();
        const hb::tessary::NamedColors& colors = App().Colors();
        ColourDisplays(m_hold ? colors.displayReplay : colors.displayNormal);
    }
    CRadioView::ShowAudioState(log);
}

void CTrunkTrackerView::ShowRecordTime(const dal* rec, std::uint32_t time, BYTE flag) {
    CRadioView::ShowRecordTime(rec, time, flag);
    if (!rec || !m_statusLine.m_hWnd || flag != 0 || !m_hold) {
        return;
    }
    CString text;
    if (time != 0) {
        const std::time_t t = time;
        std::tm local{};
        localtime_r(&t, &local);
        char buffer[32] = {};
        std::strftime(buffer, sizeof buffer, "%m/%d/%y %H:%M:%S", &local);
        text = buffer;
    }
    m_statusLine.SetCaption(text);
}

void CTrunkTrackerView::ShowPlaybackChannel(CAudioLog* log, const dal* rec, BYTE flag) {
    CRadioView::ShowPlaybackChannel(log, rec, flag);
    if (!rec || !m_signalBar.m_hWnd || !m_hold) {
        return;
    }
    m_signalBar.SetPosition(rec->get(dal::kLevel));
    if (m_channelTag.m_hWnd && log) {
        CString tag;
        tag.Format("#%u", static_cast<unsigned>(log->ShownRecord()));
        m_channelTag.SetCaption(tag);
    }
    CiLabelX* lines[] = {&m_textLine1, &m_textLine2, &m_textLine3};
    if (rec->get(dal::kFrequency) != 0) {
        const std::string names[] = {rec->text(dal::kName1), rec->text(dal::kName2),
                                     rec->text(dal::kName3)};
        for (int i = 0; i < 3; ++i) {
            if (lines[i]->m_hWnd) {
                lines[i]->SetCaption(names[i].c_str());
            }
        }
        FormatTrunkId(rec->get(dal::kUserId));
        return;
    }
    ClearTexts();
    if (m_sMeter.m_hWnd) {
        m_sMeter.SetPosition(0);
    }
}
