#pragma once
// The BC-895's trunk-tracker panel: its own form, and a talkgroup display that knows Motorola
// IDs and CTCSS tones only, with the PL, M1 and M2 lamps.
#include "radioview/TrunkTrackerView.h"

class CBC895View : public CTrunkTrackerView {
    DECLARE_DYNCREATE(CBC895View)

public:
    CBC895View();

    void FormatTrunkId(const hb::records::UserId& id) override;
};
