// The "Multi-Radio" tab of a pair's window: the first radio's queue for the second, the pair's
// priority mode and preempt level, and the second radio's squelch.
#include "app/rig/Rig.h"
#include "platform/instruments/Gestures.h"
#include "platform/records/EngineCommands.h"
#include "platform/records/EngineStatus.h"
#include "platform/tessary/model/Radio.h"
#include "radioview/SearchSlaveView.h"
#include "tests/app/radiowindow/RadioWindowTest.h"

#include <cmath>
#include <tuple>
#include <utility>
#include <vector>

namespace hb::app::test {
namespace {

using hb::records::EngineStatus;
// Code, signed sub-code and the engine it went to.
using Sent = std::tuple<int, int, std::uint16_t>;

const std::string kPair = std::string(kTwoRadios) + "[MultiRadio]\nB=1\nB1=Receiver\nB2=Tracker\n";

class MultiRadioTabTest : public RadioWindowTest {
protected:
    void OpenPair() {
        Radios(kPair, {{"Receiver", 42}, {"Tracker", 17}});
        ChooseRow(2);
        frame = OpenWindow();
        ASSERT_NE(frame, nullptr);
        PumpUntilIdle();
        view = frame->m_multiRadioView;
        ASSERT_NE(view, nullptr);
        a = frame->m_rig;
        b = frame->m_rig2;
        ASSERT_NE(b, nullptr);
        ASSERT_TRUE(a->IsEngineOpenFor(frame));
    }
    // The pair commands sent since the journal was cleared.
    static std::vector<Sent> PairCommands() {
        std::vector<Sent> sent;
        for (const auto& call : EngineSim::Calls("scan_engine_command")) {
            if (call.code() == hb::records::kEngineCmdPriorityMode ||
                call.code() == hb::records::kEngineCmdPreempt) {
                sent.emplace_back(call.code(), static_cast<std::int8_t>(call.subCode()),
                                  call.handle);
            }
        }
        return sent;
    }
    std::vector<Sent> ToBoth(int code, int subCode) const {
        return {{code, subCode, a->m_engine}, {code, subCode, b->m_engine}};
    }
    // Rig A's queue as the engine reports it: the entries given, every other one empty.
    void SetQueue(const std::vector<std::pair<std::size_t, parm>>& entries) const {
        std::vector<std::uint8_t> queue(EngineStatus::kParmQueue.kSize, 0);
        for (const auto& [index, entry] : entries) {
            std::copy(entry.bytes().begin(), entry.bytes().end(),
                      queue.begin() + static_cast<std::ptrdiff_t>(index * parm::kSize));
        }
        EngineSim::PatchStatus(a->m_engine, EngineStatus::kParmQueue.kOffset, queue);
    }
    static parm Entry(std::uint32_t hz, std::uint8_t priority, const char* name) {
        parm entry;
        entry.set(parm::kFrequency, hz);
        entry.set(parm::kPriority, priority);
        entry.setText(parm::kName, name);
        return entry;
    }
    void Tick() const { view->SendMessage(WM_TIMER, CSearchSlaveView::kQueueTimer); }
    std::vector<std::vector<CString>> Rows() const {
        std::vector<std::vector<CString>> rows;
        for (int row = 0; row < view->m_queue.GetItemCount(); ++row) {
            rows.push_back({view->m_queue.GetItemText(row, 0), view->m_queue.GetItemText(row, 1),
                            view->m_queue.GetItemText(row, 2)});
        }
        return rows;
    }

