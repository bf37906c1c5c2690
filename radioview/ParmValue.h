#pragma once
// Channel parameter records kept as REG_BINARY values of a radio's settings key: the six VFOs of
// the front panel and the two sweep settings of the rig.

#include "platform/records/Parm.h"
#include "platform/win/store/Registry.h"

// Writes the record's 129 bytes as the REG_BINARY value `name`; false when the store refuses.
bool StoreParmValue(HKEY key, LPCSTR name, const parm& record);

// Takes the value `name` only when it is REG_BINARY of exactly 129 bytes. Otherwise (missing,
// shorter, longer, another type) the record keeps the caller's value and the result is false.
bool ReadParmValue(HKEY key, LPCSTR name, parm& record);
