// The search range window: the range's settings on its grid, filled from the band table, its
// radio type changed and its lock-out map edited, opened through its template.
#include "platform/afx/CDocTemplate.h"
#include "platform/afx/CMDIFrameWnd.h"
#include "platform/afx/CPrintInfo.h"
#include "platform/afx/Input.h"
#include "platform/afx/ModalScript.h"
#include "platform/afx/PrintJobs.h"
#include "platform/tessary/app/BandSelect.h"
#include "platform/tessary/app/LockMapEdit.h"
#include "platform/tessary/app/RangeDoc.h"
#include "platform/tessary/app/SelectRadio.h"
#include "platform/tessary/model/BandPlan.h"
#include "platform/tessary/model/Radio.h"
#include "platform/tessary/model/Range.h"
#include "platform/win/controls/ControlMessages.h"
#include "platform/win/core/MessageBox.h"
#include "programming/RangeFrame.h"
#include "programming/RangeView.h"
#include "resources/ResourceIds.h"
#include "tests/app/ProgramTest.h"
#include "tests/app/programming/AnsweredBoxes.h"

#include <algorithm>

namespace hb::app::test {
namespace {

class RangeWindowTest : public ProgramTest, protected AnsweredBoxes {
protected:
    RangeWindowTest() {
        Settings(kTwoRadios);
        UseResourceLibrary();
    }

