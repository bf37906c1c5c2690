#pragma once
// The program's private window messages, and the engine's messages to its notify window. Each
// handler documents its parameters.

#include <cstdint>

inline constexpr std::uint32_t WM_GROUP_GRID_FORWARD = 0x7B00;
inline constexpr std::uint32_t WM_RECALC_FRAME_LAYOUT = 0x7C04;
inline constexpr std::uint32_t WM_ENGINE_CHECK = 0x7D10;
inline constexpr std::uint32_t WM_PLAY_CATALOG_ENTRY = 0x7D13;
inline constexpr std::uint32_t WM_GROUP_TRANSFER_REQUEST = 0x7D14;
// Sent by the recordings catalog to the player before it edits a file; nothing handles it.
inline constexpr std::uint32_t WM_CATALOG_EDIT_FILE = 0x7D16;
inline constexpr std::uint32_t WM_RADIO_TUNE_FREQUENCY = 0x7E10;
inline constexpr std::uint32_t WM_RADIO_TUNE = 0x7E11;
inline constexpr std::uint32_t WM_RADIO_GET_PARM = 0x7E22;
inline constexpr std::uint32_t WM_TUNE_DIGIT_STEP = 0x7E23;
inline constexpr std::uint32_t WM_QUERY_RUN_COMMAND = 0x7E24;
inline constexpr std::uint32_t WM_RADIO_ENTRY_KEY = 0x7E25;
inline constexpr std::uint32_t WM_RADIO_STATUS = 0x7F01;
inline constexpr std::uint32_t WM_RADIO_HISTORY = 0x7F02;
inline constexpr std::uint32_t WM_RADIO_DTMF = 0x7F04;
inline constexpr std::uint32_t WM_ENGINE_STATUS = 0x7F11;
inline constexpr std::uint32_t WM_SPAN_SWEEP = 0x7F12; // lParam = address of the level bytes
inline constexpr std::uint32_t WM_RADIO_AUDIO_MODE = 0x7F13;
inline constexpr std::uint32_t WM_RADIO_RESTART = 0x7F15;
inline constexpr std::uint32_t WM_RADIO_FLAG = 0x7F16;
inline constexpr std::uint32_t WM_RADIO_DEVICE_OPEN = 0x7F17; // sent by the rig
inline constexpr std::uint32_t WM_SPAN_BLOCK = 0x7F18;
inline constexpr std::uint32_t WM_RADIO_BAD = 0x7F19;
inline constexpr std::uint32_t WM_RADIO_RESET = 0x7F1A;
// From the core library to the tone-decoder rack: wParam a code byte, lParam a 32-bit value.
inline constexpr std::uint32_t WM_TONE_DECODER_SETTING = 0x7F1B;
