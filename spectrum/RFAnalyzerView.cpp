#include "spectrum/RFAnalyzerView.h"

#include "app/rig/Rig.h"
#include "platform/afx/CFrameWnd.h"
#include "platform/afx/Ddx.h"
#include "platform/afx/EventSinkMap.h"
#include "platform/records/PrivateMessages.h"
#include "platform/tessary/app/BandSelect.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/tessary/app/SweepDoc.h"
#include "platform/tessary/model/Radio.h"
#include "platform/tessary/model/Rounding.h"
#include "platform/win/core/Hooks.h"
#include "resources/AnalyzerIds.h"
#include "spectrum/ModeTables.h"
#include "spectrum/RFAnalyzerFrame.h"

#include <algorithm>
#include <cstdio>

IMPLEMENT_DYNCREATE(CRFAnalyzerView, CSweepView)

BEGIN_MESSAGE_MAP(CRFAnalyzerView, CSweepView)
ON_WM_SIZE()
ON_WM_DESTROY()
ON_MESSAGE(WM_ENGINE_STATUS, &CRFAnalyzerView::OnAnalyzerEngineStatus)
ON_MESSAGE(WM_SPAN_SWEEP, &CRFAnalyzerView::OnAnalyzerSweep)
ON_MESSAGE(WM_SPAN_BLOCK, &CRFAnalyzerView::OnAnalyzerBlock)
ON_COMMAND(ID_ANALYZER_START, &CRFAnalyzerView::OnStart)
ON_COMMAND(26007, &CRFAnalyzerView::OnStart)
ON_COMMAND(ID_ANALYZER_PAUSE, &CRFAnalyzerView::OnPause)
ON_COMMAND(26005, &CRFAnalyzerView::OnPause)
ON_COMMAND(ID_ANALYZER_RESTART, &CRFAnalyzerView::OnRestart)
ON_COMMAND(ID_ANALYZER_RESTART_KEY, &CRFAnalyzerView::OnRestart)
ON_COMMAND(ID_ANALYZER_SELECT_BAND, &CRFAnalyzerView::OnSelectBand)
ON_COMMAND(ID_ANALYZER_ZOOM_MARKERS, &CRFAnalyzerView::OnZoomToMarkers)
ON_COMMAND(ID_ANALYZER_AXES, &CRFAnalyzerView::OnAxes)
ON_COMMAND(ID_ANALYZER_FIT_LEVELS, &CRFAnalyzerView::OnFitLevels)
ON_COMMAND(ID_ANALYZER_RESET_AVERAGE, &CRFAnalyzerView::OnResetAverage)
ON_COMMAND(ID_ANALYZER_RESET_MAXIMUM, &CRFAnalyzerView::OnResetMaximum)
ON_COMMAND(ID_ANALYZER_RESET_MINIMUM, &CRFAnalyzerView::OnResetMinimum)
ON_COMMAND(ID_ANALYZER_BAND_SNAP_TUNE, &CRFAnalyzerView::OnBandSnapTune)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CRFAnalyzerView, CSweepView)
ON_EVENT(CRFAnalyzerView, IDC_ANALYZER_PLOT, 4, &CRFAnalyzerView::OnPlotPointer)
ON_EVENT(CRFAnalyzerView, IDC_ANALYZER_PLOT, 6, &CRFAnalyzerView::OnPlotCursor)
ON_EVENT(CRFAnalyzerView, IDC_ANALYZER_PLOT, 53, &CRFAnalyzerView::OnPlotClick)
ON_EVENT(CRFAnalyzerView, IDC_ANALYZER_START, 10, &CRFAnalyzerView::OnStartEntry)
ON_EVENT(CRFAnalyzerView, IDC_ANALYZER_END, 10, &CRFAnalyzerView::OnEndEntry)
ON_EVENT(CRFAnalyzerView, IDC_ANALYZER_DETAIL, 2, &CRFAnalyzerView::OnDetail)
ON_EVENT(CRFAnalyzerView, IDC_ANALYZER_COLOR_SCHEME, 2, &CRFAnalyzerView::OnSchemeChosen)
ON_EVENT(CRFAnalyzerView, IDC_ANALYZER_BAND_SNAP, 2, &CRFAnalyzerView::OnBandSnap)
ON_EVENT(CRFAnalyzerView, IDC_ANALYZER_MARKERS, 2, &CRFAnalyzerView::OnMarkers)
ON_EVENT(CRFAnalyzerView, IDC_ANALYZER_SIGNAL_TRACE, 2, &CRFAnalyzerView::OnSignalTrace)
ON_EVENT(CRFAnalyzerView, IDC_ANALYZER_AVERAGE_TRACE, 2, &CRFAnalyzerView::OnAverageTrace)
ON_EVENT(CRFAnalyzerView, IDC_ANALYZER_MINIMUM_TRACE, 2, &CRFAnalyzerView::OnMinimumTrace)
ON_EVENT(CRFAnalyzerView, IDC_ANALYZER_MAXIMUM_TRACE, 2, &CRFAnalyzerView::OnMaximumTrace)
ON_EVENT(CRFAnalyzerView, IDC_ANALYZER_FILTER, 2, &CRFAnalyzerView::OnFilterChosen)
ON_EVENT(CRFAnalyzerView, IDC_ANALYZER_MODE, 2, &CRFAnalyzerView::OnModeChosen)
ON_EVENT(CRFAnalyzerView, IDC_ANALYZER_LIST_A, 2, &CRFAnalyzerView::OnListAChosen)
ON_EVENT(CRFAnalyzerView, IDC_ANALYZER_LIST_B, 2, &CRFAnalyzerView::OnListBChosen)
ON_EVENT(CRFAnalyzerView, IDC_ANALYZER_LIST_C, 2, &CRFAnalyzerView::OnListCChosen)
ON_EVENT(CRFAnalyzerView, IDC_ANALYZER_VOLUME, 18, &CRFAnalyzerView::OnVolumeMoving)
ON_EVENT(CRFAnalyzerView, IDC_ANALYZER_VOLUME, 8, &CRFAnalyzerView::OnVolumeReset)
ON_EVENT(CRFAnalyzerView, IDC_ANALYZER_VOLUME, 11, &CRFAnalyzerView::OnVolumeReleased)
ON_EVENT(CRFAnalyzerView, IDC_ANALYZER_SQUELCH, 18, &CRFAnalyzerView::OnSquelchMoving)
ON_EVENT(CRFAnalyzerView, IDC_ANALYZER_SQUELCH, 8, &CRFAnalyzerView::OnSquelchReset)
ON_EVENT(CRFAnalyzerView, IDC_ANALYZER_SQUELCH, 11, &CRFAnalyzerView::OnSquelchReleased)
ON_EVENT(CRFAnalyzerView, IDC_ANALYZER_GAIN, 18, &CRFAnalyzerView::OnGainMoving)
ON_EVENT(CRFAnalyzerView, IDC_ANALYZER_GAIN, 8, &CRFAnalyzerView::OnGainReset)
ON_EVENT(CRFAnalyzerView, IDC_ANALYZER_GAIN, 11, &CRFAnalyzerView::OnGainReleased)
ON_EVENT(CRFAnalyzerView, IDC_ANALYZER_PAN_ZOOM, 1, &CRFAnalyzerView::OnPanLeft)
ON_EVENT(CRFAnalyzerView, IDC_ANALYZER_PAN_ZOOM, 2, &CRFAnalyzerView::OnZoomIn)
ON_EVENT(CRFAnalyzerView, IDC_ANALYZER_PAN_ZOOM, 3, &CRFAnalyzerView::OnPanRight)
ON_EVENT(CRFAnalyzerView, IDC_ANALYZER_PAN_ZOOM, 4, &CRFAnalyzerView::OnZoomOut)
END_EVENTSINK_MAP()

