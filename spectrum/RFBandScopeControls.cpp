// The band scope's face: its controls bound and built from the radio, refreshed from the sweep
// settings, its commands and control events, and the settings it keeps.
#include "app/rig/Rig.h"
#include "platform/afx/CFrameWnd.h"
#include "platform/afx/Ddx.h"
#include "platform/afx/EventSinkMap.h"
#include "platform/records/PrivateMessages.h"
#include "platform/tessary/app/BandSelect.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/tessary/app/SweepDoc.h"
#include "platform/tessary/model/Format.h"
#include "platform/tessary/model/Radio.h"
#include "platform/tessary/model/Rounding.h"
#include "platform/tessary/model/SweepSettings.h"
#include "platform/win/core/NoCase.h"
#include "resources/BandScopeIds.h"
#include "spectrum/ModeTables.h"
#include "spectrum/RFAnalyzerFrame.h"
#include "spectrum/RFBandScopeView.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

BEGIN_MESSAGE_MAP(CRFBandScopeView, CSweepView)
ON_WM_TIMER()
ON_WM_DESTROY()
ON_WM_SIZE()
ON_MESSAGE(WM_ENGINE_STATUS, &CRFBandScopeView::OnScopeEngineStatus)
ON_MESSAGE(WM_SPAN_SWEEP, &CRFBandScopeView::OnSweepBytes)
ON_COMMAND(CSweepView::kCommandStart, &CRFBandScopeView::OnStart)
ON_COMMAND(ID_SCOPE_START, &CRFBandScopeView::OnStart)
ON_COMMAND(ID_SCOPE_START_KEY, &CRFBandScopeView::OnStart)
ON_COMMAND(CSweepView::kCommandPause, &CRFBandScopeView::OnPause)
ON_COMMAND(ID_SCOPE_PAUSE, &CRFBandScopeView::OnPause)
ON_COMMAND(ID_SCOPE_PAUSE_KEY, &CRFBandScopeView::OnPause)
ON_COMMAND(ID_SCOPE_RESTART, &CRFBandScopeView::OnRestart)
ON_COMMAND(ID_SCOPE_RESTART_KEY, &CRFBandScopeView::OnRestart)
ON_COMMAND(ID_SCOPE_SELECT_BAND, &CRFBandScopeView::OnSelectBand)
ON_COMMAND(ID_SCOPE_AXES, &CRFBandScopeView::ResetAxes)
ON_COMMAND(ID_SCOPE_RESET_MAXIMUM, &CRFBandScopeView::OnResetMaximum)
ON_COMMAND(ID_SCOPE_RESET_MINIMUM, &CRFBandScopeView::OnResetMinimum)
ON_COMMAND(ID_SCOPE_MARK_STEP, &CRFBandScopeView::OnMarkStep)
ON_COMMAND(ID_SCOPE_CLEAR_MARKS, &CRFBandScopeView::OnClearMarks)
ON_COMMAND(ID_SCOPE_ACTIVITY_LOG, &CRFBandScopeView::OnShowActivityLog)
ON_COMMAND(ID_SCOPE_IGNORED, &CRFBandScopeView::OnIgnored)
ON_UPDATE_COMMAND_UI(ID_SCOPE_IGNORED, &CRFBandScopeView::OnUpdateIgnored)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CRFBandScopeView, CSweepView)
ON_EVENT(CRFBandScopeView, IDC_SCOPE_DISPLAY_MODE, 4, &CRFBandScopeView::OnDisplayMode)
ON_EVENT(CRFBandScopeView, IDC_SCOPE_PLOT, 4, &CRFBandScopeView::OnPlotMouseMove)
ON_EVENT(CRFBandScopeView, IDC_SCOPE_PLOT, 53, &CRFBandScopeView::OnPlotClick)
ON_EVENT(CRFBandScopeView, IDC_SCOPE_PLOT, 33, &CRFBandScopeView::OnPlotAreaLimits)
ON_EVENT(CRFBandScopeView, IDC_SCOPE_START, 10, &CRFBandScopeView::OnStartChange)
ON_EVENT(CRFBandScopeView, IDC_SCOPE_END, 10, &CRFBandScopeView::OnEndChange)
ON_EVENT(CRFBandScopeView, IDC_SCOPE_STEP, 10, &CRFBandScopeView::OnStepChange)
ON_EVENT(CRFBandScopeView, IDC_SCOPE_BANDWIDTH, 2, &CRFBandScopeView::OnBandwidthChange)
ON_EVENT(CRFBandScopeView, IDC_SCOPE_LIST_A, 2, &CRFBandScopeView::OnListAChange)
ON_EVENT(CRFBandScopeView, IDC_SCOPE_LIST_C, 2, &CRFBandScopeView::OnListCChange)
ON_EVENT(CRFBandScopeView, IDC_SCOPE_LIST_B, 2, &CRFBandScopeView::OnListBChange)
ON_EVENT(CRFBandScopeView, IDC_SCOPE_MODE, 2, &CRFBandScopeView::OnModeChange)
ON_EVENT(CRFBandScopeView, IDC_SCOPE_SQUELCH, 18, &CRFBandScopeView::OnSquelchKnob)
ON_EVENT(CRFBandScopeView, IDC_SCOPE_SQUELCH, 8, &CRFBandScopeView::OnSquelchDefault)
ON_EVENT(CRFBandScopeView, IDC_SCOPE_SQUELCH, 11, &CRFBandScopeView::OnSquelchRelease)
ON_EVENT(CRFBandScopeView, IDC_SCOPE_VOLUME, 18, &CRFBandScopeView::OnVolumeKnob)
ON_EVENT(CRFBandScopeView, IDC_SCOPE_VOLUME, 8, &CRFBandScopeView::OnVolumeDefault)
ON_EVENT(CRFBandScopeView, IDC_SCOPE_VOLUME, 11, &CRFBandScopeView::OnVolumeRelease)
ON_EVENT(CRFBandScopeView, IDC_SCOPE_THIRD_KNOB, 18, &CRFBandScopeView::OnThirdKnob)
ON_EVENT(CRFBandScopeView, IDC_SCOPE_THIRD_KNOB, 8, &CRFBandScopeView::OnThirdDefault)
ON_EVENT(CRFBandScopeView, IDC_SCOPE_THIRD_KNOB, 11, &CRFBandScopeView::OnThirdRelease)
ON_EVENT(CRFBandScopeView, IDC_SCOPE_COLOR_SCHEME, 2, &CRFBandScopeView::ApplyColorScheme)
ON_EVENT(CRFBandScopeView, IDC_SCOPE_THRESHOLD_SLIDER, 18, &CRFBandScopeView::OnThresholdSlider)
ON_EVENT(CRFBandScopeView, IDC_SCOPE_ALERT_HOLD, 1, &CRFBandScopeView::OnAlertHoldSwitch)
ON_EVENT(CRFBandScopeView, IDC_SCOPE_ALERT_LOG, 1, &CRFBandScopeView::OnAlertLogSwitch)
ON_EVENT(CRFBandScopeView, IDC_SCOPE_RECORD, 1, &CRFBandScopeView::OnRecordSwitch)
ON_EVENT(CRFBandScopeView, IDC_SCOPE_ALERT_SOUND, 2, &CRFBandScopeView::OnAlertSoundChange)
ON_EVENT(CRFBandScopeView, IDC_SCOPE_TIME_OUT, 2, &CRFBandScopeView::OnTimeOutChange)
ON_EVENT(CRFBandScopeView, IDC_SCOPE_ALERT_DELAY, 2, &CRFBandScopeView::OnAlertDelayChange)
ON_EVENT(CRFBandScopeView, IDC_SCOPE_RANGE_BUTTONS, 1, &CRFBandScopeView::OnHalfSpanDown)
ON_EVENT(CRFBandScopeView, IDC_SCOPE_RANGE_BUTTONS, 2, &CRFBandScopeView::OnZoomIn)
ON_EVENT(CRFBandScopeView, IDC_SCOPE_RANGE_BUTTONS, 3, &CRFBandScopeView::OnHalfSpanUp)
ON_EVENT(CRFBandScopeView, IDC_SCOPE_RANGE_BUTTONS, 4, &CRFBandScopeView::OnZoomOut)
ON_EVENT(CRFBandScopeView, IDC_SCOPE_FAST_MODE, 1, &CRFBandScopeView::OnFastModeSwitch)
END_EVENTSINK_MAP()

