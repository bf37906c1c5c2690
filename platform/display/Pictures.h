#pragma once
// The program's pictures: SVG files in the "icons" folder beside the program, rendered at the sizes
// asked and kept for the rest of the run.
#include <cairo.h>

#include <string>

namespace hb::display::detail {

// The picture `name` at width x height, greyed as a disabled command shows it when asked; null
// when there is no such picture or it cannot be read (the trace says so, once per file). The
// surface belongs to the cache.
cairo_surface_t* Picture(const std::string& name, int width, int height, bool greyed);
// One line in the trace file, when HB_TRACE names one; each text only once in a run.
void TraceOnce(const std::string& text);

} // namespace hb::display::detail