namespace {

using hb::instruments::PlotError;
using hb::records::Parm;

constexpr std::uint32_t kZeroStepFallback = 5'000;
constexpr const char* kTraceKeys[] = {"SignalTrace", "AverageTrace", "MinimumTrace",
                                      "MaximumTrace"};
constexpr int kTraceDefaults[] = {1, 0, 0, 0};
constexpr const char* kMarkerKeys[] = {"MarkerOne", "MarkerTwo", "MarkerThree", "MarkerFour"};
constexpr int kMarkerDefaults[] = {25, 75, 25, 75};
constexpr const char* kTraceTitles[] = {"Signal", "Average", "Minimum", "Maximum"};
constexpr COLORREF kTraceColors[] = {0x00C000, 0xFF8000, 0x0000C0, 0xC000C0};

CScanApp& App() {
    return *CScanApp::GetScanApp();
}

// Down to the next multiple of ten, or up to it.
int FloorTen(int value) {
    while (value % 10 != 0) {
        --value;
    }
    return value;
}

int CeilTen(int value) {
    while (value % 10 != 0) {
        ++value;
    }
    return value;
}

// The buttons that show icons, and the icon of each.
struct IconButton {
    UINT button;
    UINT icon;
};
constexpr IconButton kIconButtons[] = {
    {ID_ANALYZER_ZOOM_MARKERS, ID_ANALYZER_ZOOM_MARKERS},
    {ID_ANALYZER_FIT_LEVELS, ID_ANALYZER_ZOOM_MARKERS},
    {ID_ANALYZER_AXES, IDC_KEY_RESET},
    {ID_ANALYZER_START, ID_ANALYZER_START},
    {ID_ANALYZER_PAUSE, ID_ANALYZER_PAUSE},
    {ID_ANALYZER_RESTART, ID_ANALYZER_RESTART},
    {ID_ANALYZER_SELECT_BAND, ID_ANALYZER_SELECT_BAND},
};

int Decimals(std::uint32_t hz) {
    return hz < 100'000'000 ? 6 : hz < 1'000'000'000 ? 5 : 4;
}

} // namespace

