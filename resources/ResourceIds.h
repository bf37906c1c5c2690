#pragma once
// The ids of every resource the program and its resource library carry: forms and dialogs, their
// controls, menus and commands, strings, images and accelerators. Control ids are shared across
// the front panels, so that one message map serves them all.
#include "platform/afx/res/AfxIds.h"
#include "platform/win/WinTypes.h"

// Labels and group boxes that no code addresses.
inline constexpr UINT IDC_STATIC = 0xFFFF;

// ---- The program's main resources: menu, tool bar, icon, accelerators and title string.
inline constexpr UINT IDR_MAINFRAME = 27000;
inline constexpr UINT IDB_SPLASH = 27001;
inline constexpr UINT IDS_PRODUCT_NAME = IDR_MAINFRAME;

// ---- Document templates; each id also names the template's document strings.
inline constexpr UINT IDR_GROUP = 27295;
inline constexpr UINT IDR_RANGE = 27354;
inline constexpr UINT IDR_RADIO = 27297;
inline constexpr UINT IDR_SCANNER_MANAGER = 1645;
inline constexpr UINT IDR_PROGRAMMING_MANAGER = 1646;
inline constexpr UINT IDR_WEB_GRABBER = 1649;
inline constexpr UINT IDR_SPECTRUM_ANALYZER = 27299;
inline constexpr UINT IDR_AUDIO_PLAYER = 28508;
inline constexpr UINT IDR_BAND_SCOPE = 27301;
inline constexpr UINT IDR_DATABASE_XBASE = 27289;
inline constexpr UINT IDR_DATABASE_EXCEL = 27298;
inline constexpr UINT IDR_DATABASE_LOTUS = 27300;
inline constexpr UINT IDR_DATABASE_PARADOX = 27291;
inline constexpr UINT IDR_DATABASE_JET = 27302;

// ---- Other menus.
inline constexpr UINT IDR_CONTEXT_MENUS = 27345;
inline constexpr UINT IDR_GRID_MENU = 27360;

// ---- Main menu and tool bar commands.
inline constexpr UINT ID_FILE_NEW_GROUP = 27006;
inline constexpr UINT ID_FILE_NEW_RANGE = 27120;
inline constexpr UINT ID_FILE_OPEN_GROUP = IDR_GROUP;
inline constexpr UINT ID_FILE_OPEN_SCAN_LIST = IDR_RADIO;
inline constexpr UINT ID_FILE_OPEN_RANGE = IDR_RANGE;
inline constexpr UINT ID_FILE_OPEN_MONITORING_ASSISTANT = 27360;
inline constexpr UINT ID_FILE_OPEN_SPECTRUM_ANALYZER = IDR_SPECTRUM_ANALYZER;
inline constexpr UINT ID_FILE_OPEN_BAND_SCOPE = IDR_BAND_SCOPE;
inline constexpr UINT ID_FILE_OPEN_TRAFFIC_ANALYZER = 27303;
inline constexpr UINT ID_FILE_OPEN_SIGNAL_DATA_RECORDER = 27305;
inline constexpr UINT ID_FILE_OPEN_INTERFERENCE_CORRELATOR = 27401;
inline constexpr UINT ID_FILE_OPEN_BAND_OCCUPANCY_SCOPE = 27404;
inline constexpr UINT ID_FILE_OPEN_DBASE = IDR_DATABASE_XBASE;
inline constexpr UINT ID_FILE_OPEN_ACCESS = IDR_DATABASE_JET;
inline constexpr UINT ID_FILE_OPEN_PARADOX = IDR_DATABASE_PARADOX;
inline constexpr UINT ID_FILE_OPEN_EXCEL = IDR_DATABASE_EXCEL;
inline constexpr UINT ID_FILE_OPEN_LOTUS = IDR_DATABASE_LOTUS;

inline constexpr UINT ID_TOOLS_RADIO_CONTROL = 27019;
inline constexpr UINT ID_TOOLS_SPECTRUM_ANALYZER = 27008;
inline constexpr UINT ID_TOOLS_BAND_SCOPE = 27005;
inline constexpr UINT ID_TOOLS_AUDIO_PLAYER = IDR_AUDIO_PLAYER;
inline constexpr UINT ID_TOOLS_PROGRAMMING_MANAGER = IDR_PROGRAMMING_MANAGER;
inline constexpr UINT ID_TOOLS_SCANNER_MANAGER = IDR_SCANNER_MANAGER;
inline constexpr UINT ID_TOOLS_WEB_GRABBER = 27249;
inline constexpr UINT ID_TOOLS_WIZARD = 28571;

inline constexpr UINT ID_VIEW_SIMPLE_MODE = 29934;
inline constexpr UINT ID_VIEW_COMPACT = 29936;
inline constexpr UINT ID_VIEW_SHOW_MODE = 27246;
inline constexpr UINT ID_VIEW_ENGINE_TRACE = 1686;
inline constexpr UINT ID_VIEW_CLOSE_VOLUME_PANE = 29593;
inline constexpr UINT ID_VIEW_STYLE_1 = 29793;
inline constexpr UINT ID_VIEW_STYLE_2 = 29794;
inline constexpr UINT ID_VIEW_STYLE_3 = 29795;
inline constexpr UINT ID_VIEW_STYLE_4 = 29796;
inline constexpr UINT ID_VIEW_DIAGNOSTICS = 1638;

