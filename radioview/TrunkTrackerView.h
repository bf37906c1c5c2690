#pragma once
// The front panel of a trunk-tracking radio, in its least form: the receiver panel on the
// trunk-tracker form. The models' panels derive from it with their own forms.
#include "radioview/RadioView.h"

class CTrunkTrackerView : public CRadioView {
    DECLARE_DYNCREATE(CTrunkTrackerView)

public:
    CTrunkTrackerView();

protected:
    explicit CTrunkTrackerView(UINT nIDTemplate);
};
