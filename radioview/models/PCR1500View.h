#pragma once
// The front panel of the PCR1500 receiver: the PCR1000 panel on its own form.
#include "radioview/models/PcrPanel.h"

class CPCR1500View : public hb::radioview::PcrPanel {
    DECLARE_DYNCREATE(CPCR1500View)

public:
    CPCR1500View();

protected:
    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()
};
