#include "app/mainframe/MainFrame.h"
#include "app/rig/RadioSelectDlg.h"
#include "platform/afx/CDocument.h"
#include "platform/afx/Input.h"
#include "platform/records/StatusCodes.h"
#include "platform/tessary/audio/AudioLog.h"
#include "platform/tessary/model/File.h"
#include "platform/tessary/model/SweepSettings.h"
#include "platform/toolkit/CXTPToolBar.h"
#include "resources/ResourceIds.h"
#include "spectrum/RFAnalyzerFrame.h"
#include "spectrum/RFAnalyzerView.h"
#include "spectrum/RFBandScopeView.h"
#include "tests/app/ProgramTest.h"

namespace hb::app::test {
namespace {

using hb::afx::ModalLog;

class RigCommandsTest : public ProgramTest {
protected:
    RigCommandsTest() {
        Settings(kTwoRadios);
        SweepFile(Doc("Receiver.swa"));
        SweepFile(Doc("Wide.swv"));
    }
    static void SweepFile(const std::string& path) {
        SweepSettings settings;
        settings.record().set(parm::kStart, 144'000'000);
        settings.record().set(parm::kEnd, 146'000'000);
        settings.record().set(parm::kStep, 25'000);
        ASSERT_TRUE(File(path, &settings).save());
    }
    void SetUp() override { ASSERT_EQ(Start(), std::nullopt); }

    // Chooses the radio shown with `name` in the radio selection dialog.
    static void Choose(std::string name) {
        hb::afx::SetModalScript(CRadioSelectDlg::IDD, [name](CDialog& dialog) {
            auto& select = dynamic_cast<CRadioSelectDlg&>(dialog);
            for (int row = 0; row < select.m_list.GetItemCount(); ++row) {
                if (select.m_list.GetItemText(row, 0).str() == name) {
                    select.m_list.SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
                }
            }
            hb::afx::ClickButton(select, IDOK);
        });
    }
    // The sweep window now active is of `view`, on `path`, opened for the rig by `opener`.
    void ExpectSweepWindow(LPCSTR rig, UINT opener, CRuntimeClass* view,
                           const std::string& path) const {
        EXPECT_EQ(CRig::FindByName(rig)->m_opener, opener);
        auto* frame = dynamic_cast<CRFAnalyzerFrame*>(Main().GetActiveFrame());
        ASSERT_NE(frame, nullptr);
        EXPECT_TRUE(frame->GetActiveView()->IsKindOf(view));
        EXPECT_EQ(frame->GetActiveDocument()->GetPathName(), path.c_str());
    }
    CXTPControl* MuteButton() const {
        return dynamic_cast<CMainFrame&>(Main()).m_pMainToolBar->FindControl(ID_MASTER_MUTE);
    }
};

TEST_F(RigCommandsTest, TheAnalyzerAndTheBandScopeOpenTheChosenRadiosSweepFile) {
    Choose("Receiver");
    Command(ID_TOOLS_SPECTRUM_ANALYZER);
    EXPECT_EQ(ModalLog().back().caption, "Select Radio - Spectrum Analysis");
    ExpectSweepWindow("Receiver", IDR_SPECTRUM_ANALYZER, RUNTIME_CLASS(CRFAnalyzerView),
                      Doc("Receiver.swa"));
    EXPECT_EQ(CRig::FindByName("Tracker")->m_opener, 0u);

    // The analyzer sweeps as soon as it opens: the radio is free again once it is closed. Its
    // new settings took the radio's type.
    ExpectBox("Save changes", IDNO, "Halbridge Pro");
    Main().GetActiveFrame()->SendMessage(WM_CLOSE);
    // The radio's settings may name another file.
    app->WriteProfileStringA("Receiver", "BandScopeFile", "Wide.swv");
    Choose("Receiver");
    Command(ID_TOOLS_BAND_SCOPE);
    EXPECT_EQ(ModalLog().back().caption, "Select Radio - Band Scope");
    ExpectSweepWindow("Receiver", IDR_BAND_SCOPE, RUNTIME_CLASS(CRFBandScopeView), Doc("Wide.swv"));
    ExpectBox("Save changes", IDNO, "Halbridge Pro");
}

TEST_F(RigCommandsTest, ARadiosFirstSweepStartsOnNewSettingsSavedUnderItsFileName) {
    ASSERT_EQ(GetFileAttributes(Doc("Receiver.swv").c_str()), INVALID_FILE_ATTRIBUTES);
    Choose("Receiver");
    Command(ID_TOOLS_BAND_SCOPE);
    ExpectSweepWindow("Receiver", IDR_BAND_SCOPE, RUNTIME_CLASS(CRFBandScopeView),
                      Doc("Receiver.swv"));
    ExpectBox("Save changes", IDYES, "Halbridge Pro");
    Main().GetActiveFrame()->SendMessage(WM_CLOSE);
    Pump();
    EXPECT_NE(GetFileAttributes(Doc("Receiver.swv").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(RigCommandsTest, ASweepWindowOnARadioInUseOnlyBeeps) {
    CRig* receiver = CRig::FindByName("Receiver");
    app->WriteProfileStringA("Receiver", "BandScopeFile", "Wide.swv");
    ASSERT_FALSE(hb::records::IsFailureStatus(receiver->OpenDevice(nullptr)));
    ExpectBeeps(2);
    for (const UINT command : {ID_TOOLS_BAND_SCOPE, ID_TOOLS_SPECTRUM_ANALYZER}) {
        Choose("Receiver");
        Command(command);
    }
    EXPECT_EQ(Beeps(), (std::vector<UINT>{MB_ICONASTERISK, MB_ICONASTERISK}));
    EXPECT_EQ(receiver->m_opener, 0u);
    EXPECT_EQ(Main().GetActiveFrame(), &Main());

    // Cancelled: no radio, no beep, no window.
    hb::afx::SetModalScript(CRadioSelectDlg::IDD,
                            [](CDialog& dialog) { hb::afx::ClickButton(dialog, IDCANCEL); });
    Command(ID_TOOLS_SPECTRUM_ANALYZER);
    EXPECT_EQ(Main().GetActiveFrame(), &Main());
}

TEST_F(RigCommandsTest, MasterMuteTogglesAndTheButtonShowsTheMonitorsHeard) {
    ASSERT_NE(MuteButton(), nullptr);
    Pump();
    EXPECT_TRUE(MuteButton()->GetChecked());
    Command(ID_MASTER_MUTE);
    EXPECT_EQ(CAudioLog::al_monitor_master_mute, 1);
    Pump();
    EXPECT_FALSE(MuteButton()->GetChecked());
    Command(ID_MASTER_MUTE);
    EXPECT_EQ(CAudioLog::al_monitor_master_mute, 0);
    Pump();
    EXPECT_TRUE(MuteButton()->GetChecked());
}

TEST_F(RigCommandsTest, AReloadKeepsAPermanentRigAndMakesNoSecondOneForIt) {
    CRig* receiver = CRig::FindByName("Receiver");
    receiver->m_permanent = 1;
    app->LoadRadios();
    EXPECT_EQ(Rigs(), (std::vector<std::string>{"Receiver", "Tracker"}));
    EXPECT_EQ(CRig::FindByName("Receiver"), receiver);
}

} // namespace
} // namespace hb::app::test
