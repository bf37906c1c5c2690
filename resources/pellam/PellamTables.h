#pragma once
// Everything the resource library carries: the front panel forms, the audio player form, the tool
// bar customize page, two image strips, its strings and its version.
#include "platform/afx/res/ResourceTables.h"

namespace hb::resources {

hb::afx::ResourceTables PellamTables();

} // namespace hb::resources