CRFAnalyzerView::CRFAnalyzerView()
    : CSweepView({IDD_SPECTRUM_ANALYZER, kTemplateId, 27022, 27023, "SpectrumAnalyzerFile"}) {}

void CRFAnalyzerView::DoDataExchange(CDataExchange* pDX) {
    CSweepView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ANALYZER_PLOT, m_plot);
    DDX_Control(pDX, IDC_ANALYZER_START, m_startEntry);
    DDX_Control(pDX, IDC_ANALYZER_END, m_endEntry);
    DDX_Control(pDX, IDC_ANALYZER_POINTER_FREQUENCY, m_pointerFrequency);
    DDX_Control(pDX, IDC_ANALYZER_POINTER_LEVEL, m_pointerLevel);
    const UINT markers[] = {IDC_ANALYZER_MARKER_ONE, IDC_ANALYZER_MARKER_TWO,
                            IDC_ANALYZER_MARKER_THREE, IDC_ANALYZER_MARKER_FOUR};
    for (std::size_t i = 0; i < m_markerDisplays.size(); ++i) {
        DDX_Control(pDX, static_cast<int>(markers[i]), m_markerDisplays[i]);
    }
    DDX_Control(pDX, IDC_ANALYZER_FIRST_DIFFERENCE, m_differenceDisplays[0]);
    DDX_Control(pDX, IDC_ANALYZER_SECOND_DIFFERENCE, m_differenceDisplays[1]);
    const UINT switches[] = {IDC_ANALYZER_SIGNAL_TRACE, IDC_ANALYZER_AVERAGE_TRACE,
                             IDC_ANALYZER_MINIMUM_TRACE, IDC_ANALYZER_MAXIMUM_TRACE};
    for (std::size_t i = 0; i < m_traceSwitches.size(); ++i) {
        DDX_ControlIfPresent(pDX, static_cast<int>(switches[i]), m_traceSwitches[i]);
    }
    DDX_Control(pDX, IDC_ANALYZER_MARKERS, m_markerSwitch);
    DDX_Control(pDX, IDC_ANALYZER_BAND_SNAP, m_bandSnapSwitch);
    DDX_Control(pDX, IDC_ANALYZER_DETAIL, m_detail);
    DDX_Control(pDX, IDC_ANALYZER_COLOR_SCHEME, m_colorScheme);
    DDX_Control(pDX, IDC_ANALYZER_VOLUME, m_volumeKnob);
    DDX_Control(pDX, IDC_ANALYZER_SQUELCH, m_squelchKnob);
    DDX_Control(pDX, IDC_ANALYZER_GAIN, m_gainKnob);
    DDX_Control(pDX, IDC_ANALYZER_FILTER, m_filter);
    DDX_Control(pDX, IDC_ANALYZER_MODE, m_modeSelector);
    const UINT lists[] = {IDC_ANALYZER_LIST_A, IDC_ANALYZER_LIST_B, IDC_ANALYZER_LIST_C};
    for (std::size_t i = 0; i < m_lists.size(); ++i) {
        DDX_Control(pDX, static_cast<int>(lists[i]), m_lists[i]);
    }
    DDX_Control(pDX, IDC_ANALYZER_PAN_ZOOM, m_panZoom);
    DDX_Control(pDX, IDC_ANALYZER_FORM_PANEL, m_formPanel);
    for (std::size_t i = 0; i < m_iconButtons.size(); ++i) {
        DDX_Control(pDX, static_cast<int>(kIconButtons[i].button), m_iconButtons[i]);
    }
    DDX_ControlIfPresent(pDX, ID_ANALYZER_LOG, m_logButton);
    DDX_ControlIfPresent(pDX, ID_ANALYZER_OPTIONS, m_optionsButton);
}

