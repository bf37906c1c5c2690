// The analyzer's traces, markers, pan and zoom, commands and control events.
#include "app/rig/Rig.h"
#include "platform/afx/CFrameWnd.h"
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
#include "spectrum/RFAnalyzerView.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

using hb::records::Parm;

constexpr const char* kTraceKeys[] = {"SignalTrace", "AverageTrace", "MinimumTrace",
                                      "MaximumTrace"};
constexpr const char* kMarkerKeys[] = {"MarkerOne", "MarkerTwo", "MarkerThree", "MarkerFour"};

CScanApp& App() {
    return *CScanApp::GetScanApp();
}

} // namespace

void CRFAnalyzerView::FoldLevel(std::uint32_t index, std::int16_t level, const SpanPoint& point) {
    const std::uint32_t frequency = point.get(SpanPoint::kFrequency);
    m_lastMegahertz = frequency * 1e-6;
    m_frequencyDisplay.SetValue(m_lastMegahertz);
    m_levelDisplay.SetValue(level);
    Parm& settings = Settings();
    settings.set(Parm::kFrequency, frequency);
    settings.set(Parm::Sweep::kResumeFrequency, frequency);
    auto& signal = m_traces[kSignal];
    if (index >= signal.size()) {
        return;
    }
    signal[index] = level;
    Guarded([&] {
        m_plot.BeginUpdate();
        m_plot.DisableLayout();
        const int held = m_plot.Channel(kChannels[kSignal]).Count();
        const auto at = static_cast<int>(index);
        if (held == at) {
            m_traces[kAverage][index] = level;
            m_traces[kMinimum][index] = level;
            m_traces[kMaximum][index] = level;
            for (int trace = kSignal; trace <= kMaximum; ++trace) {
                m_plot.Channel(kChannels[static_cast<std::size_t>(trace)])
                    .AddXY(m_lastMegahertz, m_traces[static_cast<std::size_t>(trace)][index]);
            }
        } else if (held > at) {
            std::int16_t& average = m_traces[kAverage][index];
            average = static_cast<std::int16_t>(average - average / 10 + level / 10);
            m_traces[kMaximum][index] = std::max(m_traces[kMaximum][index], level);
            m_traces[kMinimum][index] = std::min(m_traces[kMinimum][index], level);
            for (int trace = kSignal; trace <= kMaximum; ++trace) {
                m_plot.Channel(kChannels[static_cast<std::size_t>(trace)])
                    .SetYAt(at, m_traces[static_cast<std::size_t>(trace)][index]);
            }
        }
        m_plot.EnableLayout();
        m_plot.EndUpdate();
    });
}

void CRFAnalyzerView::ShowPeak(double megahertz, double level) {
    m_peakPanel.SetCaption("Peak Level");
    CSweepView::ShowPeak(megahertz, level);
}

LRESULT CRFAnalyzerView::OnAnalyzerEngineStatus(WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    Guarded([&] {
        m_plot.BeginUpdate();
        result = OnEngineStatus(wParam, lParam);
        m_plot.EndUpdate();
    });
    return result;
}

LRESULT CRFAnalyzerView::OnAnalyzerSweep(WPARAM wParam, LPARAM lParam) {
    if (m_rig == nullptr || m_paused != 0 || lParam == 0) {
        return 0;
    }
    Parm& settings = Settings();
    settings.set(Parm::kFrequency, settings.get(Parm::kStart));
    settings.set(Parm::Sweep::kResumeFrequency, settings.get(Parm::kStart));
    LRESULT result = 0;
    Guarded([&] {
        m_plot.BeginUpdate();
        result = OnSpanSweep(wParam, lParam);
        m_plot.EndUpdate();
    });
    return result;
}

LRESULT CRFAnalyzerView::OnAnalyzerBlock(WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    Guarded([&] {
        m_plot.BeginUpdate();
        result = OnSpanBlock(wParam, lParam);
        m_plot.EndUpdate();
    });
    return result;
}

