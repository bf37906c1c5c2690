#pragma once
// The "Scan List" tab of a radio window: the operations the window calls on whichever scan list
// view it shows. The window gives the view its rig and the rig's radio model after creating it.
// The views show nothing yet; every operation answers what a view without a list would, and
// GoToObject and RefreshObject keep the objects they were asked for.

#include "platform/records/Parm.h"
#include "platform/tessary/app/TemplateClasses.h"

#include <vector>

class CRig;
class Object;
class Radio;

class CScanListView : public CShellView {
    DECLARE_DYNAMIC(CScanListView)

public:
    // Shows and selects the channel or search range.
    virtual void GoToObject(Object* object);
    // Redraws the channel's row.
    virtual void RefreshObject(Object* object);
    // Rebuilds the view after the scan list was reset.
    virtual void Refresh();
    // Shows the file (after an upload into it).
    virtual void OpenFile(CString fileName);
    // Non-zero when a new group file was taken into the scan list.
    virtual int ChooseNewGroup();
    // Non-zero when a group file was taken into the scan list.
    virtual int OpenGroup();
    virtual void Cut();
    virtual void Copy();
    virtual void Paste();
    virtual void InsertBefore();
    virtual void InsertAfter();
    // Stores the tuned channel into the scan list; non-zero when stored. The VFO is not used.
    virtual int StoreChannel(const parm* record, CString info, int vfo, BYTE flag);

    Radio* m_radio = nullptr;
    CRig* m_rig = nullptr;
    // The objects GoToObject was asked for, oldest first.
    std::vector<Object*> m_goneTo;
    // The objects RefreshObject was asked to redraw, oldest first.
    std::vector<Object*> m_refreshed;
};
