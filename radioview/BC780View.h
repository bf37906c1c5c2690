#pragma once
// The BC780's trunk-tracker panel, in its least form: the trunk-tracker panel on its own form.
#include "radioview/TrunkTrackerView.h"

class CBC780View : public CTrunkTrackerView {
    DECLARE_DYNCREATE(CBC780View)

public:
    CBC780View();
};