    // An air-band range of radio type 42, written and opened through the range template.
    CRangeView* OpenRange() {
        {
            CRangeDoc doc;
            Range& range = *doc.GetRange();
            range.setRadioType(42);
            range.setName("Air");
            range.setLimits(118'000'000, 137'000'000, 25'000);
            EXPECT_TRUE(doc.OnSaveDocument(path.c_str()));
        }
        return OpenFile();
    }
    CRangeView* OpenFile() {
        POSITION pos = app->GetFirstDocTemplatePosition();
        while (pos) {
            CDocTemplate* candidate = app->GetNextDocTemplate(pos);
            if (candidate->m_nIDResource == IDR_RANGE) {
                candidate->OpenDocumentFile(path.c_str(), TRUE);
            }
        }
        auto* main = static_cast<CMDIFrameWnd*>(app->m_pMainWnd);
        auto* frame = dynamic_cast<CRangeFrame*>(main->MDIGetActive());
        return frame ? dynamic_cast<CRangeView*>(frame->GetActiveView()) : nullptr;
    }
    // The band list answers with the band holding the frequency, or Cancel for 0.
    static void ChooseBand(std::uint32_t hz) {
        hb::afx::SetModalScript("CBandSelect", [hz](CDialog& dialog) {
            if (hz == 0) {
                hb::afx::ClickButton(dialog.m_hWnd, IDCANCEL);
                return;
            }
            ::SendMessage(::GetDlgItem(dialog.m_hWnd, CBandSelect::IDC_BANDS), LB_SETCURSEL,
                          *hb::tessary::FindPlanBand(hz), 0);
            hb::afx::ClickButton(dialog.m_hWnd, IDOK);
        });
    }

    const std::string path = Doc("Air.swr");
};

TEST_F(RangeWindowTest, TheGridShowsTheRangeAndItsEditsAreKeptInTheFile) {
    ASSERT_EQ(Start(), std::nullopt);
    CRangeView* view = OpenRange();
    ASSERT_NE(view, nullptr);
    CObjectGrid& grid = view->GetGrid();
    EXPECT_EQ(grid.GetDlgCtrlID(), 1234);
    ASSERT_EQ(grid.GetNumberRows(), CObjectGrid::kProperties);
    EXPECT_EQ(grid.QuickGetText(0, CObjectGrid::kLower), "Lower");
    EXPECT_EQ(grid.QuickGetText(1, CObjectGrid::kLower), "118.000000");
    EXPECT_EQ(grid.QuickGetText(1, CObjectGrid::kRadioType), "Receiver 42");
    EXPECT_EQ(grid.QuickGetText(1, CObjectGrid::kLockOutMap), "None");

    grid.GotoCell(1, CObjectGrid::kUpper);
    grid.SendMessage(WM_CHAR, '1');
    ASSERT_NE(grid.GetEditCtrl(), nullptr);
    grid.GetEditCtrl()->SetWindowText("136.975");
    grid.GetEditCtrl()->SendMessage(WM_KEYDOWN, VK_RETURN);
    EXPECT_EQ(grid.QuickGetText(1, CObjectGrid::kUpper), "136.975000");
    // A read-only property takes nothing.
    EXPECT_EQ(grid.FinishTextEdit(1, CObjectGrid::kRadioType, nullptr, "Scanner 1", FALSE), 0);
    EXPECT_TRUE(view->GetDocument()->IsModified());
    ASSERT_TRUE(view->GetDocument()->OnSaveDocument(path.c_str()));

    CRangeDoc reread;
    ASSERT_TRUE(reread.OnOpenDocument(path.c_str()));
    EXPECT_EQ(reread.GetRange()->upper(), 136'975'000u);
    EXPECT_EQ(reread.GetRange()->radioType(), 42);
    ASSERT_NE(reread.GetRadio(), nullptr);
    EXPECT_EQ(reread.GetRadio()->RadioTypeCode(), 42);
}

TEST_F(RangeWindowTest, FillingFromTheBandTableNamesTheRangeEvenForTheSameBand) {
    ASSERT_EQ(Start(), std::nullopt);
    CRangeView* view = OpenRange();
    ASSERT_NE(view, nullptr);
    CDocument& doc = *view->GetDocument();
    Range& range = *view->GetRangeDoc()->GetRange();

    ChooseBand(0);
    view->SendMessage(WM_COMMAND, 27324);
    EXPECT_EQ(range.name(), "Air");
    EXPECT_FALSE(doc.IsModified());

    for (int time = 0; time < 2; ++time) {
        doc.SetModifiedFlag(FALSE);
        ChooseBand(121'500'000);
        view->SendMessage(WM_COMMAND, 27324);
        EXPECT_EQ(range.name(), "Air Band");
        EXPECT_EQ(range.description(), "Created from Halbridge Pro band table.");
        EXPECT_EQ(range.lower(), 118'000'000u);
        EXPECT_EQ(range.record().get(parm::kMode), 1) << "the band's mode, AM";
        EXPECT_TRUE(doc.IsModified());
        EXPECT_EQ(view->GetGrid().QuickGetText(1, CObjectGrid::kName), "Air Band");
    }
}

TEST_F(RangeWindowTest, TheLockOutMapIsEditedForTheRangeOfTheDocument) {
    ASSERT_EQ(Start(), std::nullopt);
    CRangeView* view = OpenRange();
    ASSERT_NE(view, nullptr);
    bool shown = false;
    hb::afx::SetModalScript("CLockMapEdit", [&](CDialog& dialog) {
        auto& editor = dynamic_cast<CLockMapEdit&>(dialog);
        EXPECT_EQ(editor.m_range, view->GetRangeDoc()->GetRange());
        EXPECT_EQ(editor.m_radio, view->GetRangeDoc()->GetRadio());
        EXPECT_EQ(editor.m_doc, view->GetRangeDoc());
        shown = true;
        hb::afx::ClickButton(dialog.m_hWnd, IDCANCEL);
    });
    view->SendMessage(WM_COMMAND, 27186);
    EXPECT_TRUE(shown);
}

TEST_F(RangeWindowTest, ChangingTheRadioTypeStoresItAndClosesTheWindow) {
    ASSERT_EQ(Start(), std::nullopt);
    CRangeView* view = OpenRange();
    ASSERT_NE(view, nullptr);
    Range& range = *view->GetRangeDoc()->GetRange();
    const auto choose = [](const char* name) {
        hb::afx::SetModalScript("CSelectRadio", [name](CDialog& dialog) {
            const HWND list = ::GetDlgItem(dialog.m_hWnd, CSelectRadio::IDC_RADIOS);
            for (LRESULT row = 0; row < ::SendMessage(list, LB_GETCOUNT, 0, 0); ++row) {
                char text[64] = {};
                ::SendMessage(list, LB_GETTEXT, static_cast<WPARAM>(row),
                              reinterpret_cast<LPARAM>(text));
                if (std::string(text) == name) {
                    ::SendMessage(list, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
                }
            }
            hb::afx::ClickButton(dialog.m_hWnd, IDOK);
        });
    };
    choose("Receiver 42");
    view->SendMessage(WM_COMMAND, 27181);
    EXPECT_TRUE(boxes.empty()) << "the range's own type asks nothing";

    // A fixed organisation means nothing to a range: one question.
    choose("Scanner 1");
    answers = {IDOK, IDNO};
    view->SendMessage(WM_COMMAND, 27181);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].substr(0, 40), "Change Radio Type - Air.swr to Scanner 1");
    EXPECT_EQ(range.radioType(), 1);
    EXPECT_TRUE(view->GetDocument()->IsModified());
    Pump();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1], "Halbridge Pro: Save changes to Air.swr?");
    auto* main = static_cast<CMDIFrameWnd*>(app->m_pMainWnd);
    EXPECT_EQ(main->MDIGetActive(), nullptr);
}

TEST_F(RangeWindowTest, PrintingPrintsTheSettingsPagesTheGridCounts) {
    ASSERT_EQ(Start(), std::nullopt);
    CRangeView* view = OpenRange();
    ASSERT_NE(view, nullptr);
    hb::afx::SetPrintPreparation([](CPrintInfo&) { return true; });
    view->SendMessage(WM_COMMAND, 57607);
    hb::afx::SetPrintPreparation({});
    ASSERT_EQ(hb::afx::PrintLog().size(), 1u);
    CObjectGrid& grid = view->GetGrid();
    const int pages =
        grid.PrintInit(nullptr, nullptr, 0, 0, grid.GetNumberCols() - 1, grid.GetNumberRows() - 1);
    const hb::afx::PrintJob& job = hb::afx::PrintLog()[0];
    ASSERT_EQ(job.pages.size(), static_cast<std::size_t>(pages));
    std::vector<std::string> texts;
    for (const hb::win::DrawRecord& record : job.pages.at(0).list) {
        texts.push_back(record.text);
    }
    EXPECT_NE(std::ranges::find(texts, "Property"), texts.end());
    EXPECT_NE(std::ranges::find(texts, "118.000000"), texts.end());
}

} // namespace
} // namespace hb::app::test