inline constexpr UINT ID_SETTINGS_CONFIGURATION = 27117;
inline constexpr UINT ID_SETTINGS_RADIO_FILES_DIRECTORY = 27184;
inline constexpr UINT ID_SETTINGS_WINDOWS_VOLUME = 27017;
inline constexpr UINT ID_SETTINGS_WINDOWS_RECORDING = 28343;
inline constexpr UINT ID_SETTINGS_AUDIO_LOGGER = 27170;
inline constexpr UINT ID_SETTINGS_HF_FREQ_DISPLAY = 27231;
inline constexpr UINT ID_SETTINGS_TRUNK_ID_FORMAT = 27182;
inline constexpr UINT ID_COLOR_FIRST = 27083;
inline constexpr UINT ID_COLOR_LAST = 27114;
inline constexpr UINT ID_COLOR_RESET = 27115;
inline constexpr UINT ID_FONT_DEFAULT = 27171;
inline constexpr UINT ID_FONT_GRID = 27172;
inline constexpr UINT ID_FONT_HISTORY = 27173;
inline constexpr UINT ID_FONT_TACTICAL = 27174;
inline constexpr UINT ID_TOOLBAR_HIDE_CONFIGURATION = 28391;
inline constexpr UINT ID_TOOLBAR_HIDE_ADVANCED_TOOLS = 28390;
inline constexpr UINT ID_TOOLBAR_LOCK = 30074;

inline constexpr UINT ID_WINDOW_TABBED = 29937;
inline constexpr UINT ID_HELP_USER_MANUAL = 28573;
inline constexpr UINT IDS_USER_MANUAL = ID_HELP_USER_MANUAL;
inline constexpr UINT ID_MASTER_MUTE = 28039;
inline constexpr UINT ID_BEEP = 35001;
// The status bar's date and time panes.
inline constexpr UINT ID_DATE_PANE = 27012;
inline constexpr UINT ID_TIME_PANE = 27002;
// A second cascade and vertical tile, and file kinds the main frame opens without a menu of
// their own.
inline constexpr UINT ID_WINDOW_CASCADE_ALSO = 27935;
inline constexpr UINT ID_WINDOW_TILE_VERT_ALSO = 27229;
inline constexpr UINT ID_FILE_OPEN_KIND_28104 = 28104;
inline constexpr UINT ID_FILE_OPEN_KIND_29318 = 29318;
inline constexpr UINT ID_FILE_OPEN_KIND_27400 = 27400;
inline constexpr UINT ID_FILE_OPEN_KIND_27424 = 27424;

// ---- The radio window's menu.
inline constexpr UINT ID_RADIO_START = 27038;
inline constexpr UINT ID_RADIO_STOP = 27037;
inline constexpr UINT ID_RADIO_LOCK_OUT = 27034;
inline constexpr UINT ID_RADIO_TEMP_LOCK_OUT = 27035;
inline constexpr UINT ID_RADIO_MINI_STATUS = 27169;
inline constexpr UINT ID_RADIO_UPLOAD_SCAN_LIST = 28550;
inline constexpr UINT ID_RADIO_GLOBAL_SETTINGS = 27139;

// ---- The radio window's "Scan" bar and tool view.
inline constexpr UINT IDR_SCAN_BAR = 27333;
inline constexpr UINT IDD_TOOL_VIEW = 29383;
// A form view of scan options that no window opens.
inline constexpr UINT IDD_SCAN_OPT_VIEW = 27357;

// ---- Context and grid menus (the class library's edit ids among them).
inline constexpr UINT ID_RANGE_LOCK_OUT_MAP = 27186;
inline constexpr UINT ID_GRID_CLEAR_SELECTION = 57632;
inline constexpr UINT ID_GRID_CLEAR_ALL = 57633;
inline constexpr UINT ID_GRID_FIND_TEXT = 57636;
inline constexpr UINT ID_GRID_REPLACE = 57641;
inline constexpr UINT ID_GRID_SELECT_ALL = 57642;
inline constexpr UINT ID_GRID_FIND = 27142;
inline constexpr UINT ID_GRID_DESELECT_ALL = 27148;
inline constexpr UINT ID_GRID_REMOVE_EMPTY_ROWS = 27149;
inline constexpr UINT ID_GRID_REMOVE_SELECTED_ROWS = 27167;
inline constexpr UINT ID_GRID_INSERT_ROW_BEFORE = 27138;
inline constexpr UINT ID_GRID_INSERT_ROW_AFTER = 27137;
inline constexpr UINT ID_GRID_CLONE_ROWS = 27158;
// Black, Red, Green, Blue, Cyan, Yellow, Magenta, Orange: 27051 to 27058.
inline constexpr UINT ID_GRID_COLOR_BLACK = 27051;
inline constexpr UINT ID_GROUP_CHANGE_RADIO_TYPE = 27181;