void CRFAnalyzerView::Guarded(const std::function<void()>& work) {
    try {
        work();
    } catch (const PlotError& error) {
        ++m_plotFailures;
        std::fprintf(stderr, "RF Spectrum Analyzer: %s\n", error.what());
    }
}

int CRFAnalyzerView::ProfileInt(const char* key, int fallback) {
    return App().GetProfileIntA(m_section, key, fallback);
}

void CRFAnalyzerView::WriteProfile(const char* key, int value) {
    App().WriteProfileInt(m_section, key, value);
}

void CRFAnalyzerView::OnInitialUpdate() {
    CSweepView::OnInitialUpdate();
    CSweepDoc* doc = GetSweepDoc();
    if (m_rig == nullptr || doc == nullptr || m_rig->m_radio == nullptr) {
        return;
    }
    const Radio& radio = *m_rig->m_radio;
    SetButtonIcons();
    if (doc->GetPathName().IsEmpty()) {
        CString path = m_rig->m_section + ".swa";
        App().MakeDocPath(path);
        doc->SetPathName(path, FALSE);
    }
    m_section = m_rig->m_section + "_RFSpectrumAnalyzer";
    m_floor = FloorTen(radio.sweepValues().minLevel);
    m_ceiling = CeilTen(radio.sweepValues().maxLevel);
    const CString title = "RF Spectrum Analyzer - " + m_rig->m_section;
    doc->SetCaption(title);
    Settings().set(Parm::Sweep::kSwitchByte, Settings().get(Parm::Sweep::kSwitchByte) | 0x0F);
    FillFilters();
    FillLists();
    FillModes();
    SetupKnobs({{m_squelchKnob, IDC_ANALYZER_SQUELCH_CAPTION},
                {m_volumeKnob, IDC_ANALYZER_VOLUME_CAPTION},
                {m_gainKnob, IDC_ANALYZER_GAIN_CAPTION}});
    LimitRangeEntries(m_startEntry, m_endEntry);
    for (const char* item : {"1", "1/2", "1/4", "1/8"}) {
        m_detail.AddItem(item, 0);
    }
    m_colorScheme.AddItem("Light", 0);
    m_colorScheme.AddItem("Dark", 1);
    Guarded([&] {
        m_plot.SetTitle(static_cast<const char*>(title), 0);
        for (std::size_t trace = 0; trace < kChannels.size(); ++trace) {
            auto channel = m_plot.Channel(kChannels[trace]);
            channel.SetTitle(kTraceTitles[trace]);
            channel.SetColor(kTraceColors[trace]);
        }
        const bool markers = ProfileInt("MarkerVisible", 0) != 0;
        m_markerSwitch.SetActive(markers);
        for (int cursor = 0; cursor < 2; ++cursor) {
            m_plot.Cursor(cursor).SetVisible(markers);
            for (int line = 0; line < 2; ++line) {
                const int key = cursor * 2 + line;
                m_plot.Cursor(cursor).SetPosition(
                    line, ProfileInt(kMarkerKeys[key], kMarkerDefaults[key]));
            }
        }
    });
    m_detail.SetItemIndex(ProfileInt("Detail", 1));
    const int scheme = ProfileInt("ColorScheme", 0);
    m_colorScheme.SetItemIndex(scheme);
    m_bandSnapSwitch.SetActive(ProfileInt("BandSnap", 0) != 0);
    for (int trace = kSignal; trace <= kMaximum; ++trace) {
        const bool shown = ProfileInt(kTraceKeys[trace], kTraceDefaults[trace]) != 0;
        if (m_traceSwitches[static_cast<std::size_t>(trace)].GetSafeHwnd() != HWND{}) {
            m_traceSwitches[static_cast<std::size_t>(trace)].SetActive(shown);
        }
        ShowTrace(static_cast<Trace>(trace), shown);
    }
    ApplyColorScheme(scheme);
    if (m_logButton.GetSafeHwnd() != HWND{}) {
        m_logButton.ShowWindow(SW_HIDE);
    }
    PrepareSweep();
    UpdateControlsFromSettings();
    SetupFrequencyAxis();
    SetupLevelAxis();
    FitPlot();
    m_ready = kOn;
    OnStart();
}

