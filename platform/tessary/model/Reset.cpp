#include "platform/tessary/model/Reset.h"

#include "platform/tessary/model/Format.h"
#include "platform/tessary/model/HandleTable.h"
#include "platform/tessary/model/Radio.h"
#include "platform/tessary/model/Roster.h"

namespace hb::tessary {

void ResetForTests() {
    ResetHandleTable();
    SetProgramResolver({});
    SetTailorRadioHook({});
    SetRadioFactory({});
    ResetFormatStyles();
}

} // namespace hb::tessary
