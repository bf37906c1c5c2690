#pragma once
// Fixture for the radio window's "Scan List" tab: the receiver's list holds its group and, after
// it, a search range; a second group of the receiver's lies in the documents folder. The picker
// and the file dialogs are answered by the tests.
#include "platform/afx/Input.h"
#include "platform/afx/ModalScript.h"
#include "platform/tessary/app/RosterDoc.h"
#include "platform/tessary/grid/Grid.h"
#include "platform/tessary/model/Roster.h"
#include "programming/ScanListEntryDlg.h"
#include "programming/ScanListView.h"
#include "resources/program/ScanListIds.h"
#include "tests/app/radiowindow/RadioWindowTest.h"

#include <functional>
#include <string>
#include <vector>

namespace hb::app::test {

class ScanListTabTest : public RadioWindowTest {
protected:
    static constexpr std::uint32_t kFireHz = 154'430'000;

    void SetUp() override {
        Radios(kReceiverOnly, {{"Receiver", 42}});
        auto range = SearchRange(118'000'000, 137'000'000, 25'000);
        ASSERT_TRUE(File(Doc("Air.swr"), range.get()).save());
        Group fire;
        fire.setName("Fire");
        fire.setDescription("County fire");
        fire.setRadioType(42);
        fire.addBank(std::make_unique<Bank>()).addMember(Channel(kFireHz, "Fire dispatch"));
        ASSERT_TRUE(File(Doc("Fire.swg"), &fire).save());
        File read(Doc("Receiver.sws"));
        std::unique_ptr<Object> root = read.release();
        auto& list = dynamic_cast<Roster&>(*root);
        list.entries()[0]->setFileName("Receiver.swg");
        list.entries()[1]->active = RosterEntry::kOn;
        list.entries()[1]->setFileName("Air.swr");
        ASSERT_TRUE(File(Doc("Receiver.sws"), &list).save());
    }
    // The receiver's window in the view type, settled, with the journal cleared.
    void Open(std::uint8_t viewType) {
        CRig::FindByName("Receiver")->m_view_type = viewType;
        frame = OpenWindow();
        ASSERT_NE(frame, nullptr);
        AdvanceAndPump(1000);
        view = frame->m_scanListView;
        ASSERT_NE(view, nullptr);
        ASSERT_NE(view->GetGrid(), nullptr);
        EngineSim::ClearJournal();
    }
    CGrid& Grid() const { return *view->GetGrid(); }
    CRosterDoc& List() const { return *view->GetRosterDoc(); }
    RosterEntry& Entry(std::size_t index) const { return *List().GetRoster()->entries()[index]; }
    std::vector<std::string> Row(long row) const {
        std::vector<std::string> texts;
        for (int col = 0; col < Grid().GetNumberCols(); ++col) {
            texts.push_back(Grid().QuickGetText(col, row).str());
        }
        return texts;
    }
    // A left click at the point of the grid.
    void Click(CPoint at, UINT message = WM_LBUTTONDOWN) const {
        Grid().SendMessage(message, 0, MAKELPARAM(at.x, at.y));
        Grid().SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    }
    // The button at the right of a file-button cell, once the cell is in view.
    void PressButton(int col, long row) const {
        Grid().GotoCell(col, row);
        const CRect cell = Grid().CellRect(col, row);
        ASSERT_FALSE(cell.IsRectEmpty());
        Click({cell.right - 3, cell.CenterPoint().y});
    }
    // The entry picker, when it shows, runs the script.
    static void Picker(std::function<void(CScanListEntryDlg&)> script) {
        hb::afx::SetModalScript(hb::resources::scanlist::kEntryDialog,
                                [script = std::move(script)](CDialog& dialog) {
                                    script(dynamic_cast<CScanListEntryDlg&>(dialog));
                                });
    }
    // The names a list of the picker shows.
    static std::vector<std::string> Listed(const CDialog& picker, UINT id) {
        const HWND list = ::GetDlgItem(picker.m_hWnd, static_cast<int>(id));
        std::vector<std::string> names;
        for (LRESULT i = 0; i < ::SendMessage(list, LB_GETCOUNT, 0, 0); ++i) {
            std::string text(static_cast<std::size_t>(::SendMessage(list, LB_GETTEXTLEN, i, 0)),
                             '\0');
            ::SendMessage(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
            names.push_back(text);
        }
        return names;
    }
    // A click on the name in a list of the picker, as the user picks it.
    static void ClickName(const CDialog& picker, UINT id, const std::string& name) {
        const auto names = Listed(picker, id);
        const auto at = std::find(names.begin(), names.end(), name);
        ASSERT_NE(at, names.end()) << name;
        const HWND list = ::GetDlgItem(picker.m_hWnd, static_cast<int>(id));
        RECT row{};
        ::SendMessage(list, LB_GETITEMRECT, static_cast<WPARAM>(at - names.begin()),
                      reinterpret_cast<LPARAM>(&row));
        ::SendMessage(list, WM_LBUTTONDOWN, 0, MAKELPARAM(4, row.top + 1));
    }
    static std::string Text(const CDialog& picker, UINT id) {
        CString text;
        picker.GetDlgItemText(static_cast<int>(id), text);
        return text.str();
    }

    CRadioFrame* frame = nullptr;
    CScanListView* view = nullptr;
};

} // namespace hb::app::test