namespace {

using hb::records::Parm;

constexpr CSize kIconSize{16, 16};
constexpr COLORREF kReady = 0x00FF00;
constexpr COLORREF kOff = 0x0000FF;
// The plot counts its lines and texts each on their own.
constexpr int kThresholdLine = 0;
constexpr int kPositionLine = 0;
constexpr int kBandwidthText = 0;
constexpr int kStepText = 1;

// The colours of one scheme: the channels in their order, then the rest.
struct Scheme {
    COLORREF background;
    COLORREF axes;
    COLORREF position;
    COLORREF texts;
    COLORREF channels[BandScopePlot::kChannels];
};
constexpr Scheme kDark{
    0x000000, 0xFFFF00, 0xFFFF00, 0x00FFFF, {0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF}};
// Dark ink on white: no trace disappears into the background.
constexpr Scheme kLight{
    0xFFFFFF, 0x800000, 0x800000, 0x800000, {0x800000, 0x0000C0, 0x008000, 0x808080, 0x808080}};
constexpr COLORREF kGrid = 0xC0C0B6;
constexpr const char* kChannelTitles[] = {"Signal", "Maximum", "Minimum", "Marked Maximum",
                                          "Marked Signal"};

// The items of the selectors the radio does not fill; time-outs in scan_timer_read milliseconds.
struct Item {
    const char* text;
    double value;
};
constexpr Item kSchemes[] = {{"Dark", 0}, {"Light", 1}};
constexpr Item kAlertSounds[] = {{"None", 0}, {"Chime", 1}, {"Beep", 2}, {"Siren", 3}};
constexpr Item kAlertDelays[] = {{"None", 0}, {"1 s", 1}, {"2 s", 2}, {"5 s", 5}};
constexpr Item kTimeOuts[] = {
    {"Never", 0}, {"5 s", 5'000}, {"10 s", 10'000}, {"30 s", 30'000}, {"1 min", 60'000}};

template <std::size_t N>
void AddItems(CiModeComboBoxX& selector, const Item (&items)[N]) {
    if (selector.GetSafeHwnd() == HWND{}) {
        return;
    }
    selector.RemoveAllItems();
    for (const Item& item : items) {
        selector.AddItem(item.text, item.value);
    }
}

CScanApp& App() {
    return *CScanApp::GetScanApp();
}

bool Exists(const CWnd& control) {
    return control.GetSafeHwnd() != HWND{};
}

int SelectedData(const CiModeComboBoxX& selector) {
    const int index = selector.GetItemIndex();
    return index < 0 ? -1 : static_cast<int>(selector.GetItemValue(index));
}

int RoundHalfUp(double value) {
    return static_cast<int>(std::floor(value + 0.5));
}

} // namespace

