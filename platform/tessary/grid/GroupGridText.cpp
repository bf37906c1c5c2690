#include "platform/tessary/grid/GroupGridText.h"

#include "platform/records/ModeNames.h"
#include "platform/tessary/model/Format.h"
#include "platform/tessary/model/Radio.h"

#include <cctype>
#include <cstdio>

namespace hb::tessary::grid {

namespace {

std::string Upper(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

} // namespace

void SetHeadings(CUGCtrl& grid, std::span<const Heading> headings) {
    grid.SetNumberCols(static_cast<int>(headings.size()));
    for (std::size_t col = 0; col < headings.size(); ++col) {
        CUGCell cell;
        cell.SetText(headings[col].text);
        cell.SetAlignment(DT_CENTER);
        grid.SetCell(static_cast<int>(col), -1, &cell);
        grid.SetColWidth(static_cast<int>(col), headings[col].width);
    }
}

std::string Trimmed(std::string text) {
    const auto first = text.find_first_not_of(' ');
    const auto last = text.find_last_not_of(' ');
    return first == std::string::npos ? "" : text.substr(first, last - first + 1);
}

std::string FrequencyText(std::uint32_t hz) {
    return hz == 0 ? "" : Trimmed(format_freq(hz));
}

std::string StepText(std::uint32_t hz) {
    char text[32];
    std::snprintf(text, sizeof text, "%u.%03u", hz / 1000, hz % 1000);
    return hz == 0 ? "" : text;
}

std::string ModeChoices(const Radio* radio) {
    std::string modes;
    for (std::uint8_t mode = 0; mode < hb::records::kModeNames.size(); ++mode) {
        if (!radio || radio->SupportsMode(mode)) {
            modes += std::string(hb::records::ModeName(mode)) + "\n";
        }
    }
    return modes;
}

bool ParseFrequency(const std::string& text, const Radio* radio, std::uint32_t& hz) {
    std::uint32_t read = 0;
    if (!text.empty() && (convert_frequency(text.c_str(), &read, 'M') != kFrequencyConverted ||
                          (radio && radio->CheckCoverage(read) != 0))) {
        return false;
    }
    hz = read;
    return true;
}

bool ParseStep(const std::string& text, std::uint32_t& hz) {
    std::uint32_t read = 0;
    if (convert_frequency(text.c_str(), &read, 'K') != kFrequencyConverted || read == 0) {
        return false;
    }
    hz = read;
    return true;
}

bool ParseMode(const std::string& text, const Radio* radio, std::uint8_t& mode) {
    const std::string wanted = Upper(text);
    for (std::uint8_t candidate = 0; candidate < hb::records::kModeNames.size(); ++candidate) {
        if (!hb::records::ModeName(candidate).empty() &&
            Upper(std::string(hb::records::ModeName(candidate))) == wanted &&
            (!radio || radio->SupportsMode(candidate))) {
            mode = candidate;
            return true;
        }
    }
    return false;
}

} // namespace hb::tessary::grid
