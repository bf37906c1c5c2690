#pragma once
// Fixture for the model panels: a radio window of the simulated receiver whose front panel is made
// from a class name, and the user's hand on its switches and buttons.
#include "platform/instruments/CiSwitchSliderX.h"
#include "platform/instruments/Gestures.h"
#include "tests/radioview/FrontPanelTest.h"

#include <gtest/gtest.h>

namespace hb::app::test {

class ModelViewTest : public FrontPanelTest {
protected:
    static constexpr int kWideBand = 42;
    static constexpr int kHf = 115;
    // PC receivers with and without the DSP unit.
    static constexpr int kPcWithDsp = 112;
    static constexpr int kPcWithoutDsp = 113;

    ~ModelViewTest() override { CRadioFrame::s_panelClassForTest = nullptr; }

    template <class View>
    View* OpenModel(const char* className, int type = kWideBand) {
        if (m_startedType != type) {
            if (m_startedType != 0) {
                ADD_FAILURE() << "one radio type per test";
                return nullptr;
            }
            StartWith(type);
            m_startedType = type;
        }
        CRadioFrame::s_panelClassForTest = CRuntimeClass::FromName(className);
        return dynamic_cast<View*>(OpenPanel());
    }
    // The user moves a switch.
    static void Slide(CiSwitchSliderX& control, long position) {
        ASSERT_TRUE(hb::instruments::UserSetPosition(control.m_hWnd, position));
        PumpUntilIdle();
    }
    static void Click(CRadioView& panel, CWnd& button) {
        panel.SendMessage(WM_COMMAND, MAKEWPARAM(button.GetDlgCtrlID(), BN_CLICKED),
                          hb::win::ParamFromHwnd(button.m_hWnd));
        PumpUntilIdle();
    }
    int m_startedType = 0;

    static parm& Active(CRadioView& panel) { return panel.m_vfo[panel.m_activeVfo]; }
    // The panel shows a record of the mode.
    static void Show(CRadioView& panel, std::uint8_t mode) {
        parm record = Active(panel);
        record.set(parm::kMode, mode);
        Active(panel) = record;
        panel.UpdateControlsFromParm(&record, nullptr);
    }
};

} // namespace hb::app::test