// ---- Icons. Button icons have their button's id unless named here.
inline constexpr UINT IDI_RADIO_1 = 27315; // 27315 to 27319, by radio number
inline constexpr UINT IDI_RADIO_COUNT = 5;
inline constexpr UINT IDI_RECORDING_MARK = 28703;
inline constexpr UINT IDI_KEY_SCAN_LIST = 27767;
inline constexpr UINT IDI_KEY_TRUNK = 28501;
inline constexpr UINT IDI_KEY_SEARCH = 28053;
inline constexpr UINT IDI_KEY_HOLD = 27421; // also the player's pause
inline constexpr UINT IDI_KEY_LOCK_OUT = 28498;
inline constexpr UINT IDI_KEY_SCAN = 27350;
inline constexpr UINT IDI_KEY_LIMIT = 27271;
inline constexpr UINT IDI_KEY_WEATHER = 27450;
inline constexpr UINT IDI_KEY_SERVICE = 28499;
inline constexpr UINT IDI_KEY_RESUME = 27872;
inline constexpr UINT IDI_KEY_MANUAL = 28520; // also the player's stop
inline constexpr UINT IDI_KEY_ATTENUATOR = 27531;
inline constexpr UINT IDI_AUDIO_COMMAND = 26008;
inline constexpr UINT IDI_AUDIO_NO_ACTION = 28730;
inline constexpr UINT IDI_AUDIO_MUTE_PEERS = 26049;
inline constexpr UINT IDI_AUDIO_FOLDER = 27362;
inline constexpr UINT IDI_PLAYER_MUTED = 28504;
inline constexpr UINT IDI_PLAYER_PLAY = 27420;
inline constexpr UINT IDI_PLAYER_REWIND = 28517;
inline constexpr UINT IDI_PLAYER_FORWARD = 28516;
inline constexpr UINT IDI_PLAYER_BACK = 28519;
inline constexpr UINT IDI_PLAYER_END = 28518;
// The radio window's "History" tab.
inline constexpr UINT IDI_HISTORY = 27330;

// ---- Radio selection dialog.
inline constexpr UINT IDD_RADIO_SELECT = 27417;
inline constexpr UINT IDB_RADIO_SELECT = 27412;
inline constexpr UINT IDC_RADIO_LIST = 27924;
inline constexpr UINT IDC_RADIO_LEGEND = 28153;
inline constexpr UINT IDC_RUN_WIZARD = 28141;

// ---- Engine progress dialog.
inline constexpr UINT IDD_ENGINE_PROGRESS = 28545;
// The radio window's activity log dialog.
inline constexpr UINT IDD_ACTIVITY_LOG = 1609;
// The sound-card volume form of the main window's Volume pane.
inline constexpr UINT IDD_MIXER = 29592;
// The Volume pane's rows: each id + the row, 0 to 9.
inline constexpr UINT IDC_MIXER_FRAME = 29600;
inline constexpr UINT IDC_MIXER_KNOB = 29620;
inline constexpr UINT IDC_MIXER_LEVEL = 29640;
inline constexpr UINT IDC_MIXER_MUTE = 29660;
inline constexpr UINT IDC_MIXER_SHOW = 29680;
inline constexpr UINT IDC_MIXER_CAPTION = 29700;
inline constexpr UINT IDC_MIXER_SPEAKER = 29720;
inline constexpr UINT IDC_MIXER_WAVE = 29740;
inline constexpr UINT IDC_MIXER_SPEAKER_LABEL = 29760;
inline constexpr UINT IDC_MIXER_WAVE_LABEL = 29780;
inline constexpr UINT IDC_MIXER_OUTPUT = 29938;
inline constexpr UINT IDC_MIXER_PICTURE = 28025;
inline constexpr UINT IDC_MIXER_HEADING = 27587;
// The radio window's "Audio Recorder" tab.
inline constexpr UINT IDD_AUDIO_RECORDER = 28497;
inline constexpr UINT IDC_AUDIO_KIND_PL = 27506;
inline constexpr UINT IDC_AUDIO_KIND_DPL = 27507;
inline constexpr UINT IDC_AUDIO_KIND_LTR = 27508;
inline constexpr UINT IDC_AUDIO_KIND_TYPE1 = 27583;
inline constexpr UINT IDC_AUDIO_KIND_TYPE2 = 27774;
inline constexpr UINT IDC_AUDIO_KIND_EDACS = 27509;
inline constexpr UINT IDC_AUDIO_LIVE_LAMP = 27641;
inline constexpr UINT IDC_AUDIO_LIVE_TEXT = 27570;
inline constexpr UINT IDC_AUDIO_NAME_1 = 28451;
inline constexpr UINT IDC_AUDIO_NAME_2 = 28452;
inline constexpr UINT IDC_AUDIO_NAME_3 = 28453;
inline constexpr UINT IDC_AUDIO_FREQUENCY_TEXT = 27510;
inline constexpr UINT IDC_AUDIO_ID_TEXT = 27819;
inline constexpr UINT IDC_AUDIO_ELAPSED = 26050;
inline constexpr UINT IDC_AUDIO_LEVEL_GAUGE = 28882;
inline constexpr UINT IDC_AUDIO_VU_RIGHT = 30070;
inline constexpr UINT IDC_AUDIO_COMMAND = 26008;
inline constexpr UINT IDC_AUDIO_RECORDING_MIXER = 26048;
inline constexpr UINT IDC_AUDIO_EXPLORE = 26051;
inline constexpr UINT IDC_AUDIO_SPARE = 30068;
inline constexpr UINT IDC_AUDIO_INPUT_LEVEL = 30063;
inline constexpr UINT IDC_AUDIO_MANUAL_LEVEL = 30069;
inline constexpr UINT IDC_AUDIO_RECORD_AUTO_LEVEL = 30064;
inline constexpr UINT IDC_AUDIO_INVERSION_TITLE = 28293;
inline constexpr UINT IDC_AUDIO_PRESETS = 28696;
inline constexpr UINT IDC_AUDIO_PRESET_SPIN = 28699;
inline constexpr UINT IDC_AUDIO_PRESET_ADD = 28697;
inline constexpr UINT IDC_AUDIO_PRESET_REMOVE = 28698;
inline constexpr UINT IDC_AUDIO_INVERSION_MODES = 27933;
inline constexpr UINT IDC_AUDIO_PRESET_TITLE = 30072;
// The sweep displays' forms and their common controls.
inline constexpr UINT IDD_SPECTRUM_ANALYZER = 27288;
inline constexpr UINT IDD_BAND_SCOPE = 27256;
inline constexpr UINT IDC_SWEEP_RUN_LAMP = 28249;
inline constexpr UINT IDC_SWEEP_FREQUENCY = 27510;
inline constexpr UINT IDC_SWEEP_LEVEL = 27533;
inline constexpr UINT IDC_SWEEP_PEAK_PANEL = 28286;
inline constexpr UINT IDC_SWEEP_RIG_NAME = 27587;
// The audio rack bar and the controls only it has.
inline constexpr UINT IDD_AUDIO_RACK = 27460;
inline constexpr UINT IDC_AUDIO_FILE_CHOICE = 27461;
inline constexpr UINT IDC_AUDIO_NO_ACTION = 27473;
inline constexpr UINT IDC_AUDIO_POSITION_SLIDER = 26012;
inline constexpr UINT IDC_AUDIO_ERASE = 26032;
inline constexpr UINT IDC_AUDIO_ZEROIZE = 26033;
inline constexpr UINT IDC_INVERT_MODE = 26044;
inline constexpr UINT IDC_INVERT_FREQUENCY = 26045;
inline constexpr UINT IDC_ENGINE_PROGRESS = 100;

