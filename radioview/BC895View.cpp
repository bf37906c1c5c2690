#include "radioview/BC895View.h"

#include "resources/ResourceIds.h"

IMPLEMENT_DYNCREATE(CBC895View, CTrunkTrackerView)

CBC895View::CBC895View() : CTrunkTrackerView(IDD_BC895_VIEW) {}

void CBC895View::FormatTrunkId(const hb::records::UserId& id) {
    ShownId shown;
    switch (id.get(hb::records::UserId::kKind)) {
    case hb::records::kIdKindMotorola:
    case hb::records::kIdKindMotorolaTypeII:
    case hb::records::kIdKindCtcss:
        shown = ShowableId(id, kAskStyle);
        break;
    default:
        break;
    }
    ShowIdValue(shown);
    LightKindLamp({kLampPl, kLampM1, kLampM2}, shown.lamp);
}
