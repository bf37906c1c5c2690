// The tooltips of the front panels: the panel shows the string whose id is the control's id, so
// every control of the receiver and trunk-tracker forms has a short text here. The V buttons build
// their text from the VFO they hold, and the reset and record keys share the radio window's
// command strings, so neither has one of its own.
#include "resources/ResourceIds.h"
#include "resources/program/ProgramParts.h"

#include <string>

namespace hb::resources {

namespace {

constexpr int kBankCount = 20;
constexpr int kDigitCount = 10;

} // namespace

std::vector<hb::afx::StringResource> ControlTipStrings() {
    std::vector<hb::afx::StringResource> tips{
        // Frequency display and entry.
        {IDC_FREQUENCY_DISPLAY, "Frequency of the active VFO"},
        {IDC_KHZ_LAMP, "Lit while the frequency is shown in kHz"},
        {IDC_MHZ_LAMP, "Lit while the frequency is shown in MHz"},
        {IDC_RADIO_NAME, "Name of the radio"},
        {IDC_CHANNEL_LABEL, "Current channel"},
        {IDC_NAME_FIELD, "Name of the active VFO; click to change it"},
        {IDC_KEYPAD, "Keypad: type a frequency into the entry field"},
        {IDC_KEYPAD_ENTRY, "Type a frequency here, then press Enter or kHz"},
        {IDC_ENTER_MHZ, "Tune to the frequency typed, in MHz"},
        {IDC_ENTER_KHZ, "Tune to the frequency typed, in kHz"},
        {IDC_DIGIT_POINT, "Decimal point"},
        // Tuning.
        {IDC_TUNING_KNOB, "Turn to tune the active VFO"},
        {IDC_STEP_DOWN, "Step the frequency down; hold to repeat"},
        {IDC_STEP_UP, "Step the frequency up; hold to repeat"},
        {IDC_STEP_ENTRY, "Tuning step"},
        {IDC_STEP_SPIN, "Next or previous tuning step of the radio"},
        {IDC_FREQUENCY_FOLLOWING, "Follow the band plan: take each band's step as you tune"},
        {IDC_BAND_STEP_SNAP, "Keep tuning on the step of the current band"},
        {IDC_TUNING_STEP_SNAP, "Keep tuning on multiples of the tuning step"},
        {IDC_SNAP_TO_BAND, "Move the frequency onto the band's step now"},
        {IDC_SNAP_TO_STEP, "Move the frequency onto the tuning step now"},
        {IDC_SHOW_IN_SCAN_LIST, "Show the current channel in the scan list"},
        {IDC_BAND_SELECT, "Choose a band to tune to"},
        // Memory channels.
        {IDC_MEMORY_CHANNEL, "Memory channel for store and recall"},
        {IDC_MEMORY_SPIN, "Choose the memory channel"},
        {IDC_MEMORY_STORE, "Store the VFO in the memory channel"},
        {IDC_MEMORY_RECALL, "Recall the memory channel into the VFO"},
        // Signal, audio and recorder.
        {IDC_S_METER, "Signal strength"},
        {IDC_SIGNAL_BAR, "Signal strength"},
        {IDC_VU_BAR, "Audio level"},
        {IDC_VOLUME_KNOB, "Volume"},
        {IDC_SQUELCH_KNOB, "Squelch: the signal level that opens the audio"},
        {IDC_HOLD_SWITCH, "Hold the panel on the recorder's playback, or follow the radio live"},
        {IDC_LIVE_LED, "Lit while the panel follows the radio live"},
        {IDC_HOLD_LED, "Lit while the panel is held on playback"},
        {IDC_LIVE_PLAY_LAMP, "LIVE while you hear the radio, PLAY while a recording plays"},
        {IDC_RECORDER_STATUS, "What the audio recorder is doing"},
        // Status lamps.
        {IDC_SIGNAL_LAMP, "Lit while a signal is received"},
        {IDC_SCANNING_LAMP, "Lit while the radio scans"},
        {IDC_STOPPED_LAMP, "Lit while scanning is stopped"},
        {IDC_HIT_LAMP, "Lit on a hit"},
        {IDC_CHANGE_LED, "The setting last changed on the radio"},
        {IDC_STATUS_LAMP, "Radio link: OK, Reset or BAD; click to clear"},
        {IDC_LOCAL_REMOTE_LAMP, "LOCAL while the radio is worked from its own front panel"},
        {IDC_STEP_LABEL, "Filter bandwidth of the channel"},
        // Receiver settings.
        {IDC_MODE_SWITCH, "Receive mode"},
        {IDC_FILTER_SWITCH, "Filter"},
        {IDC_FILTER_2_KNOB, "Filter bandwidth"},
        {IDC_DSP_KNOB, "DSP noise reduction level"},
        {IDC_DSP, "DSP noise reduction on or off"},
        {IDC_DSP_LAMP, "Lit while DSP noise reduction is on"},
        {IDC_BFO_KNOB, "BFO offset"},
        {IDC_IF_SHIFT_KNOB, "IF shift"},
        {IDC_NOTCH_KNOB, "Notch frequency"},
        {IDC_NOTCH, "Notch filter on or off"},
        {IDC_GAIN_KNOB, "RF gain"},
        {IDC_APF_KNOB, "Audio peak filter frequency"},
        {IDC_APF, "Audio peak filter on or off"},
        {IDC_ATTENUATOR, "Attenuator on or off"},
        {IDC_ATTENUATOR_SWITCH, "Attenuator"},
        {IDC_NOISE_BLANKER, "Noise blanker on or off"},
        {IDC_NB_SWITCH, "Noise blanker"},
        {IDC_AGC, "AGC speed"},
        {IDC_AUX_SWITCH, "Auxiliary setting of the radio"},
        {IDC_CENTER_LAMP, "Lit while the signal is centred in the filter"},
        {IDC_FILTER_MODE_SWITCH, "Filter mode, used in the SSB mode only"},
        // Tone and trunking decoders.
        {IDC_DECODER_SWITCH, "What the decoder listens for"},
        {IDC_DECODER_DISPLAY, "Tone, code or talkgroup ID decoded"},
        {IDC_DECODER_TEXT, "What the decoder found"},
        {IDC_TONE_SQUELCH, "Tone squelch on or off"},
        {IDC_TONE_SPIN, "Choose the squelch tone"},
        {IDC_TONE_LAMP, "Lit while tone squelch is on"},
        {IDC_KIND_PL, "Lit when the ID shown is a CTCSS tone"},
        {IDC_KIND_DPL, "Lit when the ID shown is a DCS code"},
        {IDC_KIND_LTR, "Lit when the ID shown is an LTR talkgroup"},
        {IDC_KIND_M1, "Lit when the ID shown is a Motorola type I talkgroup"},
        {IDC_KIND_M2, "Lit when the ID shown is a Motorola type II talkgroup"},
        {IDC_KIND_ED, "Lit when the ID shown is an EDACS talkgroup"},
        {IDC_TRUNK_LAMP, "Lit while the radio follows a trunked system"},
        {IDC_ID_HOLD_LAMP, "Lit while the radio holds on one ID"},
        // Trunk-tracker panels.
        {IDC_TEXT_LINE_1, "System name"},
        {IDC_TEXT_LINE_2, "Group name"},
        {IDC_TEXT_LINE_3, "Channel name"},
        {IDC_STATUS_LINE, "What the radio is doing"},
        {IDC_CHANNEL_TAG, "Channel the radio is on"},
        {IDC_KEY_SCAN, "Scan the memory banks"},
        {IDC_KEY_SEARCH, "Search between the radio's limits"},
        {IDC_KEY_SERVICE, "Search the channels of one service"},
        {IDC_KEY_HOLD, "Stay on the current channel or bank"},
        {IDC_KEY_RESUME, "Resume scanning"},
        {IDC_KEY_TRUNK, "Trunk tracking; pressed while the radio tracks a system"},
        {IDC_KEY_LIMIT, "Set the search limits"},
        {IDC_KEY_LOCK_OUT, "Lock out the current channel"},
        {IDC_KEY_WEATHER, "Listen to the weather channels"},
        {IDC_KEY_11, "Function key F1 of the radio"},
        {IDC_KEY_12, "Function key F2 of the radio"},
        {IDC_KEY_MANUAL, "Manual mode of the radio"},
        {IDC_KEY_DELAY, "Delay before scanning resumes; pressed while on"},
        {IDC_KEY_MINI_BAR, "Show the radio's mini status window"},
        {IDC_KEY_SCAN_LIST, "Choose the scan list file"},
        {IDC_HOLD_STATE_LAMP, "Lit while the radio holds"},
        {IDC_DIGITAL_LAMP, "Lit on a digital transmission"},
        {IDC_SEARCH_LAMP, "Lit while the radio searches"},
        {IDC_PRIORITY_LAMP, "Lit on the priority channel"},
        {IDC_ICALL_LAMP, "Lit on an individual call"},
        {IDC_ACTIVE_LAMP, "Lit while the radio stays on an active channel"},
        {IDC_EMERGENCY_LAMP, "Lit on an emergency call"},
        {IDC_ID_MATRIX, "ID banks: click a cell to scan its IDs or skip them"},
        {IDC_BANK_MODE_COLUMN, "Scan or search mode of each ID bank"},
        {IDC_TONE_CONTROL, "Tone control: none, tone, or tone search"},
        {IDC_PRIORITY_MODE, "Priority channel checks"},
        {IDC_DATA_SKIP, "Skip channels that carry only data"},
        {IDC_BANK_STRIP, "Banks 1 to 10; lit for those scanned"},
        {IDC_BANK_STRIP_2, "Banks 11 to 20; lit for those scanned"},
        {IDC_KEY_HOME_ROAM, "Home or roam: resume scanning"},
        {IDC_KEY_MUTE, "Mute the radio"},
        {IDC_STATE_LIST, "State whose highway channels are scanned"},
        {IDC_HIGHWAY_LAMP, "Lit while highway banks are scanned"},
        {IDC_PRIVATE_LAMP, "Lit while private banks are scanned"},
        {IDC_MUTE_LAMP, "Lit while the radio is muted"},
        {IDC_PATROL_BANKS, "Banks to scan: highway, private or both"},
        {IDC_ALERT_LAMP, "Lit on an alert"},
        // The tone panels and the mini status window.
        {IDC_AUDIO_KIND_LAMP, "Kind of tone or code heard"},
        {IDC_RECORDING_LAMP, "Lit while the audio is recorded; click to record"},
        {IDC_TUNING_STRIP,
         "Click a digit to tune down by it, right-click to tune up; Shift rounds"},
        {IDC_MINI_ID_DISPLAY, "ID of the current call"},
        {ID_RADIO_HOLD_ID, "Hold on the current ID"},
        {IDC_AUDIO_MUTE, "Mute this radio"},
        {IDI_AUDIO_MUTE_PEERS, "Mute the other radios"},
    };
    for (int n = 0; n < kBankCount; ++n) {
        tips.push_back({IDC_BANK_1 + static_cast<UINT>(n),
                        "Scan bank " + std::to_string(n + 1) + " or leave it out"});
    }
    for (int n = 0; n < kDigitCount; ++n) {
        tips.push_back({IDC_DIGIT_0 + static_cast<UINT>(n), "Digit " + std::to_string(n)});
    }
    return tips;
}

} // namespace hb::resources