// ---- Configuration dialogs.
inline constexpr UINT IDD_CONFIGURATION = 27285;
inline constexpr UINT IDD_CONFIGURATION_PROMPT = 27286;
inline constexpr UINT IDD_HF_FREQ_DISPLAY = 27482;
inline constexpr UINT IDD_CONFIGURATION_PANEL = 1636;
// The configuration buttons, in the order they get their icons; each icon has its button's id.
inline constexpr UINT IDC_CONFIG_ENGINE_4 = 28146;
inline constexpr UINT IDC_CONFIG_ENGINE_3 = 28143;
inline constexpr UINT IDC_CONFIG_RADIOS = 28140;
inline constexpr UINT IDC_CONFIG_ENGINE_2 = 28137;
inline constexpr UINT IDC_CONFIG_ENGINE_5 = 28144;
inline constexpr UINT IDC_CONFIG_LOGGER = 28145;
inline constexpr UINT IDC_CONFIG_TONE_READERS = 27558;
inline constexpr UINT IDC_CONFIG_REMOTE = 27477;
inline constexpr UINT IDC_CONFIG_DATABASES = 28147;
inline constexpr UINT IDC_CONFIG_AUDIO = 1685;
inline constexpr UINT IDC_CONFIG_DISPLAY = 28885;
inline constexpr UINT IDC_CONFIG_SCAN_OPTIONS = 27695;
inline constexpr UINT IDC_CONFIG_PANEL_RADIOS = 1629;
inline constexpr UINT IDC_CONFIG_PANEL_SPECIAL = 1631;
// The HF display group: kHz first, MHz second.
inline constexpr UINT IDC_HF_DISPLAY_KHZ = 27792;
inline constexpr UINT IDC_HF_DISPLAY_MHZ = 27791;

