#pragma once
// Reading back what was rendered into an image surface.
#include "platform/win/WinTypes.h"

#include <cairo.h>

#include <cstdint>

namespace hb::display::test {

// The colour at (x, y) of a flushed RGB24 or ARGB32 image surface, alpha ignored.
inline COLORREF PixelAt(cairo_surface_t* surface, int x, int y) {
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const auto pixel = *reinterpret_cast<const std::uint32_t*>(data + y * stride + x * 4);
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

} // namespace hb::display::test
