#include "platform/afx/res/DialogTemplate.h"

namespace hb::afx {

RECT DluToPixels(const RECT& dlu) {
    return {dlu.left * 6 / 4, dlu.top * 13 / 8, dlu.right * 6 / 4, dlu.bottom * 13 / 8};
}

} // namespace hb::afx
