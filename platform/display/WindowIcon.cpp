#include "platform/display/WindowIcon.h"

#include "platform/display/Pictures.h"
#include "platform/win/gdi/Bitmaps.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cstdint>
#include <vector>

namespace hb::display {

namespace {

// Width, height, then the pixels as non-premultiplied ARGB, one to a CARDINAL.
void AppendSize(std::vector<unsigned long>& data, cairo_surface_t* picture, int size) {
    cairo_surface_flush(picture);
    const unsigned char* pixels = cairo_image_surface_get_data(picture);
    const int stride = cairo_image_surface_get_stride(picture);
    data.push_back(static_cast<unsigned long>(size));
    data.push_back(static_cast<unsigned long>(size));
    for (int y = 0; y < size; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(pixels + y * stride);
        for (int x = 0; x < size; ++x) {
            const std::uint32_t pixel = row[x];
            const std::uint32_t alpha = pixel >> 24;
            const auto plain = [&](int shift) {
                const std::uint32_t channel = (pixel >> shift) & 0xFF;
                return alpha ? (channel * 255 + alpha / 2) / alpha : 0;
            };
            data.push_back(alpha << 24 | plain(16) << 16 | plain(8) << 8 | plain(0));
        }
    }
}

} // namespace

void GiveIcon(Connection& connection, XId xid, HICON icon) {
    const auto info = hb::win::GetImageInfo(icon);
    std::vector<unsigned long> data;
    for (const int size : {16, 32}) {
        cairo_surface_t* picture =
            info ? detail::Picture(info->picture, size, size, false) : nullptr;
        if (picture) {
            AppendSize(data, picture, size);
        }
    }
    if (data.empty()) {
        XDeleteProperty(connection.display(), xid, connection.netWmIcon);
        return;
    }
    XChangeProperty(connection.display(), xid, connection.netWmIcon, XA_CARDINAL, 32,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(data.data()),
                    static_cast<int>(data.size()));
}

} // namespace hb::display
