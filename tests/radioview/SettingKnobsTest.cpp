#include "radioview/SettingKnobs.h"

#include "resources/ResourceIds.h"

#include <gtest/gtest.h>

namespace {

using hb::radioview::ConvertPosition;
using hb::radioview::PositionOf;
using hb::radioview::RoundHalfUp;
using hb::radioview::SettingKnobKind;
using hb::radioview::SettingKnobOf;
using hb::radioview::SettingKnobs;
using hb::records::Descriptor;

TEST(SettingKnobsTest, PositionsRoundHalvesUpOnBothSidesOfZero) {
    EXPECT_EQ(RoundHalfUp(2.5), 3);
    EXPECT_EQ(RoundHalfUp(2.49), 2);
    EXPECT_EQ(RoundHalfUp(-2.5), -2);
    EXPECT_EQ(RoundHalfUp(-2.51), -3);
    EXPECT_EQ(RoundHalfUp(-0.2), 0);
}

TEST(SettingKnobsTest, ConversionIsHeldToTheKnobsLimitsAndCutToTheGranularity) {
    const Descriptor volume{.min = 0, .max = 100, .scale = 3, .def = 50, .offset = -10};
    const auto& volumeKnob = SettingKnobOf(SettingKnobKind::Volume);
    EXPECT_EQ(ConvertPosition(volumeKnob, volume, 2), 0);     // -4 held to 0
    EXPECT_EQ(ConvertPosition(volumeKnob, volume, 100), 255); // 290 held to 255
    EXPECT_EQ(ConvertPosition(volumeKnob, volume, 20.5), 53); // halves up: 21 x 3 - 10

    Descriptor bfo{.min = -5000, .max = 5000, .scale = 1, .def = 0, .offset = 0};
    bfo.granularity = 10;
    const auto& bfoKnob = SettingKnobOf(SettingKnobKind::BFO);
    EXPECT_EQ(ConvertPosition(bfoKnob, bfo, 1234), 1230);
    EXPECT_EQ(ConvertPosition(bfoKnob, bfo, -1234), -1230);
    bfo.granularity = 0;
    EXPECT_EQ(ConvertPosition(bfoKnob, bfo, 1234), 1234);
    // Only the BFO and IF shift knobs are cut.
    const Descriptor notch{
        .min = 0, .max = 5000, .scale = 1, .def = 0, .offset = 0, .granularity = 10};
    EXPECT_EQ(ConvertPosition(SettingKnobOf(SettingKnobKind::Notch), notch, 1234), 1234);
}

TEST(SettingKnobsTest, AScaleOfZeroHasNoPositionForAValue) {
    EXPECT_FALSE(PositionOf(Descriptor{.scale = 0}, 10).has_value());
    EXPECT_DOUBLE_EQ(*PositionOf(Descriptor{.scale = 2, .offset = 4}, 10), 3);
}

TEST(SettingKnobsTest, RowsFollowThePanelsOrderAndEachIdIsBoundOnce) {
    const UINT ids[] = {IDC_SQUELCH_KNOB,  IDC_VOLUME_SETTING,  IDC_BFO_KNOB,
                        IDC_GAIN_KNOB,     IDC_FILTER_2_KNOB,   IDC_FILTER_KNOB,
                        IDC_NOTCH_KNOB,    IDC_VSC_KNOB,        IDC_VOICE_INVERSION_KNOB,
                        IDC_IF_SHIFT_KNOB, IDC_AGC_ATTACK_KNOB, IDC_AGC_HANG_KNOB,
                        IDC_AGC_DECAY_KNOB};
    ASSERT_EQ(SettingKnobs().size(), std::size(ids));
    for (std::size_t i = 0; i < std::size(ids); ++i) {
        EXPECT_EQ(static_cast<std::size_t>(SettingKnobs()[i].kind), i);
        EXPECT_EQ(SettingKnobs()[i].id, ids[i]);
    }
    // Squelch, volume and VSC go to the radio and a press on them leaves scanning alone.
    for (const auto& row : SettingKnobs()) {
        const bool rig = row.kind == SettingKnobKind::Squelch ||
                         row.kind == SettingKnobKind::Volume || row.kind == SettingKnobKind::VSC;
        EXPECT_EQ(row.target == hb::radioview::KnobTarget::Rig, rig) << row.profileValue;
        EXPECT_EQ(row.pressEntersManual, !rig) << row.profileValue;
    }
}

} // namespace