// ---- Front panel forms of the resource library.
inline constexpr UINT IDD_RADIO_VIEW = 27348;
inline constexpr UINT IDD_BLAND_VIEW = 27255;
inline constexpr UINT IDD_OPTOCOM_VIEW = 27293;
inline constexpr UINT IDD_PCR1000_VIEW = 27307;
inline constexpr UINT IDD_PCR1500_VIEW = 28848;
inline constexpr UINT IDD_R8500_VIEW = 27308;
inline constexpr UINT IDD_R75_VIEW = 28459;
inline constexpr UINT IDD_R9000_VIEW = 27309;
inline constexpr UINT IDD_R7100_VIEW = 27310;
inline constexpr UINT IDD_R20_VIEW = 28458;
inline constexpr UINT IDD_R10_VIEW = 27395;
inline constexpr UINT IDD_OPTOSCAN_VIEW = 27325;
inline constexpr UINT IDD_PCR100_VIEW = 27391;
inline constexpr UINT IDD_NRD535_VIEW = 27452;
// The R8 receiver's panel: its bandwidth knob sits where other panels have the filter switch.
inline constexpr UINT IDD_R8_VIEW = 27451;
inline constexpr UINT IDC_BANDWIDTH_KNOB = 27544;
inline constexpr UINT IDC_FILTER_MODE_SWITCH = 28004;
inline constexpr UINT IDS_NO_DSP = 27904;
inline constexpr UINT IDD_TRUNKTRACKER_VIEW = 28535;
inline constexpr UINT IDD_BC780_VIEW = 28534;
inline constexpr UINT IDD_BC895_VIEW = 28536;
inline constexpr UINT IDD_BC2052_VIEW = 28538;
inline constexpr UINT IDD_BC898T_VIEW = 28539;
inline constexpr UINT IDD_BCT8_VIEW = 28540;
inline constexpr UINT IDD_AUDIO_PLAYER = IDR_AUDIO_PLAYER;
inline constexpr UINT IDD_CUSTOMIZE_TOOLS = 29374;
// Panels that travel with the library but that no window creates.
inline constexpr UINT IDD_SPARE_RECEIVER_1 = 27326;
inline constexpr UINT IDD_SPARE_RECEIVER_COMBOS = 27327;
inline constexpr UINT IDD_SPARE_RECEIVER_2 = 27387;
inline constexpr UINT IDD_SPARE_RECEIVER_3 = 27388;
inline constexpr UINT IDD_SPARE_BAND_SCOPE = 27409;
inline constexpr UINT IDD_SPARE_GPS_PANEL = 28407;
inline constexpr UINT IDD_SPARE_TRUNK_1 = 28889;
inline constexpr UINT IDD_SPARE_TRUNK_2 = 29325;
inline constexpr UINT IDD_SPARE_TRUNK_3 = 29326;
inline constexpr UINT IDD_SPARE_TRUNK_4 = 30076;
inline constexpr UINT IDD_SPARE_RECEIVER_4 = 29510;
inline constexpr UINT IDD_SPARE_RECEIVER_5 = 29530;

// Receiver panel controls.
inline constexpr UINT IDC_FREQUENCY_DISPLAY = 27510;
inline constexpr UINT IDC_KHZ_LAMP = 27792;
inline constexpr UINT IDC_MHZ_LAMP = 27791;
inline constexpr UINT IDC_TUNING_KNOB = 27784;
inline constexpr UINT IDC_KEYPAD_ENTRY = 28031;
inline constexpr UINT IDC_KEYPAD = 27781;
inline constexpr UINT IDC_ENTER_MHZ = 27571;
inline constexpr UINT IDC_ENTER_KHZ = 28027;
inline constexpr UINT IDC_FREQUENCY_FOLLOWING = 27790;
inline constexpr UINT IDC_BAND_STEP_SNAP = 27995;
inline constexpr UINT IDC_TUNING_STEP_SNAP = 28002;
inline constexpr UINT IDC_SNAP_TO_BAND = 28008;
inline constexpr UINT IDC_SNAP_TO_STEP = 27999;
inline constexpr UINT IDC_SHOW_IN_SCAN_LIST = 28597;
inline constexpr UINT IDC_MEMORY_STORE = 27990;
inline constexpr UINT IDC_MEMORY_RECALL = 27991;
inline constexpr UINT IDC_MEMORY_CHANNEL = 27989;
inline constexpr UINT IDC_MEMORY_SPIN = 27788;
inline constexpr UINT IDC_VFO_1 = 27745; // 27745 to 27749
inline constexpr UINT IDC_VFO_5 = 27749;
inline constexpr UINT IDC_STEP_SPIN = 27786;
inline constexpr UINT IDC_STEP_ENTRY = 27787;
inline constexpr UINT IDC_STEP_DOWN = 27992;
inline constexpr UINT IDC_STEP_UP = 27994;
inline constexpr UINT IDC_S_METER = 27490;
inline constexpr UINT IDC_VU_BAR = 26034;
inline constexpr UINT IDC_VOLUME_KNOB = 26043;
inline constexpr UINT IDC_HOLD_SWITCH = 26011;
inline constexpr UINT IDC_LIVE_PLAY_LAMP = 28695;
inline constexpr UINT IDC_RECORDER_STATUS = 28799;
inline constexpr UINT IDC_LIVE_LED = 28502;
inline constexpr UINT IDC_HOLD_LED = 28503;
inline constexpr UINT IDC_RADIO_NAME = 27587;
inline constexpr UINT IDC_CHANNEL_LABEL = 27590;
inline constexpr UINT IDC_NAME_FIELD = 28724;
inline constexpr UINT IDC_SIGNAL_LAMP = 27516;
inline constexpr UINT IDC_SCANNING_LAMP = 27520;
inline constexpr UINT IDC_STOPPED_LAMP = 27521;
inline constexpr UINT IDC_HIT_LAMP = 27524;
inline constexpr UINT IDC_CHANGE_LED = 27523;
inline constexpr UINT IDC_STATUS_LAMP = 29395;
inline constexpr UINT IDC_ACTIVITY_LAMP_1 = 28346;
inline constexpr UINT IDC_ACTIVITY_LAMP_2 = 28347;
inline constexpr UINT IDC_STEP_LABEL = 28255;
inline constexpr UINT IDC_SIGNAL_VALUE = 27533;
inline constexpr UINT IDC_BAND_SELECT = 28457;
inline constexpr UINT IDC_RECORDING_MARK = 28723;
inline constexpr UINT IDC_LOCAL_REMOTE_LAMP = 28847;
inline constexpr UINT IDC_VSC_BUTTON = 28383;
// Setting knobs.
inline constexpr UINT IDC_VOLUME_SETTING = 27540;
inline constexpr UINT IDC_SQUELCH_KNOB = 27541;
inline constexpr UINT IDC_GAIN_KNOB = 27545;
inline constexpr UINT IDC_BFO_KNOB = 27548;
inline constexpr UINT IDC_IF_SHIFT_KNOB = 27551;
inline constexpr UINT IDC_VOICE_INVERSION_KNOB = 27907;
inline constexpr UINT IDC_NOTCH_KNOB = 27909;
inline constexpr UINT IDC_VSC_KNOB = 27582;
inline constexpr UINT IDC_AGC_ATTACK_KNOB = 28088;
inline constexpr UINT IDC_AGC_HANG_KNOB = 28090;
inline constexpr UINT IDC_AGC_DECAY_KNOB = 28092;
inline constexpr UINT IDC_FILTER_KNOB = 28274;
inline constexpr UINT IDC_FILTER_2_KNOB = 28275;
// Model controls.
inline constexpr UINT IDC_MODE_SWITCH = 28030;
inline constexpr UINT IDC_DECODER_SWITCH = 27542;
inline constexpr UINT IDC_FILTER_SWITCH = 27544;
inline constexpr UINT IDC_DECODER_DISPLAY = 27488;
inline constexpr UINT IDC_DECODER_TEXT = 27593;
inline constexpr UINT IDC_DSP_KNOB = 27532;
inline constexpr UINT IDC_ATTENUATOR = 27553;
inline constexpr UINT IDC_NOISE_BLANKER = 27555;
inline constexpr UINT IDC_AGC = 28003;
inline constexpr UINT IDC_DSP = 27607;
inline constexpr UINT IDC_NOTCH = 28041;
inline constexpr UINT IDC_TONE_SQUELCH = 27902;
inline constexpr UINT IDC_TONE_SPIN = 27903;
inline constexpr UINT IDC_DSP_LAMP = 27793;
inline constexpr UINT IDC_CENTER_LAMP = 27817;
inline constexpr UINT IDC_TONE_LAMP = 27818;
inline constexpr UINT IDC_ATTENUATOR_SWITCH = 27556;
inline constexpr UINT IDC_APF_KNOB = 27557;
inline constexpr UINT IDC_APF = 27588;
inline constexpr UINT IDC_AUX_SWITCH = 28006;
inline constexpr UINT IDC_NB_SWITCH = 28009;
// Decoded-kind lamps: tone, digital tone, LTR, Motorola types I and II, EDACS.
inline constexpr UINT IDC_KIND_PL = 27506;
inline constexpr UINT IDC_KIND_DPL = 27507;
inline constexpr UINT IDC_KIND_LTR = 27508;
inline constexpr UINT IDC_KIND_M1 = 27583;
inline constexpr UINT IDC_KIND_M2 = 27774;
inline constexpr UINT IDC_KIND_ED = 27509;
inline constexpr UINT IDC_TRUNK_LAMP = 27528;
inline constexpr UINT IDC_ID_HOLD_LAMP = 27529;

