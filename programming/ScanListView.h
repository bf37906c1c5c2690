#pragma once
// The "Scan List" tab of a radio window: the operations the window calls on whichever scan list
// view it shows, in their order, storing a tuned channel back into the list, and printing of the
// view's grid. The window gives the view its rig and the rig's radio model after creating it.

#include "platform/afx/CView.h"
#include "platform/records/Parm.h"

class CGrid;
class CRig;
class CRosterDoc;
class Object;
class Radio;
class Roster;

class CScanListView : public CView {
    DECLARE_DYNAMIC(CScanListView)

public:
    // Shows and selects the channel or search range.
    virtual void GoToObject(Object* object);
    // Shows the channel's row again.
    virtual void RefreshObject(Object* object);
    // Rebuilds the view from the scan list as it is now.
    virtual void Refresh();
    // Takes the file into the view (after an upload into it).
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
    // Stores the tuned channel into the object it came from (flag 0, the record naming the
    // object): its record, and `info` as its name when there is one. Non-zero when stored. The
    // VFO is not used.
    virtual int StoreChannel(parm* record, CString info, int vfo, BYTE flag);

    CRosterDoc* GetRosterDoc() const;
    Roster* GetRoster() const;
    // The grid the view shows and prints, if any.
    virtual CGrid* GetGrid();

    Radio* m_radio = nullptr;
    CRig* m_rig = nullptr;
    // The page being printed, and where.
    CRect m_printRect;
    bool m_printing = false;
    int m_page = 0;

protected:
    // While printing, the page of the view's grid.
    void OnDraw(CDC* pDC) override;
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;
    void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override;

    DECLARE_MESSAGE_MAP()
};
