#include "platform/win/gdi/Objects.h"

#include "platform/win/gdi/Bitmaps.h"
#include "platform/win/gdi/ObjectTable.h"

#include <cstring>

using namespace hb::win;
using namespace hb::win::detail;

namespace {

template <class T>
int CopyOut(const T& value, int size, LPVOID buffer) {
    if (!buffer) {
        return static_cast<int>(sizeof(T));
    }
    if (size < static_cast<int>(sizeof(T))) {
        return 0;
    }
    std::memcpy(buffer, &value, sizeof(T));
    return static_cast<int>(sizeof(T));
}

} // namespace

HPEN CreatePen(int style, int width, COLORREF color) {
    if (style < PS_SOLID || style > PS_INSIDEFRAME) {
        return {};
    }
    return HPEN(Objects().Add(PenObject{style, width, color}));
}

HBRUSH CreateSolidBrush(COLORREF color) {
    return HBRUSH(Objects().Add(BrushObject{BS_SOLID, color}));
}

HGDIOBJ GetStockObject(int index) {
    return HGDIOBJ(Objects().Stock(index));
}

HBRUSH GetSysColorBrush(int index) {
    return HBRUSH(Objects().SysColorBrush(index));
}

BOOL DeleteObject(HGDIOBJ object) {
    auto& objects = Objects();
    const std::uint32_t id = object.id();
    const bool drawingObject = objects.Find<FontObject>(id) || objects.Find<PenObject>(id) ||
                               objects.Find<BrushObject>(id) || objects.Find<BitmapObject>(id);
    return drawingObject && objects.Remove(id);
}

int GetObject(HGDIOBJ object, int size, LPVOID buffer) {
    if (const FontObject* font = Objects().Find<FontObject>(object.id())) {
        return CopyOut(font->logFont, size, buffer);
    }
    if (const BitmapObject* bitmap = Objects().Find<BitmapObject>(object.id())) {
        BITMAP bm;
        bm.bmWidth = bitmap->size.cx;
        bm.bmHeight = bitmap->size.cy;
        bm.bmWidthBytes = bitmap->size.cx * 4;
        bm.bmPlanes = 1;
        bm.bmBitsPixel = 32;
        return CopyOut(bm, size, buffer);
    }
    return 0;
}

DWORD GetObjectType(HGDIOBJ object) {
    auto& objects = Objects();
    const std::uint32_t id = object.id();
    return objects.Find<FontObject>(id)     ? OBJ_FONT
           : objects.Find<PenObject>(id)    ? OBJ_PEN
           : objects.Find<BrushObject>(id)  ? OBJ_BRUSH
           : objects.Find<BitmapObject>(id) ? OBJ_BITMAP
                                            : 0;
}
