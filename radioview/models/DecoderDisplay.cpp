#include "radioview/models/DecoderDisplay.h"

#include "platform/records/TypeISizeTable.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/tessary/model/Format.h"

namespace hb::radioview {

namespace {
// The application's colour table entries of the panel's numeric displays.
constexpr int kDisplayForeground = 12;
constexpr int kDisplayBackground = 13;
constexpr int kStyleQuery = 255;
constexpr int kEdacsStyleQuery = 85;
constexpr int kRadioStyle = 2;
constexpr std::uint32_t kTypeIBlockSpan = 8192;

using hb::records::UserId;

// A Type I ID: block, fleet and subfleet cut out of the ID's low 16 bits by its size code.
DecodedValue TypeI(std::uint32_t id, std::uint8_t code) {
    const hb::records::TypeISize& size = hb::records::TypeISizeTable[code];
    const std::uint32_t v = id & 0xFFFF;
    const std::uint32_t blocks = code == 12 ? 2 : code == 13 ? 4 : code == 14 ? 8 : 1;
    const std::uint32_t span = kTypeIBlockSpan * blocks;
    const std::uint32_t w = v % span;
    const std::uint32_t perFleet = span / size.fleetModulus;
    const std::uint32_t perSubfleet = perFleet / size.subfleetModulus;
    const std::uint32_t block = (v >> 13) & size.blockMask;
    const std::uint32_t fleet = w / perFleet;
    const std::uint32_t subfleet = (w % perFleet) / perSubfleet;
    if (code == 1) {
        return {true, block * 1000.0 + fleet + subfleet / 10.0, 1};
    }
    return {true, block * 100.0 + fleet + subfleet / 100.0, 2};
}

DecodedValue Motorola(std::uint32_t id, std::uint8_t subKind) {
    const std::uint8_t code = hb::records::TypeISizeCode(subKind);
    if (code == 0) {
        return {};
    }
    if (code == 15) {
        if (format_motorola_style(kStyleQuery) == kRadioStyle) {
            return {true, id * 0.0625 + 800000, 0};
        }
        return {true, static_cast<double>(id), 0};
    }
    return TypeI(id, code);
}
} // namespace

DecodedValue DecodeId(const UserId& id) {
    const std::uint32_t value = id.get(UserId::kValue);
    switch (id.get(UserId::kKind)) {
    case hb::records::kIdKindMotorola:
        return Motorola(value, id.get(UserId::kSizeCode));
    case hb::records::kIdKindLtr: {
        const std::uint32_t area = (value >> 13) & 0x1;
        const std::uint32_t home = (value >> 8) & 0x1F;
        const std::uint32_t group = value & 0xFF;
        return {true, area * 100000.0 + home * 1000.0 + group, 0};
    }
    case hb::records::kIdKindCtcss:
        return {true, value * 0.1, 1};
    case hb::records::kIdKindDcs: {
        // The code reads in octal digits.
        const std::uint32_t code = value & 0x1FF;
        return {true, (code >> 6) * 100.0 + ((code >> 3) & 7) * 10.0 + (code & 7), 0};
    }
    case hb::records::kIdKindEdacs:
    case hb::records::kIdKindEdacsOther:
        if (format_edacs_style(kEdacsStyleQuery) == kRadioStyle) {
            const std::uint32_t agency = (value >> 7) & 0xF;
            const std::uint32_t fleet = (value >> 3) & 0xF;
            const std::uint32_t subfleet = value & 0x7;
            return {true, agency + fleet / 100.0 + subfleet / 1000.0, 3};
        }
        return {true, static_cast<double>(value), 0};
    default:
        return {};
    }
}

void ShowDtmfLine(CRadioView& view, CiLabelX& line, const DtmfRecord* rec) {
    if (!line.m_hWnd) {
        return;
    }
    if (!rec) {
        line.SetCaption("");
        return;
    }
    const CString name = view.m_channelLabel.m_hWnd ? view.m_channelLabel.GetCaption() : CString();
    CString text;
    text.Format("%s%-16.16s", static_cast<LPCSTR>(view.m_dtmfText), static_cast<LPCSTR>(name));
    text.Trim();
    if (text.GetLength() > kDtmfLineLength) {
        text = text.Right(kDtmfLineLength);
    }
    line.SetCaption(text);
}

void PaintDecoderDisplay(CRadioView& view, CiSevenSegmentAnalogX& display, CiLabelX& line) {
    CScanApp& app = *CScanApp::GetScanApp();
    const COLORREF text = view.m_hold ? app.Colors().displayReplay : app.Color(kDisplayForeground);
    const COLORREF background = app.Color(kDisplayBackground);
    if (display.m_hWnd) {
        display.SetSegmentColor(text);
        display.SetBackGroundColor(background);
    }
    if (line.m_hWnd) {
        line.SetFontColor(text);
        line.SetBackGroundColor(background);
    }
}

} // namespace hb::radioview
