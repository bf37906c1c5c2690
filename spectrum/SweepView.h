#pragma once
// What the spectrum analyzer and the band scope share: the rig they sweep with (chosen when the
// window is created, refused for a radio that cannot sweep), the sweep settings of their document
// seeded from the radio window that opened them, start and pause through the rig, and the
// sweep messages of the engine, whose readings reach ProcessSweepPoint one by one.

#include "platform/instruments/CiLabelX.h"
#include "platform/instruments/CiLedRectangleX.h"
#include "platform/instruments/CiPanelX.h"
#include "platform/instruments/CiSevenSegmentAnalogX.h"
#include "platform/records/Parm.h"
#include "platform/records/SpanPoint.h"
#include "platform/tessary/app/EnhancedFormView.h"

#include <cstdint>
#include <string>
#include <vector>

class CiAnalogOutputX;
class CiKnobX;
class CiModeComboBoxX;
class CRig;
class CSweepDoc;

class CSweepView : public CEnhancedFormView {
    DECLARE_DYNAMIC(CSweepView)

public:
    static constexpr std::uint8_t kOn = 0xFF;
    static constexpr UINT kCommandPause = 27037;
    static constexpr UINT kCommandStart = 27038;
    static constexpr std::uint32_t kNoStepRange = 100'000; // Hz above the first band
    static constexpr std::uint32_t kNoStepStep = 10'000;

    // The openers that seed around the VFO and by band; the profile key of the document's path.
    struct Kind {
        UINT form;
        UINT templateId;
        UINT aroundVfo;
        UINT byBand;
        const char* fileKey;
    };

    explicit CSweepView(const Kind& kind);
    ~CSweepView() override;

    BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                CWnd* pParentWnd, UINT nID, CCreateContext* pContext = nullptr) override;
    void OnInitialUpdate() override;

    // One reading: its level (ConvertLevel) at its step of the traces, unless the view is
    // paused, has no rig, or the step lies past the traces. The level, or 0 when paused or
    // without a rig.
    virtual std::int16_t ProcessSweepPoint(SpanPoint& point);
    virtual std::int16_t ConvertLevel(std::uint32_t raw, std::uint16_t kind);

    CRig* GetRig() const { return m_rig; }
    CSweepDoc* GetSweepDoc() const;
    hb::records::Parm& Settings();
    bool IsPaused() const { return m_paused != 0; }
    bool IsReady() const { return m_ready != 0; }
    bool IsSeeded() const { return m_seeded != 0; }
    std::uint32_t StepCount() const { return m_stepCount; }
    const std::vector<std::uint8_t>& BlockBuffer() const { return m_block; }

    void OnStart();
    void OnPause();

protected:
    // The level of one reading at step `index` of the traces; each display folds it its way.
    virtual void FoldLevel(std::uint32_t index, std::int16_t level, const SpanPoint& point);
    // The steps of the traces for the settings: (end - start) / step rounded up, 1 without a step.
    virtual std::uint32_t CountSteps();
    // The radio told its device status on opening: its selectors are filled again.
    virtual void OnRadioReopened();
    // The peak of a byte sweep or block on the two displays.
    virtual void ShowPeak(double megahertz, double level);

    // The start's claim on the rig with the view's mode, the device opened (a failure reported
    // as from `source`) and the radio's selectors refilled; false when the start ends there.
    bool ClaimForStart(const char* source);
    // The sweep started from the resume frequency, or from the start outside the range, with the
    // receiver silent while the engine sets it up.
    void StartFromResume();
    // The pause's break of the sweep; a beep and false without the rig open for the frame.
    bool BreakForPause();

    // Fills a selector with the items; without any the selector is hidden and its caption (0 for
    // none) gone.
    void FillSelector(CiModeComboBoxX& selector, UINT caption,
                      const std::vector<std::string>& items);
    // The settings' range, put in order; false, with a beep and the sweep paused, when the radio
    // cannot sweep one of its ends.
    bool TakeSweepRange(std::uint32_t& start, std::uint32_t& end);
    // The settings' bandwidth, filter and mode made a row of the radio's bandwidth table: the same
    // row, else the row of that bandwidth and filter, else the middle row, which also stands for
    // no bandwidth. A radio without the table keeps the settings' own.
    void ChooseSweepBandwidth();
    // The start and end entries take, in MHz, the radio's lowest and highest sweep frequency as
    // their limits.
    void LimitRangeEntries(CiAnalogOutputX& start, CiAnalogOutputX& end);
    // A knob with its caption's id.
    struct SweepKnob {
        CiKnobX& knob;
        UINT caption;
    };
    // The squelch, volume and third knob: each turns over the radio's range when the radio offers
    // it by a bit of its knob word, and goes with its caption when it does not.
    void SetupKnobs(const SweepKnob (&knobs)[3]);

    void DoDataExchange(CDataExchange* pDX) override;
    LRESULT OnEngineStatus(WPARAM wParam, LPARAM lParam);
    LRESULT OnSpanSweep(WPARAM wParam, LPARAM lParam);
    LRESULT OnSpanBlock(WPARAM wParam, LPARAM lParam);
    LRESULT OnQueryRunCommand(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

    Kind m_kind;
    CRig* m_rig = nullptr;
    std::uint8_t m_paused = kOn;
    std::uint8_t m_ready = 0;
    std::uint8_t m_seeded = 0;
    std::uint8_t m_blockBusy = 0;
    std::uint8_t m_mode = 0;
    std::uint32_t m_stepCount = 0;
    std::vector<std::uint8_t> m_block;

    CiLedRectangleX m_runLamp;
    CiSevenSegmentAnalogX m_frequencyDisplay;
    CiSevenSegmentAnalogX m_levelDisplay;
    CiPanelX m_peakPanel;
    CiLabelX m_rigName;

private:
    void SeedSettings();
    void ShowRunState(bool running);
};
