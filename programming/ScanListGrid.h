#pragma once
// The grid of the full scan list: one row per entry, with what the entry's file holds, its
// logging switch, its audio mode, the file, and the title and description of what it holds. The
// Type button picks another file for the entry: the radio window stops its radio while the entry
// changes and starts it again on the new list. The File button opens the entry's group or search
// range in a window of its own that shares the list's object.
#include "platform/tessary/grid/Grid.h"

class CDeviceFrame;
class CRosterDoc;
class RosterEntry;

class CScanListGrid : public CGrid {
    DECLARE_DYNAMIC(CScanListGrid)

public:
    enum Column {
        kTypeColumn,
        kLogColumn,
        kAudioColumn,
        kFileColumn,
        kTitleColumn,
        kInfoColumn,
        kColumns
    };

    void OnCellEvent(int col, long row, int notification, LPCSTR text) override;
    // Row headings take no clicks.
    void OnRowHeadingClick(long, UINT) override {}
    // Title and Info name and describe the entry's object; every edit is taken.
    int FinishTextEdit(int col, long row, CWnd* edit, LPCSTR text, BOOL cancel) override;
    // The sheet built from the list of the view's document, with the column widths kept for the
    // view's radio.
    void SetupColumns();
    void SetupGrid() override { SetupColumns(); }

private:
    CRosterDoc* ScanListDoc() const;
    RosterEntry* EntryAt(long row) const;
    void FillRow(long row, const RosterEntry& entry);
    void SetLog(long row, RosterEntry& entry, bool on);
    // The entry picker, and the change of the entry's file while the radio is stopped.
    void PickFile(long row, RosterEntry& entry);
    // Reads the picked file into the emptied entry; false when it cannot be read.
    bool TakeFile(RosterEntry& entry, const CString& fileName);
    void OpenShared(const RosterEntry& entry);
};
