#pragma once
// The banks and channels a transfer adds to a group while reading the radio, and the one channel
// that takes the memories the group has no place for (or gives the radio's defaults for the
// memories the group does not fill). The scratch channel lives until the program ends.
#include "platform/tessary/model/Bank.h"
#include "platform/tessary/model/Chan.h"

class CLoadBank : public Bank {};

class CLoadChan : public Chan {};

Chan& LoaderScratchChan();
