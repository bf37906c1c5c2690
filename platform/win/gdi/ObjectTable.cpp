#include "platform/win/gdi/ObjectTable.h"

#include "platform/win/core/SystemInfo.h"
#include "platform/win/gdi/Objects.h"

#include <string_view>

namespace hb::win::detail {

namespace {

FontObject StockFont(std::string_view face, LONG height, LONG weight, BYTE pitchAndFamily) {
    FontObject font;
    font.logFont.lfHeight = height;
    font.logFont.lfWeight = weight;
    font.logFont.lfPitchAndFamily = pitchAndFamily;
    face.copy(font.logFont.lfFaceName, LF_FACESIZE - 1);
    return font;
}

// A strip drawn whole shows no one cell's picture.
std::string PictureOf(const BitmapObject& bitmap) {
    return bitmap.cells == 1 && !bitmap.pictures.empty() ? bitmap.pictures.front() : std::string();
}

std::string PictureOf(const IconObject& icon) {
    return icon.picture;
}

template <class Object>
std::optional<ImageRef> ImageRefOf(std::uint32_t id) {
    if (const Object* object = Objects().Find<Object>(id)) {
        return ImageRef{id, 0, object->resourceId, 0, object->size, PictureOf(*object)};
    }
    return std::nullopt;
}

} // namespace

ObjectTable::ObjectTable() {
    constexpr COLORREF kWhite = RGB(255, 255, 255);
    constexpr COLORREF kBlack = RGB(0, 0, 0);
    m_stock[WHITE_BRUSH] = AddStock(BrushObject{BS_SOLID, kWhite});
    m_stock[BLACK_BRUSH] = AddStock(BrushObject{BS_SOLID, kBlack});
    m_stock[NULL_BRUSH] = AddStock(BrushObject{BS_NULL, kBlack});
    m_stock[BLACK_PEN] = AddStock(PenObject{PS_SOLID, 1, kBlack});
    m_stock[NULL_PEN] = AddStock(PenObject{PS_NULL, 1, kBlack});
    m_stock[ANSI_FIXED_FONT] =
        AddStock(StockFont("Courier", 16, FW_NORMAL, FIXED_PITCH | FF_MODERN));
    m_stock[SYSTEM_FONT] = AddStock(StockFont("System", 16, FW_BOLD, VARIABLE_PITCH | FF_SWISS));
    // The dialog face at 8 points on a 96 dpi screen, the size dialog units are made for.
    m_stock[DEFAULT_GUI_FONT] =
        AddStock(StockFont("MS Shell Dlg", -11, FW_NORMAL, VARIABLE_PITCH | FF_SWISS));
    m_defaultBitmap = AddStock(BitmapObject{{1, 1}, 0, 1});
}

std::uint32_t ObjectTable::Add(GdiObject object) {
    const std::uint32_t id = m_next++;
    m_objects.emplace(id, Entry{std::move(object), false});
    return id;
}

std::uint32_t ObjectTable::AddStock(GdiObject object) {
    const std::uint32_t id = Add(std::move(object));
    m_objects.at(id).stock = true;
    return id;
}

bool ObjectTable::Remove(std::uint32_t id) {
    const auto it = m_objects.find(id);
    if (it == m_objects.end()) {
        return false;
    }
    if (!it->second.stock) {
        m_objects.erase(it);
    }
    return true;
}

bool ObjectTable::IsStock(std::uint32_t id) const {
    const auto it = m_objects.find(id);
    return it != m_objects.end() && it->second.stock;
}

std::uint32_t ObjectTable::Stock(int index) const {
    const auto it = m_stock.find(index);
    return it == m_stock.end() ? 0 : it->second;
}

std::uint32_t ObjectTable::SysColorBrush(int index) {
    if (index < COLOR_SCROLLBAR || index > COLOR_INFOBK) {
        return 0;
    }
    auto [it, added] = m_sysColorBrushes.try_emplace(index, 0);
    if (added) {
        it->second = AddStock(BrushObject{BS_SOLID, GetSysColor(index)});
    }
    return it->second;
}

void ObjectTable::RecolorSysColorBrush(int index, COLORREF color) {
    const auto it = m_sysColorBrushes.find(index);
    if (it == m_sysColorBrushes.end()) {
        return;
    }
    if (auto* brush = Find<BrushObject>(it->second)) {
        brush->color = color;
    }
}

void ObjectTable::RemoveAllButStock() {
    std::erase_if(m_objects, [](const auto& item) { return !item.second.stock; });
}

ObjectTable& Objects() {
    static ObjectTable table;
    return table;
}

FontState ResolveFont(HFONT font) {
    FontState state;
    state.handle = font;
    if (const FontObject* object = Objects().Find<FontObject>(font.id())) {
        const LOGFONT& lf = object->logFont;
        state.face = lf.lfFaceName;
        state.height = lf.lfHeight;
        state.width = lf.lfWidth;
        state.weight = lf.lfWeight;
        state.italic = lf.lfItalic != 0;
        state.underline = lf.lfUnderline != 0;
        state.charSet = lf.lfCharSet;
        state.pitchAndFamily = lf.lfPitchAndFamily;
    }
    return state;
}

PenState ResolvePen(HPEN pen) {
    PenState state;
    state.handle = pen;
    if (const PenObject* object = Objects().Find<PenObject>(pen.id())) {
        state.style = object->style;
        state.width = object->width;
        state.color = object->color;
    }
    return state;
}

BrushState ResolveBrush(HBRUSH brush) {
    BrushState state;
    state.handle = brush;
    if (const BrushObject* object = Objects().Find<BrushObject>(brush.id())) {
        state.style = object->style;
        state.color = object->color;
    }
    return state;
}

std::optional<ImageRef> BitmapRef(HBITMAP bitmap) {
    return ImageRefOf<BitmapObject>(bitmap.id());
}

std::optional<ImageRef> IconRef(HICON icon) {
    return ImageRefOf<IconObject>(icon.id());
}

} // namespace hb::win::detail