void CRFAnalyzerView::RecomputeMarkers() {
    const std::uint32_t start = Settings().get(Parm::kStart);
    Guarded([&] {
        const double span = m_plot.XAxis().Span();
        for (int cursor = 0; cursor < 2; ++cursor) {
            for (int line = 0; line < 2; ++line) {
                // The span in MHz is inexact: a hair over keeps whole hertz whole.
                const double percent = m_plot.Cursor(cursor).Position(line);
                m_markers[static_cast<std::size_t>(cursor * 2 + line)] =
                    start + static_cast<std::uint32_t>(std::trunc(percent * span * 10'000 + 1e-6));
            }
        }
    });
}

void CRFAnalyzerView::UpdateMarkers() {
    Guarded([&] {
        for (int cursor = 0; cursor < 2; ++cursor) {
            for (int line = 0; line < 2; ++line) {
                const int key = cursor * 2 + line;
                WriteProfile(kMarkerKeys[key],
                             static_cast<int>(m_plot.Cursor(cursor).Position(line)));
            }
        }
    });
    for (std::size_t i = 0; i < m_markers.size(); ++i) {
        m_markerDisplays[i].SetValue(m_markers[i] * 1e-6);
    }
    for (std::size_t pair = 0; pair < 2; ++pair) {
        const std::uint32_t first = m_markers[pair * 2];
        const std::uint32_t second = m_markers[pair * 2 + 1];
        const std::int64_t difference = std::llabs(std::int64_t{second} - std::int64_t{first});
        const int decimals = difference < 100'000'000 ? 6 : difference < 1'000'000'000 ? 5 : 4;
        m_differenceDisplays[pair].SetPrecision(decimals);
        m_differenceDisplays[pair].SetValue(static_cast<double>(difference) * 1e-6);
    }
}

void CRFAnalyzerView::OnPlotCursor() {
    RecomputeMarkers();
    UpdateMarkers();
}

void CRFAnalyzerView::OnPlotPointer(short, long x, long y) {
    Guarded([&] {
        const double xPercent = m_plot.DataView().PixelToPercentX(x);
        const double yPercent = m_plot.DataView().PixelToPercentY(y);
        if (xPercent < 0 || xPercent >= 100) {
            return;
        }
        m_pointerMegahertz = m_plot.XAxis().Min() + m_plot.XAxis().Span() * xPercent * 0.01;
        m_pointerFrequency.SetValue(m_pointerMegahertz);
        m_pointerLevel.SetValue(m_plot.YAxis().Min() + m_plot.YAxis().Span() * yPercent * 0.01);
    });
}

// Tunes the radio to the frequency under the pointer, in the mode of its band; the end of a
// cursor drag is no click.
void CRFAnalyzerView::OnPlotClick() {
    bool dragging = false;
    Guarded([&] { dragging = m_plot.ToolState(); });
    if (dragging || m_rig == nullptr) {
        return;
    }
    OnPause();
    Parm& settings = Settings();
    const std::uint32_t frequency = hb::tessary::TruncateToU32(m_pointerMegahertz * 1'000'000);
    settings.set(Parm::kFrequency, frequency);
    settings.set(Parm::Sweep::kSetup108, 0);
    band found;
    if (CBandSelect::LocateBand(&settings, &found) == 1) {
        if (m_bandSnapSwitch.GetActive()) {
            CBandSelect::SnapBand(&settings, found);
        }
        settings.set(Parm::kMode, found.get(hb::records::Band::kFirstMode));
    }
    if (!ApplyTuningKnobs()) {
        SendSettings();
    }
    m_frequencyDisplay.SetValue(frequency * 1e-6);
    SelectByText(m_modeSelector,
                 hb::spectrum::ModeName(hb::spectrum::kFirstModeNames, settings.get(Parm::kMode)));
}

void CRFAnalyzerView::OnBandSnapTune() {
    if (!IsPaused() || m_rig == nullptr) {
        return;
    }
    Parm& settings = Settings();
    band found;
    if (CBandSelect::LocateBand(&settings, &found) == 1) {
        CBandSelect::SnapBand(&settings, found);
    }
    if (m_volumeKnob.GetSafeHwnd() != HWND{}) {
        ApplyVolume();
    }
    if (m_squelchKnob.GetSafeHwnd() != HWND{}) {
        ApplySquelch();
    }
    SendSettings();
    m_frequencyDisplay.SetValue(settings.get(Parm::kFrequency) * 1e-6);
}

void CRFAnalyzerView::RestartCycle() {
    OnPause();
    SetupFrequencyAxis();
    SetupLevelAxis();
    PrepareSweep();
    UpdateControlsFromSettings();
    OnStart();
}

void CRFAnalyzerView::Restart(const std::function<void()>& change) {
    OnPause();
    change();
    PrepareSweep();
    UpdateControlsFromSettings();
    OnStart();
    GetSweepDoc()->SetModifiedFlag(TRUE);
}

void CRFAnalyzerView::OnRestart() {
    OnPause();
    PrepareSweep();
    UpdateControlsFromSettings();
    OnStart();
}

void CRFAnalyzerView::SetRange(std::int64_t start, std::int64_t end) {
    const auto& values = m_rig->m_radio->sweepValues();
    const auto range = hb::tessary::ClampFrequencyRange(start, end, values.lowest, values.highest);
    Settings().set(Parm::kStart, range.start);
    Settings().set(Parm::kEnd, range.end);
}

void CRFAnalyzerView::OnPanZoom(short direction) {
    if (m_rig == nullptr || m_rig->m_radio == nullptr) {
        return;
    }
    const std::int64_t start = Settings().get(Parm::kStart);
    const std::int64_t end = Settings().get(Parm::kEnd);
    const std::int64_t span = end - start;
    Restart([&] {
        switch (direction) {
        case kPanLeft:
            SetRange(start - span / 2, end - span / 2);
            break;
        case kZoomIn:
            SetRange(start + span / 4, end - span / 4);
            break;
        case kPanRight:
            SetRange(start + span / 2, end + span / 2);
            break;
        case kZoomOut:
            SetRange(start - span, end + span);
            break;
        default:
            break;
        }
    });
}

void CRFAnalyzerView::OnStartEntry() {
    Settings().set(Parm::kStart, hb::tessary::RoundToU32(m_startEntry.GetValue() * 1e6));
    RestartCycle();
    GetSweepDoc()->SetModifiedFlag(TRUE);
}

void CRFAnalyzerView::OnEndEntry() {
    Settings().set(Parm::kEnd, hb::tessary::RoundToU32(m_endEntry.GetValue() * 1e6));
    RestartCycle();
    GetSweepDoc()->SetModifiedFlag(TRUE);
}

void CRFAnalyzerView::OnZoomToMarkers() {
    if (!m_markerSwitch.GetActive()) {
        MessageBeep(MB_ICONASTERISK);
        return;
    }
    Restart([&] {
        Settings().set(Parm::kStart, m_markers[0]);
        Settings().set(Parm::kEnd, m_markers[1]);
    });
}

void CRFAnalyzerView::OnSelectBand() {
    Parm copy = Settings();
    if (CBandSelect::SelectBand(&copy) != 1) {
        return;
    }
    Settings() = copy;
    GetSweepDoc()->SetModifiedFlag(TRUE);
    RestartCycle();
}

void CRFAnalyzerView::OnAxes() {
    SetupFrequencyAxis();
    SetupLevelAxis();
}

// Fits the level axis to the levels of the traces shown, on whole tens.
void CRFAnalyzerView::OnFitLevels() {
    int low = m_ceiling;
    int high = m_floor;
    Guarded([&] {
        for (std::size_t trace = 0; trace < m_traces.size(); ++trace) {
            if (!m_plot.Channel(kChannels[trace]).Visible()) {
                continue;
            }
            const int held = std::min<int>(m_plot.Channel(kChannels[trace]).Count(),
                                           static_cast<int>(m_traces[trace].size()));
            for (int i = 0; i < held; ++i) {
                low = std::min<int>(low, m_traces[trace][static_cast<std::size_t>(i)]);
                high = std::max<int>(high, m_traces[trace][static_cast<std::size_t>(i)]);
            }
        }
        if (high <= low) {
            return;
        }
        low = static_cast<int>(std::floor(low / 10.0)) * 10;
        high = static_cast<int>(std::ceil(high / 10.0)) * 10;
        m_plot.YAxis().SetMin(low);
        m_plot.YAxis().SetSpan(std::max(10, high - low));
    });
}

void CRFAnalyzerView::CopySignalTo(Trace trace) {
    m_traces[trace] = m_traces[kSignal];
    Guarded([&] {
        auto channel = m_plot.Channel(kChannels[trace]);
        m_plot.BeginUpdate();
        const int held = std::min(channel.Count(), static_cast<int>(m_traces[trace].size()));
        for (int i = 0; i < held; ++i) {
            channel.SetYAt(i, m_traces[trace][static_cast<std::size_t>(i)]);
        }
        m_plot.EndUpdate();
    });
}

void CRFAnalyzerView::OnResetAverage() {
    CopySignalTo(kAverage);
}

void CRFAnalyzerView::OnResetMaximum() {
    CopySignalTo(kMaximum);
}

void CRFAnalyzerView::OnResetMinimum() {
    CopySignalTo(kMinimum);
}

void CRFAnalyzerView::OnDetail() {
    if (!IsPaused()) {
        RestartCycle();
    }
    WriteProfile("Detail", m_detail.GetItemIndex());
}

void CRFAnalyzerView::OnSchemeChosen() {
    OnColorScheme(m_colorScheme.GetItemIndex());
}

void CRFAnalyzerView::OnColorScheme(long index) {
    WriteProfile("ColorScheme", static_cast<int>(index));
    ApplyColorScheme(static_cast<int>(index));
}

void CRFAnalyzerView::ApplyColorScheme(int scheme) {
    if (scheme != 0 && scheme != 1) {
        return;
    }
    const bool light = scheme == 0;
    const COLORREF ink = light ? 0x800000 : 0xFFFF00;
    Guarded([&] {
        m_plot.SetBackColor(light ? 0xFFFFFF : 0x000000);
        m_plot.SetFrameColor(ink);
        m_plot.XAxis().SetColors(ink, light ? 0x000000 : 0xC0C0B6);
        m_plot.YAxis().SetColors(ink, light ? 0x000000 : 0xC0C0B6);
        m_plot.SetLegendColor(ink);
        m_plot.SetTitle(static_cast<const char*>(m_plot.Title()), ink);
        if (light) {
            m_plot.DataView().SetColor(0x000000);
            m_plot.Channel(kChannels[kSignal]).SetColor(0x00C000);
            m_plot.Cursor(0).SetColor(0x0080FF);
        } else {
            m_plot.DataView().SetColors(0x0000FF, 0x00FF00);
            m_plot.Cursor(0).SetColor(0xFFFFFF);
        }
    });
}

void CRFAnalyzerView::OnBandSnap() {
    WriteProfile("BandSnap", m_bandSnapSwitch.GetActive() ? 1 : 0);
}

void CRFAnalyzerView::OnMarkers() {
    const bool shown = m_markerSwitch.GetActive() != 0;
    WriteProfile("MarkerVisible", shown ? 1 : 0);
    Guarded([&] {
        m_plot.Cursor(0).SetVisible(shown);
        m_plot.Cursor(1).SetVisible(shown);
    });
}

void CRFAnalyzerView::ShowTrace(Trace trace, bool shown) {
    Guarded([&] { m_plot.Channel(kChannels[trace]).SetVisible(shown); });
}

void CRFAnalyzerView::TraceSwitched(Trace trace) {
    const auto active = [this](int i) {
        return m_traceSwitches[static_cast<std::size_t>(i)].GetActive() != 0;
    };
    if (!active(kSignal) && !active(kAverage) && !active(kMinimum) && !active(kMaximum)) {
        m_traceSwitches[kSignal].SetActive(TRUE);
        ShowTrace(kSignal, true);
        WriteProfile(kTraceKeys[kSignal], 1);
    }
    ShowTrace(trace, active(trace));
    WriteProfile(kTraceKeys[trace], active(trace) ? 1 : 0);
}

void CRFAnalyzerView::OnSignalTrace() {
    TraceSwitched(kSignal);
}

void CRFAnalyzerView::OnAverageTrace() {
    TraceSwitched(kAverage);
}

void CRFAnalyzerView::OnMinimumTrace() {
    TraceSwitched(kMinimum);
}

void CRFAnalyzerView::OnMaximumTrace() {
    TraceSwitched(kMaximum);
}

void CRFAnalyzerView::OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) {
    CSweepView::OnActivateView(bActivate, pActivateView, pDeactiveView);
    auto* frame = dynamic_cast<CRFAnalyzerFrame*>(GetParentFrame());
    if (frame != nullptr && frame->m_restart != 0 && bActivate && m_rig != nullptr &&
        m_rig->m_busy != 4) {
        OnStart();
    }
}

void CRFAnalyzerView::OnSize(UINT nType, int cx, int cy) {
    CSweepView::OnSize(nType, cx, cy);
    FitPlot();
}

void CRFAnalyzerView::FitPlot() {
    if (m_plot.GetSafeHwnd() == HWND{} || GetParentFrame() == nullptr) {
        return;
    }
    CRect plot;
    m_plot.GetWindowRect(&plot);
    ScreenToClient(&plot);
    CRect client;
    GetClientRect(&client);
    if (client.right > plot.left + 50 && client.bottom > plot.top + 50) {
        m_plot.MoveWindow(plot.left, plot.top, client.right - plot.left, client.bottom - plot.top);
    }
}

void CRFAnalyzerView::OnDestroy() {
    if (m_rig != nullptr) {
        if (!IsSeeded() && GetSweepDoc() != nullptr) {
            App().WriteProfileString(m_rig->m_section, "SpectrumAnalyzerFile",
                                     GetSweepDoc()->GetPathName());
        }
        CRig* rig = m_rig;
        m_rig = nullptr;
        rig->DetachView(GetParentFrame(), 1);
    }
    CSweepView::OnDestroy();
}
