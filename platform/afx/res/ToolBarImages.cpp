#include "platform/afx/res/ToolBarImages.h"

#include "platform/afx/res/ResourceLoading.h"
#include "platform/win/gdi/Bitmaps.h"
#include "platform/win/gdi/Objects.h"

namespace hb::afx {

HIMAGELIST LoadToolBarImages(const ToolBarResource& resource) {
    const LPCSTR name = MAKEINTRESOURCE(resource.bitmapId);
    const HBITMAP strip = ::LoadBitmap(AfxFindResourceHandle(name, RT_BITMAP), name);
    if (!strip) {
        return {};
    }
    const HIMAGELIST images =
        ::ImageList_Create(resource.buttonCx, resource.buttonCy, ILC_COLOR4 | ILC_MASK, 0, 0);
    ::ImageList_AddMasked(images, strip, RGB(192, 192, 192));
    ::DeleteObject(strip);
    return images;
}

} // namespace hb::afx
