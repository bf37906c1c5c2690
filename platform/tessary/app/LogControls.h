#pragma once
// The controls of the logging dialogs 1609 (a radio window's) and 1623 (a band scope's).
#include "platform/win/WinTypes.h"

namespace hb::tessary::log {

inline constexpr UINT kRadioWindowTemplate = 1609;
inline constexpr UINT kBandScopeTemplate = 1623;

inline constexpr UINT kCaptionLabel = 100; // the log's caption, on an instrument label
inline constexpr UINT kTextLog = 1001;
inline constexpr UINT kCsvLog = 1002;
inline constexpr UINT kDatabaseLog = 1003;
inline constexpr UINT kDatabaseFile = 1004;
inline constexpr UINT kBrowse = 1005;
inline constexpr UINT kTextFile = 1006;
inline constexpr UINT kCsvFile = 1007;
inline constexpr UINT kStatus = 1008;
inline constexpr UINT kProblem = 1009;
inline constexpr UINT kStartStop = 1010;

} // namespace hb::tessary::log
