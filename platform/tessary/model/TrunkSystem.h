#pragma once
// A trunk system profile (kind 53530037): a group that describes one trunked system, used as the
// scan list of radios that keep their memory by system (.sxr files).

#include "platform/tessary/model/Group.h"

class TrunkSystem : public Group {
public:
    TrunkSystem() : Group(Kind::TrunkSystem) {}

    const char* descr() const override { return "Trunk System"; }
};
