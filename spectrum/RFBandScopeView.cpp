#include "spectrum/RFBandScopeView.h"

#include "app/rig/Rig.h"
#include "audio/AudioRack.h"
#include "platform/afx/CFrameWnd.h"
#include "platform/engine/EngineApi.h"
#include "platform/records/DeviceStatus.h"
#include "platform/records/PrivateMessages.h"
#include "platform/records/StatusCodes.h"
#include "platform/tessary/app/BandSelect.h"
#include "platform/tessary/app/LogControls.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/tessary/app/SweepDoc.h"
#include "platform/tessary/model/Radio.h"
#include "platform/tessary/model/Rounding.h"
#include "platform/tessary/model/TimeFunctions.h"
#include "platform/win/core/MessageBox.h"
#include "resources/BandScopeIds.h"
#include "spectrum/RFAnalyzerFrame.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CRFBandScopeView, CSweepView)

namespace {

using hb::records::DeviceStatus;
using hb::records::Parm;

constexpr std::uint32_t kZeroStepFallback = 5'000;
constexpr COLORREF kHoldColor = 0x0000FF;
constexpr COLORREF kHoldCaptionColor = 0xFFFFFF;
constexpr int kPositionLine = 0;
// A quarter step, in Hz per MHz of the channels' x interval (half a step).
constexpr double kQuarterStepPerInterval = 500'000;
constexpr std::uint8_t kActivityRunning = 1;
constexpr std::uint8_t kActivityRecord = 2;
constexpr std::uint8_t kActivityListen = 8;

CScanApp& App() {
    return *CScanApp::GetScanApp();
}

int Decimals(std::uint32_t hz) {
    return hz < 100'000'000 ? 6 : hz < 1'000'000'000 ? 5 : 4;
}

} // namespace

CRFBandScopeView::CRFBandScopeView()
    : CSweepView({IDD_BAND_SCOPE, kTemplateId, 27024, 27025, "BandScopeFile"}),
      m_log(hb::tessary::log::kBandScopeTemplate, nullptr) {}

CRFBandScopeView::~CRFBandScopeView() = default;

std::int16_t CRFBandScopeView::ProcessSweepPoint(SpanPoint& point) {
    if (m_rig == nullptr || m_paused != 0 || m_traces == nullptr) {
        return 0;
    }
    const std::int16_t level = m_traces->Fold(
        point, ConvertLevel(point.get(SpanPoint::kRawLevel), point.get(SpanPoint::kLevelKind)));
    TestThreshold(point.get(SpanPoint::kFrequency), level);
    return level;
}

void CRFBandScopeView::FillSkippedSteps(std::uint32_t index) {
    m_traces->FillSkippedSteps(index);
}

void CRFBandScopeView::AgeActivity() {
    m_traces->AgeActivity();
}

// The alert a reading over the threshold would raise is not part of the scope.
int CRFBandScopeView::TestThreshold(std::uint32_t, std::int16_t) {
    return 0;
}

void CRFBandScopeView::SetupPlot() {
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
    settings.set(Parm::kSweepKind, 0xFF);
    settings.set(Parm::Sweep::kSetup109, 0);
    settings.set(Parm::Sweep::kValue62, 1);
    m_mode = settings.get(Parm::kMode);
    if (m_fastMode.GetSafeHwnd() != HWND{}) {
        const std::uint16_t flags = settings.get(Parm::Sweep::kFlags);
        settings.set(Parm::Sweep::kFlags,
                     ProfileInt("FastMode", 0) != 0
                         ? static_cast<std::uint16_t>(flags | Parm::Sweep::kFlagFastMode)
                         : static_cast<std::uint16_t>(flags & ~Parm::Sweep::kFlagFastMode));
    }
    settings.set(Parm::Sweep::kValue66, static_cast<std::int16_t>(values.value66));
    settings.set(Parm::Sweep::kValue64, values.value64);
    std::uint32_t step = radio.SweepStep(settings.get(Parm::kStep), start);
    if (step == 0) {
        step = kZeroStepFallback;
    }
    settings.set(Parm::kStep, step);
    m_traces->Setup();
    m_stepCount = m_traces->StepCount();
    SetupFrequencyAxis();
    const int decimals = Decimals(end);
    m_frequencyDisplay.SetPrecision(decimals);
    m_pointerFrequency.SetPrecision(decimals);
}

