#include "EngineTest.h"
#include "platform/afx/Input.h"
#include "platform/afx/ModalScript.h"
#include "platform/engine/CRadioConfig.h"

namespace hb::engine {
namespace {

class RadioConfigTest : public EngineTest {
protected:
    static constexpr const char* kPath = "/virtual/Config.ini";

    // Runs the dialog under `script`, which gets the dialog's window.
    static int Run(std::function<void(HWND)> script) {
        hb::afx::SetModalScript("CRadioConfig", [script](CDialog& dialog) {
            script(dialog.m_hWnd);
            dialog.EndDialog(IDOK);
        });
        CRadioConfig dialog(kPath);
        return dialog.DoModal();
    }

    static void Select(HWND dialog, int row) {
        LVITEM item{};
        item.stateMask = LVIS_SELECTED;
        item.state = LVIS_SELECTED;
        ::SendMessage(::GetDlgItem(dialog, CRadioConfig::IDC_RADIO_LIST), LVM_SETITEMSTATE,
                      static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    }

    static int RowCount(HWND dialog) {
        return static_cast<int>(::SendMessage(::GetDlgItem(dialog, CRadioConfig::IDC_RADIO_LIST),
                                              LVM_GETITEMCOUNT, 0, 0));
    }
};

TEST_F(RadioConfigTest, ListsTheRadiosAndAddsASimulatedOne) {
    hb::win::ini::Seed(kPath, "[Radios]\nRadio#2=Pro\n[Pro]\nType=42\nPort=SIM\n");
    int rowsBefore = -1;
    int rowsAfter = -1;
    EXPECT_EQ(Run([&](HWND dialog) {
                  rowsBefore = RowCount(dialog);
                  hb::afx::ClickButton(dialog, CRadioConfig::IDC_ADD_SIMULATED);
                  rowsAfter = RowCount(dialog);
              }),
              IDOK);
    EXPECT_EQ(rowsBefore, 1);
    EXPECT_EQ(rowsAfter, 2);
    char name[32];
    GetPrivateProfileString("Radios", "Radio#1", "", name, sizeof name, kPath);
    EXPECT_STREQ(name, "Simulated Radio");
    EXPECT_EQ(scan_config_check(kPath), 0);
}

TEST_F(RadioConfigTest, RemovesTheSelectedRadioAndItsSection) {
    hb::win::ini::Seed(kPath, "[Radios]\nRadio#1=A\nRadio#3=B\n[A]\nType=2\nPort=SIM\n"
                              "[B]\nType=2\nPort=SIM\n");
    Run([](HWND dialog) {
        Select(dialog, 1);
        hb::afx::ClickButton(dialog, CRadioConfig::IDC_REMOVE);
    });
    char value[32];
    EXPECT_EQ(GetPrivateProfileString("Radios", "Radio#3", "", value, sizeof value, kPath), 0u);
    EXPECT_EQ(GetPrivateProfileString("B", "Type", "", value, sizeof value, kPath), 0u);
    EXPECT_GT(GetPrivateProfileString("Radios", "Radio#1", "", value, sizeof value, kPath), 0u);
}

TEST_F(RadioConfigTest, SetsTheChosenPortAndBeepsWithoutASelection) {
    EngineSim::AddComPort("/dev/ttyUSB7");
    hb::win::ini::Seed(kPath, "[Radios]\nRadio#1=A\n[A]\nType=2\nPort=SIM\n");
    ExpectBeeps(1);
    Run([](HWND dialog) {
        hb::afx::ClickButton(dialog, CRadioConfig::IDC_SET_PORT); // nothing selected: a beep
        Select(dialog, 0);
        ::SendMessage(::GetDlgItem(dialog, CRadioConfig::IDC_PORT), CB_SELECTSTRING,
                      static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("/dev/ttyUSB7"));
        hb::afx::ClickButton(dialog, CRadioConfig::IDC_SET_PORT);
    });
    char port[32];
    GetPrivateProfileString("A", "Port", "", port, sizeof port, kPath);
    EXPECT_STREQ(port, "/dev/ttyUSB7");
}

TEST_F(RadioConfigTest, TakesATypedPortAndTheChosenBaudRate) {
    hb::win::ini::Seed(kPath, "[Radios]\nRadio#1=A\n[A]\nType=2\nPort=SIM\n");
    Run([](HWND dialog) {
        Select(dialog, 0);
        ::SetWindowText(::GetDlgItem(dialog, CRadioConfig::IDC_PORT), " /dev/pts/7 ");
        ::SendMessage(::GetDlgItem(dialog, CRadioConfig::IDC_BAUD), CB_SELECTSTRING,
                      static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("19200"));
        hb::afx::ClickButton(dialog, CRadioConfig::IDC_SET_PORT);
    });
    char value[32];
    GetPrivateProfileString("A", "Port", "", value, sizeof value, kPath);
    EXPECT_STREQ(value, "/dev/pts/7");
    EXPECT_EQ(GetPrivateProfileInt("A", "Baud", 0, kPath), 19200);
}

} // namespace
} // namespace hb::engine
