#pragma once
// The drawing objects behind the handles, shared by the gdi files; not part of the public surface.
#include "platform/win/gdi/DisplayList.h"
#include "platform/win/gdi/Fonts.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <variant>
#include <vector>

namespace hb::win::detail {

struct FontObject {
    LOGFONT logFont;
};

struct PenObject {
    int style = 0;
    int width = 0;
    COLORREF color = 0;
};

struct BrushObject {
    UINT style = 0;
    COLORREF color = 0;
};

struct BitmapObject {
    SIZE size;
    UINT resourceId = 0;
    int cells = 1;
    std::vector<std::string> pictures{}; // one per cell, or none
};

struct IconObject {
    SIZE size;
    UINT resourceId = 0;
    std::string picture{};
};

// An image list copies what it is given, so its images outlive the bitmaps and icons they came
// from.
struct ListImage {
    UINT resourceId = 0;
    int cell = 0;
    std::string picture{};
};

struct ImageListObject {
    SIZE size;
    UINT flags = 0;
    std::vector<ListImage> images;
};

using GdiObject =
    std::variant<FontObject, PenObject, BrushObject, BitmapObject, IconObject, ImageListObject>;

// Every object by its 32-bit id. Ids count up for the whole process and are never reused. The
// stock objects are made first and can never be deleted.
class ObjectTable {
public:
    ObjectTable();

    std::uint32_t Add(GdiObject object);
    template <class T>
    T* Find(std::uint32_t id) {
        const auto it = m_objects.find(id);
        return it == m_objects.end() ? nullptr : std::get_if<T>(&it->second.object);
    }
    // Stock objects stay; returns whether the object was there.
    bool Remove(std::uint32_t id);
    bool IsStock(std::uint32_t id) const;
    std::uint32_t Stock(int index) const;
    std::uint32_t SysColorBrush(int index);
    // The brush of system colour `index`, if made already, takes its new colour.
    void RecolorSysColorBrush(int index, COLORREF color);
    // What a memory DC holds before a bitmap is selected into it.
    std::uint32_t DefaultBitmap() const { return m_defaultBitmap; }
    void RemoveAllButStock();

private:
    struct Entry {
        GdiObject object;
        bool stock = false;
    };
    std::uint32_t AddStock(GdiObject object);

    std::unordered_map<std::uint32_t, Entry> m_objects;
    std::map<int, std::uint32_t> m_stock;
    std::map<int, std::uint32_t> m_sysColorBrushes;
    std::uint32_t m_defaultBitmap = 0;
    std::uint32_t m_next = 0x20010;
};

ObjectTable& Objects();

// The attributes a DC records for a selected object; a dead handle resolves to the defaults.
FontState ResolveFont(HFONT font);
PenState ResolvePen(HPEN pen);
BrushState ResolveBrush(HBRUSH brush);
// What a drawn bitmap or icon is; nullopt for a dead handle.
std::optional<ImageRef> BitmapRef(HBITMAP bitmap);
std::optional<ImageRef> IconRef(HICON icon);

} // namespace hb::win::detail