void CRFBandScopeView::SetupFrequencyAxis() {
    const Parm& settings = Settings();
    const std::uint32_t start = settings.get(Parm::kStart);
    const std::uint32_t end = settings.get(Parm::kEnd);
    m_plot.XAxis().SetMin(start * 1e-6 - settings.get(Parm::kStep) * 2.5e-7);
    m_plot.XAxis().SetSpan((std::int64_t{end} - start) * 1e-6);
    m_plot.XAxis().SetDecimals(Decimals(end) - 2);
}

void CRFBandScopeView::SetupLevelAxis() {
    m_plot.YAxis().SetMin(m_traces->Floor());
    m_plot.YAxis().SetSpan(m_traces->Ceiling() - m_traces->Floor());
}

void CRFBandScopeView::RedrawTraces() {
    m_traces->Redraw();
}

void CRFBandScopeView::WriteVfo(Parm& record) {
    m_rig->VfoFastWrite(&record);
}

void CRFBandScopeView::ShowRunLamp(bool running) {
    m_runLamp.SetActive(running);
    if (running) {
        m_runLamp.SetCaption("Running");
        return;
    }
    m_runLamp.SetCaption("Hold");
    m_runLamp.SetInactiveColor(kHoldColor);
    m_runLamp.SetCaptionColor(kHoldCaptionColor);
}

void CRFBandScopeView::OnRadioReopened() {
    FillSelectors();
    UpdateSweepLabels();
}

void CRFBandScopeView::OnStart() {
    if (m_ready == 0 || m_paused == 0 || m_rig == nullptr || !ClaimForStart("RFBandScope")) {
        return;
    }
    StartFromResume();
    m_holdTime = 0;
    m_paused = 0;
    const std::uint32_t on = 1;
    const std::uint32_t off = 0;
    m_rig->SetVolume(&on);
    m_rig->SetVolume(&off);
    ShowRunLamp(true);
    if (m_rig->IsOpenFor(GetParentFrame())) {
        m_rig->NotifyAudioLogByName(&m_section, kActivityRunning);
    }
    m_rig->DeviceHwnd(this);
}

void CRFBandScopeView::OnPause() {
    if (m_ready == 0 || !BreakForPause()) {
        return;
    }
    ShowRunLamp(false);
    WriteVfo(Settings());
}

void CRFBandScopeView::UpdateMonitor() {
    if (m_rig == nullptr || !m_rig->IsOpenFor(GetParentFrame())) {
        return;
    }
    if (m_frame != nullptr && m_frame->m_rack == nullptr) {
        m_frame->CreateAudioRack();
    }
    const bool record =
        m_record.GetSafeHwnd() != HWND{}
            ? m_record.GetPosition() != 0
            : (Settings().get(Parm::Sweep::kSwitchBits) & Parm::Sweep::kSwitchRecord) != 0;
    m_rig->NotifyAudioLogByName(&m_section, record ? kActivityRecord : kActivityListen);
}

