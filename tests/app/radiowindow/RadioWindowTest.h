#pragma once
// Fixture for the radio window tests: the program started on radios whose scan lists hold a group
// of their type, the resource library serving the front panel forms, and the window opened as the
// Radio Control command opens it.

#include "app/radiowindow/RadioFrame.h"
#include "app/rig/RadioSelectDlg.h"
#include "platform/afx/Input.h"
#include "platform/tessary/model/File.h"
#include "radioview/RadioView.h"
#include "resources/ResourceIds.h"
#include "tests/app/ProgramTest.h"

#include <initializer_list>
#include <utility>
#include <vector>

namespace hb::app::test {

inline constexpr const char* kReceiverOnly =
    "[Radios]\nRadio#1=Receiver\n[Receiver]\nType=42\nPort=SIM\n";

class RadioWindowTest : public ProgramTest {
protected:
    // Each radio set up, with a scan list that suits it: one group of its type. The program is
    // started afterwards.
    void Radios(const std::string& settings, std::initializer_list<std::pair<LPCSTR, int>> radios) {
        UseResourceLibrary();
        Settings(settings);
        for (const auto& [name, type] : radios) {
            UserValue(name, "SetupWizard", 0);
            std::unique_ptr<Group> group = SampleGroup();
            group->setRadioType(static_cast<std::uint8_t>(type));
            const std::string groupFile = Doc(std::string(name) + ".swg");
            ASSERT_TRUE(File(groupFile, group.get()).save());
            Roster list;
            list.entries()[0]->active = RosterEntry::kOn;
            list.entries()[0]->setFileName(groupFile);
            ASSERT_TRUE(File(Doc(std::string(name) + ".sws"), &list).save());
        }
        ASSERT_EQ(Start(), std::nullopt);
    }
    // The radio selection dialog, when it shows, chooses its row `row`.
    static void ChooseRow(int row) {
        hb::afx::SetModalScript(CRadioSelectDlg::IDD, [row](CDialog& dialog) {
            auto& select = dynamic_cast<CRadioSelectDlg&>(dialog);
            select.m_list.SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
            hb::afx::ClickButton(select, IDOK);
        });
    }
    // The Radio Control command's window, or null.
    CRadioFrame* OpenWindow() {
        Command(ID_TOOLS_RADIO_CONTROL);
        return RadioWindow();
    }
    CRadioFrame* RadioWindow() const { return dynamic_cast<CRadioFrame*>(Main().GetActiveFrame()); }
    static std::vector<std::uint8_t> EngineCodes() {
        std::vector<std::uint8_t> codes;
        for (const auto& call : EngineSim::Calls("scan_engine_command")) {
            codes.push_back(call.code());
        }
        return codes;
    }
    static std::vector<std::uint16_t> CommandedEngines() {
        std::vector<std::uint16_t> handles;
        for (const auto& call : EngineSim::Calls("scan_engine_command")) {
            handles.push_back(call.handle);
        }
        return handles;
    }
};

} // namespace hb::app::test
