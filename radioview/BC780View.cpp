#include "radioview/BC780View.h"

#include "resources/ResourceIds.h"

IMPLEMENT_DYNCREATE(CBC780View, CTrunkTrackerView)

CBC780View::CBC780View() : CTrunkTrackerView(IDD_BC780_VIEW) {}

std::uint16_t CBC780View::ServiceDigit(int selection) const {
    return static_cast<std::uint16_t>(selection % 10);
}
