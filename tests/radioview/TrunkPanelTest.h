#pragma once
// Fixture for the trunk-tracker panel tests: the program on one trunk radio of a type, and the
// panel of its radio window.
#include "radioview/TrunkTrackerView.h"
#include "tests/radioview/FrontPanelTest.h"

namespace hb::radioview::test {

class TrunkPanelTest : public hb::app::test::FrontPanelTest {
protected:
    CTrunkTrackerView* Open(int type) {
        StartWith(type);
        view = DYNAMIC_DOWNCAST(CTrunkTrackerView, OpenPanel());
        EXPECT_NE(view, nullptr);
        return view;
    }

    CTrunkTrackerView* view = nullptr;
};

} // namespace hb::radioview::test
