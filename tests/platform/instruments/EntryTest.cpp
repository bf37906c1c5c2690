#include "tests/platform/instruments/InstrumentTest.h"

#include <algorithm>

namespace hb::instruments::test {
namespace {

using hb::win::DrawOp;

class EntryTest : public InstrumentTest {
protected:
    // A numeric entry and a panel beside the test panel's instruments.
    EntryTest() {
        for (const auto& [kind, id] :
             {std::pair{"TiAnalogOutput", kEntry}, std::pair{"TiPanel", kHeading}}) {
            CreateWindowEx(0, kind, "", WS_CHILD | WS_VISIBLE, 0, 0, 120, 20, panel.m_hWnd,
                           static_cast<UINT>(id), nullptr);
        }
        entry.SubclassWindow(::GetDlgItem(panel.m_hWnd, kEntry));
        heading.SubclassWindow(::GetDlgItem(panel.m_hWnd, kHeading));
    }
    ~EntryTest() override {
        entry.UnsubclassWindow();
        heading.UnsubclassWindow();
    }
    static std::vector<std::string> Texts(HWND hwnd) {
        std::vector<std::string> texts;
        for (const auto& record : Repaint(hwnd)) {
            if (record.op == DrawOp::DrawText) {
                texts.push_back(record.text);
            }
        }
        return texts;
    }
    std::size_t Changes() const {
        const auto events = FiredEvents(panel.m_hWnd);
        return static_cast<std::size_t>(
            std::count_if(events.begin(), events.end(),
                          [](const FiredEvent& e) { return e.controlId == kEntry; }));
    }

    static constexpr UINT kEntry = 31501;
    static constexpr UINT kHeading = 31502;
    CiAnalogOutputX entry;
    CiPanelX heading;
};

TEST_F(EntryTest, ANumericEntryShowsItsValueAtItsPrecisionAndTakesTypedNumbers) {
    entry.SetPrecision(3);
    entry.SetValue(460.625);
    EXPECT_EQ(Texts(entry), std::vector<std::string>{"460.625"});
    EXPECT_EQ(Changes(), 0u);

    for (const char ch : std::string("162.4x")) {
        entry.SendMessage(WM_CHAR, static_cast<WPARAM>(ch));
    }
    EXPECT_DOUBLE_EQ(entry.GetValue(), 162.4);
    EXPECT_EQ(Texts(entry), std::vector<std::string>{"162.4"});
    entry.SendMessage(WM_KEYDOWN, VK_BACK);
    entry.SendMessage(WM_CHAR, '5');
    EXPECT_DOUBLE_EQ(entry.GetValue(), 162.5);
    // "1", "16", "162", "162.4", "162." and "162.5"; "162." after "162" changed nothing.
    EXPECT_EQ(Changes(), 6u);
    // Enter ends the typing: the entry's commit event, and the value stays.
    entry.SendMessage(WM_KEYDOWN, VK_RETURN);
    EXPECT_EQ(Changes(), 7u);
    EXPECT_EQ(FiredEvents(panel.m_hWnd).back().dispid, 10);
    EXPECT_DOUBLE_EQ(entry.GetValue(), 162.5);

    entry.SetValue(-1);
    EXPECT_EQ(Texts(entry), std::vector<std::string>{"-1.000"});
}

TEST_F(EntryTest, EnterBringsATypedNumberWithinTheLimits) {
    const auto type = [&](const std::string& text) {
        entry.SetValue(0);
        for (const char ch : text) {
            entry.SendMessage(WM_CHAR, static_cast<WPARAM>(ch));
        }
        entry.SendMessage(WM_KEYDOWN, VK_RETURN);
        return entry.GetValue();
    };
    // Without limits (the upper not above the lower) any number stays.
    EXPECT_DOUBLE_EQ(type("5000"), 5000);
    entry.SetLowerLimit(0.1);
    entry.SetUpperLimit(1300);
    EXPECT_DOUBLE_EQ(type("5000"), 1300);
    EXPECT_DOUBLE_EQ(type("0.05"), 0.1);
    EXPECT_DOUBLE_EQ(type("145.5"), 145.5);
    EXPECT_EQ(FiredEvents(panel.m_hWnd).back().dispid, 10);
}

TEST_F(EntryTest, APanelShowsItsCaption) {
    heading.SetCaption("Getting Started");
    EXPECT_EQ(heading.GetCaption(), "Getting Started");
    EXPECT_EQ(Texts(heading), std::vector<std::string>{"Getting Started"});
}

} // namespace
} // namespace hb::instruments::test
