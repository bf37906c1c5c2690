#pragma once
// The BC2052's trunk-tracker panel, in its least form: the trunk-tracker panel on its own form.
#include "radioview/TrunkTrackerView.h"

class CBC2052View : public CTrunkTrackerView {
    DECLARE_DYNCREATE(CBC2052View)

public:
    CBC2052View();
};
