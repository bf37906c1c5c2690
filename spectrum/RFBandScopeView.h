#pragma once
// The band scope's view: sweeps its document's range again and again and shows per step the last
// level, the highest and the lowest seen, and the steps the user marked. A click on the plot holds
// the sweep and tunes the radio there to listen; the radio's audio logger hears whether the scope
// runs and records, and the view keeps an activity log of its own.
#include "platform/instruments/CiAnalogOutputX.h"
#include "platform/instruments/CiKnobX.h"
#include "platform/instruments/CiModeComboBoxX.h"
#include "platform/instruments/CiPlotX.h"
#include "platform/instruments/CiSliderX.h"
#include "platform/instruments/CiSwitchSliderX.h"
#include "platform/toolkit/CXTPButton.h"
#include "programming/RadioLog.h"
#include "spectrum/BandScopeChannels.h"
#include "spectrum/BandScopeTraces.h"
#include "spectrum/SweepView.h"

#include <memory>

class CRFAnalyzerFrame;

class CRFBandScopeView : public CSweepView {
    DECLARE_DYNCREATE(CRFBandScopeView)

public:
    static constexpr UINT kTemplateId = 27301;
    static constexpr UINT_PTR kTimerId = 1;
    static constexpr UINT kTimerPeriod = 250; // ms
    enum RangeButton { kHalfSpanDown = 1, kZoomIn = 2, kHalfSpanUp = 3, kZoomOut = 4 };

    CRFBandScopeView();
    ~CRFBandScopeView() override;

    std::int16_t ProcessSweepPoint(SpanPoint& point) override;
    virtual void UpdateSweepLabels();
    virtual void SetupPlot();
    virtual void SetupFrequencyAxis();
    virtual void SetupLevelAxis();
    virtual void RedrawTraces();
    virtual int TestThreshold(std::uint32_t frequency, std::int16_t level);
    virtual void UpdateMonitor();
    virtual void WriteVfo(hb::records::Parm& record);
    virtual void FillSkippedSteps(std::uint32_t index);
    virtual void AgeActivity();

    const BandScopeTraces* Traces() const { return m_traces.get(); }
    const CString& Section() const { return m_section; }
    CiPlotX& Plot() { return m_plot; }
    CRadioLog& ActivityLog() { return m_log; }

    void OnStart();
    void OnPause();
    void ApplyColorScheme();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnInitialUpdate() override;
    void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) override;
    std::uint32_t CountSteps() override { return m_stepCount; }
    void OnRadioReopened() override;

    LRESULT OnScopeEngineStatus(WPARAM wParam, LPARAM lParam);
    LRESULT OnSweepBytes(WPARAM wParam, LPARAM lParam);
    void OnTimer(UINT_PTR nIDEvent);
    void OnDestroy();
    void OnSize(UINT nType, int cx, int cy);
    void OnRestart();
    void OnSelectBand();
    void ResetAxes();
    void OnResetMaximum();
    void OnResetMinimum();
    void OnMarkStep();
    void OnClearMarks();
    void OnShowActivityLog();
    void OnIgnored();
    void OnUpdateIgnored(CCmdUI* pCmdUI);

    void OnDisplayMode();
    void OnPlotMouseMove(short button, long x, long y);
    void OnPlotClick();
    void OnPlotAreaLimits(long* left, long* top, long* right, long* bottom, BOOL* handled);
    void OnStartChange();
    void OnEndChange();
    void OnStepChange();
    void OnBandwidthChange();
    void OnListAChange();
    void OnListBChange();
    void OnListCChange();
    void OnModeChange();
    void OnSquelchKnob();
    void OnSquelchDefault();
    void OnSquelchRelease();
    void OnVolumeKnob();
    void OnVolumeDefault();
    void OnVolumeRelease();
    void OnThirdKnob();
    void OnThirdDefault();
    void OnThirdRelease();
    void OnThresholdSlider();
    void OnAlertHoldSwitch();
    void OnAlertLogSwitch();
    void OnRecordSwitch();
    void OnAlertSoundChange();
    void OnTimeOutChange();
    void OnAlertDelayChange();
    void OnHalfSpanDown();
    void OnZoomIn();
    void OnHalfSpanUp();
    void OnZoomOut();
    void OnFastModeSwitch();

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()

    // An alert hold: when it began and its mark, in scan_timer_read milliseconds; 0 when none.
    std::uint32_t m_holdTime = 0;
    std::uint32_t m_holdStart = 0;

private:
    void RestartSequence();
    // The plot from its place to the view's right and bottom edges.
    void StretchPlot();
    void OnRangeButton(RangeButton button);
    void SettingChanged();
    void Modified();
    void FillSelectors();
    void FillBandwidths();
    void SelectModeOf(std::uint8_t code);
    void ShowRunLamp(bool running);
    void ApplySquelch(bool send);
    void ApplyVolume();
    void ApplyThird();
    int ProfileInt(const char* key, int fallback);
    void WriteProfile(const char* key, int value);
    std::int64_t TimeOutSetting() const;

    CRFAnalyzerFrame* m_frame = nullptr;
    // Set while the plot asks for its data area: the conversions asked meanwhile ask again.
    bool m_inAreaLimits = false;
    CRadioLog m_log;
    CString m_section;
    CiPlotX m_plot;
    CiKnobX m_volume;
    CiKnobX m_squelch;
    CiKnobX m_third;
    CiModeComboBoxX m_bandwidth;
    CiModeComboBoxX m_listA;
    CiModeComboBoxX m_listB;
    CiModeComboBoxX m_listC;
    CiModeComboBoxX m_colorScheme;
    CiModeComboBoxX m_modeSelector;
    CiModeComboBoxX m_alertSound;
    CiModeComboBoxX m_alertDelay;
    CiModeComboBoxX m_timeOut;
    CiAnalogOutputX m_startEntry;
    CiAnalogOutputX m_endEntry;
    CiAnalogOutputX m_stepEntry;
    CiLedRectangleX m_alertLamp;
    CiSevenSegmentAnalogX m_pointerFrequency;
    CiSevenSegmentAnalogX m_pointerLevel;
    CiSevenSegmentAnalogX m_threshold;
    CiSliderX m_thresholdSlider;
    CiSwitchSliderX m_fastMode;
    CiSwitchSliderX m_displayMode;
    CiSwitchSliderX m_alertLog;
    CiSwitchSliderX m_record;
    CiSwitchSliderX m_alertHold;
    CXTPButton m_resetMinimum;
    CXTPButton m_resetMaximum;
    CXTPButton m_activityLog;
    CXTPButton m_search;
    CXTPButton m_restart;
    CXTPButton m_start;
    CXTPButton m_pause;
    CXTPButton m_selectBand;
    CXTPButton m_axes;
    BandScopeChannels m_channels{m_plot};
    std::unique_ptr<BandScopeTraces> m_traces;
};