int CRFBandScopeView::ProfileInt(const char* key, int fallback) {
    return App().GetProfileIntA(m_section, key, fallback);
}

void CRFBandScopeView::WriteProfile(const char* key, int value) {
    App().WriteProfileInt(m_section, key, value);
}

void CRFBandScopeView::Modified() {
    GetSweepDoc()->SetModifiedFlag(TRUE);
}

void CRFBandScopeView::DoDataExchange(CDataExchange* pDX) {
    CSweepView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SCOPE_PLOT, m_plot);
    DDX_Control(pDX, IDC_SCOPE_VOLUME, m_volume);
    DDX_Control(pDX, IDC_SCOPE_SQUELCH, m_squelch);
    DDX_Control(pDX, IDC_SCOPE_THIRD_KNOB, m_third);
    DDX_Control(pDX, IDC_SCOPE_BANDWIDTH, m_bandwidth);
    DDX_Control(pDX, IDC_SCOPE_LIST_A, m_listA);
    DDX_Control(pDX, IDC_SCOPE_LIST_B, m_listB);
    DDX_Control(pDX, IDC_SCOPE_LIST_C, m_listC);
    DDX_Control(pDX, IDC_SCOPE_COLOR_SCHEME, m_colorScheme);
    DDX_ControlIfPresent(pDX, IDC_SCOPE_MODE, m_modeSelector);
    DDX_ControlIfPresent(pDX, IDC_SCOPE_ALERT_SOUND, m_alertSound);
    DDX_ControlIfPresent(pDX, IDC_SCOPE_ALERT_DELAY, m_alertDelay);
    DDX_ControlIfPresent(pDX, IDC_SCOPE_TIME_OUT, m_timeOut);
    DDX_Control(pDX, IDC_SCOPE_START, m_startEntry);
    DDX_Control(pDX, IDC_SCOPE_END, m_endEntry);
    DDX_Control(pDX, IDC_SCOPE_STEP, m_stepEntry);
    DDX_ControlIfPresent(pDX, IDC_SCOPE_ALERT_LAMP, m_alertLamp);
    DDX_Control(pDX, IDC_SCOPE_POINTER_FREQUENCY, m_pointerFrequency);
    DDX_Control(pDX, IDC_SCOPE_POINTER_LEVEL, m_pointerLevel);
    DDX_ControlIfPresent(pDX, IDC_SCOPE_THRESHOLD, m_threshold);
    DDX_ControlIfPresent(pDX, IDC_SCOPE_THRESHOLD_SLIDER, m_thresholdSlider);
    DDX_ControlIfPresent(pDX, IDC_SCOPE_FAST_MODE, m_fastMode);
    DDX_ControlIfPresent(pDX, IDC_SCOPE_DISPLAY_MODE, m_displayMode);
    DDX_ControlIfPresent(pDX, IDC_SCOPE_ALERT_LOG, m_alertLog);
    DDX_ControlIfPresent(pDX, IDC_SCOPE_RECORD, m_record);
    DDX_ControlIfPresent(pDX, IDC_SCOPE_ALERT_HOLD, m_alertHold);
    DDX_ControlIfPresent(pDX, ID_SCOPE_RESET_MINIMUM, m_resetMinimum);
    DDX_ControlIfPresent(pDX, ID_SCOPE_RESET_MAXIMUM, m_resetMaximum);
    DDX_ControlIfPresent(pDX, ID_SCOPE_ACTIVITY_LOG, m_activityLog);
    DDX_ControlIfPresent(pDX, ID_SCOPE_SEARCH, m_search);
    DDX_Control(pDX, ID_SCOPE_RESTART, m_restart);
    DDX_Control(pDX, ID_SCOPE_START, m_start);
    DDX_Control(pDX, ID_SCOPE_PAUSE, m_pause);
    DDX_Control(pDX, ID_SCOPE_SELECT_BAND, m_selectBand);
    DDX_Control(pDX, ID_SCOPE_AXES, m_axes);
}