// The icons of the command buttons; the form's button 27232 has no use here.
void CRFAnalyzerView::SetButtonIcons() {
    for (std::size_t i = 0; i < m_iconButtons.size(); ++i) {
        m_iconButtons[i].SetIcon(App().LoadIcon(kIconButtons[i].icon));
    }
    if (m_optionsButton.GetSafeHwnd() != HWND{}) {
        m_optionsButton.ShowWindow(SW_HIDE);
    }
}

std::uint32_t CRFAnalyzerView::CountSteps() {
    return m_stepCount;
}

void CRFAnalyzerView::PrepareSweep() {
    if (m_rig == nullptr || m_rig->m_radio == nullptr) {
        return;
    }
    const Radio& radio = *m_rig->m_radio;
    const auto& values = radio.sweepValues();
    Parm& settings = Settings();
    std::uint32_t start = 0;
    std::uint32_t end = 0;
    if (!TakeSweepRange(start, end)) {
        return;
    }
    ChooseSweepBandwidth();
    settings.set(Parm::kFrequency, start);
    settings.set(Parm::Sweep::kResumeFrequency, start);
    settings.set(Parm::Sweep::kSetup111, 0xFF);
    settings.set(Parm::Sweep::kSetup108, 0xFF);
    settings.set(Parm::kSweepKind, 0);
    settings.set(Parm::Sweep::kSetup109, 0);
    m_mode = settings.get(Parm::kMode);
    settings.set(Parm::Sweep::kValue66, static_cast<std::int16_t>(values.value66));
    settings.set(Parm::Sweep::kValue64, values.value64);
    std::uint32_t step = radio.SweepStep(settings.get(Parm::kBandwidth), start);
    const int detail = m_detail.GetSafeHwnd() != HWND{} ? m_detail.GetItemIndex() : 1;
    if (detail >= 0 && detail <= 3) {
        settings.set(Parm::Sweep::kValue62, 1);
        step = radio.SweepStep(step >> detail, start);
    }
    // A step that came out 0 would make every reading land on the first point.
    if (step == 0) {
        step = kZeroStepFallback;
    }
    settings.set(Parm::kStep, step);
    m_stepCount = (end - start) / step + ((end - start) % step != 0 ? 1 : 0);
    for (auto& trace : m_traces) {
        trace.assign(m_stepCount, 0);
    }
    Guarded([&] {
        m_plot.BeginUpdate();
        m_plot.DisableLayout();
        for (const int channel : kChannels) {
            m_plot.Channel(channel).Clear();
            m_plot.Channel(channel).SetCapacity(static_cast<int>(m_stepCount));
        }
        m_plot.EnableLayout();
        m_plot.EndUpdate();
    });
    SetupFrequencyAxis();
    if (m_markers[0] < start || m_markers[1] >= end || m_markers[2] < start ||
        m_markers[3] >= end) {
        OnPlotCursor();
    }
    const int decimals = Decimals(end);
    m_frequencyDisplay.SetPrecision(decimals);
    m_pointerFrequency.SetPrecision(decimals);
    for (auto& display : m_markerDisplays) {
        display.SetPrecision(decimals);
    }
    SpanPoint dropped;
    while (m_rig->IsOpen() && m_rig->SpanGetData(&dropped) == 0) {
    }
}

