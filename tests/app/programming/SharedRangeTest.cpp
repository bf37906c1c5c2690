// A search range of a running radio's scan list, opened shared from the list: its lock-out map is
// edited in the radio's window, and the radio window closing closes the range window first.
#include "platform/afx/CDocTemplate.h"
#include "platform/afx/CMDIFrameWnd.h"
#include "platform/afx/ModalScript.h"
#include "platform/tessary/app/LockMapEdit.h"
#include "platform/tessary/app/RangeDoc.h"
#include "platform/tessary/model/Range.h"
#include "platform/tessary/model/Roster.h"
#include "programming/RangeFrame.h"
#include "tests/app/radiowindow/RadioWindowTest.h"

namespace hb::app::test {
namespace {

class SharedRangeTest : public RadioWindowTest {
protected:
    // The receiver's scan list with a search range after its group.
    void SetUp() override {
        Radios(kReceiverOnly, {{"Receiver", 42}});
        Range range;
        range.setLimits(118'000'000, 137'000'000, 25'000);
        ASSERT_TRUE(File(rangeFile, &range).save());
        File read(Doc("Receiver.sws"));
        std::unique_ptr<Object> root = read.release();
        auto* list = dynamic_cast<Roster*>(root.get());
        ASSERT_NE(list, nullptr);
        list->entries()[1]->active = RosterEntry::kOn;
        list->entries()[1]->setFileName(rangeFile);
        ASSERT_TRUE(File(Doc("Receiver.sws"), list).save());
    }

    CDocTemplate* RangeTemplate() const {
        POSITION pos = app->GetFirstDocTemplatePosition();
        while (pos) {
            CDocTemplate* candidate = app->GetNextDocTemplate(pos);
            if (candidate->m_nIDResource == IDR_RANGE) {
                return candidate;
            }
        }
        return nullptr;
    }

    const std::string rangeFile = Doc("Air.swr");
};

TEST_F(SharedRangeTest, ItsLockOutMapIsEditedInTheRadioWindowWhichClosesItFirst) {
    // The scan view keeps every entry of the list.
    CRig::FindByName("Receiver")->m_view_type = 0;
    CRadioFrame* radio = OpenWindow();
    ASSERT_NE(radio, nullptr);
    Pump();
    RangeTemplate()->OpenDocumentFile(("\\[]\\" + rangeFile).c_str(), TRUE);
    auto* frame = dynamic_cast<CRangeFrame*>(Main().GetActiveFrame());
    ASSERT_NE(frame, nullptr);
    auto* doc = dynamic_cast<CRangeDoc*>(frame->GetActiveDocument());
    ASSERT_NE(doc, nullptr);
    ASSERT_TRUE(doc->IsShared());

    Object* edited = nullptr;
    hb::afx::SetModalScript("CLockMapEdit", [&](CDialog& dialog) {
        edited = dynamic_cast<CLockMapEdit&>(dialog).m_range;
        dialog.EndDialog(IDOK);
    });
    frame->GetActiveView()->SendMessage(WM_COMMAND, 27186);
    EXPECT_EQ(edited, doc->GetRange()) << "through the radio window";

    radio->SendMessage(WM_CLOSE);
    Pump();
    EXPECT_EQ(dynamic_cast<CRadioFrame*>(Main().GetActiveFrame()), nullptr);
    EXPECT_EQ(RangeTemplate()->GetFirstDocPosition(), nullptr) << "the range window went too";
}

} // namespace
} // namespace hb::app::test
