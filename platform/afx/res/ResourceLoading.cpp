#include "platform/afx/res/ResourceLoading.h"

#include "platform/afx/res/ResourceChain.h"
#include "platform/win/core/SystemInfo.h"
#include "platform/win/gdi/Bitmaps.h"
#include "platform/win/menu/Menus.h"
#include "platform/win/sys/Modules.h"

#include <algorithm>
#include <map>
#include <optional>
#include <utility>

namespace {

using hb::afx::ResourceType;

std::optional<ResourceType> TypeOf(LPCSTR type) {
    const std::pair<LPCSTR, ResourceType> kinds[] = {
        {RT_DIALOG, ResourceType::Dialog},   {RT_STRING, ResourceType::String},
        {RT_ICON, ResourceType::Icon},       {RT_GROUP_ICON, ResourceType::Icon},
        {RT_BITMAP, ResourceType::Bitmap},   {RT_MENU, ResourceType::Menu},
        {RT_TOOLBAR, ResourceType::ToolBar}, {RT_ACCELERATOR, ResourceType::Accelerator},
    };
    for (const auto& [name, kind] : kinds) {
        if (name == type) {
            return kind;
        }
    }
    return std::nullopt;
}

// The id a resource name stands for; none for a name given as a string.
std::optional<UINT> IdOf(LPCSTR name) {
    if (!name || !IS_INTRESOURCE(name)) {
        return std::nullopt;
    }
    return static_cast<UINT>(reinterpret_cast<std::uintptr_t>(name));
}

template <class Find>
auto FindIn(HINSTANCE module, LPCSTR name, Find find) {
    const hb::afx::ResourceModule* resources = hb::afx::ResourceModuleOf(module);
    const auto id = IdOf(name);
    return resources && id ? find(*resources, *id) : nullptr;
}

std::map<std::pair<std::uint32_t, UINT>, HACCEL>& SharedAccelerators() {
    static std::map<std::pair<std::uint32_t, UINT>, HACCEL> tables;
    return tables;
}

void AppendItems(HMENU menu, const std::vector<hb::afx::MenuItemResource>& items) {
    for (const auto& item : items) {
        if (item.flags & MF_SEPARATOR) {
            ::AppendMenu(menu, MF_SEPARATOR, 0, nullptr);
        } else if (!item.items.empty() || (item.flags & MF_POPUP)) {
            const HMENU popup = ::CreatePopupMenu();
            AppendItems(popup, item.items);
            ::AppendMenu(menu, item.flags | MF_POPUP, popup.id(), item.text.c_str());
        } else {
            ::AppendMenu(menu, item.flags, item.id, item.text.c_str());
        }
    }
}

} // namespace

HINSTANCE AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType) {
    const auto id = IdOf(lpszName);
    const auto type = TypeOf(lpszType);
    if (id && type) {
        if (const auto link = hb::afx::FindResourceLink(*id, *type)) {
            return link->handle;
        }
    }
    return AfxGetResourceHandle();
}

HINSTANCE AfxGetResourceHandle() {
    return GetModuleHandle(nullptr);
}

HINSTANCE AfxGetInstanceHandle() {
    return GetModuleHandle(nullptr);
}

HMODULE AfxLoadLibrary(LPCSTR lpszModuleName) {
    return LoadLibrary(lpszModuleName);
}

BOOL AfxFreeLibrary(HMODULE hModule) {
    return FreeLibrary(hModule);
}

int LoadString(HINSTANCE hInstance, UINT uID, LPSTR lpBuffer, int cchBufferMax) {
    const hb::afx::ResourceModule* resources = hb::afx::ResourceModuleOf(hInstance);
    const hb::afx::StringResource* string = resources ? resources->FindString(uID) : nullptr;
    if (!string || !lpBuffer || cchBufferMax <= 0) {
        return 0;
    }
    const std::size_t count =
        string->text.copy(lpBuffer, static_cast<std::size_t>(cchBufferMax - 1));
    lpBuffer[count] = '\0';
    return static_cast<int>(count);
}

HICON LoadIcon(HINSTANCE hInstance, LPCSTR lpIconName) {
    const auto* icon =
        FindIn(hInstance, lpIconName, [](const auto& m, UINT id) { return m.FindIcon(id); });
    if (!icon) {
        return {};
    }
    SIZE size{GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)};
    const auto standard = std::ranges::find_if(
        icon->sizes, [&](const SIZE& s) { return s.cx == size.cx && s.cy == size.cy; });
    if (standard == icon->sizes.end() && !icon->sizes.empty()) {
        size = icon->sizes.front();
    }
    return hb::win::CreateIconHandle(size.cx, size.cy, icon->id, icon->picture);
}

HBITMAP LoadBitmap(HINSTANCE hInstance, LPCSTR lpBitmapName) {
    const auto* bitmap =
        FindIn(hInstance, lpBitmapName, [](const auto& m, UINT id) { return m.FindBitmap(id); });
    return bitmap ? hb::win::CreateBitmapHandle(bitmap->cx, bitmap->cy, bitmap->id, bitmap->cells,
                                                bitmap->pictures)
                  : HBITMAP{};
}

HMENU LoadMenu(HINSTANCE hInstance, LPCSTR lpMenuName) {
    const auto* resource =
        FindIn(hInstance, lpMenuName, [](const auto& m, UINT id) { return m.FindMenu(id); });
    if (!resource) {
        return {};
    }
    const HMENU menu = ::CreateMenu();
    AppendItems(menu, resource->items);
    return menu;
}

HACCEL LoadAccelerators(HINSTANCE hInstance, LPCSTR lpTableName) {
    const auto* resource = FindIn(hInstance, lpTableName,
                                  [](const auto& m, UINT id) { return m.FindAccelerators(id); });
    if (!resource) {
        return {};
    }
    HACCEL& table = SharedAccelerators()[{hInstance.id(), resource->id}];
    if (!table) {
        table = ::CreateAcceleratorTable(resource->entries.data(),
                                         static_cast<int>(resource->entries.size()));
    }
    return table;
}

namespace hb::afx::detail {

void ForgetSharedResources(HMODULE handle) {
    auto& tables = SharedAccelerators();
    for (auto it = tables.begin(); it != tables.end();) {
        if (!handle || it->first.first == handle.id()) {
            ::DestroyAcceleratorTable(it->second);
            it = tables.erase(it);
        } else {
            ++it;
        }
    }
}

} // namespace hb::afx::detail
