#pragma once
// The templates, controls, icon and string of the memory transfer dialogs.
#include "platform/win/WinTypes.h"

namespace hb::resources::transfer {

// Templates.
inline constexpr UINT kWriteInfoDialog = 27351;
inline constexpr UINT kReadInfoDialog = 27352;
inline constexpr UINT kOptionsDialog = 27353;
inline constexpr UINT kProgressDialog = 27739;
inline constexpr UINT kBankDialog = 28114;

inline constexpr UINT kProgressIcon = 27350;
// "Data could not be exchanged with the radio."
inline constexpr UINT kTransferErrorString = 28176;

// The summary dialog.
inline constexpr UINT kDocStartChannel = 27717;
inline constexpr UINT kRadioStartChannel = 27720;
inline constexpr UINT kDocStartBank = 27721;
inline constexpr UINT kRadioStartBank = 27722;
inline constexpr UINT kTotal = 27723;
inline constexpr UINT kRestoreDefaults = 27724;
inline constexpr UINT kSummary = 27725;
inline constexpr UINT kModeReplace = 27726;
inline constexpr UINT kModeInsert = 27727;
inline constexpr UINT kModeMerge = 27728;

// The bank dialog: banks A to T, then Settings and the two buttons.
inline constexpr UINT kBankA = 27667;
inline constexpr UINT kBankCount = 20;
inline constexpr UINT kSettings = 27891;
inline constexpr UINT kCheckAll = 27744;
inline constexpr UINT kClearAll = 27732;

// The progress dialog.
inline constexpr UINT kItemLabel = 27698;
inline constexpr UINT kIcon = 27700;
inline constexpr UINT kDirection = 27701;
inline constexpr UINT kBank = 27733;
inline constexpr UINT kDocument = 27734;
inline constexpr UINT kRigName = 27735;
inline constexpr UINT kChannel = 27736;
inline constexpr UINT kFrequency = 27740;
inline constexpr UINT kItem = 27741;
inline constexpr UINT kNotice = 27922;

} // namespace hb::resources::transfer
