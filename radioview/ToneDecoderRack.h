#pragma once
// The tone panel of a radio whose tones a decoder hears in the audio logger's sound. The decoder
// reports what it hears to the radio's engine, which shows it as the channel's ID.

#include "platform/tessary/decoder/WaveToneDecoder.h"
#include "radioview/ChannelRack.h"

class CAudioLog;
class CRig;

class CToneDecoderRack : public CChannelRack, public CWaveToneDecoder {
    DECLARE_DYNAMIC(CToneDecoderRack)

public:
    explicit CToneDecoderRack(CAudioLog* log) : CWaveToneDecoder(log) {}

    BOOL Create(CWnd* parent, UINT templateId, UINT style) override;
    // Leaves the logger, while the radio still has the logger the rack was made for.
    void OnDestroy() override;

    // Hands the report to the engine with this rack's window in it, while the radio runs for
    // the window holding the rack.
    void ReportDecoded(BYTE* record) override;
    // 1 when the engine's channel lies below the radio's tone-decoder limit.
    int CanDecodeFrequency() override;
    // The name of the engine's channel in the window's scan list, or null.
    const char* ChannelText() override;

    CAudioLog* GetAudioLog() const { return AudioLog(); }

    DECLARE_MESSAGE_MAP()

protected:
    void OnTimer(UINT_PTR nIDEvent);
    LRESULT OnDecoderSetting(WPARAM wParam, LPARAM lParam);

private:
    // The rig of the window holding the rack, or null.
    CRig* OwnerRig() const;
};
