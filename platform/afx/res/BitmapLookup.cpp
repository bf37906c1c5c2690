#include "platform/afx/res/BitmapLookup.h"

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
    return Loader() ? Loader()(id) : HBITMAP{};
}

} // namespace hb::afx
