#pragma once
// The spectrum analyzer's own controls and commands, beside the sweep displays' common ones.
#include "resources/ResourceIds.h"

// The spectrum analyzer's own controls.
inline constexpr UINT IDC_ANALYZER_PLOT = 28245;
inline constexpr UINT IDC_ANALYZER_START = 27937;
inline constexpr UINT IDC_ANALYZER_END = 27938;
inline constexpr UINT IDC_ANALYZER_POINTER_FREQUENCY = 27914;
inline constexpr UINT IDC_ANALYZER_POINTER_LEVEL = 27598;
inline constexpr UINT IDC_ANALYZER_MARKER_ONE = 28054;
inline constexpr UINT IDC_ANALYZER_MARKER_TWO = 28055;
inline constexpr UINT IDC_ANALYZER_MARKER_THREE = 28056;
inline constexpr UINT IDC_ANALYZER_MARKER_FOUR = 28057;
inline constexpr UINT IDC_ANALYZER_FIRST_DIFFERENCE = 28059;
inline constexpr UINT IDC_ANALYZER_SECOND_DIFFERENCE = 28060;
inline constexpr UINT IDC_ANALYZER_SIGNAL_TRACE = 28209;
inline constexpr UINT IDC_ANALYZER_AVERAGE_TRACE = 28198;
inline constexpr UINT IDC_ANALYZER_MINIMUM_TRACE = 28000;
inline constexpr UINT IDC_ANALYZER_MAXIMUM_TRACE = 27998;
inline constexpr UINT IDC_ANALYZER_MARKERS = 28207;
inline constexpr UINT IDC_ANALYZER_BAND_SNAP = 27995;
inline constexpr UINT IDC_ANALYZER_PAN_ZOOM = 28052;
inline constexpr UINT IDC_ANALYZER_DETAIL = 27525;
inline constexpr UINT IDC_ANALYZER_COLOR_SCHEME = 27527;
inline constexpr UINT IDC_ANALYZER_FORM_PANEL = 28066;
// The receiver settings a sweep runs with: three knobs, the filter and mode selectors and the
// three option lists, each with the caption destroyed when the radio lacks it.
inline constexpr UINT IDC_ANALYZER_VOLUME = 27540;
inline constexpr UINT IDC_ANALYZER_SQUELCH = 27541;
inline constexpr UINT IDC_ANALYZER_GAIN = 27545;
inline constexpr UINT IDC_ANALYZER_FILTER = 27544;
inline constexpr UINT IDC_ANALYZER_MODE = 28030;
inline constexpr UINT IDC_ANALYZER_LIST_A = 27553;
inline constexpr UINT IDC_ANALYZER_LIST_B = 28006;
inline constexpr UINT IDC_ANALYZER_LIST_C = 28003;
inline constexpr UINT IDC_ANALYZER_VOLUME_CAPTION = 27926;
inline constexpr UINT IDC_ANALYZER_SQUELCH_CAPTION = 28248;
inline constexpr UINT IDC_ANALYZER_GAIN_CAPTION = 28247;
inline constexpr UINT IDC_ANALYZER_MODE_CAPTION = 27933;
inline constexpr UINT IDC_ANALYZER_LIST_A_CAPTION = 27931;
inline constexpr UINT IDC_ANALYZER_LIST_B_CAPTION = 27940;
inline constexpr UINT IDC_ANALYZER_LIST_C_CAPTION = 27936;
// Buttons of the form that the analyzer hides at set-up.
inline constexpr UINT ID_ANALYZER_LOG = 27021;
inline constexpr UINT ID_ANALYZER_OPTIONS = 27232;
inline constexpr UINT ID_ANALYZER_RESTART = 27423;
inline constexpr UINT ID_ANALYZER_RESTART_KEY = 27584;
inline constexpr UINT ID_ANALYZER_START = 27420;
inline constexpr UINT ID_ANALYZER_PAUSE = 27421;
inline constexpr UINT ID_ANALYZER_SELECT_BAND = 27585;
inline constexpr UINT ID_ANALYZER_ZOOM_MARKERS = 28053;
inline constexpr UINT ID_ANALYZER_AXES = 28231;
inline constexpr UINT ID_ANALYZER_FIT_LEVELS = 28244;
inline constexpr UINT ID_ANALYZER_RESET_AVERAGE = 28200;
inline constexpr UINT ID_ANALYZER_RESET_MAXIMUM = 28202;
inline constexpr UINT ID_ANALYZER_RESET_MINIMUM = 28204;
inline constexpr UINT ID_ANALYZER_BAND_SNAP_TUNE = 28008;
