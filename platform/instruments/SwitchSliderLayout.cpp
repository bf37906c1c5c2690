#include "platform/instruments/SwitchSliderLayout.h"

#include <algorithm>
#include <cstdlib>

namespace hb::instruments {

std::vector<std::string> SplitCaptions(const std::string& text) {
    std::vector<std::string> captions;
    if (text.empty()) {
        return captions;
    }
    std::size_t from = 0;
    for (;;) {
        const std::size_t end = text.find('\n', from);
        captions.push_back(text.substr(from, end - from));
        if (end == std::string::npos) {
            return captions;
        }
        from = end + 1;
    }
}

std::string JoinCaptions(const std::vector<std::string>& captions) {
    std::string text;
    for (std::size_t n = 0; n < captions.size(); ++n) {
        if (n > 0) {
            text += '\n';
        }
        for (const char c : captions[n]) {
            text += c == '\n' || c == '\r' ? ' ' : c;
        }
    }
    return text;
}

namespace detail {

std::vector<std::string> CaptionsOf(const std::string& text, int count) {
    std::vector<std::string> captions = SplitCaptions(text);
    captions.resize(static_cast<std::size_t>(std::max(count, 0)));
    return captions;
}

bool AnyCaption(const std::vector<std::string>& captions) {
    return std::any_of(captions.begin(), captions.end(),
                       [](const std::string& caption) { return !caption.empty(); });
}

SwitchSliderLayout LayOutSwitchSlider(const RECT& client, int count, bool captioned) {
    SwitchSliderLayout layout;
    const LONG width = client.right - client.left;
    const LONG height = client.bottom - client.top;
    layout.across = width >= height;
    layout.slot = client;
    layout.captions = {client.left, client.bottom, client.right, client.bottom};
    if (layout.across) {
        if (captioned) {
            // The captions take a little under half the height, never less than a small line.
            const LONG band = std::min<LONG>(height - 6, std::max<LONG>(9, height * 9 / 20));
            layout.slot.bottom = client.bottom - std::max<LONG>(band, 0);
            layout.captions = {client.left, layout.slot.bottom, client.right, client.bottom};
        }
        const LONG along = width / std::max(count, 1);
        layout.pointer = static_cast<int>(std::clamp<LONG>(along * 2 / 3, 4, height));
    } else {
        if (captioned) {
            layout.slot.right = client.left + std::clamp<LONG>(width / 3, 8, 16);
            layout.captions = {layout.slot.right + 2, client.top, client.right, client.bottom};
        }
        const LONG along = height / std::max(count, 1);
        layout.pointer = static_cast<int>(std::clamp<LONG>(along * 2 / 3, 4, width));
    }
    return layout;
}

int SwitchStop(const SwitchSliderLayout& layout, int position, int count) {
    const RECT& s = layout.slot;
    const int from = static_cast<int>(layout.across ? s.left : s.top) + layout.pointer / 2 + 1;
    const int to = static_cast<int>(layout.across ? s.right : s.bottom) - layout.pointer / 2 - 1;
    if (count <= 1) {
        return (from + to) / 2;
    }
    return from + (to - from) * position / (count - 1);
}

int SwitchPositionAt(const SwitchSliderLayout& layout, int count, long x, long y) {
    const long at = layout.across ? x : y;
    int nearest = 0;
    for (int n = 1; n < count; ++n) {
        if (std::labs(SwitchStop(layout, n, count) - at) <
            std::labs(SwitchStop(layout, nearest, count) - at)) {
            nearest = n;
        }
    }
    return nearest;
}

} // namespace detail
} // namespace hb::instruments
