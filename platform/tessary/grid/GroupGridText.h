#pragma once
// How the group grid's sheets show and read their values: headings, frequencies in MHz, steps in
// kHz and the radio's modes.
#include "platform/tessary/grid/UGCtrl.h"

#include <cstdint>
#include <span>
#include <string>

class Radio;

namespace hb::tessary::grid {

struct Heading {
    const char* text;
    int width;
    UINT alignment;
};

// The sheet's columns with their headings and widths.
void SetHeadings(CUGCtrl& grid, std::span<const Heading> headings);

std::string Trimmed(std::string text);
// Empty for 0.
std::string FrequencyText(std::uint32_t hz);
std::string StepText(std::uint32_t hz);
// The modes the radio has (every mode without a radio), each followed by "\n".
std::string ModeChoices(const Radio* radio);

// Each false, leaving the value alone, for a text that is not one. A frequency must be in the
// radio's coverage; an empty text is 0.
bool ParseFrequency(const std::string& text, const Radio* radio, std::uint32_t& hz);
bool ParseStep(const std::string& text, std::uint32_t& hz);
bool ParseMode(const std::string& text, const Radio* radio, std::uint8_t& mode);

} // namespace hb::tessary::grid
