#include "platform/win/gdi/Bitmaps.h"

#include "platform/win/gdi/DcTable.h"
#include "platform/win/gdi/ObjectTable.h"

using namespace hb::win;
using namespace hb::win::detail;

HBITMAP CreateCompatibleBitmap(HDC hdc, int cx, int cy) {
    if (!Dcs().Find(hdc)) {
        return {};
    }
    return hb::win::CreateBitmapHandle(cx, cy, 0);
}

BOOL DestroyIcon(HICON icon) {
    return Objects().Find<IconObject>(icon.id()) && Objects().Remove(icon.id());
}

namespace hb::win {

HICON CreateIconHandle(int cx, int cy, UINT resourceId, const std::string& picture) {
    if (cx <= 0 || cy <= 0) {
        return {};
    }
    return HICON(Objects().Add(IconObject{{cx, cy}, resourceId, picture}));
}

HBITMAP CreateBitmapHandle(int cx, int cy, UINT resourceId, int cells,
                           const std::vector<std::string>& pictures) {
    if (cx <= 0 || cy <= 0 || cells <= 0) {
        return {};
    }
    return HBITMAP(Objects().Add(BitmapObject{{cx, cy}, resourceId, cells, pictures}));
}

std::optional<ImageInfo> GetImageInfo(HICON icon) {
    if (const IconObject* object = Objects().Find<IconObject>(icon.id())) {
        return ImageInfo{object->size, object->resourceId, 1, object->picture};
    }
    return std::nullopt;
}

std::optional<ImageInfo> GetImageInfo(HBITMAP bitmap) {
    if (const BitmapObject* object = Objects().Find<BitmapObject>(bitmap.id())) {
        return ImageInfo{object->size, object->resourceId, object->cells};
    }
    return std::nullopt;
}

} // namespace hb::win
