#pragma once
#include "platform/instruments/InstrumentWrapper.h"

// A panel that frames other controls ("TiPanel"). The program only colours it: its properties are
// reached by dispatch id (Dispids.h).
class CiPanelX : public hb::instruments::InstrumentWrapper {
    DECLARE_DYNAMIC(CiPanelX)
};
