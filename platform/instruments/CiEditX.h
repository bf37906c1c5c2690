#pragma once
#include "platform/instruments/InstrumentWrapper.h"

// A text entry field ("TiEdit"). The program only colours it: its properties are reached by
// dispatch id (Dispids.h).
class CiEditX : public hb::instruments::InstrumentWrapper {
    DECLARE_DYNAMIC(CiEditX)
};
