#pragma once
// The BC898T's trunk-tracker panel: the trunk-tracker panel on its own form. No radio type picks
// it; it is made by name.
#include "radioview/TrunkTrackerView.h"

class CBC898TView : public CTrunkTrackerView {
    DECLARE_DYNCREATE(CBC898TView)

public:
    CBC898TView();
};
