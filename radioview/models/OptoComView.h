#pragma once
// The front panel of the OptoCom receiver: the full decoder with its kind switch, every kind of
// tone and ID.
#include "radioview/models/OptoPanel.h"

class COptoComView : public hb::radioview::OptoPanel {
    DECLARE_DYNCREATE(COptoComView)

public:
    COptoComView();

protected:
    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()
};
