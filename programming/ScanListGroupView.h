#pragma once
// The single-group scan list of a radio window in the standard view type. No group file is
// chosen yet, so both group choices answer 0.

#include "programming/ScanListView.h"

class CScanListGroupView : public CScanListView {
    DECLARE_DYNCREATE(CScanListGroupView)

public:
    int ChooseNewGroup() override;
    int OpenGroup() override;
};
