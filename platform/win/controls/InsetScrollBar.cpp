#include "platform/win/controls/InsetScrollBar.h"

#include "platform/win/controls/ControlSupport.h"
#include "platform/win/core/Geometry.h"
#include "platform/win/core/SystemInfo.h"
#include "platform/win/gdi/DeviceContext.h"
#include "platform/win/gdi/Drawing.h"
#include "platform/win/gdi/Objects.h"

#include <algorithm>

namespace hb::win::detail {

namespace {

// A thumb never shrinks below this, so that it can still be caught.
constexpr int kShortestThumb = 8;

struct Track {
    int length = 0; // of the whole bar
    int arrow = 0;  // of each arrow button
    int thumbStart = 0;
    int thumbLength = 0;
};

Track TrackOf(const InsetScrollBar& bar) {
    Track track;
    const int width = bar.rect.right - bar.rect.left;
    const int height = bar.rect.bottom - bar.rect.top;
    track.length = bar.vertical ? height : width;
    track.arrow = std::min(bar.vertical ? width : height, track.length / 2);
    const int free = track.length - 2 * track.arrow;
    if (bar.MaxPos() <= 0 || free <= 0) {
        return track;
    }
    track.thumbLength = std::clamp(
        static_cast<int>(static_cast<long long>(free) * bar.page / std::max(1, bar.range)),
        std::min(kShortestThumb, free), free);
    track.thumbStart =
        track.arrow +
        static_cast<int>(static_cast<long long>(free - track.thumbLength) * bar.pos / bar.MaxPos());
    return track;
}

// The stretch [from, to) along the bar, as a rectangle.
RECT Stretch(const InsetScrollBar& bar, int from, int to) {
    RECT part = bar.rect;
    if (bar.vertical) {
        part.top = bar.rect.top + from;
        part.bottom = bar.rect.top + to;
    } else {
        part.left = bar.rect.left + from;
        part.right = bar.rect.left + to;
    }
    return part;
}

} // namespace

bool InsetScrollBar::Shown() const {
    return rect.right > rect.left && rect.bottom > rect.top;
}

int InsetScrollBar::MaxPos() const {
    return std::max(0, range - page);
}

RECT InsetScrollBar::Thumb() const {
    const Track track = TrackOf(*this);
    return track.thumbLength > 0
               ? Stretch(*this, track.thumbStart, track.thumbStart + track.thumbLength)
               : RECT{};
}

int InsetScrollBar::Along(POINT pt) const {
    return vertical ? pt.y - rect.top : pt.x - rect.left;
}

ScrollPart InsetScrollBar::PartAt(POINT pt) const {
    if (!Shown() || !PtInRect(&rect, pt)) {
        return ScrollPart::None;
    }
    const Track track = TrackOf(*this);
    const int at = Along(pt);
    if (at < track.arrow) {
        return ScrollPart::LineBack;
    }
    if (at >= track.length - track.arrow) {
        return ScrollPart::LineForward;
    }
    if (track.thumbLength == 0) {
        return ScrollPart::None;
    }
    if (at < track.thumbStart) {
        return ScrollPart::PageBack;
    }
    return at < track.thumbStart + track.thumbLength ? ScrollPart::Thumb : ScrollPart::PageForward;
}

int InsetScrollBar::PosForThumbAt(int offset) const {
    const Track track = TrackOf(*this);
    const int travel = track.length - 2 * track.arrow - track.thumbLength;
    if (travel <= 0) {
        return pos;
    }
    const long long moved = std::clamp(offset - track.arrow, 0, travel);
    return static_cast<int>((moved * MaxPos() + travel / 2) / travel);
}

void InsetScrollBar::Paint(HDC hdc, ScrollPart pressed) const {
    if (!Shown()) {
        return;
    }
    const Track track = TrackOf(*this);
    const int saved = SaveDC(hdc);
    const RECT trough = Stretch(*this, track.arrow, track.length - track.arrow);
    FillRect(hdc, &trough, GetSysColorBrush(COLOR_3DLIGHT));
    if (pressed == ScrollPart::PageBack || pressed == ScrollPart::PageForward) {
        const RECT page =
            pressed == ScrollPart::PageBack
                ? Stretch(*this, track.arrow, track.thumbStart)
                : Stretch(*this, track.thumbStart + track.thumbLength, track.length - track.arrow);
        FillRect(hdc, &page, GetSysColorBrush(COLOR_3DSHADOW));
    }
    if (track.thumbLength > 0) {
        RECT thumb = Thumb();
        FillRect(hdc, &thumb, GetSysColorBrush(COLOR_BTNFACE));
        DrawEdge(hdc, &thumb, EDGE_RAISED, BF_RECT);
    }
    SelectObject(hdc, GetStockObject(NULL_PEN));
    SelectObject(hdc, GetSysColorBrush(track.thumbLength > 0 ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    const RECT back = Stretch(*this, 0, track.arrow);
    const RECT forward = Stretch(*this, track.length - track.arrow, track.length);
    FillRect(hdc, &back, GetSysColorBrush(COLOR_BTNFACE));
    FillRect(hdc, &forward, GetSysColorBrush(COLOR_BTNFACE));
    PaintArrow(hdc, back, pressed == ScrollPart::LineBack, vertical, !vertical);
    PaintArrow(hdc, forward, pressed == ScrollPart::LineForward, !vertical, !vertical);
    RestoreDC(hdc, saved);
}

} // namespace hb::win::detail
