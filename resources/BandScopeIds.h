#pragma once
// The band scope's own controls and commands, beside the sweep displays' common ones.
#include "resources/ResourceIds.h"

inline constexpr UINT IDC_SCOPE_PLOT = 28245;
inline constexpr UINT IDC_SCOPE_VOLUME = 27540;
inline constexpr UINT IDC_SCOPE_SQUELCH = 27541;
inline constexpr UINT IDC_SCOPE_THIRD_KNOB = 27545;
inline constexpr UINT IDC_SCOPE_BANDWIDTH = 27544;
inline constexpr UINT IDC_SCOPE_LIST_A = 27553;
inline constexpr UINT IDC_SCOPE_LIST_B = 28003;
inline constexpr UINT IDC_SCOPE_LIST_C = 28006;
inline constexpr UINT IDC_SCOPE_COLOR_SCHEME = 27527;
inline constexpr UINT IDC_SCOPE_MODE = 28030;
inline constexpr UINT IDC_SCOPE_ALERT_SOUND = 27609;
inline constexpr UINT IDC_SCOPE_ALERT_DELAY = 28032;
inline constexpr UINT IDC_SCOPE_TIME_OUT = 27651;
inline constexpr UINT IDC_SCOPE_START = 27937;
inline constexpr UINT IDC_SCOPE_END = 27938;
inline constexpr UINT IDC_SCOPE_STEP = 27944;
inline constexpr UINT IDC_SCOPE_ALERT_LAMP = 28252;
inline constexpr UINT IDC_SCOPE_POINTER_FREQUENCY = 27914;
inline constexpr UINT IDC_SCOPE_POINTER_LEVEL = 27598;
inline constexpr UINT IDC_SCOPE_THRESHOLD = 27967;
inline constexpr UINT IDC_SCOPE_THRESHOLD_SLIDER = 27939;
inline constexpr UINT IDC_SCOPE_FAST_MODE = 27522;
inline constexpr UINT IDC_SCOPE_DISPLAY_MODE = 27586;
inline constexpr UINT IDC_SCOPE_ALERT_LOG = 27976;
inline constexpr UINT IDC_SCOPE_RECORD = 27975;
inline constexpr UINT IDC_SCOPE_ALERT_HOLD = 27612;
inline constexpr UINT IDC_SCOPE_RANGE_BUTTONS = 28052;
// Captions removed with the control they name when the radio does not offer it.
inline constexpr UINT IDC_SCOPE_LIST_A_CAPTION = 27931;
inline constexpr UINT IDC_SCOPE_LIST_C_CAPTION = 27940;
inline constexpr UINT IDC_SCOPE_LIST_B_CAPTION = 27936;
inline constexpr UINT IDC_SCOPE_MODE_CAPTION = 27933;
inline constexpr UINT IDC_SCOPE_VOLUME_CAPTION = 27926;
inline constexpr UINT IDC_SCOPE_SQUELCH_CAPTION = 28248;
inline constexpr UINT IDC_SCOPE_THIRD_CAPTION = 28247;

inline constexpr UINT ID_SCOPE_START = 27420;
inline constexpr UINT ID_SCOPE_START_KEY = 26007;
inline constexpr UINT ID_SCOPE_PAUSE = 27421;
inline constexpr UINT ID_SCOPE_PAUSE_KEY = 26005;
inline constexpr UINT ID_SCOPE_RESTART = 27423;
inline constexpr UINT ID_SCOPE_RESTART_KEY = 27584;
inline constexpr UINT ID_SCOPE_SELECT_BAND = 27585;
inline constexpr UINT ID_SCOPE_AXES = 28231;
inline constexpr UINT ID_SCOPE_RESET_MAXIMUM = 28202;
inline constexpr UINT ID_SCOPE_RESET_MINIMUM = 28204;
inline constexpr UINT ID_SCOPE_MARK_STEP = 27971;
inline constexpr UINT ID_SCOPE_CLEAR_MARKS = 27973;
inline constexpr UINT ID_SCOPE_ACTIVITY_LOG = 27021;
inline constexpr UINT ID_SCOPE_SEARCH = 27232;
inline constexpr UINT ID_SCOPE_IGNORED = 27042;
// The picture of the axes button.
inline constexpr UINT IDI_SCOPE_AXES = 27029;
