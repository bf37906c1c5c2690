#pragma once
// The front panel of the PCR1000 receiver; its form also has the status lamp.
#include "radioview/models/PcrPanel.h"

class CPCR1000View : public hb::radioview::PcrPanel {
    DECLARE_DYNCREATE(CPCR1000View)

public:
    CPCR1000View();

protected:
    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()
};
