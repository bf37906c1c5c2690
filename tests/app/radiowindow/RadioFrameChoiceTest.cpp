#include "platform/afx/CDocTemplate.h"
#include "platform/afx/ModalScript.h"
#include "platform/records/RadioModel.h"
#include "platform/tessary/audio/AudioLog.h"
#include "platform/tessary/audio/AudioPlayerView.h"
#include "platform/tessary/model/Radio.h"
#include "tests/app/radiowindow/RadioWindowTest.h"

#include <filesystem>

namespace hb::app::test {
namespace {

using hb::afx::ModalLog;

class RadioFrameChoiceTest : public RadioWindowTest {
protected:
    void SetUp() override { Radios(kTwoRadios, {{"Receiver", 42}, {"Tracker", 17}}); }
    // The receiver's scan list copied under another name or folder.
    std::string CopyOfList(const std::string& relative) const {
        const std::string path = Home() + "/" + relative;
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        std::filesystem::copy_file(Doc("Receiver.sws"), path);
        return path;
    }
    // The radio document template, as a command that keeps the selection opens it.
    CDocTemplate* RadioTemplate() const {
        POSITION pos = app->GetFirstDocTemplatePosition();
        while (pos) {
            CDocTemplate* candidate = app->GetNextDocTemplate(pos);
            if (candidate->m_nIDResource == IDR_RADIO) {
                return candidate;
            }
        }
        return nullptr;
    }
    static std::size_t SelectDialogs() {
        std::size_t shown = 0;
        for (const auto& modal : ModalLog()) {
            shown += modal.caption == "Select Radio - Radio Control" ? 1 : 0;
        }
        return shown;
    }
};

TEST_F(RadioFrameChoiceTest, AListNamedAfterARadioInAnyCaseOpensThatRadio) {
    app->OpenDocumentFile(CopyOfList("lists/Tracker.SwS").c_str());
    CRadioFrame* frame = RadioWindow();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->m_rig, CRig::FindByName("Tracker"));
    EXPECT_EQ(SelectDialogs(), 0u);
    // The receiver's group was made the tracker's, which is a change to the list.
    ExpectBox("Save changes to Tracker?", IDNO);
}

TEST_F(RadioFrameChoiceTest, ASelectedRadioAlreadyOpenIsPassedOverAndTheUserAsked) {
    ChooseRow(0);
    CRadioFrame* first = OpenWindow();
    ASSERT_NE(first, nullptr);
    ASSERT_EQ(first->m_rig, CRig::FindByName("Receiver"));
    CRig::s_selection[0] = first->m_rig;
    ChooseRow(1);
    ASSERT_NE(RadioTemplate(), nullptr);
    RadioTemplate()->OpenDocumentFile(Doc("Tracker.sws").c_str(), TRUE);
    CRadioFrame* second = RadioWindow();
    ASSERT_NE(second, first);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->m_rig, CRig::FindByName("Tracker"));
    EXPECT_EQ(SelectDialogs(), 2u);
}

TEST_F(RadioFrameChoiceTest, ARadioOpenInAnotherWindowIsNeitherTakenByNameNorByChoice) {
    ChooseRow(0);
    CRadioFrame* first = OpenWindow();
    ASSERT_NE(first, nullptr);
    CRig* receiver = first->m_rig;
    CAudioLog* log = receiver->GetAudioLog();
    ASSERT_NE(log, nullptr);
    CAudioPlayerView* index = log->m_file.m_indexView;
    ASSERT_NE(index, nullptr);
    const std::size_t beeps = Beeps().size();

    // Named after the open radio: the user is asked, and choosing it again is refused.
    ChooseRow(0);
    app->OpenDocumentFile(CopyOfList("lists/Receiver.sws").c_str());
    EXPECT_EQ(SelectDialogs(), 2u);
    EXPECT_EQ(Beeps().size(), beeps + 1);
    EXPECT_EQ(RadioWindow(), first);
    EXPECT_EQ(receiver->m_owner, first);
    EXPECT_EQ(receiver->GetAudioLog(), log);
    EXPECT_FALSE(log->m_disabled);
    EXPECT_EQ(log->m_file.m_indexView, index);
    EXPECT_EQ(index->m_log, log);
}

TEST_F(RadioFrameChoiceTest, ARadioThatCannotBeControlledBeepsSaysWhyAndOpensNothing) {
    NewApp();
    hb::records::RadioModel model = *hb::records::FindRadioModel(42);
    model.features &= ~Radio::kFeatureControl;
    hb::tessary::SetRadioFactory([&model](std::uint8_t type) {
        return type == 42 ? std::make_unique<Radio>(model) : nullptr;
    });
    ASSERT_EQ(Start(), std::nullopt);
    const std::size_t beeps = Beeps().size();
    ExpectBox("cannot be read or written", IDOK, "Radio Engine");
    ChooseRow(0);
    EXPECT_EQ(OpenWindow(), nullptr);
    hb::tessary::SetRadioFactory(nullptr);
    EXPECT_EQ(Beeps().size(), beeps + 1);
    ASSERT_EQ(EngineSim::Messages().size(), 1u);
    EXPECT_EQ(EngineSim::Messages()[0].number, 10u);
    EXPECT_EQ(EngineSim::EngineCount(), 0u);
    EXPECT_EQ(CRig::FindByName("Receiver")->m_owner, nullptr);
}

} // namespace
} // namespace hb::app::test