// Trunk-tracker panel controls.
inline constexpr UINT IDC_SIGNAL_BAR = 26025;
inline constexpr UINT IDC_TEXT_LINE_1 = 28451;
inline constexpr UINT IDC_TEXT_LINE_2 = 28452;
inline constexpr UINT IDC_TEXT_LINE_3 = 28453;
inline constexpr UINT IDC_STATUS_LINE = 28505;
inline constexpr UINT IDC_CHANNEL_TAG = 28460;
inline constexpr UINT IDC_KEY_SCAN = 28462;
inline constexpr UINT IDC_KEY_SEARCH = 28464;
inline constexpr UINT IDC_KEY_SERVICE = 28463;
inline constexpr UINT IDC_KEY_HOLD = 28465;
inline constexpr UINT IDC_KEY_RESUME = 28466;
inline constexpr UINT IDC_KEY_TRUNK = 28468;
inline constexpr UINT IDC_KEY_LIMIT = 28467;
inline constexpr UINT IDC_KEY_LOCK_OUT = 27313;
inline constexpr UINT IDC_KEY_WEATHER = 28469;
inline constexpr UINT IDC_KEY_ATTENUATOR = IDC_ATTENUATOR;
inline constexpr UINT IDC_KEY_11 = 28543;
inline constexpr UINT IDC_KEY_12 = 28544;
inline constexpr UINT IDC_KEY_MANUAL = 28542;
inline constexpr UINT IDC_KEY_DELAY = 28638;
inline constexpr UINT IDC_KEY_RESET = 27029;
inline constexpr UINT IDC_KEY_MINI_BAR = ID_RADIO_MINI_STATUS;
inline constexpr UINT IDC_KEY_SCAN_LIST = 27879;
inline constexpr UINT IDC_KEY_RECORD = 27036;
inline constexpr UINT IDC_HOLD_STATE_LAMP = 28639;
inline constexpr UINT IDC_DIGITAL_LAMP = 28444;
inline constexpr UINT IDC_SEARCH_LAMP = 28446;
inline constexpr UINT IDC_PRIORITY_LAMP = 28447;
inline constexpr UINT IDC_ICALL_LAMP = 28448;
inline constexpr UINT IDC_ACTIVE_LAMP = 28454;
inline constexpr UINT IDC_EMERGENCY_LAMP = 28455;
inline constexpr UINT IDC_ID_MATRIX = 27729;
inline constexpr UINT IDC_BANK_MODE_COLUMN = 28461;
inline constexpr UINT IDC_TONE_CONTROL = 28471;
inline constexpr UINT IDC_PRIORITY_MODE = 28395;
inline constexpr UINT IDC_DATA_SKIP = 28473;
inline constexpr UINT IDC_ID_DISPLAY = IDC_DECODER_DISPLAY;
inline constexpr UINT IDC_BANK_STRIP = 28496;
inline constexpr UINT IDC_BANK_STRIP_2 = 28547;
inline constexpr UINT IDC_BANK_1 = 27667; // 27667 to 27686
inline constexpr UINT IDC_BANK_20 = 27686;
inline constexpr UINT IDC_DIGIT_0 = 28476; // 28476 to 28485
inline constexpr UINT IDC_DIGIT_POINT = 28486;
inline constexpr UINT IDC_TRUNK_VFO_1 = 28488; // 28488 to 28492
// The service search: a prompt and nine service buttons.
inline constexpr UINT IDD_SERVICE_SEARCH = 28472;
inline constexpr UINT IDC_SERVICE_PROMPT = 100;
inline constexpr UINT IDC_SERVICE_1 = 101; // 101 to 109
// The highway-patrol scanner's own controls.
inline constexpr UINT IDC_KEY_HOME_ROAM = 28636;
inline constexpr UINT IDC_KEY_MUTE = 28631;
inline constexpr UINT IDC_STATE_LIST = 28634;
inline constexpr UINT IDC_HIGHWAY_LAMP = 28629;
inline constexpr UINT IDC_PRIVATE_LAMP = 28628;
inline constexpr UINT IDC_MUTE_LAMP = 28632;
inline constexpr UINT IDC_PATROL_BANKS = 28633;
inline constexpr UINT IDC_ALERT_LAMP = 28630;

