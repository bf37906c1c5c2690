#pragma once
// The tone panel of a radio window whose tones the audio logger decodes from the radio's sound:
// a channel rack for that logger. It decodes nothing yet.

#include "radioview/ChannelRack.h"

class CAudioLog;

class CToneDecoderRack : public CChannelRack {
public:
    explicit CToneDecoderRack(CAudioLog* log);

    CAudioLog* GetAudioLog() const { return m_log; }

private:
    CAudioLog* m_log;
};