void CRFBandScopeView::OnInitialUpdate() {
    CSweepView::OnInitialUpdate();
    CSweepDoc* doc = GetSweepDoc();
    if (m_rig == nullptr || doc == nullptr || m_rig->m_radio == nullptr) {
        return;
    }
    // The base is done; this view is ready once its own set-up is.
    m_ready = 0;
    m_frame = dynamic_cast<CRFAnalyzerFrame*>(GetParentFrame());
    if (m_frame != nullptr) {
        m_frame->ShowWindow(SW_SHOWNORMAL);
    }
    const Radio& radio = *m_rig->m_radio;
    const auto& values = radio.sweepValues();
    if (doc->GetPathName().IsEmpty()) {
        CString path = m_rig->m_section + ".swv";
        App().MakeDocPath(path);
        doc->SetPathName(path, FALSE);
    }
    m_section = m_rig->m_section + "_RFBandScope";
    m_traces = std::make_unique<BandScopeTraces>(
        Settings(), m_channels, [this](SpanPoint& point) { ProcessSweepPoint(point); });
    m_traces->SetLevelRange(values.minLevel, values.maxLevel);
    CString caption;
    caption.Format("RF Band Scope - %s", static_cast<const char*>(m_rig->m_section));
    doc->SetCaption(caption);
    for (int channel = 0; channel < BandScopePlot::kChannels; ++channel) {
        m_plot.Channel(channel).SetBaseValue(values.minLevel - 2);
    }
    auto annotations = m_plot.Annotations();
    annotations.AddHorizontalLine(0, 0x00FFFF);
    annotations.AddVerticalLine(0, kDark.position);
    annotations.AddText(2, 96, "", kDark.texts);
    annotations.AddText(98, 96, "", kDark.texts);
    m_axes.SetIcon(kIconSize, IDI_SCOPE_AXES);
    for (CXTPButton* button : {&m_start, &m_pause, &m_restart, &m_selectBand}) {
        button->SetIcon(kIconSize, static_cast<UINT>(button->GetDlgCtrlID()));
    }
    for (CXTPButton* button : {&m_search, &m_activityLog}) {
        if (Exists(*button)) {
            button->SetIcon(kIconSize, static_cast<UINT>(button->GetDlgCtrlID()));
        }
    }
    Parm& settings = Settings();
    settings.set(Parm::Sweep::kSwitchByte,
                 static_cast<std::uint8_t>(settings.get(Parm::Sweep::kSwitchByte) | 0x0F));
    AddItems(m_colorScheme, kSchemes);
    AddItems(m_alertSound, kAlertSounds);
    AddItems(m_alertDelay, kAlertDelays);
    AddItems(m_timeOut, kTimeOuts);
    FillSelectors();
    FillSelector(m_listA, IDC_SCOPE_LIST_A_CAPTION, values.listA);
    FillSelector(m_listC, IDC_SCOPE_LIST_C_CAPTION, values.listC);
    FillSelector(m_listB, IDC_SCOPE_LIST_B_CAPTION, values.listB);
    SetupKnobs({{m_squelch, IDC_SCOPE_SQUELCH_CAPTION},
                {m_volume, IDC_SCOPE_VOLUME_CAPTION},
                {m_third, IDC_SCOPE_THIRD_CAPTION}});
    LimitRangeEntries(m_startEntry, m_endEntry);
    // The step in kHz: from the radio's smallest step up to its highest frequency.
    m_stepEntry.SetLowerLimit(values.smallestStep * 0.001);
    m_stepEntry.SetUpperLimit(values.highest * 0.001);
    if (Exists(m_fastMode)) {
        const bool fast = ProfileInt("FastMode", 0) != 0;
        const std::uint16_t flags = settings.get(Parm::Sweep::kFlags);
        settings.set(Parm::Sweep::kFlags,
                     fast ? static_cast<std::uint16_t>(flags | Parm::Sweep::kFlagFastMode)
                          : static_cast<std::uint16_t>(flags & ~Parm::Sweep::kFlagFastMode));
        m_fastMode.SetPosition(fast ? 1 : 0);
    }
    if (Exists(m_timeOut)) {
        const int timeOut = ProfileInt("TimeOut", 0);
        for (int i = 0; i < m_timeOut.GetItemCount(); ++i) {
            if (static_cast<int>(m_timeOut.GetItemValue(i)) == timeOut) {
                m_timeOut.SetItemIndex(i);
            }
        }
    }
    m_colorScheme.SetItemIndex(ProfileInt("ColorScheme", 0) & 1);
    ApplyColorScheme();
    if ((settings.get(Parm::Sweep::kSwitchBits) & Parm::Sweep::kSwitchRecord) != 0 &&
        m_frame != nullptr && m_frame->m_rack == nullptr) {
        m_frame->CreateAudioRack();
    }
    SetupPlot();
    UpdateSweepLabels();
    ResetAxes();
    m_ready = kOn;
    OnStart();
    // The view was sized before its frame was known.
    StretchPlot();
    // The log, aging, the position line and the logger's feed all run on this timer.
    SetTimer(kTimerId, kTimerPeriod);
}

