#include "platform/toolkit/Reset.h"

#include "platform/toolkit/CXTAuxData.h"
#include "platform/toolkit/CXTFolderDialog.h"
#include "platform/toolkit/CXTPCommandBars.h"
#include "platform/toolkit/CXTPImageManager.h"
#include "platform/toolkit/CXTPPaintManager.h"

namespace hb::toolkit {

void ResetForTests() {
    XTAuxData().SetGlobalFont(nullptr);
    detail::ResetThemes();
    detail::ResetCommandBarsFault();
    XTPImageManager()->RemoveAll();
    SetFolderChooser({});
}

} // namespace hb::toolkit
