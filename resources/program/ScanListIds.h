#pragma once
// The scan list tab's resources: the entry picker's template and controls, the views' icon and
// the hints of the scan list grid's headings.
#include "platform/win/WinTypes.h"

namespace hb::resources::scanlist {

inline constexpr UINT kIcon = 27332;

// The entry picker.
inline constexpr UINT kEntryDialog = 27329;
inline constexpr UINT kChannelList = 27647;
inline constexpr UINT kGroupList = 27645;
inline constexpr UINT kRangeList = 27646;
inline constexpr UINT kFileName = 27604;
inline constexpr UINT kKind = 27605;
inline constexpr UINT kFolder = 27886;
inline constexpr UINT kChooseChannel = 27648;
inline constexpr UINT kChooseGroup = 27650;
inline constexpr UINT kChooseRange = 27649;
inline constexpr UINT kClear = 27737;
// Three buttons the picker takes without doing anything; they do not show.
inline constexpr UINT kFirstSilentButton = 27642;
inline constexpr UINT kLastSilentButton = 27644;

// The grid's heading hints.
inline constexpr UINT kLogHint = 27661;
inline constexpr UINT kFileHint = 27662;
inline constexpr UINT kTitleHint = 27663;
inline constexpr UINT kInfoHint = 27664;
inline constexpr UINT kRowHint = 27665;
inline constexpr UINT kTypeHint = 27666;
inline constexpr UINT kAudioHint = 27826;

} // namespace hb::resources::scanlist