void CRFBandScopeView::FillSelectors() {
    FillBandwidths();
    if (Exists(m_modeSelector)) {
        FillSelector(m_modeSelector, IDC_SCOPE_MODE_CAPTION, m_rig->m_radio->sweepValues().modes);
    }
}

void CRFBandScopeView::FillBandwidths() {
    m_bandwidth.RemoveAllItems();
    const auto& table = m_rig->m_radio->sweepValues().bandwidths;
    for (std::size_t i = 0; i < table.size(); ++i) {
        m_bandwidth.AddItem(format_bandwidth(table[i].bandwidth).c_str(), static_cast<double>(i));
    }
}

void CRFBandScopeView::SelectModeOf(std::uint8_t code) {
    const std::string_view name = hb::spectrum::CombinedModeName(code);
    if (!Exists(m_modeSelector) || name.empty()) {
        return;
    }
    for (int i = 0; i < m_modeSelector.GetItemCount(); ++i) {
        if (hb::win::EqualNoCase(static_cast<const char*>(m_modeSelector.GetItemText(i)), name)) {
            m_modeSelector.SetItemIndex(i);
            return;
        }
    }
}

void CRFBandScopeView::UpdateSweepLabels() {
    const Parm& settings = Settings();
    const auto& values = m_rig->m_radio->sweepValues();
    m_startEntry.SetValue(settings.get(Parm::kStart) * 1e-6);
    m_endEntry.SetValue(settings.get(Parm::kEnd) * 1e-6);
    m_stepEntry.SetValue(settings.get(Parm::kStep) * 0.001);
    // A knob of scale 0 keeps its place rather than go to infinity.
    if (Exists(m_volume) && values.volume.scale != 0) {
        m_volume.SetPosition((settings.get(Parm::kVolume) - values.volume.offset) /
                             values.volume.scale);
    }
    if (Exists(m_third) && values.third.scale != 0) {
        m_third.SetPosition((settings.get(Parm::kGain) - values.third.offset) / values.third.scale);
    }
    if (Exists(m_squelch)) {
        m_squelch.SetPosition(m_rig->m_radio->SquelchFromDevice(settings.get(Parm::kSquelch)));
    }
    m_listB.SetItemIndex(settings.get(Parm::kSwitch92));
    m_listA.SetItemIndex(settings.get(Parm::kSwitch96));
    m_listC.SetItemIndex(settings.get(Parm::kVoiceInversionOn));
    if (Exists(m_threshold) && Exists(m_thresholdSlider)) {
        m_threshold.SetValue(m_thresholdSlider.GetPosition());
    }
    const std::uint16_t switches = settings.get(Parm::Sweep::kSwitchBits);
    const std::pair<CiSwitchSliderX*, std::uint16_t> shown[] = {
        {&m_alertHold, Parm::Sweep::kSwitchAlertHold},
        {&m_record, Parm::Sweep::kSwitchRecord},
        {&m_alertLog, Parm::Sweep::kSwitchAlertLog},
    };
    for (const auto& [control, bit] : shown) {
        if (Exists(*control)) {
            control->SetPosition((switches & bit) != 0 ? 1 : 0);
        }
    }
    if (Exists(m_alertSound)) {
        m_alertSound.SetItemIndex(
            static_cast<std::int8_t>(GetSweepDoc()->GetObject().alertSound()));
    }
    SelectModeOf(settings.get(Parm::kMode));
    const auto& table = values.bandwidths;
    const auto found = std::find_if(table.begin(), table.end(), [&](const auto& entry) {
        return entry.bandwidth == settings.get(Parm::kBandwidth);
    });
    if (found != table.end()) {
        const auto index = static_cast<int>(found - table.begin());
        m_bandwidth.SetItemIndex(index);
        m_plot.Annotations().SetText(kBandwidthText,
                                     "RES BW " + std::string(m_bandwidth.GetItemText(index)));
    }
    char step[40];
    std::snprintf(step, sizeof step, "STEP %.f kHz", settings.get(Parm::kStep) * 0.001);
    m_plot.Annotations().SetText(kStepText, step);
    m_frequencyDisplay.SetFocus();
}

