#include "platform/win/sys/Clipboard.h"

#include "SysTest.h"

#include <cstring>

namespace hb::win::test {
namespace {

using Clipboard = SysTest;

HGLOBAL TextBlock(const char* text) {
    const HGLOBAL block = GlobalAlloc(GHND, std::strlen(text) + 1);
    std::memcpy(GlobalLock(block), text, std::strlen(text) + 1);
    GlobalUnlock(block);
    return block;
}

std::string ClipboardText() {
    const HGLOBAL block = GetClipboardData(CF_TEXT);
    if (!block) {
        return "<none>";
    }
    std::string text(static_cast<const char*>(GlobalLock(block)));
    GlobalUnlock(block);
    return text;
}

TEST_F(Clipboard, TextSetByOneWindowIsReadByAnotherAndEmptiedOnDemand) {
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
    ASSERT_TRUE(OpenClipboard(HWND(3)));
    EXPECT_FALSE(OpenClipboard(HWND(4)));
    ASSERT_TRUE(EmptyClipboard());
    const HGLOBAL block = TextBlock("162.550\tTower\r\n");
    EXPECT_EQ(SetClipboardData(CF_TEXT, block), block);
    // The clipboard owns the block now.
    EXPECT_EQ(GlobalFree(block), block);
    EXPECT_TRUE(CloseClipboard());

    EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
    EXPECT_EQ(GetClipboardData(CF_TEXT), HGLOBAL()) << "read only while open";
    ASSERT_TRUE(OpenClipboard(HWND(4)));
    EXPECT_EQ(ClipboardText(), "162.550\tTower\r\n");
    EXPECT_EQ(GetClipboardData(2), HGLOBAL());

    // A second text replaces the first, whose block is gone.
    const HGLOBAL second = TextBlock("A");
    EXPECT_EQ(SetClipboardData(CF_TEXT, second), second);
    EXPECT_EQ(GlobalSize(block), 0u);
    EXPECT_EQ(ClipboardText(), "A");

    EXPECT_TRUE(EmptyClipboard());
    EXPECT_EQ(ClipboardText(), "<none>");
    EXPECT_EQ(GlobalSize(second), 0u);
    EXPECT_TRUE(CloseClipboard());
    EXPECT_FALSE(CloseClipboard());
}

TEST_F(Clipboard, NothingIsTakenOrLostWhileTheClipboardIsClosed) {
    const HGLOBAL block = TextBlock("kept");
    EXPECT_FALSE(EmptyClipboard());
    EXPECT_EQ(SetClipboardData(CF_TEXT, block), HGLOBAL());
    ASSERT_TRUE(OpenClipboard(HWND()));
    EXPECT_EQ(SetClipboardData(2, block), HGLOBAL()) << "only text is kept";
    EXPECT_EQ(SetClipboardData(CF_TEXT, HGLOBAL(999)), HGLOBAL());
    CloseClipboard();

    // The block is still the caller's to read and free.
    EXPECT_STREQ(static_cast<const char*>(GlobalLock(block)), "kept");
    EXPECT_FALSE(GlobalUnlock(block));
    EXPECT_FALSE(GlobalUnlock(block));
    EXPECT_EQ(GlobalFree(block), HGLOBAL());
    EXPECT_EQ(GlobalLock(block), nullptr);
    EXPECT_NE(GlobalLock(GlobalAlloc(GMEM_MOVEABLE, 0)), nullptr);
}

} // namespace
} // namespace hb::win::test
