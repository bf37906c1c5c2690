#include "platform/display/Pictures.h"

#include "platform/win/sys/ProgramPath.h"

#include <librsvg/rsvg.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <map>
#include <memory>
#include <set>
#include <tuple>

namespace hb::display::detail {

namespace {

struct SurfaceDeleter {
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;

// The folder is part of the key: the program's folder can be changed while it runs (tests).
using Key = std::tuple<std::string, int, int, bool>;

std::map<Key, Surface>& Cache() {
    static std::map<Key, Surface> cache;
    return cache;
}

// Disabled: the picture's brightness only, lifted towards the face colour and half transparent,
// so the shape still reads but plainly does not invite a click.
void Grey(cairo_surface_t* surface) {
    cairo_surface_flush(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int width = cairo_image_surface_get_width(surface);
    const int height = cairo_image_surface_get_height(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + y * stride);
        for (int x = 0; x < width; ++x) {
            const std::uint32_t pixel = row[x];
            const std::uint32_t alpha = pixel >> 24;
            const std::uint32_t r = (pixel >> 16) & 0xFF;
            const std::uint32_t g = (pixel >> 8) & 0xFF;
            const std::uint32_t b = pixel & 0xFF;
            // Premultiplied: the light part is added in proportion to the alpha.
            const std::uint32_t luma = (r * 77 + g * 150 + b * 29) >> 8;
            const std::uint32_t lifted = (luma + alpha) / 2;
            const std::uint32_t faded = alpha / 2;
            const std::uint32_t grey = lifted / 2;
            row[x] = faded << 24 | grey << 16 | grey << 8 | grey;
        }
    }
    cairo_surface_mark_dirty(surface);
}

Surface Render(const std::string& path, int width, int height, bool greyed) {
    GError* error = nullptr;
    RsvgHandle* handle = rsvg_handle_new_from_file(path.c_str(), &error);
    if (!handle) {
        TraceOnce("picture " + path + " unreadable: " + (error ? error->message : "no reason"));
        g_clear_error(&error);
        return nullptr;
    }
    Surface surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
    cairo_t* cr = cairo_create(surface.get());
    const RsvgRectangle viewport{0, 0, static_cast<double>(width), static_cast<double>(height)};
    const bool drawn = rsvg_handle_render_document(handle, cr, &viewport, &error) != FALSE;
    cairo_destroy(cr);
    g_object_unref(handle);
    if (!drawn) {
        TraceOnce("picture " + path + " not drawn: " + (error ? error->message : "no reason"));
        g_clear_error(&error);
        return nullptr;
    }
    if (greyed) {
        Grey(surface.get());
    }
    return surface;
}

} // namespace

cairo_surface_t* Picture(const std::string& name, int width, int height, bool greyed) {
    if (name.empty() || width <= 0 || height <= 0) {
        return nullptr;
    }
    const std::string path = hb::win::ApplicationFolder() + "/icons/" + name + ".svg";
    Key key{path, width, height, greyed};
    auto it = Cache().find(key);
    if (it == Cache().end()) {
        std::FILE* file = std::fopen(path.c_str(), "rb");
        Surface surface;
        if (file) {
            std::fclose(file);
            surface = Render(path, width, height, greyed);
        } else {
            TraceOnce("picture " + name + " missing: no file " + path);
        }
        it = Cache().emplace(std::move(key), std::move(surface)).first;
    }
    return it->second.get();
}

void TraceOnce(const std::string& given) {
    static std::set<std::string> written;
    // One line, whatever the text brings.
    std::string text = given;
    std::replace(text.begin(), text.end(), '\n', ' ');
    while (!text.empty() && text.back() == ' ') {
        text.pop_back();
    }
    const char* path = std::getenv("HB_TRACE");
    if (!path || !*path || !written.insert(text).second) {
        return;
    }
    if (std::FILE* file = std::fopen(path, "a")) {
        std::fprintf(file, "%s\n", text.c_str());
        std::fclose(file);
    }
}

} // namespace hb::display::detail