// Audio player form.
inline constexpr UINT IDC_AUDIO_STOP = 26006;
inline constexpr UINT IDC_AUDIO_PAUSE = 26005;
inline constexpr UINT IDC_AUDIO_PLAY = 26007;
inline constexpr UINT IDC_AUDIO_REWIND = 26018;
inline constexpr UINT IDC_AUDIO_FORWARD = 26001;
inline constexpr UINT IDC_AUDIO_BACK = 26003;
inline constexpr UINT IDC_AUDIO_END = 26002;
inline constexpr UINT IDC_AUDIO_MUTE = 26015;
inline constexpr UINT IDC_AUDIO_SKIP = 26013;
inline constexpr UINT IDC_AUDIO_CHAIN = 26016;
inline constexpr UINT IDC_AUDIO_FILE = 26009;
inline constexpr UINT IDC_AUDIO_AUTO_FILE = 26010;
inline constexpr UINT IDC_AUDIO_SETTINGS = 26046;
inline constexpr UINT IDC_AUDIO_SPEAKERS = 26047;
inline constexpr UINT IDC_AUDIO_FREQUENCY = 26020;
inline constexpr UINT IDC_AUDIO_ID = 26021;
inline constexpr UINT IDC_AUDIO_CLOCK = 26019;
inline constexpr UINT IDC_AUDIO_YEAR = 26029;
inline constexpr UINT IDC_AUDIO_MONTH = 26030;
inline constexpr UINT IDC_AUDIO_DAY = 26028;
inline constexpr UINT IDC_AUDIO_INDEX = 26026;
inline constexpr UINT IDC_AUDIO_POSITION = 26027;
inline constexpr UINT IDC_AUDIO_RADIO_NAME = 26036;
inline constexpr UINT IDC_AUDIO_FILE_NAME = 26014;
inline constexpr UINT IDC_AUDIO_FILE_TITLE = 27027;
inline constexpr UINT IDC_AUDIO_MESSAGE = 26017;
inline constexpr UINT IDC_AUDIO_MODE = 26011;
inline constexpr UINT IDC_AUDIO_KIND_LAMP = 26022;
inline constexpr UINT IDC_AUDIO_STATE_LAMP = 26023;
inline constexpr UINT IDC_AUDIO_INDICATOR = 26024;
inline constexpr UINT IDC_PLAYBACK_AUTO_LEVEL = 30071;
inline constexpr UINT IDC_CATALOG_SORT = 28622;
inline constexpr UINT IDC_CATALOG_SCOPE = 28623;
inline constexpr UINT IDC_CATALOG_FROM = 28624;
inline constexpr UINT IDC_CATALOG_TO = 28625;
inline constexpr UINT IDC_CATALOG_GROUP_HEADERS = 28532;
inline constexpr UINT IDC_CATALOG_SEARCH = 28094;
inline constexpr UINT IDC_PLAYER_SPEAKER = 28549;

// Tools customize page.
inline constexpr UINT IDC_TOOLS_LIST = 29382;
// The buttons of the user tools on the command bars.
inline constexpr UINT ID_TOOLS_USER_TOOL = 29375;
inline constexpr UINT IDC_TOOLS_COMMAND_LABEL = 29378;
inline constexpr UINT IDC_TOOLS_ARGUMENTS_LABEL = 29377;
inline constexpr UINT IDC_TOOLS_DIRECTORY_LABEL = 29376;
inline constexpr UINT IDC_TOOLS_COMMAND = 29381;
inline constexpr UINT IDC_TOOLS_ARGUMENTS = 29380;
inline constexpr UINT IDC_TOOLS_DIRECTORY = 29379;

