#include "platform/win/gdi/ImageList.h"

#include "platform/win/gdi/Bitmaps.h"
#include "platform/win/gdi/DcTable.h"
#include "platform/win/gdi/ObjectTable.h"

using namespace hb::win;
using namespace hb::win::detail;

namespace {

ImageListObject* Find(HIMAGELIST list) {
    return Objects().Find<ImageListObject>(list.id());
}

} // namespace

HIMAGELIST ImageList_Create(int cx, int cy, UINT flags, int, int) {
    if (cx <= 0 || cy <= 0) {
        return {};
    }
    return HIMAGELIST(Objects().Add(ImageListObject{{cx, cy}, flags, {}}));
}

BOOL ImageList_Destroy(HIMAGELIST list) {
    return Find(list) && Objects().Remove(list.id());
}

int ImageList_AddMasked(HIMAGELIST list, HBITMAP bitmap, COLORREF) {
    ImageListObject* object = Find(list);
    const BitmapObject* strip = Objects().Find<BitmapObject>(bitmap.id());
    if (!object || !strip) {
        return -1;
    }
    const int cells = strip->size.cx / object->size.cx;
    if (cells == 0) {
        return -1;
    }
    const int first = static_cast<int>(object->images.size());
    for (int cell = 0; cell < cells; ++cell) {
        const auto at = static_cast<std::size_t>(cell);
        object->images.push_back(
            {strip->resourceId, cell, at < strip->pictures.size() ? strip->pictures[at] : ""});
    }
    return first;
}

int ImageList_ReplaceIcon(HIMAGELIST list, int index, HICON icon) {
    ImageListObject* object = Find(list);
    const IconObject* added = Objects().Find<IconObject>(icon.id());
    const int count = object ? static_cast<int>(object->images.size()) : 0;
    if (!object || !added || index < -1 || index >= count) {
        return -1;
    }
    const ListImage image{added->resourceId, 0, added->picture};
    if (index == -1) {
        object->images.push_back(image);
        return count;
    }
    object->images[static_cast<std::size_t>(index)] = image;
    return index;
}

int ImageList_AddIcon(HIMAGELIST list, HICON icon) {
    return ImageList_ReplaceIcon(list, -1, icon);
}

int ImageList_GetImageCount(HIMAGELIST list) {
    const ImageListObject* object = Find(list);
    return object ? static_cast<int>(object->images.size()) : 0;
}

BOOL ImageList_GetIconSize(HIMAGELIST list, int* cx, int* cy) {
    const ImageListObject* object = Find(list);
    if (!object || !cx || !cy) {
        return FALSE;
    }
    *cx = object->size.cx;
    *cy = object->size.cy;
    return TRUE;
}

HICON ImageList_GetIcon(HIMAGELIST list, int index, UINT) {
    const ImageListObject* object = Find(list);
    if (!object || index < 0 || index >= static_cast<int>(object->images.size())) {
        return {};
    }
    const ListImage& image = object->images[static_cast<std::size_t>(index)];
    return hb::win::CreateIconHandle(object->size.cx, object->size.cy, image.resourceId,
                                     image.picture);
}

BOOL ImageList_Draw(HIMAGELIST list, int index, HDC hdc, int x, int y, UINT style) {
    const ImageListObject* object = Find(list);
    if (!object || index < 0 || index >= static_cast<int>(object->images.size())) {
        return FALSE;
    }
    const ListImage& image = object->images[static_cast<std::size_t>(index)];
    return RecordOn(hdc, hb::win::DrawOp::ImageListDraw,
                    [&](DeviceContext& dc, DrawRecord& record) {
                        record.rect = dc.ToDevice({x, y, x + object->size.cx, y + object->size.cy});
                        record.image = {list.id(),  index,        image.resourceId,
                                        image.cell, object->size, image.picture};
                        record.flags = style;
                        return true;
                    });
}