void CRFBandScopeView::ApplyColorScheme() {
    const int index = m_colorScheme.GetItemIndex();
    WriteProfile("ColorScheme", index);
    const CString title = "RF Band Scope - " + m_rig->m_section;
    const Scheme* scheme = index == 0 ? &kDark : index == 1 ? &kLight : nullptr;
    if (scheme != nullptr) {
        m_plot.SetBackColor(scheme->background);
        m_plot.DataView().SetColors(scheme->background, kGrid);
        m_plot.SetFrameColor(scheme->axes);
        m_plot.XAxis().SetColors(scheme->axes, scheme->axes);
        m_plot.YAxis().SetColors(scheme->axes, scheme->axes);
        m_plot.SetLegendColor(scheme->axes);
        auto annotations = m_plot.Annotations();
        annotations.SetVerticalLineColor(kPositionLine, scheme->position);
        annotations.SetTextColor(kBandwidthText, scheme->texts);
        annotations.SetTextColor(kStepText, scheme->texts);
        for (int channel = 0; channel < BandScopePlot::kChannels; ++channel) {
            m_plot.Channel(channel).SetColor(scheme->channels[channel]);
        }
    }
    for (int channel = 0; channel < BandScopePlot::kChannels; ++channel) {
        m_plot.Channel(channel).SetTitle(kChannelTitles[channel]);
        m_plot.Channel(channel).SetLineWidth(1);
    }
    m_plot.SetTitle(static_cast<const char*>(title), scheme != nullptr ? scheme->axes : kDark.axes);
}

void CRFBandScopeView::ResetAxes() {
    SetupFrequencyAxis();
    SetupLevelAxis();
}

void CRFBandScopeView::RestartSequence() {
    OnPause();
    ResetAxes();
    SetupPlot();
    UpdateSweepLabels();
    OnStart();
}

void CRFBandScopeView::OnRestart() {
    OnPause();
    SetupPlot();
    UpdateSweepLabels();
    OnStart();
}

void CRFBandScopeView::OnSelectBand() {
    Parm copy = Settings();
    if (CBandSelect::SelectBand(&copy) != 1) {
        return;
    }
    Settings() = copy;
    Modified();
    RestartSequence();
}

void CRFBandScopeView::OnShowActivityLog() {
    m_log.DoModal();
}

void CRFBandScopeView::OnIgnored() {}

void CRFBandScopeView::OnUpdateIgnored(CCmdUI*) {}

void CRFBandScopeView::SettingChanged() {
    if (IsPaused()) {
        WriteVfo(Settings());
    } else {
        RestartSequence();
    }
    Modified();
}

void CRFBandScopeView::OnListAChange() {
    Settings().set(Parm::kSwitch96, static_cast<std::uint8_t>(SelectedData(m_listA)));
    SettingChanged();
}

void CRFBandScopeView::OnListBChange() {
    Settings().set(Parm::kSwitch92, static_cast<std::uint8_t>(SelectedData(m_listB)));
    SettingChanged();
}

void CRFBandScopeView::OnListCChange() {
    Settings().set(Parm::kVoiceInversionOn, static_cast<std::uint8_t>(SelectedData(m_listC)));
    SettingChanged();
}

void CRFBandScopeView::OnBandwidthChange() {
    const auto& table = m_rig->m_radio->sweepValues().bandwidths;
    const int index = SelectedData(m_bandwidth);
    if (index < 0 || static_cast<std::size_t>(index) >= table.size()) {
        return;
    }
    const auto& entry = table[static_cast<std::size_t>(index)];
    Parm& settings = Settings();
    settings.set(Parm::kFilter, entry.filter);
    settings.set(Parm::kBandwidth, entry.bandwidth);
    if (IsPaused()) {
        WriteVfo(settings);
    } else {
        settings.set(Parm::kMode, entry.mode);
        RestartSequence();
    }
    Modified();
}

