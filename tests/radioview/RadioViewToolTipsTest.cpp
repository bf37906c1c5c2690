#include "platform/records/ModeNames.h"
#include "platform/tessary/model/Format.h"
#include "platform/win/controls/ControlMessages.h"
#include "tests/radioview/FrontPanelTest.h"
#include "tests/radioview/PanelTestForms.h"

#include <gtest/gtest.h>

#include <cstring>

namespace hb::app::test {
namespace {

class RadioViewToolTipsTest : public FrontPanelTest {
protected:
    // The text the panel gives the tooltip of a control, as the tooltip asks for it.
    static std::string TipOf(CRadioView& panel, UINT id) {
        const HWND control = ::GetDlgItem(panel.m_hWnd, static_cast<int>(id));
        EXPECT_TRUE(control) << id;
        TOOLTIPTEXTA info{};
        info.hdr.hwndFrom = panel.m_toolTip.m_hWnd;
        info.hdr.idFrom = static_cast<UINT_PTR>(control.id());
        info.hdr.code = TTN_NEEDTEXT;
        info.uFlags = TTF_IDISHWND;
        panel.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
        return info.lpszText ? info.lpszText : "<none>";
    }
    static int ToolCount(CRadioView& panel) {
        return static_cast<int>(panel.m_toolTip.SendMessage(TTM_GETTOOLCOUNT));
    }
};

TEST_F(RadioViewToolTipsTest, AVButtonDescribesItsVfo) {
    StartWith(42);
    CRadioView* panel = OpenPanel();
    ASSERT_NE(panel, nullptr);
    panel->m_vfo[3] = Record(146'520'000, 1, "Sixteen letters!");
    parm unpadded = Record(7'050'000, 3, "");
    const char name[] = "Seventeen letters";
    std::memcpy(unpadded.bytes().data() + 113, name, 16);
    panel->m_vfo[1] = unpadded;
    panel->m_vfo[2] = Record(7'050'000, 3, "Short");
    EXPECT_EQ(TipOf(*panel, 27747), "VFO 3," + format_freq_vhf(146'520'000) +
                                        ", AM, Sixteen letters!, right-click to copy into.");
    // A name fills its sixteen characters; nothing of the record past it shows.
    EXPECT_EQ(TipOf(*panel, 27745), "VFO 1," + format_freq_vhf(7'050'000) +
                                        ", USB, Seventeen letter, right-click to copy into.");
    EXPECT_EQ(TipOf(*panel, 27746), "VFO 2," + format_freq_vhf(7'050'000) +
                                        ", USB, Short           , right-click to copy into.");
    EXPECT_EQ(ToolCount(*panel), 5);
}

TEST_F(RadioViewToolTipsTest, OnATrunkFormTheTrunkVButtonsCarryTheSameText) {
    StartWith(35);
    CRadioView* panel = OpenPanel();
    ASSERT_NE(panel, nullptr);
    ASSERT_STREQ(panel->GetRuntimeClass()->m_lpszClassName, "CBC780View");
    panel->m_vfo[3] = Record(851'012'500, 0, "Dispatch");
    EXPECT_EQ(TipOf(*panel, 28490), "VFO 3," + format_freq_vhf(851'012'500) +
                                        ", FM, Dispatch        , right-click to copy into.");
    int banks = 0;
    for (UINT id = IDC_BANK_1; id <= IDC_BANK_20; ++id) {
        banks += ::GetDlgItem(panel->m_hWnd, static_cast<int>(id)) ? 1 : 0;
    }
    EXPECT_GT(banks, 0);
    EXPECT_EQ(ToolCount(*panel), 5 + banks);
    // The Reset key shares its id with the Scan bar's command: its tip is the string's tip line.
    CString command;
    ASSERT_TRUE(command.LoadString(IDC_KEY_RESET));
    ASSERT_GE(command.Find('\n'), 0);
    EXPECT_EQ(TipOf(*panel, IDC_KEY_RESET), std::string(command.Mid(command.Find('\n') + 1)));
}

TEST_F(RadioViewToolTipsTest, AnyOtherControlShowsTheStringOfItsId) {
    StartWith(42);
    ASSERT_NE(OpenPanel(), nullptr);
    PanelTestForms forms;
    auto* panel = new CRadioView(PanelTestForms::kForm);
    ASSERT_TRUE(panel->Create(nullptr, nullptr, WS_CHILD, CRect(0, 0, 800, 300), &Main(), 1));
    // The tooltip the first update makes.
    ASSERT_TRUE(panel->m_toolTip.Create(panel));
    EXPECT_EQ(TipOf(*panel, PanelTestForms::kTipButton), PanelTestForms::kTip);
    panel->DestroyWindow();
}

} // namespace
} // namespace hb::app::test
