#include "platform/tessary/model/Format.h"

#include "platform/tessary/model/TimeFunctions.h"
#include "platform/testkit/PlatformTest.h"

namespace hb::tessary::test {
namespace {

using FormatTest = hb::testkit::PlatformTest;
using hb::records::UserId;

UserId Id(std::uint8_t kind, std::uint32_t value) {
    UserId id;
    id.set(UserId::kKind, kind);
    id.set(UserId::kValue, value);
    return id;
}

UserId TypeI(std::uint8_t sizeCode, std::uint8_t block, std::uint8_t fleet, std::uint8_t sub) {
    UserId id = Id(1, 0x1234);
    id.set(UserId::kSizeCode, sizeCode);
    id.set(UserId::kBlock, block);
    id.set(UserId::kFleet, fleet);
    id.set(UserId::kSubfleet, sub);
    return id;
}

TEST_F(FormatTest, VhfFrequencies) {
    const std::pair<std::uint32_t, const char*> table[] = {
        {162'550'000, " 162.5500"}, {162'556'250, " 162.5562"},    {30'000'000, "  30.0000"},
        {0, "   0.0000"},           {4'294'967'295u, "4294.9672"},
    };
    for (const auto& [hz, text] : table) {
        EXPECT_EQ(format_freq_vhf(hz), text);
    }
}

TEST_F(FormatTest, FrequenciesInMhzToTheHertz) {
    const std::pair<std::uint32_t, const char*> table[] = {
        {162'550'000, " 162.550000"},
        {162'556'251, " 162.556251"},
        {0, "   0.000000"},
        {4'294'967'295u, "4294.967295"},
    };
    for (const auto& [hz, text] : table) {
        EXPECT_EQ(format_freq(hz), text);
    }
}

TEST_F(FormatTest, FrequenciesInMhzWithAtLeastFourDecimals) {
    const std::pair<std::uint32_t, const char*> table[] = {
        {162'550'000, "162.5500"},       {851'006'250, "851.00625"},
        {162'556'251, "162.556251"},     {0, "0.0000"},
        {4'294'967'295u, "4294.967295"},
    };
    for (const auto& [hz, text] : table) {
        EXPECT_EQ(format_frequency(hz), text);
    }
}

TEST_F(FormatTest, BandwidthsInHertzThenKilohertzWithoutTrailingZeros) {
    EXPECT_EQ(format_bandwidth(0), "0 Hz");
    EXPECT_EQ(format_bandwidth(500), "500 Hz");
    EXPECT_EQ(format_bandwidth(1'000), "1 kHz");
    EXPECT_EQ(format_bandwidth(2'400), "2.4 kHz");
    EXPECT_EQ(format_bandwidth(12'500), "12.5 kHz");
    EXPECT_EQ(format_bandwidth(230'000), "230 kHz");
    EXPECT_EQ(format_bandwidth(6'250), "6.25 kHz");
}

TEST_F(FormatTest, ConvertFrequency) {
    struct Row {
        const char* text;
        char unit;
        int result;
        std::uint32_t hz;
    };
    const Row table[] = {
        {"162.55", 'M', 0, 162'550'000},
        {" 7050.000 ", 'K', 0, 7'050'000},
        {"7050", 'k', 0, 7'050'000},
        {"100", 'H', 0, 100},
        {"12.5 kHz", 'H', 0, 12'500},
        {"1.2G", 'M', 0, 1'200'000'000},
        {"146.5200005", 'M', 0, 146'520'000},
        {".5", 'M', 0, 500'000},
        {"4294.967295", 'M', 0, 4'294'967'295u},
        {"4294.967296", 'M', kFrequencyTooLarge, 7},
        {"99999999999999999999", 'H', kFrequencyTooLarge, 7},
        {"-5", 'M', kFrequencyNegative, 7},
        {"", 'M', kFrequencyBadText, 7},
        {"   ", 'M', kFrequencyBadText, 7},
        {".", 'M', kFrequencyBadText, 7},
        {"1.2.3", 'M', kFrequencyBadText, 7},
        {"12 MHzz", 'M', kFrequencyBadText, 7},
        {"abc", 'M', kFrequencyBadText, 7},
        {"12", 'X', kFrequencyBadUnit, 7},
    };
    for (const Row& r : table) {
        std::uint32_t hz = 7;
        EXPECT_EQ(convert_frequency(r.text, &hz, r.unit), r.result) << r.text;
        EXPECT_EQ(hz, r.hz) << r.text;
    }
    EXPECT_EQ(convert_frequency(nullptr, nullptr, 'M'), kFrequencyBadText);
}

TEST_F(FormatTest, UserIdsByKindAndStyle) {
    UserId individual = Id(2, 1234);
    individual.set(UserId::kFlags, UserId::kFlagIndividual);
    const std::pair<UserId, const char*> table[] = {
        {Id(0, 99), ""},
        {Id(2, 2000), "       2000"},
        {individual, "     i01234"},
        {TypeI(1, 3, 200, 6), "     3072-2"},
        {TypeI(4, 2, 5, 17), "     200-01"},
        {TypeI(0x14, 2, 5, 17), "     200-01"}, // only the low four bits of the size code
        {TypeI(15, 2, 5, 17), "       4660"},   // no layout: the plain ID
        {Id(3, 123045), "   1-23-045"},
        {Id(4, 1000), "      100.0"},
        {Id(5, 19), "       D023"},
        {Id(6, 1234), "       1234"},
        {Id(7, 1234), ""},
        {Id(11, 77), "       77-0"},
    };
    for (const auto& [id, text] : table) {
        EXPECT_EQ(format_user(id), text);
    }

    EXPECT_EQ(format_motorola_style(255), 0);
    EXPECT_EQ(format_motorola_style(2), 0);
    EXPECT_EQ(format_motorola_style(85), 2);
    EXPECT_EQ(format_user(Id(2, 2000)), "     800125");
    format_motorola_style(1);
    EXPECT_EQ(format_user(Id(2, 2000)), "        07D");

    EXPECT_EQ(format_edacs_style(2), 0);
    EXPECT_EQ(format_edacs_style(255), 2);
    EXPECT_EQ(format_user(Id(6, (5 << 7) | (3 << 3) | 4)), "      5.034");
    format_edacs_style(1);
    EXPECT_EQ(format_user(Id(8, 0x2AB)), "        2AB");
}

TEST_F(FormatTest, EventsInTheActivityLogOrder) {
    EXPECT_EQ(FormatEvents(0), "");
    EXPECT_EQ(FormatEvents(0x2), "L/O");
    EXPECT_EQ(FormatEvents(0x2 | 0x1 | 0x20000 | 0x100000), "T/O DSK L/O STO");
    EXPECT_EQ(FormatEvents(0xFFFFFFFF), "T/O DSK L/O TLK STO S/S ALK M/M SAD");
    EXPECT_EQ(FormatEvents(0x10 | 0x400000 | 0x800000), "");
}

TEST_F(FormatTest, TimesBeforeAndAfter1970AndTheLongTime) {
    std::tm t{};
    ASSERT_TRUE(SafeGMTime(-86'400, &t));
    EXPECT_EQ(t.tm_year, 69);
    EXPECT_EQ(t.tm_mday, 31);
    ASSERT_TRUE(SafeLocalTime(1'767'225'600, &t)); // the test zone is UTC
    EXPECT_EQ(t.tm_year, 126);
    EXPECT_EQ(t.tm_hour, 0);
    EXPECT_FALSE(SafeGMTime(0, nullptr));

    const std::uint64_t before = GetLongTimeNow();
    EXPECT_EQ(before / 10'000'000 - 11'644'473'600,
              static_cast<std::uint64_t>(hb::win::WallTime()));
    AdvanceAndPump(1500);
    EXPECT_EQ(GetLongTimeNow() - before, 15'000'000u);
}

} // namespace
} // namespace hb::tessary::test
