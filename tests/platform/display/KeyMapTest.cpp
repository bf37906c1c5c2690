#include "platform/display/KeyMap.h"

#include "platform/win/core/Keys.h"

#include <X11/keysym.h>
#include <gtest/gtest.h>

using hb::display::VirtualKeyOf;

namespace {

TEST(KeyMapTest, KeysGiveTheirVirtualKeyWhateverTheShiftState) {
    EXPECT_EQ(VirtualKeyOf(XK_a), static_cast<UINT>('A'));
    EXPECT_EQ(VirtualKeyOf(XK_Z), static_cast<UINT>('Z'));
    EXPECT_EQ(VirtualKeyOf(XK_7), static_cast<UINT>('7'));
    EXPECT_EQ(VirtualKeyOf(XK_ampersand), static_cast<UINT>('7'));
    EXPECT_EQ(VirtualKeyOf(XK_KP_3), VK_NUMPAD0 + 3);
    EXPECT_EQ(VirtualKeyOf(XK_F12), VK_F12);
    EXPECT_EQ(VirtualKeyOf(XK_Shift_R), VK_SHIFT);
    EXPECT_EQ(VirtualKeyOf(XK_ISO_Left_Tab), VK_TAB);
    EXPECT_EQ(VirtualKeyOf(XK_KP_Enter), VK_RETURN);
    EXPECT_EQ(VirtualKeyOf(XK_period), VirtualKeyOf(XK_greater));
    EXPECT_NE(VirtualKeyOf(XK_period), 0u);
    EXPECT_EQ(VirtualKeyOf(XK_Multi_key), 0u);
}

} // namespace
