#include "app/rig/EngineView.h"

#include "platform/afx/CFrameWnd.h"
#include "platform/records/EngineStates.h"
#include "platform/win/gdi/Painting.h"
#include "tests/app/rig/RigTest.h"

#include <array>
#include <cstring>

namespace hb::app::test {
namespace {

using hb::records::DeviceStatus;
using hb::records::EngineStatus;
using hb::records::Parm;
using hb::records::TimerStatistics;

// The font is 14 high and its characters 7.4 pixels wide (7 on average): columns of 193 pixels,
// 7-pixel margins.
constexpr int kMargin = 7;
constexpr int kColumnWidth = 193;
constexpr int kLineHeight = 14;
constexpr std::size_t kLineCount = 62;

struct Line {
    POINT at;
    std::string text;
};

void PatchText(std::uint16_t handle, std::size_t offset, const char* text) {
    EngineSim::PatchStatus(handle, offset,
                           {reinterpret_cast<const std::uint8_t*>(text), std::strlen(text)});
}

class EngineViewTest : public RigTest {
protected:
    EngineViewTest() {
        Settings("[Alpha]\nType=42\nPort=SIM\n");
        rig = AddRig("Alpha", kReceiver);
        engine = StartEngine(*rig, nullptr);
        device = rig->m_device;
    }
    void TearDown() override {
        parent.Detach();
        window.reset();
        RigTest::TearDown();
    }

    // The view in a window of that size, made by name as the radio window makes it.
    CEngineView* MakeView(int width, int height) {
        parent.Detach();
        window = std::make_unique<hb::testkit::TestWindow>(
            hb::testkit::TestWindowOptions{.style = WS_VISIBLE, .rect = {0, 0, width, height}});
        parent.Attach(window->hwnd());
        auto* view =
            DYNAMIC_DOWNCAST(CEngineView, CRuntimeClass::FromName("CEngineView")->CreateObject());
        EXPECT_TRUE(view->Create(nullptr, nullptr, AFX_WS_DEFAULT_VIEW | WS_VISIBLE,
                                 CRect(0, 0, width, height), &parent, AFX_IDW_PANE_FIRST));
        view->m_rig = rig;
        return view;
    }
    static std::vector<Line> Paint(CEngineView* view) {
        view->Invalidate();
        view->UpdateWindow();
        std::vector<Line> lines;
        for (const auto& record : hb::win::LastPaint(view->GetSafeHwnd())) {
            if (record.op == hb::win::DrawOp::TextOut) {
                lines.push_back({record.points.at(0), record.text});
            }
        }
        return lines;
    }
    std::vector<std::string> Texts() {
        std::vector<std::string> texts;
        for (const Line& line : Paint(MakeView(500, 200))) {
            texts.push_back(line.text);
        }
        return texts;
    }

    CRig* rig = nullptr;
    std::uint16_t engine = 0;
    std::uint16_t device = 0;
    std::unique_ptr<hb::testkit::TestWindow> window;
    CWnd parent;
};

TEST_F(EngineViewTest, LinesFillTheColumnsThatFitAndGoOnInBlocksBelow) {
    EngineSim::SetState(engine, hb::records::kEnginePaused);
    CEngineView* view = MakeView(600, 200);
    EXPECT_EQ(view->GetTotalSize(), CSize(600, 2000));
    const auto lines = Paint(view);
    ASSERT_EQ(lines.size(), kLineCount);
    EXPECT_EQ(view->m_columns, 3);
    EXPECT_EQ(view->m_rows, 13);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto block = static_cast<LONG>(i / 39), column = static_cast<LONG>(i % 39 / 13),
                   row = static_cast<LONG>(i % 13);
        EXPECT_EQ(lines[i].at.x, column * kColumnWidth + kMargin) << i;
        EXPECT_EQ(lines[i].at.y, (block * 13 + row) * kLineHeight + kMargin) << i;
    }
    EXPECT_EQ(lines[0].text, "Scan state:           07");
    EXPECT_EQ(lines[22].text, "Early count:           0");
    EXPECT_EQ(lines[28].text, "Timer period:         10");
    EXPECT_EQ(lines[61].text, "ID hold:              NO");

    const auto& font = hb::win::LastPaint(view->GetSafeHwnd()).back().state.font;
    EXPECT_EQ(font.height, 14);
    EXPECT_EQ(font.weight, 400);
    EXPECT_EQ(font.pitchAndFamily, FIXED_PITCH);

