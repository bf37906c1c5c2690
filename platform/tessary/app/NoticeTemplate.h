#pragma once
// The templates of the core library's small dialogs: one line of text, or one list to choose
// from, over OK and Cancel.

#include "platform/afx/res/DialogTemplate.h"

#include <string>

namespace hb::tessary {

hb::afx::DialogTemplate NoticeTemplate(std::string caption, std::string text);
// A list box `listId` of the size, whose double click the dialog takes as OK.
hb::afx::DialogTemplate ListTemplate(std::string caption, UINT listId, int width, int height);

} // namespace hb::tessary
