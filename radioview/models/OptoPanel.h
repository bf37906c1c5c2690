#pragma once
// What the two panels of receivers with a tone and ID decoder share: the decoded tone or ID of
// the current hit on its display with the lamp of its kind, and the DTMF line. The panel with the
// full decoder also has the decoder-kind switch and shows every kind; the other shows tones only.
#include "platform/instruments/CiSwitchSliderX.h"
#include "radioview/RadioView.h"

#include <cstdint>

namespace hb::radioview {

class OptoPanel : public CRadioView {
public:
    OptoPanel(UINT form, bool fullDecoder);

    void OnInitialUpdate() override;
    void AppendDtmf(const DtmfRecord* rec) override;
    void UpdateStatusDisplay(const BYTE* engineStatus, BYTE* deviceStatus, Object* channel,
                             Object* user) override;
    void UpdateControlsFromParm(const parm* rec, const CString* info) override;
    void ShowAudioState(CAudioLog* log) override;
    // The display shows nothing and no kind lamp is lit.
    virtual void ClearDecoderDisplay();

    // The decoder kinds of the decoder-kind switch's positions.
    static constexpr std::uint8_t kSwitchKinds[] = {4, 3, 6, 1, 2};

    CiSwitchSliderX m_modeSwitch;
    CiSwitchSliderX m_decoderSwitch;
    CiSevenSegmentAnalogX m_decoderDisplay;
    CiLabelX m_dtmfLabel;
    CiLedRectangleX m_plLamp;
    CiLedRectangleX m_dplLamp;
    CiLedRectangleX m_ltrLamp;
    CiLedRectangleX m_m1Lamp;
    CiLedRectangleX m_m2Lamp;
    CiLedRectangleX m_edLamp;
    CiLedRectangleX m_trunkLamp;
    CiLedRectangleX m_idHoldLamp;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnModeSwitch();
    void OnDecoderSwitch();

private:
    // The lamp of a decoder kind, or null for a kind without one.
    CiLedRectangleX* KindLamp(std::uint8_t kind);
    void LightOnly(const CiLedRectangleX* lit);
    bool ShowsKind(std::uint8_t kind) const;

    bool m_fullDecoder;
};

} // namespace hb::radioview