// The combo boxes of the receiver panel with five lists.
inline constexpr UINT IDC_DEEMPHASIS = 28288;
inline constexpr UINT IDC_HIGH_PASS = 27913;
inline constexpr UINT IDC_LOW_PASS = 27910;
inline constexpr UINT IDC_AGC_SPEED = 27594;
inline constexpr UINT IDC_CW_PITCH = 29001;

// ---- The setup wizard's pages (28551 + page number), their controls and tool-bar icons.
inline constexpr UINT IDD_WIZARD_PAGE_0 = 28551;
inline constexpr UINT IDD_WIZARD_PAGE_COUNT = 12;
inline constexpr UINT IDC_WIZARD_TITLE = 27922;
inline constexpr UINT IDC_WIZARD_SUBTITLE = 27044;
inline constexpr UINT IDC_WIZARD_BODY = 27590;
inline constexpr UINT IDC_WIZARD_SHOW_AT_STARTUP = 27556;
inline constexpr UINT IDC_WIZARD_CHOICE_1 = 27629;
inline constexpr UINT IDC_WIZARD_CHOICE_COUNT = 5;
inline constexpr UINT IDC_WIZARD_FILE_NAME = 27604;
inline constexpr UINT IDC_WIZARD_BROWSE = 27882;
inline constexpr UINT IDC_WIZARD_STEP_LABEL = 27925;
inline constexpr UINT IDC_WIZARD_START = 27937;
inline constexpr UINT IDC_WIZARD_END = 27938;
inline constexpr UINT IDC_WIZARD_STEP = 27944;
inline constexpr UINT IDC_WIZARD_ICON = 27000;
inline constexpr UINT IDC_WIZARD_TEXT = 27898;
inline constexpr UINT IDC_WIZARD_TOOL_BAR_LINE = 27899;
inline constexpr UINT IDC_WIZARD_FINISH_LINE = 27900;
inline constexpr UINT IDI_START_SCANNING = 27318;
inline constexpr UINT IDI_NEW_GROUP = 28572;

// ---- The Multi-Radio tab's form (the priority mode switch is IDC_PRIORITY_MODE).
inline constexpr UINT IDD_SEARCH_SLAVE_VIEW = 28394;
inline constexpr UINT IDC_SLAVE_SQUELCH_KNOB = 27541;
inline constexpr UINT IDC_SLAVE_SQUELCH_CAPTION = 27925;
inline constexpr UINT IDC_SLAVE_RIG_B_NAME = 27629;
inline constexpr UINT IDC_SLAVE_RIG_A_NAME = 27630;
inline constexpr UINT IDC_PREEMPT_LEVEL = 27939;
inline constexpr UINT IDC_PREEMPT_DISPLAY = 27967;
inline constexpr UINT IDC_SLAVE_QUEUE = 27767;

// ---- Strings and images of the resource library.
inline constexpr UINT IDS_RESET_HIT_HISTORY = 27156;
inline constexpr UINT IDS_NEW_FILE = 28861;
inline constexpr UINT IDS_PRINT = 28862;
inline constexpr UINT IDS_PREVIEW = 28863;
inline constexpr UINT IDS_CLEAR = 28864;
inline constexpr UINT IDB_IMAGES_10 = 28509;
inline constexpr UINT IDB_IMAGES_17 = 28595;

// ---- The instrument racks: the tone panels and the mini status window's panels.
inline constexpr UINT IDD_CHANNEL_RACK = 27386;
inline constexpr UINT IDD_TONE_DECODER_RACK = 27252;
inline constexpr UINT IDD_MINI_STATUS_HF = 27276;
inline constexpr UINT IDD_MINI_STATUS = 27366;
inline constexpr UINT IDD_MINI_STATUS_TRUNK = 27379;
inline constexpr UINT IDD_MINI_STATUS_TRUNK_2 = 28548;
inline constexpr UINT ID_RADIO_LOCK_OUT_ID = 27031;
inline constexpr UINT ID_RADIO_HOLD_ID = 27032;
inline constexpr UINT ID_RADIO_ID_SETTING = 27039;
inline constexpr UINT IDC_RECORDING_LAMP = 27530;
inline constexpr UINT IDC_TUNING_STRIP = 27802;
inline constexpr UINT IDC_MINI_ID_DISPLAY = 27819;
// The start, stop, lock-out, temporary lock-out, hold-ID and lock-out-ID buttons' pictures, three
// each (at rest, held down, focused): 27367 to 27385.
inline constexpr UINT IDB_MINI_START = 27367;
inline constexpr UINT IDB_MINI_LAST = 27385;
// The recordings catalog's row images: further cells of the radio selection's strip.
inline constexpr UINT IDB_MANIFEST_ROWS = IDB_RADIO_SELECT;
inline constexpr int IDB_MANIFEST_ROW_COUNT = 50;
inline constexpr int IDB_MANIFEST_MARKED = 27;
inline constexpr int IDB_MANIFEST_PLAY = 49;
inline constexpr UINT IDI_MINI_MUTE = 29803;
inline constexpr UINT IDI_MINI_MUTE_PEERS = 29804;
