#include "resources/ResourceIds.h"
#include "tests/radioview/FrontPanelTest.h"
#include "tests/radioview/TuningTest.h"

#include <string>

namespace hb::radioview::test {
namespace {

class RadioViewDisplaysTest : public TuningTest {
protected:
    void SetUp() override {
        UseReceiver();
        Open();
    }
    static DtmfRecord Digits(const std::string& text) {
        DtmfRecord rec;
        rec.setText(DtmfRecord::kText, text);
        return rec;
    }
};

// The step label is on the trunk tracker forms: a panel on one, bound as its first update binds it.
class StepLabelTest : public hb::app::test::FrontPanelTest {
protected:
    void SetUp() override {
        StartWith(42);
        panel = new CRadioView(IDD_TRUNKTRACKER_VIEW);
        ASSERT_TRUE(panel->Create(nullptr, nullptr, WS_CHILD, CRect(0, 0, 800, 400), &Main(), 1));
        panel->UpdateData(FALSE);
        ASSERT_TRUE(panel->m_stepLabel.m_hWnd);
    }
    void TearDown() override {
        if (panel && panel->m_hWnd) {
            panel->DestroyWindow();
        }
        FrontPanelTest::TearDown();
    }
    CString StepLabel() const { return panel->m_stepLabel.GetCaption(); }
    void ShowBandwidth(std::uint32_t hz) const {
        parm record;
        record.set(parm::kBandwidth, hz);
        panel->FormatStep(&record);
    }

    CRadioView* panel = nullptr;
};

TEST_F(StepLabelTest, BandwidthShowsInHzKhzOrMhzWithDecimalsCutNotRounded) {
    struct Case {
        std::uint32_t hz;
        const char* text;
    };
    for (const Case c :
         {Case{100, "100 Hz"}, Case{999, "999 Hz"}, Case{12'500, "12.5 kHz"},
          Case{6'250, "6.25 kHz"}, Case{6'259, "6.25 kHz"}, Case{25'000, "25 kHz"},
          Case{1'000'000, "1 MHz"}, Case{1'500'000, "1.5 MHz"}, Case{1'250'000, "1.25 MHz"},
          Case{1'234'999, "1.234 MHz"}, Case{2'005'000, "2.005 MHz"}}) {
        ShowBandwidth(c.hz);
        EXPECT_EQ(StepLabel(), c.text) << c.hz;
    }
}

TEST_F(StepLabelTest, NoBandwidthOrNoRecordLeavesTheLabelAsItWas) {
    ShowBandwidth(12'500);
    ShowBandwidth(0);
    panel->FormatStep(nullptr);
    EXPECT_EQ(StepLabel(), "12.5 kHz");
}

TEST_F(RadioViewDisplaysTest, ChannelNameIsTrimmedAndItsSpacesCollapsedOnBothLabels) {
    ASSERT_TRUE(panel->m_channelLabel.m_hWnd);
    ASSERT_TRUE(panel->m_nameField.m_hWnd);
    EXPECT_EQ(panel->ShowChannelName("  Fire     Dispatch \t"), "Fire Dispatch");
    EXPECT_EQ(panel->m_channelLabel.GetCaption(), "Fire Dispatch");
    EXPECT_EQ(panel->m_nameField.GetCaption(), "Fire Dispatch");
    EXPECT_FALSE(panel->m_channelLabel.GetShrinkToFit());

    EXPECT_EQ(panel->ShowChannelName("   "), "");
    EXPECT_EQ(panel->m_nameField.GetCaption(), "");
}

TEST_F(RadioViewDisplaysTest, ANameWiderThanTheLabelShrinksToFit) {
    const CString wide(std::string(200, 'W'));
    EXPECT_EQ(panel->ShowChannelName(wide), wide);
    EXPECT_TRUE(panel->m_channelLabel.GetShrinkToFit());
    EXPECT_EQ(panel->m_channelLabel.GetCaption(), wide);
}

TEST_F(RadioViewDisplaysTest, WhileTheNameIsEditedTheTextPassesUntouched) {
    panel->ShowChannelName("Tower");
    panel->m_nameEditing = CRadioView::kOn;
    EXPECT_EQ(panel->ShowChannelName("  Ground  Control "), "  Ground  Control ");
    EXPECT_EQ(panel->m_nameField.GetCaption(), "Tower");
    EXPECT_EQ(panel->m_channelLabel.GetCaption(), "Tower");
}

TEST_F(RadioViewDisplaysTest, DtmfDigitsCollectUntilANullRecordClearsThem) {
    const DtmfRecord first = Digits("123");
    const DtmfRecord full = Digits("0123456789*#ABCD");
    panel->AppendDtmf(&first);
    panel->AppendDtmf(&full);
    EXPECT_EQ(panel->m_dtmfText, "1230123456789*#ABCD");
    const DtmfRecord empty = Digits("");
    panel->AppendDtmf(&empty);
    EXPECT_EQ(panel->m_dtmfText, "1230123456789*#ABCD");
    panel->AppendDtmf(nullptr);
    EXPECT_EQ(panel->m_dtmfText, "");
}

TEST_F(RadioViewDisplaysTest, DtmfTextKeepsOnlyItsNewest256Characters) {
    const DtmfRecord block = Digits("0123456789ABCDEF");
    for (int n = 0; n < 16; ++n) {
        panel->AppendDtmf(&block);
    }
    EXPECT_EQ(panel->m_dtmfText.GetLength(), 256);
    const DtmfRecord tail = Digits("*#");
    panel->AppendDtmf(&tail);
    ASSERT_EQ(panel->m_dtmfText.GetLength(), 256);
    EXPECT_EQ(panel->m_dtmfText.Left(4), "2345");
    EXPECT_EQ(panel->m_dtmfText.Right(4), "EF*#");
}

TEST_F(RadioViewDisplaysTest, HoldTogglesOnAndOff) {
    EXPECT_EQ(panel->m_channelHold, 0);
    panel->ToggleHold();
    EXPECT_EQ(panel->m_channelHold, CRadioView::kOn);
    panel->ToggleHold();
    EXPECT_EQ(panel->m_channelHold, 0);
}

} // namespace
} // namespace hb::radioview::test
