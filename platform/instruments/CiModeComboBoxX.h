#pragma once
#include "platform/instruments/InstrumentWrapper.h"

// A list of modes to choose from ("TiModeComboBox"). The program only colours it: its properties
// are reached by dispatch id (Dispids.h).
class CiModeComboBoxX : public hb::instruments::InstrumentWrapper {
    DECLARE_DYNAMIC(CiModeComboBoxX)
};