    CRadioFrame* frame = nullptr;
    CSearchSlaveView* view = nullptr;
    CRig* a = nullptr;
    CRig* b = nullptr;
};

TEST_F(MultiRadioTabTest, ThePreemptLevelIsRoundedFromAHalfAndLimitedToASignedByte) {
    OpenPair();
    HWND slider = view->m_preemptSlider.m_hWnd;
    view->m_preemptSlider.SetPositionMin(-1000);
    view->m_preemptSlider.SetPositionMax(1000);
    const std::pair<double, int> cases[] = {{126.5, 127}, {200, 127}, {-200, -127}, {-2.7, -2}};
    for (const auto& [value, level] : cases) {
        SCOPED_TRACE(value);
        EngineSim::ClearJournal();
        ASSERT_TRUE(hb::instruments::UserSetPosition(slider, value));
        EXPECT_EQ(PairCommands(), ToBoth(hb::records::kEngineCmdPreempt, level));
        EXPECT_EQ(view->m_preemptDisplay.GetValue(), level);
    }
    hb::instruments::UserMouse(slider, hb::instruments::MouseAction::Up, 1, 0, 0, 0);
    EXPECT_EQ(app->GetProfileIntA("Receiver", "PreemptLevel", 99), -2);

    EngineSim::ClearJournal();
    ASSERT_TRUE(hb::instruments::UserSetPosition(view->m_priorityMode.m_hWnd, 1));
    EXPECT_EQ(PairCommands(), ToBoth(hb::records::kEngineCmdPriorityMode, 1));
    EXPECT_EQ(app->GetProfileIntA("Receiver", "PriorityMode", 99), 1);
}

TEST_F(MultiRadioTabTest, TheQueueIsRedrawnInOrderOnlyWhenAskedAndWhileTheEngineRuns) {
    OpenPair();
    const std::string first =
        a->m_radio->FormatFrequency(155'010'000, frame->FrontPanel()->m_mhzDisplay != 0);
    SetQueue({{0, Entry(155'010'000, 3, "Fire")}, {2, Entry(462'550'000, 9, "Marine")}});
    Tick();
    EXPECT_TRUE(Rows().empty());

    view->m_refresh = 1;
    Tick();
    ASSERT_EQ(Rows().size(), 2u);
    CString trimmed = first.c_str();
    trimmed.TrimLeft();
    EXPECT_EQ(Rows()[0][0], trimmed);
    EXPECT_EQ(Rows()[0][1], "3");
    EXPECT_EQ(Rows()[0][2], "Fire            ");
    EXPECT_EQ(Rows()[1][2], "Marine          ");
    EXPECT_EQ(view->m_refresh, 0u);

    // Without an engine for the window the queue stays as it was.
    SetQueue({{0, Entry(155'010'000, 3, "Fire")}});
    view->m_refresh = 1;
    const std::uint16_t engine = std::exchange(a->m_engine, std::uint16_t{0});
    Tick();
    a->m_engine = engine;
    EXPECT_EQ(Rows().size(), 2u);
    EXPECT_EQ(view->m_refresh, 0u);
}

TEST_F(MultiRadioTabTest, TheColumnsStartAtAHundredPixelsAndKeepTheirWidths) {
    OpenPair();
    for (int column = 0; column < CSearchSlaveView::kColumnCount; ++column) {
        EXPECT_EQ(view->m_queue.GetColumnWidth(column), 100);
    }
    view->m_queue.SetColumnWidth(2, 160);
    frame->SendMessage(WM_CLOSE);
    PumpUntilIdle();
    EXPECT_EQ(app->GetProfileIntA("Settings", "ReceiverSlaveQueueColumn2", 0), 160);

    ChooseRow(2);
    frame = OpenWindow();
    ASSERT_NE(frame, nullptr);
    view = frame->m_multiRadioView;
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->m_queue.GetColumnWidth(2), 160);
    EXPECT_EQ(view->m_queue.GetColumnWidth(0), 100);
}

TEST_F(MultiRadioTabTest, SettingsMadeBeforeTheEnginesRunReachThemAtTheFirstTickThatFindsThem) {
    OpenPair();
    view->m_preemptSlider.SetPosition(5);
    view->m_priorityMode.SetPosition(1);
    view->m_settingsPending = true;
    EngineSim::ClearJournal();

    const std::uint16_t engine = std::exchange(a->m_engine, std::uint16_t{0});
    Tick();
    a->m_engine = engine;
    EXPECT_TRUE(PairCommands().empty());

    Tick();
    std::vector<Sent> expected = ToBoth(hb::records::kEngineCmdPriorityMode, 1);
    const auto preempt = ToBoth(hb::records::kEngineCmdPreempt, 5);
    expected.insert(expected.end(), preempt.begin(), preempt.end());
    EXPECT_EQ(PairCommands(), expected);
    EngineSim::ClearJournal();
    Tick();
    EXPECT_TRUE(PairCommands().empty());
}

TEST_F(MultiRadioTabTest, TheSquelchKnobSetsTheSecondRadioAndKeepsItsValue) {
    OpenPair();
    CiKnobX& knob = view->m_squelchKnob;
    ASSERT_NE(knob.m_hWnd, nullptr);
    ASSERT_NE(frame->FrontPanel()->m_squelchKnob.m_hWnd, nullptr);
    EXPECT_NE(knob.GetStyle() & WS_VISIBLE, 0u);
    const hb::records::Descriptor& range = b->m_radio->controls().squelch;
    EXPECT_EQ(knob.GetPositionMin(), range.min);
    EXPECT_EQ(knob.GetPositionMax(), range.max);

    EngineSim::ClearJournal();
    const double value = (range.min + range.max) / 2 + 0.5;
    ASSERT_TRUE(hb::instruments::UserSetPosition(knob.m_hWnd, value));
    const auto calls = EngineSim::Calls("scan_device_set_squelch");
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].value & 0xFF, b->m_radio->SquelchToDevice(std::trunc(value) + 1));
    hb::instruments::UserMouse(knob.m_hWnd, hb::instruments::MouseAction::Up, 1, 0, 0, 0);
    EXPECT_EQ(app->GetProfileIntA("Tracker", "Squelch", -1), static_cast<int>(value) + 1);

    // The reset puts the knob on the radio's default squelch and keeps that.
    hb::instruments::UserDoubleClick(knob.m_hWnd, 1, 0, 0, 0);
    EXPECT_EQ(knob.GetPosition(), range.def);
    EXPECT_EQ(app->GetProfileIntA("Tracker", "Squelch", -1), static_cast<int>(range.def));
}

} // namespace
} // namespace hb::app::test
