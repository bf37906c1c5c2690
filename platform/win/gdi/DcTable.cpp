#include "platform/win/gdi/DcTable.h"

#include "platform/win/gdi/DeviceContext.h"
#include "platform/win/gdi/ObjectTable.h"
#include "platform/win/gdi/Objects.h"

namespace hb::win::detail {

namespace {

DcState InitialState() {
    DcState state;
    state.font = ResolveFont(HFONT(Objects().Stock(SYSTEM_FONT)));
    state.pen = ResolvePen(HPEN(Objects().Stock(BLACK_PEN)));
    state.brush = ResolveBrush(HBRUSH(Objects().Stock(WHITE_BRUSH)));
    state.textColor = RGB(0, 0, 0);
    state.bkColor = RGB(255, 255, 255);
    state.bkMode = OPAQUE;
    return state;
}

} // namespace

POINT DeviceContext::ToDevice(int x, int y) const {
    return {x - state.windowOrg.x + state.viewportOrg.x,
            y - state.windowOrg.y + state.viewportOrg.y};
}

RECT DeviceContext::ToDevice(const RECT& rect) const {
    const POINT topLeft = ToDevice(rect.left, rect.top);
    const POINT bottomRight = ToDevice(rect.right, rect.bottom);
    return {topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

void DeviceContext::Record(DrawRecord record) {
    record.state = state;
    list.push_back(std::move(record));
}

HDC DcTable::Add(DcKind kind, HWND hwnd) {
    auto dc = std::make_unique<DeviceContext>();
    dc->kind = kind;
    dc->hwnd = hwnd;
    dc->state = InitialState();
    if (kind == DcKind::Memory) {
        dc->bitmap = HBITMAP(Objects().DefaultBitmap());
    }
    const std::uint32_t id = m_next++;
    m_dcs.emplace(id, std::move(dc));
    return HDC(id);
}

DeviceContext* DcTable::Find(HDC hdc) {
    const auto it = m_dcs.find(hdc.id());
    return it == m_dcs.end() ? nullptr : it->second.get();
}

void DcTable::Remove(HDC hdc) {
    m_dcs.erase(hdc.id());
}

DcTable& Dcs() {
    static DcTable table;
    return table;
}

std::unordered_map<HWND, WindowPaint>& LastPaints() {
    static std::unordered_map<HWND, WindowPaint> lists;
    return lists;
}

void ResetGdi() {
    Dcs().Clear();
    LastPaints().clear();
    Objects().RemoveAllButStock();
}

} // namespace hb::win::detail
