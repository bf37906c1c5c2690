#include "platform/afx/res/ResourceModule.h"

#include <algorithm>

namespace hb::afx {

namespace {

template <class Entry>
const Entry* FindById(const std::vector<Entry>& entries, UINT id) {
    const auto it = std::ranges::find(entries, id, &Entry::id);
    return it == entries.end() ? nullptr : &*it;
}

} // namespace

ResourceModule::ResourceModule(std::string name, ResourceTables tables)
    : m_name(std::move(name)), m_tables(std::move(tables)) {}

bool ResourceModule::Has(UINT id, ResourceType type) const {
    switch (type) {
    case ResourceType::Dialog:
        return FindDialog(id) != nullptr;
    case ResourceType::String:
        return FindString(id) != nullptr;
    case ResourceType::Icon:
        return FindIcon(id) != nullptr;
    case ResourceType::Bitmap:
        return FindBitmap(id) != nullptr;
    case ResourceType::Menu:
        return FindMenu(id) != nullptr;
    case ResourceType::ToolBar:
        return FindToolBar(id) != nullptr;
    case ResourceType::Accelerator:
        return FindAccelerators(id) != nullptr;
    }
    return false;
}

const DialogTemplate* ResourceModule::FindDialog(UINT id) const {
    return FindById(m_tables.dialogs, id);
}

const StringResource* ResourceModule::FindString(UINT id) const {
    return FindById(m_tables.strings, id);
}

const IconResource* ResourceModule::FindIcon(UINT id) const {
    return FindById(m_tables.icons, id);
}

const BitmapResource* ResourceModule::FindBitmap(UINT id) const {
    return FindById(m_tables.bitmaps, id);
}

const MenuResource* ResourceModule::FindMenu(UINT id) const {
    return FindById(m_tables.menus, id);
}

const ToolBarResource* ResourceModule::FindToolBar(UINT id) const {
    return FindById(m_tables.toolBars, id);
}

const AcceleratorResource* ResourceModule::FindAccelerators(UINT id) const {
    return FindById(m_tables.accelerators, id);
}

} // namespace hb::afx
