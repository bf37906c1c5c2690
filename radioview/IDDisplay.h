#pragma once
// The one-line display of the current call's talkgroup or user ID, tone or code on the tone panels
// and the mini status panel.

#include "platform/instruments/CiLCDMatrixX.h"
#include "platform/records/UserId.h"

class CIDDisplay : public CiLCDMatrixX {
    DECLARE_DYNCREATE(CIDDisplay)

public:
    // Writes the ID as its kind reads on a scanner; a null ID, or a kind without a text, shows
    // dashes. Does nothing while the display has no window.
    void ShowID(const hb::records::UserId* id);
};
