#pragma once
// The BC780 family's trunk-tracker panel: its own form, and a service key whose first service
// is digit 0.
#include "radioview/TrunkTrackerView.h"

class CBC780View : public CTrunkTrackerView {
    DECLARE_DYNCREATE(CBC780View)

public:
    CBC780View();

protected:
    std::uint16_t ServiceDigit(int selection) const override;
};
