#pragma once
#include "platform/afx/res/ResourceTables.h"

#include <string>

namespace hb::afx {

enum class ResourceType { Dialog, String, Icon, Bitmap, Menu, ToolBar, Accelerator };

// The resources of one module (the program or an extension library) under a name for messages.
// A module joins the resource chain through ProgramResources or as an extension module
// (CDynLinkLibrary).
class ResourceModule {
public:
    ResourceModule(std::string name, ResourceTables tables);

    const std::string& Name() const { return m_name; }
    const ResourceTables& Tables() const { return m_tables; }

    bool Has(UINT id, ResourceType type) const;
    const DialogTemplate* FindDialog(UINT id) const;
    const StringResource* FindString(UINT id) const;
    const IconResource* FindIcon(UINT id) const;
    const BitmapResource* FindBitmap(UINT id) const;
    const MenuResource* FindMenu(UINT id) const;
    const ToolBarResource* FindToolBar(UINT id) const;
    const AcceleratorResource* FindAccelerators(UINT id) const;

private:
    std::string m_name;
    ResourceTables m_tables;
};

} // namespace hb::afx
