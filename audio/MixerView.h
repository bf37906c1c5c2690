#pragma once
// The Volume pane's view: a row for each sound card in use (speaker and wave-out volume, mute)
// and then a row for each audio logger (volume knob, level bar, mute, a button that brings its
// window forward, its monitor output), ten rows at most. It follows the cards' mixers as they
// change, refreshes the logger rows three times a second and sizes its pane to what it shows.

#include "platform/afx/CComboBox.h"
#include "platform/instruments/CiKnobX.h"
#include "platform/instruments/CiLedBarX.h"
#include "platform/instruments/CiSliderX.h"
#include "platform/tessary/app/EnhancedFormView.h"
#include "platform/toolkit/CXTPButton.h"
#include "platform/win/mm/Mixer.h"

#include <array>
#include <string>

class CAudioLog;

class CMixerView : public CEnhancedFormView {
    DECLARE_DYNAMIC(CMixerView)

public:
    static constexpr int kRows = 10;
    static constexpr UINT_PTR kTimerId = 1;
    static constexpr UINT kTimerMs = 333;
    // Ticks a released knob stays where the user left it.
    static constexpr int kHoldOffTicks = 5;

    CMixerView();

    // The scroll sizes become the content's size, which is returned: what the pane needs to show
    // all of it.
    CSize GetContentSize();

    void OnInitialUpdate() override;

    // The sound-card rows, then the logger rows; every mixer held before is closed first.
    void BuildRows();
    void BuildLoggerRows();
    void RefreshLoggerRow(int row, CAudioLog* log);
    void SetSpeakerVolume(int row);
    void SetWaveVolume(int row);
    void OnMuteButton(int row);
    void ShowLogger(int row);
    void OnOutputChange(int row);

    // Knob gestures of a row.
    void OnKnobDown(int row);
    void OnKnobUp(int row);
    void OnKnobTurned(int row);

    struct Row {
        HMIXER mixer = 0;
        DWORD speakerVolume = kNoControl;
        DWORD speakerMute = kNoControl;
        DWORD waveVolume = kNoControl;
        DWORD waveMute = kNoControl;
        BOOL speakerMuted = FALSE;
        BOOL waveMuted = FALSE;
        std::string shownName;
        BYTE shownMute = 0;
        BYTE dragging = 0;
        int holdOff = 0;
    };
    static constexpr DWORD kNoControl = 0xFFFFFFFF;

    int m_cardRows = 0;
    int m_rowsLaidOut = 0;
    std::size_t m_loggersLaidOut = 0;
    CSize m_contentSize{100, 100};
    std::array<Row, kRows> m_rows{};

    std::array<CiKnobX, kRows> m_knobs;
    std::array<CiLedBarX, kRows> m_levels;
    std::array<CXTPButton, kRows> m_muteButtons;
    std::array<CXTPButton, kRows> m_showButtons;
    std::array<CiSliderX, kRows> m_speakerSliders;
    std::array<CiSliderX, kRows> m_waveSliders;
    std::array<CComboBox, kRows> m_outputs;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnTimer(UINT_PTR id);
    void OnDestroy();
    LRESULT OnMixerControlChange(WPARAM wParam, LPARAM lParam);
    void OnMuteCommand(UINT id) { OnMuteButton(static_cast<int>(id - kMuteId)); }
    void OnShowCommand(UINT id) { ShowLogger(static_cast<int>(id - kShowId)); }
    void OnOutputCommand(UINT id) { OnOutputChange(static_cast<int>(id - kOutputId)); }
    template <int Row>
    void OnKnobDownEvent(short, short, long, long) {
        OnKnobDown(Row);
    }
    template <int Row>
    void OnKnobUpEvent(short, short, long, long) {
        OnKnobUp(Row);
    }
    template <int Row>
    void OnKnobEvent() {
        OnKnobTurned(Row);
    }
    template <int Row>
    void OnSpeakerEvent() {
        SetSpeakerVolume(Row);
    }
    template <int Row>
    void OnWaveEvent() {
        SetWaveVolume(Row);
    }

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()

public:
    static constexpr UINT kFrameId = 29600;
    static constexpr UINT kKnobId = 29620;
    static constexpr UINT kLevelId = 29640;
    static constexpr UINT kMuteId = 29660;
    static constexpr UINT kShowId = 29680;
    static constexpr UINT kCaptionId = 29700;
    static constexpr UINT kSpeakerId = 29720;
    static constexpr UINT kWaveId = 29740;
    static constexpr UINT kSpeakerLabelId = 29760;
    static constexpr UINT kWaveLabelId = 29780;
    static constexpr UINT kOutputId = 29938;

private:
    void CloseMixers();
    void ClearRow(Row& row);
    void ShowRowControls(int row, bool card, bool logger);
    void TakeFrameExtent(int row);
    void SizePane();
    // The logger at the row's place in the list; null when there is none now.
    CAudioLog* LoggerOf(int row) const;
    bool IsEligible(UINT mixer, BOOL inUse) const;
    bool ReadControl(HMIXER mixer, DWORD control, DWORD& value) const;
    void WriteControl(HMIXER mixer, DWORD control, DWORD value) const;
    // Finds the control of a line by type; its bounds too for a volume.
    DWORD FindControl(HMIXER mixer, DWORD line, DWORD type, MIXERCONTROLA* found = nullptr) const;
    void SetUpCardRow(int row, HMIXER mixer, DWORD speakerLine);
};
