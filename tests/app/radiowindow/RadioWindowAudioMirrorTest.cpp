#include "audio/AudioLogClient.h"
#include "tests/app/radiowindow/RadioWindowTest.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

namespace hb::app::test {
namespace {

// A front panel that keeps what the audio logger's mirror hands it.
class CMirrorPanel : public CRadioView {
public:
    void OnRecorderState(CAudioLog*) override { calls.push_back("state"); }
    void ShowPlaybackChannel(CAudioLog*, const dal* rec, BYTE) override {
        calls.push_back("channel " + std::to_string(rec ? rec->get(dal::kFrequency) : 0));
    }
    void ShowMeterValue(CAudioLog*, int kind, int value) override {
        calls.push_back("meter " + std::to_string(kind) + "=" + std::to_string(value));
    }
    void SetAuxMeter(CAudioLog*, int value) override {
        calls.push_back("vu " + std::to_string(value));
    }
    void OnAudioStateEvent(CAudioLog*, const char*, const wlseg*) override {
        calls.push_back("segment");
    }

    std::vector<std::string> calls;
};

class RadioWindowAudioMirrorTest : public RadioWindowTest {
protected:
    RadioWindowAudioMirrorTest() : m_create(RUNTIME_CLASS(CRadioView)->m_pfnCreateObject) {
        RUNTIME_CLASS(CRadioView)->m_pfnCreateObject = []() -> CObject* {
            return new CMirrorPanel;
        };
    }
    ~RadioWindowAudioMirrorTest() override {
        RUNTIME_CLASS(CRadioView)->m_pfnCreateObject = m_create;
    }

private:
    CObject* (*m_create)();
};

TEST_F(RadioWindowAudioMirrorTest, TheLoggersUpdatesReachTheFrontPanelOfTheRadioWindowOnly) {
    Radios(kReceiverOnly, {{"Receiver", 42}});
    CRadioFrame* frame = OpenWindow();
    ASSERT_NE(frame, nullptr);
    CRig* rig = CRig::FindByName("Receiver");
    auto* log = dynamic_cast<CAudioLogClient*>(rig->GetAudioLog());
    ASSERT_NE(log, nullptr);
    ASSERT_TRUE(log->m_file.IsOpen());
    auto& panel = dynamic_cast<CMirrorPanel&>(*frame->FrontPanel());
    panel.calls.clear();

    log->UpdateStatus();
    log->UpdateIndicators(9, 50);
    log->UpdateVUMeter(30, 20);
    dal record;
    record.set(dal::kFrequency, 155'010'000);
    log->UpdateInfo(&record, nullptr);
    std::string otherCase = log->m_file.m_name;
    std::ranges::transform(otherCase, otherCase.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    log->UpdateSegment(otherCase.c_str(), nullptr, 1);
    log->UpdateSegment(Doc("ANOTHER.SWQ").c_str(), nullptr, 1);
    EXPECT_EQ(panel.calls, (std::vector<std::string>{"state", "meter 9=50", "vu 30",
                                                     "channel 155010000", "segment"}));

    // A rig owned by no radio window, and no rig at all, leave the panel alone.
    panel.calls.clear();
    CWnd* owner = rig->m_owner;
    rig->m_owner = &Main();
    log->UpdateStatus();
    rig->m_owner = owner;
    CRig* attached = log->m_rig;
    log->m_rig = nullptr;
    log->UpdateIndicators(9, 10);
    log->m_rig = attached;
    EXPECT_TRUE(panel.calls.empty());
}

} // namespace
} // namespace hb::app::test
