#pragma once
// The PRO-2052's trunk-tracker panel: its own form with twenty banks, a talkgroup display
// without kind lamps, and a service key that opens no dialog.
#include "radioview/TrunkTrackerView.h"

class CBC2052View : public CTrunkTrackerView {
    DECLARE_DYNCREATE(CBC2052View)

public:
    // The argument this model asks the EDACS display style with.
    static constexpr int kEdacsQuery = 85;

    CBC2052View();

    void FormatTrunkId(const hb::records::UserId& id) override;

protected:
    void OnServiceWithoutDialog();

    DECLARE_MESSAGE_MAP()
};
