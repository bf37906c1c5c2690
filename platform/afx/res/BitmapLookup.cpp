#include "platform/afx/res/BitmapLookup.h"

#include "platform/afx/res/ResourceLoading.h"

namespace hb::afx {

namespace {

BitmapLoader& Loader() {
    static BitmapLoader loader;
    return loader;
}

} // namespace

void SetBitmapLoader(BitmapLoader loader) {
    Loader() = std::move(loader);
}

HBITMAP LoadResourceBitmap(UINT id) {
    if (Loader()) {
        return Loader()(id);
    }
    const LPCSTR name = MAKEINTRESOURCE(id);
    return ::LoadBitmap(AfxFindResourceHandle(name, RT_BITMAP), name);
}

} // namespace hb::afx
