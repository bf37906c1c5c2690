#include "platform/afx/Reset.h"

#include "platform/afx/CFileDialog.h"
#include "platform/afx/HandleMap.h"
#include "platform/afx/ModalScript.h"
#include "platform/afx/PrintJobs.h"
#include "platform/afx/WindowFaults.h"
#include "platform/afx/res/BitmapLookup.h"
#include "platform/afx/res/ResourceChain.h"
#include "platform/afx/res/StringLookup.h"
#include "platform/afx/res/TemplateLookup.h"

namespace hb::afx {

void ResetForTests() {
    DeleteTempMap();
    detail::ClearPermanent();
    SetTemplateLookup(nullptr);
    SetStringLookup(nullptr);
    SetBitmapLoader(nullptr);
    detail::ResetModals();
    detail::ResetFileDialogs();
    detail::ResetPrinting();
    detail::ResetResourceChain();
    detail::ResetWindowFaults();
}

} // namespace hb::afx