void CRFBandScopeView::OnModeChange() {
    const int index = m_modeSelector.GetItemIndex();
    if (index >= 0) {
        const CString text = m_modeSelector.GetItemText(index);
        for (std::uint8_t code = 0; code < hb::spectrum::kModeTableSize; ++code) {
            if (hb::win::EqualNoCase(static_cast<const char*>(text),
                                     hb::spectrum::ModeName(hb::spectrum::kFirstModeNames, code))) {
                Settings().set(Parm::kMode, code);
                break;
            }
        }
    }
    Modified();
    if (IsPaused()) {
        WriteVfo(Settings());
    } else {
        RestartSequence();
    }
}

void CRFBandScopeView::ApplySquelch(bool send) {
    const double position = m_squelch.GetPosition();
    const std::uint8_t value = m_rig->m_radio->SquelchToDevice(RoundHalfUp(position));
    if (send) {
        const std::uint32_t squelch = value;
        m_rig->SetSquelch(&squelch);
    }
    Settings().set(Parm::kSquelch, value);
    if (IsPaused()) {
        WriteVfo(Settings());
    }
}

void CRFBandScopeView::OnSquelchKnob() {
    ApplySquelch(true);
}

void CRFBandScopeView::OnSquelchRelease() {
    if (!Exists(m_squelch)) {
        WriteVfo(Settings());
        return;
    }
    ApplySquelch(false);
    Modified();
}

void CRFBandScopeView::OnSquelchDefault() {
    m_squelch.SetPosition(m_rig->m_radio->sweepValues().squelch.def);
    OnSquelchRelease();
}

void CRFBandScopeView::ApplyVolume() {
    Settings().set(Parm::kVolume,
                   static_cast<std::uint8_t>(static_cast<int>(m_volume.GetPosition())));
    if (IsPaused()) {
        WriteVfo(Settings());
    }
}

void CRFBandScopeView::OnVolumeKnob() {
    ApplyVolume();
}

void CRFBandScopeView::OnVolumeRelease() {
    ApplyVolume();
    Modified();
}

void CRFBandScopeView::OnVolumeDefault() {
    m_volume.SetPosition(m_rig->m_radio->sweepValues().volume.def);
    OnVolumeRelease();
}

void CRFBandScopeView::ApplyThird() {
    const auto& third = m_rig->m_radio->sweepValues().third;
    const double position = m_third.GetPosition();
    const double value =
        (third.min + RoundHalfUp(position - third.min)) * third.scale + third.offset;
    Settings().set(Parm::kGain,
                   static_cast<std::uint8_t>(std::clamp(std::trunc(value), 0.0, 255.0)));
}

void CRFBandScopeView::OnThirdKnob() {
    ApplyThird();
}

void CRFBandScopeView::OnThirdRelease() {
    SettingChanged();
}

void CRFBandScopeView::OnThirdDefault() {
    m_third.SetPosition(m_rig->m_radio->sweepValues().third.def);
    ApplyThird();
    OnThirdRelease();
}

void CRFBandScopeView::OnThresholdSlider() {
    const double value = m_thresholdSlider.GetPosition();
    if (Exists(m_threshold)) {
        m_threshold.SetValue(value);
    }
    const int floor = m_traces->Floor();
    const int span = m_traces->Ceiling() - floor;
    // Floor and ceiling alike leave no room to place the line in.
    if (span != 0) {
        m_plot.Annotations().SetHorizontalLine(kThresholdLine, (value - floor) / span * 100, true);
    }
    WriteProfile("GlobalThreshold", static_cast<int>(value));
}

void CRFBandScopeView::OnAlertHoldSwitch() {
    const bool on = m_alertHold.GetPosition() != 0;
    Parm& settings = Settings();
    const std::uint16_t switches = settings.get(Parm::Sweep::kSwitchBits);
    if (on) {
        settings.set(Parm::Sweep::kSwitchBits,
                     static_cast<std::uint16_t>(switches | Parm::Sweep::kSwitchAlertHold));
    } else {
        if (IsPaused()) {
            OnStart();
        }
        settings.set(Parm::Sweep::kSwitchBits,
                     static_cast<std::uint16_t>(switches & ~Parm::Sweep::kSwitchAlertHold));
    }
    if (Exists(m_alertLamp)) {
        m_alertLamp.SetActive(TRUE);
        m_alertLamp.SetActiveColor(on ? kReady : kOff);
        m_alertLamp.SetCaption(on ? "Ready" : "Off");
    }
    Modified();
}

void CRFBandScopeView::OnAlertLogSwitch() {
    Parm& settings = Settings();
    const std::uint16_t switches = settings.get(Parm::Sweep::kSwitchBits);
    settings.set(Parm::Sweep::kSwitchBits,
                 m_alertLog.GetPosition() != 0
                     ? static_cast<std::uint16_t>(switches | Parm::Sweep::kSwitchAlertLog)
                     : static_cast<std::uint16_t>(switches & ~Parm::Sweep::kSwitchAlertLog));
    Modified();
}

