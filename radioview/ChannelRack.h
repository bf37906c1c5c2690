#pragma once
// The tone panel of a radio window: the tone reader's name, the ID, tone or code of the channel
// being received, a lamp naming the kind of tone, and a running line of the last decoded digits.

#include "platform/instruments/CiLabelX.h"
#include "platform/instruments/CiLedRectangleX.h"
#include "radioview/IDDisplay.h"
#include "radioview/RadioRack.h"

class CChannelRack : public CRadioRack {
    DECLARE_DYNAMIC(CChannelRack)

public:
    // Readers that decode no digits lose the digit line; the name and the display colours.
    void RefreshAppearance() override;
    // While the engine is on a channel the ID shows, and its kind while the squelch is open.
    void UpdateStatus(const BYTE* engineStatus, const BYTE* deviceStatus) override;
    // Adds the record's digits to the line, keeping the newest 16 characters.
    void AppendDecodedText(const BYTE* record) override;
    // Lights the lamp with the kind of the ID ("PL", "DPL", ...); off for null or other kinds.
    virtual void ShowToneKind(const BYTE* idRecord);

    static constexpr std::size_t kDecodedLength = 16;

    CiLabelX m_decodedText;
    CiLabelX m_readerName;
    CIDDisplay m_idDisplay;
    CiLedRectangleX m_toneLamp;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
