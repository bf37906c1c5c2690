#pragma once
// The Multi-Radio pair lists of the settings file. Section "MultiRadio" switches list "A" on with
// a non-zero "A" and names its radios in "A1" to "A10" (likewise "B"); each value is a radio's
// name or profile section, possibly followed by a comma and more.

#include "platform/afx/CString.h"

namespace hb::app {

inline constexpr int kPairListLength = 10;

bool IsPairListOn(char list);
// Value `k` (from 1) of the list, up to 64 characters and cut at its first comma; empty when
// there is none.
CString PairListName(char list, int k);

} // namespace hb::app
