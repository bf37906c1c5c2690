#pragma once
// The "Multi-Radio" tab of a radio window with a second rig: the queue of channels the first
// radio's engine (rig A) holds for the second (rig B), the pair's priority mode and preempt level,
// sent to both engines, and rig B's squelch. The radio panel asks for a redraw of the queue
// (m_refresh) when the engine reports a change; the timer redraws it.
#include "platform/afx/CListCtrl.h"
#include "platform/instruments/CiKnobX.h"
#include "platform/instruments/CiLabelX.h"
#include "platform/instruments/CiSevenSegmentIntegerX.h"
#include "platform/instruments/CiSliderX.h"
#include "platform/instruments/CiSwitchRotaryX.h"
#include "platform/tessary/app/EnhancedFormView.h"
#include "resources/ResourceIds.h"

#include <cstdint>

class CRadioFrame;
class CRig;

class CSearchSlaveView : public CEnhancedFormView {
    DECLARE_DYNCREATE(CSearchSlaveView)

public:
    static constexpr UINT IDD = IDD_SEARCH_SLAVE_VIEW;
    static constexpr UINT_PTR kQueueTimer = 1;
    static constexpr UINT kQueueTimerMs = 333;
    static constexpr int kColumnCount = 3;
    static constexpr int kDefaultColumnWidth = 100;

    CSearchSlaveView();

    void OnInitialUpdate() override;

    // The preempt level a slider value gives: the whole part, one up from a half, within a byte.
    static int PreemptLevelOf(double value);

    // Rig A's section: the section of this view's settings.
    CString m_name;
    // 1: the queue is redrawn at the next tick.
    std::uint32_t m_refresh = 0;
    // The pair's settings are sent again once both engines run.
    bool m_settingsPending = false;

    CiKnobX m_squelchKnob;
    CiLabelX m_rigBName;
    CiLabelX m_rigAName;
    CiSliderX m_preemptSlider;
    CiSwitchRotaryX m_priorityMode;
    CiSevenSegmentIntegerX m_preemptDisplay;
    CListCtrl m_queue;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnDestroy();
    void OnTimer(UINT_PTR nIDEvent);
    void OnPreemptChange();
    void OnPreemptMouseUp(short button, short shift, long x, long y);
    void OnSquelchChange();
    void OnSquelchMouseUp(short button, short shift, long x, long y);
    void OnSquelchReset();
    void OnPriorityModeChange();

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()

private:
    CRadioFrame* Frame() const;
    CRig* RigA() const;
    CRig* RigB() const;
    void ApplyPriorityMode();
    void ApplyPreemptLevel();
    // Rig B's squelch byte for the knob's value.
    std::uint8_t ApplySquelch();
    void SaveSquelch();
    void ShowQueue();
    CString ColumnEntry(int column) const;
};
