#include "radioview/BC2052View.h"

#include "resources/ResourceIds.h"

IMPLEMENT_DYNCREATE(CBC2052View, CTrunkTrackerView)

BEGIN_MESSAGE_MAP(CBC2052View, CTrunkTrackerView)
ON_COMMAND(IDC_KEY_SERVICE, &CBC2052View::OnServiceWithoutDialog)
END_MESSAGE_MAP()

CBC2052View::CBC2052View() : CTrunkTrackerView(IDD_BC2052_VIEW) {}

void CBC2052View::FormatTrunkId(const hb::records::UserId& id) {
    ShowIdValue(id.get(hb::records::UserId::kKind) == hb::records::kIdKindLtr
                    ? ShownId{}
                    : ShowableId(id, kEdacsQuery));
}

void CBC2052View::OnServiceWithoutDialog() {
    SendServiceKey(0);
}