void CRFBandScopeView::OnTimer(UINT_PTR nIDEvent) {
    CSweepView::OnTimer(nIDEvent);
    m_log.OnTimer();
    if (m_rig == nullptr || !m_rig->IsOpen() || m_traces == nullptr) {
        return;
    }
    Parm& settings = Settings();
    if ((settings.get(Parm::Sweep::kFlags) & Parm::Sweep::kFlagFastMode) != 0) {
        AgeActivity();
    }
    const std::int64_t start = settings.get(Parm::kStart);
    const std::int64_t span = std::int64_t{settings.get(Parm::kEnd)} - start;
    const double interval = settings.get(Parm::kStep) * 5e-7;
    const std::uint32_t now = scan_timer_read();
    DeviceStatus status;
    m_rig->DeviceStatus(status.data());
    // A range of no width has no place for the line.
    const double position =
        span == 0 ? 0
                  : (static_cast<double>(std::int64_t{settings.get(Parm::kFrequency)} - start) +
                     interval * kQuarterStepPerInterval) /
                        static_cast<double>(span) * 100;
    m_plot.Annotations().SetVerticalLine(kPositionLine, position, m_paused != 0 && span != 0);
    m_plot.Repaint();
    const int level = m_rig->RadioRequest(status.get(DeviceStatus::kSignalLevel), 1);
    m_levelDisplay.SetValue(level);
    m_frequencyDisplay.SetValue(status.get(DeviceStatus::kCurrentFrequency) * 1e-6);
    TestThreshold(settings.get(Parm::kFrequency), static_cast<std::int16_t>(level));
    UpdateMonitor();
    if (m_timeOut.GetSafeHwnd() == HWND{}) {
        return;
    }
    const auto limit = static_cast<std::uint32_t>(ProfileInt("TimeOut", 0));
    if (limit != 0 && m_holdTime != 0 && now - m_holdStart > limit) {
        m_holdTime = 0;
        OnStart();
    }
}

LRESULT CRFBandScopeView::OnScopeEngineStatus(WPARAM, LPARAM) {
    if (m_rig == nullptr) {
        return 0;
    }
    SpanPoint point;
    while (m_rig->SpanGetData(&point) == 0) {
        const std::int16_t level = ProcessSweepPoint(point);
        m_frequencyDisplay.SetValue(point.get(SpanPoint::kFrequency) * 1e-6);
        m_levelDisplay.SetValue(level);
    }
    m_peakPanel.SetCaption("Current Activity");
    return 0;
}

LRESULT CRFBandScopeView::OnSweepBytes(WPARAM wParam, LPARAM lParam) {
    if (m_rig == nullptr || m_paused != 0 || lParam == 0 || m_traces == nullptr) {
        return 0;
    }
    // The engine says how many bytes it sent: a sweep of an older, shorter range is not read past.
    const auto* levels = reinterpret_cast<const std::uint8_t*>(lParam);
    const std::uint32_t count = std::min<std::uint32_t>(m_stepCount, wParam);
    const Parm& settings = Settings();
    const std::uint32_t start = settings.get(Parm::kStart);
    const std::uint32_t step = settings.get(Parm::kStep);
    // Stamped now, so that fast-mode aging does not take a fresh sweep for an old one.
    const std::uint64_t now = GetLongTimeNow();
    int peak = m_traces->Floor();
    std::uint32_t peakFrequency = start;
    std::uint32_t frequency = start;
    for (std::uint32_t i = 0; i < count; ++i) {
        SpanPoint point;
        point.set(SpanPoint::kTime, now);
        point.set(SpanPoint::kFrequency, frequency);
        point.set(SpanPoint::kRawLevel, levels[i]);
        point.set(SpanPoint::kLevelKind, SpanPoint::kLevelKindByte);
        point.set(SpanPoint::kLevelCopy1, levels[i]);
        point.set(SpanPoint::kLevelCopy2, levels[i]);
        const std::int16_t level = ProcessSweepPoint(point);
        if (level > peak) {
            peak = level;
            peakFrequency = frequency;
        }
        frequency += step;
    }
    m_peakPanel.SetCaption("Peak Level");
    m_frequencyDisplay.SetValue(peakFrequency * 1e-6);
    m_levelDisplay.SetValue(peak);
    return 0;
}

void CRFBandScopeView::OnPlotClick() {
    if (m_plot.ToolState() || m_rig == nullptr) {
        return;
    }
    m_holdTime = 0;
    OnPause();
    Parm& settings = Settings();
    std::uint32_t frequency = hb::tessary::TruncateToU32(m_pointerFrequency.GetValue() * 1e6);
    settings.set(Parm::Sweep::kSetup108, 0);
    const std::uint32_t step = settings.get(Parm::kStep);
    if (step != 0) {
        const std::uint32_t rest = frequency % step;
        frequency = frequency / step * step + (rest >= step / 2 ? step : 0);
    }
    settings.set(Parm::kFrequency, frequency);
    band found;
    if (CBandSelect::LocateBand(&settings, &found) == 1) {
        settings.set(Parm::kMode, found.get(hb::records::Band::kFirstMode));
    }
    const bool volume = m_volume.GetSafeHwnd() != HWND{};
    const bool squelch = m_squelch.GetSafeHwnd() != HWND{};
    if (volume) {
        OnVolumeRelease();
    }
    if (squelch) {
        OnSquelchRelease();
    }
    if (!volume && !squelch) {
        m_rig->VfoFastWrite(&settings);
    }
    m_rig->DeviceWait();
    m_rig->DeviceMonitor(&settings);
    m_frequencyDisplay.SetValue(settings.get(Parm::kFrequency) * 1e-6);
    SelectModeOf(settings.get(Parm::kMode));
}

