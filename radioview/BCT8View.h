#pragma once
// The BCT8's trunk-tracker panel, in its least form: the trunk-tracker panel on its own form.
#include "radioview/TrunkTrackerView.h"

class CBCT8View : public CTrunkTrackerView {
    DECLARE_DYNCREATE(CBCT8View)

public:
    CBCT8View();
};
