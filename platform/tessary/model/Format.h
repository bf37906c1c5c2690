#pragma once
// Texts of frequencies, trunking IDs and history events, and the conversion of frequency texts.
// All of them use the C locale.

#include "platform/records/UserId.h"

#include <cstdint>
#include <string>

// MHz with four decimals, cut rather than rounded, right-aligned in 9 characters: " 162.5500".
std::string format_freq_vhf(std::uint32_t hz);
// The logger's channel texts, cut rather than rounded, right-aligned: MHz with four decimals
// (" 145.5000"), HF in MHz with six (" 7.055000") and HF in kHz with three (" 7055.000").
std::string format_frequency_vhf(std::uint32_t hz);
std::string format_frequency_lhf(std::uint32_t hz);
std::string format_frequency_hf(std::uint32_t hz);
// MHz with six decimals, right-aligned in 11 characters: " 162.550000".
std::string format_freq(std::uint32_t hz);
// MHz with four to six decimals, the zeros beyond the fourth left off: "162.5500", "851.00625".
std::string format_frequency(std::uint32_t hz);
// A filter's bandwidth in Hz below 1 kHz ("500 Hz"), else in kHz without trailing zeros
// ("2.4 kHz", "12.5 kHz", "230 kHz").
std::string format_bandwidth(std::uint32_t hz);

// Results of convert_frequency.
inline constexpr int kFrequencyConverted = 0;
inline constexpr int kFrequencyBadText = 1;
inline constexpr int kFrequencyTooLarge = 2;
inline constexpr int kFrequencyNegative = 3;
inline constexpr int kFrequencyBadUnit = 4;

// Reads a decimal frequency ("162.55", " 7050.000 ", "25 kHz") in `unit` ('M' MHz, 'K' kHz,
// 'H' Hz, either case) unless the text names its own unit (M, K, H or G, with or without "Hz").
// Digits below 1 Hz are cut. 0 on success; otherwise *hz is left as it was.
int convert_frequency(const char* text, std::uint32_t* hz, char unit);

// The ID as text by its kind, right-aligned in 11 characters; empty for an ID not in use and for
// kinds that have no text. Motorola Type II and EDACS IDs follow the current display styles.
std::string format_user(const hb::records::UserId& id);

// The display styles of Motorola and EDACS IDs (0 plain, 1 hexadecimal, 2 the radio's own form).
// 255, and 85, return the current style; any other value sets it and returns the previous one.
int format_motorola_style(int style);
int format_edacs_style(int style);

// The history flags as short texts ("T/O", "L/O", "STO", ...) separated by blanks.
std::string FormatEvents(std::uint32_t flags);

namespace hb::tessary {

// Both styles back to 0.
void ResetFormatStyles();

} // namespace hb::tessary
