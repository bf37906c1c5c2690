#include "audio/AudioRackRules.h"

#include "platform/tessary/model/Format.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace hb::audio {

namespace {

using hb::records::UserId;

double Number(const char* format, auto... values) {
    char text[64] = {};
    std::snprintf(text, sizeof text, format, values...);
    return std::atof(text);
}

// Block, fleet and subfleet masks and moduli of the Motorola size codes 0 to 15.
constexpr unsigned kBlockMask[16] = {7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 6, 4, 0, 0};
constexpr unsigned kFleets[16] = {0, 128, 16, 8, 1, 64, 32, 32, 16, 8, 4, 2, 1, 1, 1, 0};
constexpr unsigned kSubfleets[16] = {0, 4, 8, 8, 16, 4, 8, 4, 4, 4, 8, 16, 16, 16, 16, 0};

IdShown TypeTwo(std::uint32_t id) {
    const double value = format_motorola_style(0xFF) == 2 ? id * 0.0625 + 800000 : id;
    return {value, 0, "Type II"};
}

} // namespace

IdShown ShowId(const dal& record) {
    const std::uint32_t id = record.get(dal::kUserId).get(UserId::kValue);
    const unsigned block = record.get(dal::kBlock);
    const unsigned fleet = record.get(dal::kFleet);
    const unsigned subfleet = record.get(dal::kSubfleet);
    switch (record.get(dal::kIdKind)) {
    case 1: {
        // Size codes beyond the table, 0 and 15 read as plain Type II IDs.
        const unsigned size = record.get(dal::kSizeCode) & 0x0F;
        if (size == 0 || size == 15) {
            return TypeTwo(id);
        }
        if (size == 1) {
            return {Number("%u%03u.%u", block & 7, fleet % 128, subfleet % 4), 1, "Type I"};
        }
        return {Number("%u%02u.%02u", block & kBlockMask[size], fleet % kFleets[size],
                       subfleet % kSubfleets[size]),
                2, "Type I"};
    }
    case 2:
        return TypeTwo(id);
    case 3:
        return {Number("%u%02lu%03lu", (id >> 13) & 1, static_cast<unsigned long>((id >> 8) & 0x1F),
                       static_cast<unsigned long>(id & 0xFF)),
                0, "LTR"};
    case 4:
        return {id * 0.1, 1, "PL"};
    case 5:
        return {Number("%03o", id & 0x1FF), 0, "DPL"};
    case 6:
    case 8:
        if (format_edacs_style(0xFF) == 2) {
            return {Number("%d.%02d%d", static_cast<int>((id >> 7) & 0xF),
                           static_cast<int>((id >> 3) & 0xF), static_cast<int>(id & 7)),
                    3, "EDACS"};
        }
        return {static_cast<double>(id), 0, "EDACS"};
    case 11:
        // The text reads as far as the hyphen.
        return {Number("%u-%05lu", (id >> 16) & 3, static_cast<unsigned long>(id)), 0, "PPT"};
    default:
        return {0, 0, "ID Code"};
    }
}

LampLook StateLamp(BYTE state, bool recording) {
    switch (state) {
    case 0:
        return recording ? LampLook{true, "REC", 0x0000FF, 0xFFFFFF}
                         : LampLook{true, "MON", 0x00FFFF, 0};
    case 5:
        return {true, "REC", 0x0000FF, 0xFFFFFF};
    case 4:
        return {true, "MON", 0x00FFFF, 0};
    case 1:
        return {true, "PAU", 0x00FF00, 0};
    case 2:
        return {true, "SAD", 0x80FF00, 0};
    case 3:
        return {true, "DSP", 0xFFFF00, 0};
    default:
        return {};
    }
}

FileStateTexts FileState(int state) {
    switch (state) {
    case 0:
        return {"", "Please select a recording file\r\nbefore using the record or\r\nplayback "
                    "features."};
    case 1:
        return {nullptr, ""};
    case 2:
        return {
            "*** NEW FILE PENDING ***",
            "A new recording file will be\r\nautomatically generated when\r\nrecording begins."};
    case 3:
        return {nullptr, "WARNING: the audio compression\r\nformat being received is\r\ndifferent "
                         "from the file.\r\nPlease select a new file."};
    default:
        return {};
    }
}

double ClockFraction(const std::tm& local) {
    return (local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec) / 86400.0;
}

long CounterValue(std::int64_t bytes) {
    return static_cast<long>(std::clamp<std::int64_t>(bytes, 0, std::numeric_limits<long>::max()));
}

std::string FrequencyText(std::uint32_t hz, bool hfInMHz) {
    std::string text = hz > 30'000'000 ? format_frequency_vhf(hz)
                       : hfInMHz       ? format_frequency_lhf(hz)
                                       : format_frequency_hf(hz);
    text.erase(0, text.find_first_not_of(' '));
    return text;
}

std::string ChannelMessage(const dal& record, const char* text, bool hfInMHz) {
    std::string message;
    for (const std::string& name :
         {record.text(dal::kName1), record.text(dal::kName2), record.text(dal::kName3)}) {
        if (!name.empty()) {
            message += name + "\r\n";
        }
    }
    message += FrequencyText(record.get(dal::kFrequency), hfInMHz) + "\r\n";
    if (text) {
        message += text;
        message += " - ";
    }
    return message + record.text(dal::kRadioName);
}

} // namespace hb::audio
