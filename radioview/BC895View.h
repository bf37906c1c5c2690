#pragma once
// The BC895's trunk-tracker panel, in its least form: the trunk-tracker panel on its own form.
#include "radioview/TrunkTrackerView.h"

class CBC895View : public CTrunkTrackerView {
    DECLARE_DYNCREATE(CBC895View)

public:
    CBC895View();
};
