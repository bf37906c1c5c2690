#pragma once
#include "platform/instruments/InstrumentWrapper.h"

// A telephone keypad ("TiPhonePad"): keys 0 to 9, key 10 ('.') and key 11 ('C'). A key pressed
// fires 1 (key, shift).
class CiPhonePadX : public hb::instruments::InstrumentWrapper {
    DECLARE_DYNAMIC(CiPhonePadX)
};
