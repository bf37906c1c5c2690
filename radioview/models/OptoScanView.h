#pragma once
// The front panel of the OptoScan receiver: tones only.
#include "radioview/models/OptoPanel.h"

class COptoScanView : public hb::radioview::OptoPanel {
    DECLARE_DYNCREATE(COptoScanView)

public:
    COptoScanView();

protected:
    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()
};