    // Not one column fits: the lines go on down column 0.
    const auto narrow = Paint(MakeView(100, 200));
    ASSERT_EQ(narrow.size(), kLineCount);
    for (std::size_t i = 0; i < narrow.size(); ++i) {
        EXPECT_EQ(narrow[i].at.x, kMargin) << i;
        EXPECT_EQ(narrow[i].at.y, static_cast<LONG>(i) * kLineHeight + kMargin) << i;
    }
}

TEST_F(EngineViewTest, ValuesAreShownAsReportedWithinTheirFieldsAndTables) {
    EngineStatus e;
    Parm current;
    current.set(Parm::kFrequency, 162'550'000);
    current.set(Parm::kMode, 3);
    e.set(EngineStatus::kCurrentParm, current);
    e.set(EngineStatus::kRateTime, 5000);
    e.set(EngineStatus::kRateCount, 10);
    for (const std::size_t offset : {EngineStatus::kRateTime.kOffset, std::size_t{0x155}}) {
        EngineSim::PatchStatus(engine, offset, e.bytes().subspan(offset, 129));
    }
    // Both radio texts fill their fields, and more text follows them.
    PatchText(engine, EngineStatus::kRadioText.kOffset, "ABCDEFGHIJKLMNOPQRST");
    PatchText(device, DeviceStatus::kRadioText.kOffset, "UVWXYZ0123456789XXXX");
    PatchText(device, DeviceStatus::kReply.kOffset, "OK 162.55000 more");
    DeviceStatus d;
    d.set(DeviceStatus::kActivityCounterRx, 1000);
    d.set(DeviceStatus::kActivityCounterTx, 300);
    EngineSim::PatchStatus(device, 2684, d.bytes().subspan(2684, 8));
    EngineSim::PatchStatus(device, DeviceStatus::kEchoCounted.kOffset, 1);
    TimerStatistics t;
    t.set(TimerStatistics::kLateTotal, 100);
    t.set(TimerStatistics::kEarlyTotal, 40);
    t.set(TimerStatistics::kSamples, -4);
    EngineSim::SetTimerStatistics(t);

    auto texts = Texts();
    ASSERT_EQ(texts.size(), kLineCount);
    EXPECT_EQ(texts[1], "Frequency:    162.550000");
    EXPECT_EQ(texts[3], "Chans/sec:             2");
    EXPECT_EQ(texts[5], "Mode:                USB");
    EXPECT_EQ(texts[20], "RX byte count:       700");
    EXPECT_EQ(texts[26], "Total cum err:        60");
    EXPECT_EQ(texts[27], "Total avg err:       -15");
    EXPECT_EQ(texts[30], "Radio:  ABCDEFGHIJKLMNOP");
    EXPECT_EQ(texts[51], "Radio:  UVWXYZ0123456789");
    EXPECT_EQ(texts[57], "RX buffer:   4F 4B 20 31");
    EXPECT_EQ(texts[59], "RX buffer:  OK 162.55000");

    // A rate too fast to count, none at all, and codes past the tables.
    EngineSim::PatchStatus(engine, EngineStatus::kRateTime.kOffset,
                           std::array<std::uint8_t, 2>{5, 0});
    EngineSim::PatchStatus(engine, 0x155 + Parm::kMode.kOffset, 40);
    EngineSim::PatchStatus(engine, EngineStatus::kEngineMode.kOffset, 9);
    texts = Texts();
    EXPECT_EQ(texts[3], "Chans/sec:             0");
    EXPECT_EQ(texts[5], "Mode:                 40");
    EXPECT_EQ(texts[40], "Engine mode:           9");
    EngineSim::PatchStatus(engine, EngineStatus::kRateCount.kOffset, 0);
    EXPECT_EQ(Texts()[3], "Chans/sec:             0");
    Parm entry;
    entry.set(Parm::kFrequency, 155'475'000);
    entry.setText(Parm::kName, "Fire");
    e.set(EngineStatus::kParmQueue, 0, entry);
    entry.set(Parm::kFrequency, 0);
    e.set(EngineStatus::kParmQueue, 1, entry);
    EngineSim::PatchStatus(engine, EngineStatus::kParmQueue.kOffset,
                           e.view(EngineStatus::kParmQueue));
    EngineSim::PatchStatus(engine, EngineStatus::kEngineMode.kOffset,
                           hb::records::kEngineModeSlave);
    texts = Texts();
    ASSERT_EQ(texts.size(), kLineCount + 100);
    EXPECT_EQ(texts[40], "Engine mode:       SLAVE");
    EXPECT_EQ(texts[62], "SQE:    Fire            ");
    EXPECT_EQ(texts[63], "SQE:                    ");
}

TEST_F(EngineViewTest, TheViewRefreshesEachSecondAndShowsNothingWithoutStatus) {
    CEngineView* view = MakeView(500, 200);
    ASSERT_EQ(Paint(view).size(), kLineCount);
    AdvanceAndPump(CEngineView::kTimerMs);
    EXPECT_TRUE(::GetUpdateRect(view->GetSafeHwnd(), nullptr, FALSE));

    rig->DestroyEngine();
    EngineSim::ClearJournal();
    EXPECT_TRUE(Paint(view).empty());
    EXPECT_EQ(CallCount("scan_api_call"), 0u);
    view->m_rig = nullptr;
    EXPECT_TRUE(Paint(view).empty());
    EXPECT_EQ(CallCount("scan_engine_status"), 1u);
}

} // namespace
} // namespace hb::app::test
