#pragma once
// The template of the core library's small dialogs that show one line of text over OK and Cancel.

#include "platform/afx/res/DialogTemplate.h"

#include <string>

namespace hb::tessary {

hb::afx::DialogTemplate NoticeTemplate(std::string caption, std::string text);

} // namespace hb::tessary