void CRFAnalyzerView::UpdateControlsFromSettings() {
    const Parm& settings = Settings();
    const std::uint32_t start = settings.get(Parm::kStart);
    const std::uint32_t end = settings.get(Parm::kEnd);
    const std::uint32_t step = settings.get(Parm::kStep);
    m_startEntry.SetValue(start * 1e-6);
    m_endEntry.SetValue(end * 1e-6);
    if (m_rig == nullptr || m_rig->m_radio == nullptr) {
        return;
    }
    const Radio& radio = *m_rig->m_radio;
    const auto& values = radio.sweepValues();
    if (m_volumeKnob.GetSafeHwnd() != HWND{}) {
        m_volumeKnob.SetPosition(settings.get(Parm::kVolume) / values.volumeScale);
    }
    if (m_gainKnob.GetSafeHwnd() != HWND{}) {
        m_gainKnob.SetPosition(settings.get(Parm::kGain) / values.third.scale);
    }
    if (m_squelchKnob.GetSafeHwnd() != HWND{}) {
        m_squelchKnob.SetPosition(radio.SquelchFromDevice(settings.get(Parm::kSquelch)));
    }
    m_lists[0].SetItemIndex(settings.get(Parm::kSwitch96));
    m_lists[1].SetItemIndex(settings.get(Parm::kVoiceInversionOn));
    m_lists[2].SetItemIndex(settings.get(Parm::kSwitch92));
    SelectByText(m_modeSelector,
                 hb::spectrum::ModeName(hb::spectrum::kFirstModeNames, settings.get(Parm::kMode)));
    const auto& table = values.bandwidths;
    const auto chosen = std::find_if(table.begin(), table.end(), [&](const auto& entry) {
        return entry.bandwidth == settings.get(Parm::kBandwidth);
    });
    if (chosen != table.end()) {
        m_filter.SetItemIndex(static_cast<int>(chosen - table.begin()));
    }
    Guarded([&] {
        m_plot.Channel(kChannels[kSignal]).SetPointDisplay(step != 0 && (end - start) / step <= 50);
    });
    if (m_frequencyDisplay.GetSafeHwnd() != HWND{}) {
        m_frequencyDisplay.SetFocus();
    }
}

void CRFAnalyzerView::SetupFrequencyAxis() {
    const Parm& settings = Settings();
    const std::uint32_t start = settings.get(Parm::kStart);
    const std::uint32_t end = settings.get(Parm::kEnd);
    Guarded([&] {
        m_plot.XAxis().SetMin(start * 1e-6);
        m_plot.XAxis().SetSpan((std::int64_t{end} - start) * 1e-6);
        m_plot.XAxis().SetDecimals(Decimals(end) - 2);
    });
}

void CRFAnalyzerView::SetupLevelAxis() {
    Guarded([&] {
        m_plot.YAxis().SetMin(m_floor);
        m_plot.YAxis().SetSpan(m_ceiling - m_floor);
    });
}