void CRFBandScopeView::OnRecordSwitch() {
    Parm& settings = Settings();
    const std::uint16_t switches = settings.get(Parm::Sweep::kSwitchBits);
    settings.set(Parm::Sweep::kSwitchBits,
                 m_record.GetPosition() != 0
                     ? static_cast<std::uint16_t>(switches | Parm::Sweep::kSwitchRecord)
                     : static_cast<std::uint16_t>(switches & ~Parm::Sweep::kSwitchRecord));
    UpdateMonitor();
    Modified();
}

void CRFBandScopeView::OnAlertSoundChange() {
    GetSweepDoc()->GetObject().setAlertSound(static_cast<std::uint8_t>(SelectedData(m_alertSound)));
    Modified();
}

void CRFBandScopeView::OnTimeOutChange() {
    WriteProfile("TimeOut", std::max(SelectedData(m_timeOut), 0));
}

void CRFBandScopeView::OnAlertDelayChange() {
    WriteProfile("AlertDelay", m_alertDelay.GetItemIndex());
}

void CRFBandScopeView::OnDisplayMode() {
    WriteProfile("DisplayMode", static_cast<int>(m_displayMode.GetPosition()));
    ApplyColorScheme();
}

void CRFBandScopeView::OnFastModeSwitch() {
    const bool fast = m_fastMode.GetPosition() != 0;
    WriteProfile("FastMode", fast ? 1 : 0);
    Parm& settings = Settings();
    const std::uint16_t flags = settings.get(Parm::Sweep::kFlags);
    settings.set(Parm::Sweep::kFlags,
                 fast ? static_cast<std::uint16_t>(flags | Parm::Sweep::kFlagFastMode)
                      : static_cast<std::uint16_t>(flags & ~Parm::Sweep::kFlagFastMode));
    RestartSequence();
    Modified();
}

void CRFBandScopeView::OnStartChange() {
    Settings().set(Parm::kStart, hb::tessary::RoundToU32(m_startEntry.GetValue() * 1e6));
    RestartSequence();
    Modified();
}

void CRFBandScopeView::OnEndChange() {
    Settings().set(Parm::kEnd, hb::tessary::RoundToU32(m_endEntry.GetValue() * 1e6));
    RestartSequence();
    Modified();
}

void CRFBandScopeView::OnStepChange() {
    Settings().set(Parm::kStep, hb::tessary::RoundToU32(m_stepEntry.GetValue() * 1e3));
    RestartSequence();
    Modified();
}

void CRFBandScopeView::OnRangeButton(RangeButton button) {
    const auto& values = m_rig->m_radio->sweepValues();
    Parm& settings = Settings();
    const std::int64_t start = settings.get(Parm::kStart);
    const std::int64_t end = settings.get(Parm::kEnd);
    const std::int64_t span = end - start;
    OnPause();
    std::int64_t from = start;
    std::int64_t to = end;
    switch (button) {
    case kHalfSpanDown:
        from = start - span / 2;
        to = end - span / 2;
        break;
    case kZoomIn:
        from = start + span / 4;
        to = end - span / 4;
        break;
    case kHalfSpanUp:
        from = start + span / 2;
        to = end + span / 2;
        break;
    case kZoomOut:
        from = start - span;
        to = end + span;
        break;
    }
    const auto range = hb::tessary::ClampFrequencyRange(from, to, values.lowest, values.highest);
    settings.set(Parm::kStart, range.start);
    settings.set(Parm::kEnd, range.end);
    SetupPlot();
    UpdateSweepLabels();
    OnStart();
    Modified();
}

void CRFBandScopeView::OnHalfSpanDown() {
    OnRangeButton(kHalfSpanDown);
}

void CRFBandScopeView::OnZoomIn() {
    OnRangeButton(kZoomIn);
}

void CRFBandScopeView::OnHalfSpanUp() {
    OnRangeButton(kHalfSpanUp);
}

void CRFBandScopeView::OnZoomOut() {
    OnRangeButton(kZoomOut);
}

void CRFBandScopeView::OnPlotAreaLimits(long*, long*, long* right, long* bottom, BOOL*) {
    if (m_inAreaLimits || !Exists(m_plot)) {
        return;
    }
    m_inAreaLimits = true;
    const long width = m_plot.DataView().PercentToPixelX(100);
    const long height = m_plot.DataView().PercentToPixelY(0);
    m_inAreaLimits = false;
    *right = std::min(*right, width);
    *bottom = std::min(*bottom, height);
}
