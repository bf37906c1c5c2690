#include "platform/win/gdi/TextDrawing.h"

#include "platform/win/gdi/DcTable.h"
#include "platform/win/gdi/TextMetrics.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

using namespace hb::win;
using namespace hb::win::detail;

namespace {

std::string WithoutPrefixes(std::string_view text) {
    std::string shown;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && ++i == text.size()) {
            break;
        }
        shown += text[i];
    }
    return shown;
}

std::vector<std::string> Paragraphs(std::string_view text) {
    std::vector<std::string> paragraphs(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            paragraphs.emplace_back();
        } else {
            paragraphs.back() += text[i];
        }
    }
    return paragraphs;
}

// Greedy: as many words on each line as fit; a word wider than the line gets a line of its own.
void Wrap(const std::string& paragraph, LONG width, const FontState& font,
          std::vector<std::string>& lines) {
    std::string line;
    std::size_t start = 0;
    while (start <= paragraph.size()) {
        std::size_t end = paragraph.find(' ', start);
        if (end == std::string::npos) {
            end = paragraph.size();
        }
        const std::string_view word(paragraph.data() + start, end - start);
        std::string candidate = line.empty() ? std::string(word) : line + ' ' + std::string(word);
        if (line.empty() || MeasureText(font, candidate).cx <= width) {
            line = std::move(candidate);
        } else {
            lines.push_back(std::move(line));
            line = std::string(word);
        }
        start = end + 1;
    }
    lines.push_back(std::move(line));
}

std::vector<std::string> LayOut(const std::string& text, UINT format, LONG width,
                                const FontState& font) {
    if (format & DT_SINGLELINE) {
        return {text};
    }
    std::vector<std::string> paragraphs = Paragraphs(text);
    if (!(format & DT_WORDBREAK)) {
        return paragraphs;
    }
    std::vector<std::string> lines;
    for (const std::string& paragraph : paragraphs) {
        Wrap(paragraph, width, font, lines);
    }
    return lines;
}

} // namespace

BOOL TextOut(HDC hdc, int x, int y, LPCSTR text, int length) {
    if (length < 0 || (!text && length > 0)) {
        return FALSE;
    }
    return RecordOn(hdc, DrawOp::TextOut, [&](DeviceContext& dc, DrawRecord& record) {
        record.points = {dc.ToDevice(x, y)};
        record.text.assign(text ? text : "", static_cast<std::size_t>(length));
        return true;
    });
}

BOOL ExtTextOut(HDC hdc, int x, int y, UINT options, const RECT* rect, LPCSTR text, UINT length,
                const INT*) {
    if (!text && length > 0) {
        return FALSE;
    }
    return RecordOn(hdc, DrawOp::ExtTextOut, [&](DeviceContext& dc, DrawRecord& record) {
        record.points = {dc.ToDevice(x, y)};
        record.text.assign(text ? text : "", length);
        if (rect) {
            record.rect = dc.ToDevice(*rect);
        }
        record.flags = options;
        return true;
    });
}

int DrawText(HDC hdc, LPCSTR text, int length, RECT* rect, UINT format) {
    DeviceContext* dc = Dcs().Find(hdc);
    if (!dc || !rect || (!text && length != 0)) {
        return 0;
    }
    const std::string_view given = !text ? std::string_view()
                                   : length < 0
                                       ? std::string_view(text)
                                       : std::string_view(text, static_cast<std::size_t>(length));
    const FontState& font = dc->state.font;
    const std::vector<std::string> lines =
        hb::win::DrawTextLines(given, format, rect->right - rect->left, font);
    const LONG height = static_cast<LONG>(lines.size()) * hb::win::MetricsOf(font).tmHeight;

    if (format & DT_CALCRECT) {
        LONG widest = 0;
        for (const std::string& line : lines) {
            widest = std::max(widest, MeasureText(font, line).cx);
        }
        if ((format & DT_END_ELLIPSIS) && rect->right > rect->left) {
            widest = std::min(widest, rect->right - rect->left);
        }
        rect->right = rect->left + widest;
        rect->bottom = rect->top + height;
        return height;
    }
    DrawRecord record;
    record.op = DrawOp::DrawText;
    record.rect = dc->ToDevice(*rect);
    record.text = given;
    record.flags = format;
    dc->Record(std::move(record));
    const LONG boxHeight = rect->bottom - rect->top;
    if ((format & DT_SINGLELINE) && (format & DT_BOTTOM)) {
        return boxHeight;
    }
    if ((format & DT_SINGLELINE) && (format & DT_VCENTER)) {
        return (boxHeight - height) / 2 + height;
    }
    return height;
}

namespace hb::win {

std::vector<std::string> DrawTextLines(std::string_view text, UINT format, LONG width,
                                       const FontState& font) {
    const std::string shown = (format & DT_NOPREFIX) ? std::string(text) : WithoutPrefixes(text);
    return LayOut(shown, format, width, font);
}

} // namespace hb::win
