#pragma once
// The full scan list of a radio window in the scan and third view types: one row per entry. It
// takes no group file of its own, so both group choices answer 1.

#include "programming/ScanListView.h"

class CScanListRosterView : public CScanListView {
    DECLARE_DYNCREATE(CScanListRosterView)

public:
    int ChooseNewGroup() override;
    int OpenGroup() override;
};
