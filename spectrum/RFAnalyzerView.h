#pragma once
// The spectrum analyzer's view: sweeps the band of its document with the radio and draws the last
// sweep, a running average, the minimum and the maximum on its plot, with two pairs of markers,
// pan and zoom, and the peak of each sweep.
#include "platform/afx/CButton.h"
#include "platform/instruments/CiAnalogOutputX.h"
#include "platform/instruments/CiKnobX.h"
#include "platform/instruments/CiModeComboBoxX.h"
#include "platform/instruments/CiPlotX.h"
#include "platform/instruments/CiSwitchLedX.h"
#include "platform/instruments/CiSwitchQuadX.h"
#include "spectrum/SweepView.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class CRFAnalyzerView : public CSweepView {
    DECLARE_DYNCREATE(CRFAnalyzerView)

public:
    static constexpr UINT kTemplateId = 27299;
    enum Trace { kSignal, kAverage, kMinimum, kMaximum };
    // The plot channel of each trace.
    static constexpr std::array<int, 4> kChannels{0, 1, 3, 2};
    enum PanZoom { kPanLeft = 1, kZoomIn = 2, kPanRight = 3, kZoomOut = 4 };

    CRFAnalyzerView();

    virtual void UpdateMarkers();
    virtual void UpdateControlsFromSettings();
    virtual void PrepareSweep();
    virtual void SetupFrequencyAxis();
    virtual void SetupLevelAxis();

    const std::vector<std::int16_t>& TraceOf(Trace trace) const { return m_traces[trace]; }
    std::uint32_t Marker(int index) const { return m_markers[static_cast<std::size_t>(index)]; }
    int LevelFloor() const { return m_floor; }
    int LevelCeiling() const { return m_ceiling; }
    const CString& Section() const { return m_section; }
    CiPlotX& Plot() { return m_plot; }
    // Plot calls that failed and were let go, the last one's result first.
    int PlotFailures() const { return m_plotFailures; }

    void OnPanZoom(short direction);
    void OnColorScheme(long index);
    void ApplyColorScheme(int scheme);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnInitialUpdate() override;
    void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) override;
    void FoldLevel(std::uint32_t index, std::int16_t level, const SpanPoint& point) override;
    std::uint32_t CountSteps() override;
    void ShowPeak(double megahertz, double level) override;
    void OnRadioReopened() override;

    LRESULT OnAnalyzerEngineStatus(WPARAM wParam, LPARAM lParam);
    LRESULT OnAnalyzerSweep(WPARAM wParam, LPARAM lParam);
    LRESULT OnAnalyzerBlock(WPARAM wParam, LPARAM lParam);
    void OnRestart();
    void OnZoomToMarkers();
    void OnSelectBand();
    void OnAxes();
    void OnFitLevels();
    void OnResetAverage();
    void OnResetMaximum();
    void OnResetMinimum();
    void OnSize(UINT nType, int cx, int cy);
    void OnDestroy();
    void OnPlotPointer(short button, long x, long y);
    void OnPlotCursor();
    void OnPlotClick();
    void OnBandSnapTune();
    void OnStartEntry();
    void OnEndEntry();
    void OnDetail();
    void OnSchemeChosen();
    void OnBandSnap();
    void OnMarkers();
    void OnSignalTrace();
    void OnAverageTrace();
    void OnMinimumTrace();
    void OnMaximumTrace();
    void OnFilterChosen();
    void OnModeChosen();
    void OnListAChosen();
    void OnListBChosen();
    void OnListCChosen();
    void OnVolumeMoving();
    void OnVolumeReset();
    void OnVolumeReleased(short button, short shift, long x, long y);
    void OnSquelchMoving();
    void OnSquelchReset();
    void OnSquelchReleased(short button, short shift, long x, long y);
    void OnGainMoving();
    void OnGainReset();
    void OnGainReleased(short button, short shift, long x, long y);
    void OnPanLeft();
    void OnZoomIn();
    void OnPanRight();
    void OnZoomOut();

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()

private:
    // Runs a piece of work on the plot; a failing plot call is logged and the view goes on.
    void Guarded(const std::function<void()>& work);
    void Restart(const std::function<void()>& change);
    void RestartCycle();
    void SetRange(std::int64_t start, std::int64_t end);
    void RecomputeMarkers();
    void ShowTrace(Trace trace, bool shown);
    void TraceSwitched(Trace trace);
    void CopySignalTo(Trace trace);
    void SetButtonIcons();
    // The plot from its top-left corner to the view's right and bottom edges; a view that was
    // sized before its controls were bound catches up at the end of its set-up.
    void FitPlot();
    void FillFilters();
    void FillModes();
    void FillLists();
    // Selects the item whose text is the name; a name that no item has leaves the selector.
    static void SelectByText(CiModeComboBoxX& selector, std::string_view name);
    void ListChosen(std::size_t list);
    void SendSettings();
    // The knobs' values into the settings; the volume truncated, the others rounded.
    void ApplyVolume();
    void ApplySquelch();
    void ApplyGain();
    // The knobs that exist, applied as on their release, each sending the settings; false when
    // the form has neither the volume nor the squelch knob.
    bool ApplyTuningKnobs();
    int ProfileInt(const char* key, int fallback);
    void WriteProfile(const char* key, int value);

    std::array<std::vector<std::int16_t>, 4> m_traces;
    std::array<std::uint32_t, 4> m_markers{};
    int m_floor = 0;
    int m_ceiling = 0;
    CString m_section;
    double m_lastMegahertz = 0;
    // Where the pointer was last seen over the plot, in MHz.
    double m_pointerMegahertz = 0;
    int m_plotFailures = 0;

    CiPlotX m_plot;
    CiAnalogOutputX m_startEntry;
    CiAnalogOutputX m_endEntry;
    CiSevenSegmentAnalogX m_pointerFrequency;
    CiSevenSegmentAnalogX m_pointerLevel;
    std::array<CiAnalogOutputX, 4> m_markerDisplays;
    std::array<CiAnalogOutputX, 2> m_differenceDisplays;
    std::array<CiSwitchLedX, 4> m_traceSwitches;
    CiSwitchLedX m_markerSwitch;
    CiSwitchLedX m_bandSnapSwitch;
    CiModeComboBoxX m_detail;
    CiModeComboBoxX m_colorScheme;
    CiKnobX m_volumeKnob;
    CiKnobX m_squelchKnob;
    CiKnobX m_gainKnob;
    CiModeComboBoxX m_filter;
    CiModeComboBoxX m_modeSelector;
    // The option lists of fields 96, 97 and 92.
    std::array<CiModeComboBoxX, 3> m_lists;
    CiSwitchQuadX m_panZoom;
    CiPanelX m_formPanel;
    // The buttons that show icons, then the two hidden at set-up.
    std::array<CButton, 7> m_iconButtons;
    CButton m_logButton;
    CButton m_optionsButton;
};