void CRFBandScopeView::OnPlotMouseMove(short, long x, long y) {
    const double xPercent = m_plot.DataView().PixelToPercentX(x);
    if (xPercent >= 0 && xPercent <= 100) {
        m_pointerFrequency.SetValue(m_plot.XAxis().Min() + m_plot.XAxis().Span() * xPercent * 0.01);
    }
    const double yPercent = m_plot.DataView().PixelToPercentY(y);
    if (yPercent >= 0 && yPercent <= 100) {
        m_pointerLevel.SetValue(m_plot.YAxis().Min() + m_plot.YAxis().Span() * yPercent * 0.01);
    }
}

void CRFBandScopeView::OnMarkStep() {
    if (m_paused == 0 || m_rig == nullptr || m_traces == nullptr) {
        return;
    }
    DeviceStatus status;
    m_rig->DeviceStatus(status.data());
    const Parm& settings = Settings();
    const std::uint32_t step = settings.get(Parm::kStep);
    // Without a step every frequency is the first step's, as for a reading.
    m_traces->MarkStep(
        step == 0
            ? 0
            : (status.get(DeviceStatus::kCurrentFrequency) - settings.get(Parm::kStart)) / step);
    OnStart();
    Modified();
    RedrawTraces();
}

void CRFBandScopeView::OnClearMarks() {
    if (m_traces == nullptr) {
        return;
    }
    m_traces->ClearMarks();
    Modified();
    RedrawTraces();
}

void CRFBandScopeView::OnResetMaximum() {
    if (m_traces != nullptr) {
        m_traces->ResetMaximum();
        m_plot.Repaint();
    }
}

void CRFBandScopeView::OnResetMinimum() {
    if (m_traces != nullptr) {
        m_traces->ResetMinimum();
        m_plot.Repaint();
    }
}

void CRFBandScopeView::OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) {
    CSweepView::OnActivateView(bActivate, pActivateView, pDeactiveView);
    auto* frame = dynamic_cast<CRFAnalyzerFrame*>(GetParentFrame());
    if (bActivate && frame != nullptr && frame->m_restart != 0 && m_rig != nullptr &&
        m_rig->m_busy != 4) {
        OnStart();
    }
}

void CRFBandScopeView::OnDestroy() {
    KillTimer(kTimerId);
    CSweepDoc* doc = GetSweepDoc();
    if (m_rig != nullptr) {
        if (doc != nullptr && doc->m_seeded == 0) {
            App().WriteProfileString(m_rig->m_section, "BandScopeFile", doc->GetPathName());
        }
        CRig* rig = m_rig;
        m_rig = nullptr;
        rig->DetachView(GetParentFrame(), 1);
    }
    CSweepView::OnDestroy();
}

void CRFBandScopeView::OnSize(UINT nType, int cx, int cy) {
    CSweepView::OnSize(nType, cx, cy);
    if (m_frame != nullptr) {
        StretchPlot();
    }
}

void CRFBandScopeView::StretchPlot() {
    if (m_plot.GetSafeHwnd() == HWND{}) {
        return;
    }
    CRect plot;
    m_plot.GetWindowRect(&plot);
    ScreenToClient(&plot);
    CRect client;
    GetClientRect(&client);
    m_plot.MoveWindow(plot.left, plot.top, std::max<LONG>(0, client.right - plot.left),
                      std::max<LONG>(0, client.bottom - plot.top));
    m_plot.Repaint();
}
