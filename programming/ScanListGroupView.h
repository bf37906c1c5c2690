#pragma once
// The single-group scan list of a radio window in the standard view type: the list is reduced to
// its first entry, which must be a group file, and that group shows in the radio model's own
// group grid under a heading that names the file. The document's group-view marker is 1 while
// the view is open.

#include "programming/ScanListView.h"

#include <memory>

class CGroupGrid;
class Chan;
class Group;

class CScanListGroupView : public CScanListView {
    DECLARE_DYNCREATE(CScanListGroupView)

public:
    CScanListGroupView();
    ~CScanListGroupView() override;

    void GoToObject(Object* object) override;
    void RefreshObject(Object* object) override;
    // SetGroupFile.
    void OpenFile(CString fileName) override;
    // The Save dialog, "Select New Scan List Group Name": a file that does not exist yet becomes a
    // new group of the radio.
    int ChooseNewGroup() override;
    // The Open dialog, "Select Group".
    int OpenGroup() override;
    void Cut() override;
    void Copy() override;
    void Paste() override;
    // In place into the object the record names, else (flag 0xFF, or a record naming none) into
    // the group's first channel of frequency 0. The document is marked modified either way.
    int StoreChannel(parm* record, CString info, int vfo, BYTE flag) override;
    // A new grid of the radio model for the group, headed on every sheet by the file's name.
    void CreateGroupGrid(const CString& fileName);
    CGrid* GetGrid() override;

    void OnInitialUpdate() override;
    // Hint 1695 with an entry: the current sheet's heading names that entry's file again.
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;

    // The first entry emptied and given the group file, which it reads.
    void SetGroupFile(const CString& fileName);

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnSize(UINT nType, int cx, int cy);
    void OnClose();
    void OnEditCopy() { Copy(); }
    void OnEditCut() { Cut(); }
    void OnEditPaste() { Paste(); }

    DECLARE_MESSAGE_MAP()

private:
    // The group dialog of both choices: the chosen group taken into the list; 1 when taken.
    int ChooseGroup(BOOL open, LPCSTR title);
    // A new group of the radio written to the path.
    void CreateGroupFile(const CString& path) const;
    CGroupGrid* GroupGrid() const;
    Group* FirstGroup() const;
    // The first channel of frequency 0 of the first entry's group, or null.
    Chan* FreeChannel() const;
    // The object's row shown again and made current.
    void ShowStored(Object* object);
    CString FileNameLine(const CString& fileName) const;
    // The current sheet's upper heading shows the line.
    void ShowFileNameLine(const CString& line);

    std::unique_ptr<CGrid> m_grid;
};
