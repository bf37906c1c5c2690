#pragma once
// The radio model a group or search range file is for.
#include "platform/win/WinTypes.h"

#include <cstdint>
#include <memory>

class Radio;

namespace hb::tessary {

// The model of the radio type (null for type 0) into `model`. A type without a model is told in a
// box that names the file (`what`: "group", "search range") and the type, and answers false.
bool FileRadio(LPCSTR path, const char* what, std::uint8_t type, std::unique_ptr<Radio>& model);

} // namespace hb::tessary
