#pragma once
// The full scan list of a radio window in the scan and third view types: one grid row per entry.
// It takes no group file of its own, so both group choices answer 1.

#include "programming/ScanListGrid.h"
#include "programming/ScanListView.h"

class CScanListRosterView : public CScanListView {
    DECLARE_DYNCREATE(CScanListRosterView)

public:
    void OnInitialUpdate() override;
    // Sets the grid up again from the list.
    void Refresh() override;
    // OpenScanList.
    void OpenFile(CString fileName) override;
    int ChooseNewGroup() override;
    int OpenGroup() override;
    CGrid* GetGrid() override;

    // Puts the list away (saved to its own file when it has one) and opens the named list into
    // the same document. A list that cannot be opened leaves the document as it was, unmodified,
    // with a beep.
    void OpenScanList(const CString& fileName);

    CScanListGrid m_grid;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnSize(UINT nType, int cx, int cy);

    DECLARE_MESSAGE_MAP()
};
