#pragma once
// The grid of a database window: one sheet with a column per field and a row per record of the
// document's table, shown as read.
#include "platform/tessary/grid/Grid.h"

class CDbaseDoc;

class CDbaseGrid : public CGrid {
    DECLARE_DYNAMIC(CDbaseGrid)

public:
    CDbaseDoc* m_table = nullptr;

    void SetupGrid() override;
    // Reads the sheet `tab` again from the document; with `fromFile` the document first reads its
    // file again. Non-zero when the sheet was read.
    int Reread(int tab, int fromFile);
};
