#include "platform/tessary/model/Radio.h"

#include "platform/tessary/model/Decoder.h"
#include "platform/tessary/model/Group.h"
#include "platform/tessary/model/Range.h"
#include "platform/testkit/PlatformTest.h"

#include <cstring>

namespace hb::tessary::test {
namespace {

using RadioTest = hb::testkit::PlatformTest;
using hb::records::Controls;
using hb::records::Descriptor;
using hb::records::FindRadioModel;
using hb::records::Parm;
using hb::records::RadioModel;
using hb::records::RadioModels;

constexpr std::uint8_t kDeviceTable[] = {1,   2,   17,  35,  42,  43,  45,  46,  51, 62, 63,
                                         64,  70,  71,  74,  75,  89,  90,  91,  92, 95, 99,
                                         105, 109, 110, 111, 112, 113, 115, 130, 131};
constexpr std::uint8_t kTransferTypes[] = {14, 18, 28, 36, 47, 50, 78, 82, 83, 98};

TEST_F(RadioTest, EveryModelKeepsTheGuaranteesItsUsersRelyOn) {
    for (const RadioModel& m : RadioModels()) {
        SCOPED_TRACE(m.name);
        auto radio = Radio::CreateRadio(m.type);
        ASSERT_NE(radio, nullptr);
        EXPECT_EQ(radio->RadioTypeCode(), m.type);
        EXPECT_TRUE(radio->features() & Radio::kFeatureControl);
        EXPECT_FALSE(radio->coverage().empty());
        for (std::size_t i = 1; i < radio->coverage().size(); ++i) {
            EXPECT_LT(radio->coverage()[i - 1].upper, radio->coverage()[i].lower);
        }
        const auto& org = radio->organisation();
        EXPECT_GE(org.banks, 1);
        EXPECT_LE(org.banks, 20);
        EXPECT_GE(org.channelsPerBank, 1);
        EXPECT_EQ(org.channels, org.banks * org.channelsPerBank);
        const Controls& c = radio->controls();
        for (const Descriptor* d :
             {&c.volume, &c.squelch, &c.bfo, &c.gain, &c.notch, &c.vsc, &c.voiceInversion,
              &c.ifShift, &c.filter2, &c.agcAttack, &c.agcHang, &c.agcDecay}) {
            EXPECT_NE(d->scale, 0);
        }
        EXPECT_TRUE(radio->SupportsMode(radio->DefaultRecord().get(Parm::kMode)));
        EXPECT_LT(radio->meterFloor(), radio->meterCeiling());
        // The trunk flag and the trunk-system list go together with what the views expect.
        if (radio->caps1() & Radio::kTrunkSystemList) {
            EXPECT_TRUE(radio->caps1() & (Radio::kTrunk | Radio::kTrunkDigital));
        }
    }
    for (const std::uint8_t type : kDeviceTable) {
        EXPECT_NE(FindRadioModel(type), nullptr) << int(type);
    }
    for (const std::uint8_t type : kTransferTypes) {
        EXPECT_NE(FindRadioModel(type), nullptr) << int(type);
    }
}

TEST_F(RadioTest, CapabilityWordsComeFromTheTable) {
    struct Row {
        std::uint8_t type;
        std::uint32_t caps1, features, caps3;
        std::uint8_t banks;
    };
    const Row rows[] = {
        {1, 0x0003, 0x0480, 0, 10},        {17, 0x2083, 0x0480, 0x1146, 10},
        {43, 0x2083, 0x0480, 0x1146, 20},  {99, 0x2083, 0x0480, 0x1146, 5},
        {105, 0x2303, 0x0480, 0x1146, 20}, {42, 0x2003, 0x0C00, 0, 10},
        {112, 0x3003, 0x0C00, 0, 10},      {115, 0x2003, 0x0D00, 0, 10},
    };
    for (const Row& r : rows) {
        auto radio = Radio::CreateRadio(r.type);
        ASSERT_NE(radio, nullptr) << int(r.type);
        EXPECT_EQ(radio->caps1(), r.caps1) << int(r.type);
        EXPECT_EQ(radio->features(), r.features) << int(r.type);
        EXPECT_EQ(radio->caps3(), r.caps3) << int(r.type);
        EXPECT_EQ(radio->organisation().banks, r.banks) << int(r.type);
    }
    EXPECT_EQ(Radio::CreateRadio(17)->organisation().idsPerBank, 50);
    EXPECT_EQ(Radio::CreateRadio(112)->driverWave(), 48000u);
}

TEST_F(RadioTest, UnknownTypesGiveNothing) {
    for (const std::uint8_t type : {0, 3, 16, 100, 132, 255}) {
        EXPECT_EQ(Radio::CreateRadio(type), nullptr) << int(type);
    }
    EXPECT_EQ(Decoder::CreateDecoder(17), nullptr);
    auto decoder = Decoder::CreateDecoder(72);
    ASSERT_NE(decoder, nullptr);
    EXPECT_EQ(decoder->TypeCode(), 72);
}

TEST_F(RadioTest, FactoryOverrideAndTailoringHook) {
    RadioModel custom = *FindRadioModel(1);
    custom.type = 200;
    custom.features = 0;
    SetRadioFactory(
        [&](std::uint8_t type) { return type == 200 ? std::make_unique<Radio>(custom) : nullptr; });
    std::vector<int> tailored;
    SetTailorRadioHook([&](Radio* r) { tailored.push_back(r->RadioTypeCode()); });

    auto injected = Radio::CreateRadio(200);
    ASSERT_NE(injected, nullptr);
    EXPECT_EQ(injected->features(), 0u);
    EXPECT_NE(Radio::CreateRadio(17), nullptr); // the table still answers other types
    EXPECT_EQ(Radio::CreateRadio(201), nullptr);
    EXPECT_EQ(tailored, (std::vector<int>{200, 17}));
}

TEST_F(RadioTest, CoverageIncludesBothLimits) {
    auto radio = Radio::CreateRadio(kTestRadioType);
    EXPECT_EQ(radio->CheckCoverage(100'000'000), 0);
    EXPECT_EQ(radio->CheckCoverage(200'000'000), 0);
    EXPECT_EQ(radio->CheckCoverage(400'000'000), 0);
    EXPECT_NE(radio->CheckCoverage(260'000'000), 0);
    EXPECT_NE(radio->CheckCoverage(400'000'001), 0);
}

TEST_F(RadioTest, RequestConvertsRawLevelsAndNeverDividesByZero) {
    auto radio = Radio::CreateRadio(1); // -127 to -33 dBm over 0..255
    EXPECT_EQ(radio->Request(0, 1), -127);
    EXPECT_EQ(radio->Request(255, 1), -33);
    EXPECT_EQ(radio->Request(1020, 8), -80); // average 127.5
    EXPECT_EQ(radio->Request(5000, 1), -33);
    EXPECT_EQ(radio->Request(77, 0), -127);
}

TEST_F(RadioTest, RecordCheckFixesWhatTheModelLacks) {
    auto radio = Radio::CreateRadio(42);
    Parm record = radio->DefaultRecord();
    EXPECT_FALSE(radio->CheckRecord(record));

    record.set(Parm::kMode, 7); // FAX: not on this radio
    record.set(Parm::kStep, 12'000);
    record.set(Parm::kFilter, 40);
    record.set(Parm::kFrequency, 5);
    EXPECT_TRUE(radio->CheckRecord(record));
    EXPECT_EQ(record.get(Parm::kMode), 0);
    EXPECT_EQ(record.get(Parm::kStep), 12'500u);
    EXPECT_LT(record.get(Parm::kFilter), radio->filterCount());
    EXPECT_EQ(record.get(Parm::kFrequency), 5u);

    // A record moved into a new band gets the same check unless a model says otherwise.
    Parm moved = record;
    moved.set(Parm::kMode, 7);
    moved.set(Parm::kStep, 12'000);
    radio->AdjustForNewBand(moved);
    EXPECT_EQ(moved, record);

    radio->StepRecord(record, 1);
    EXPECT_EQ(record.get(Parm::kStep), 20'000u);
    radio->StepRecord(record, -1);
    radio->StepRecord(record, -1);
    EXPECT_EQ(record.get(Parm::kStep), 10'000u);

    EXPECT_EQ(radio->FilterCode(2800), 1);
    EXPECT_EQ(radio->FilterCode(1'000'000), 5);
    EXPECT_EQ(radio->FilterBandwidth(3), 15'000u);
    EXPECT_EQ(radio->NormaliseBandwidth(2'804), 2'800u);
    EXPECT_EQ(radio->NormaliseBandwidth(90'000), 15'000u);
}

TEST_F(RadioTest, SquelchConversionRoundTrips) {
    auto radio = Radio::CreateRadio(1);
    EXPECT_EQ(radio->SquelchToDevice(100), 255);
    EXPECT_EQ(radio->SquelchToDevice(200), 255);
    EXPECT_EQ(radio->SquelchToDevice(40), 102);
    EXPECT_DOUBLE_EQ(radio->SquelchFromDevice(102), 102 / 2.55f);
}

TEST_F(RadioTest, FrequencyTextAndFunctionPages) {
    auto radio = Radio::CreateRadio(115);
    EXPECT_EQ(radio->FormatFrequency(7'050'000, false), "   7050.000");
    EXPECT_EQ(radio->FormatFrequency(7'050'000, true), "   7.050000");

    auto trunk = Radio::CreateRadio(17);
    EXPECT_EQ(trunk->pageCount(), 2u);
    EXPECT_EQ(trunk->page(0), nullptr);
    EXPECT_EQ(trunk->page(3), nullptr);
    ASSERT_NE(trunk->page(1), nullptr);
    EXPECT_EQ(trunk->page(1)->ids[0], 1000u);
    trunk->page(1)->count = 0; // pages belong to each radio
    EXPECT_EQ(Radio::CreateRadio(17)->page(1)->count, 5);

    trunk->setSystemTypes(0x0800 | 0x03);
    trunk->SystemTypesChanged();
    EXPECT_EQ(trunk->systemTypes(), 0x03u);
    EXPECT_EQ(trunk->bankLetter(0), 'A');
    EXPECT_EQ(Radio::CreateRadio(63)->bankLetter(0), 0);
}

TEST_F(RadioTest, ConformingGivesATrunkScannersGroupItsSearchRangesBesideTheBanks) {
    auto radio = Radio::CreateRadio(63);
    Group group;
    auto own = std::make_unique<Range>();
    own->setLimits(118'000'000, 137'000'000, 25'000);
    const Range* kept = own.get();
    group.addExtra(std::move(own));
    radio->ConformGroup(group);
    ASSERT_EQ(group.extras().size(), radio->organisation().ranges);
    EXPECT_EQ(group.extras()[0].get(), kept) << "a range the group had counts";
    for (const auto& extra : group.extras()) {
        EXPECT_EQ(extra->kind(), Object::Kind::SearchRange);
    }
    radio->ConformGroup(group);
    EXPECT_EQ(group.extras().size(), radio->organisation().ranges) << "and is not added twice";

    Group noRanges;
    Radio::CreateRadio(99)->ConformGroup(noRanges);
    EXPECT_TRUE(noRanges.extras().empty());
}

TEST_F(RadioTest, ConformingFitsGroupsAndRangesToTheRadio) {
    auto radio = Radio::CreateRadio(99); // fixed: 5 banks of 50
    Group group;
    group.setRadioType(1);
    auto& bank = group.addBank(std::make_unique<Bank>());
    auto& odd = bank.addMember(std::make_unique<Chan>());
    Parm record;
    record.set(Parm::kFrequency, 155'000'000);
    record.set(Parm::kMode, 3);
    odd.SetParm(record);
    group.clearChanged();

    EXPECT_FALSE(radio->AcceptsRadioType(1));
    radio->ConformGroup(group);
    radio->ConformGroupChannels(group);
    EXPECT_EQ(group.radioType(), 99);
    EXPECT_TRUE(radio->AcceptsRadioType(group.radioType()));
    EXPECT_EQ(group.banks().size(), 5u);
    EXPECT_EQ(group.banks()[4]->members().size(), 50u);
    EXPECT_EQ(odd.record().get(Parm::kMode), 0);
    EXPECT_TRUE(group.isChanged());

    Range range;
    range.setLimits(900'000'000, 10'000'000, 7'000);
    radio->ConformRange(range);
    EXPECT_EQ(range.lower(), 29'000'000u);
    EXPECT_EQ(range.upper(), 900'000'000u);
    EXPECT_EQ(range.step(), 7'500u);
}

TEST_F(RadioTest, ANewGroupHasTheModelsOrganisationAndAlwaysAFirstBank) {
    const auto fixed = Radio::CreateRadio(99)->NewGroup();
    EXPECT_EQ(fixed->radioType(), 99);
    EXPECT_EQ(fixed->banks().size(), 5u);
    EXPECT_EQ(fixed->banks()[0]->members().size(), 50u);
    EXPECT_TRUE(fixed->flags() & Group::kFlagFixed);

    // A receiver's banks are the user's: one to begin with, numbered as the radio numbers them.
    const auto free = Radio::CreateRadio(kTestRadioType)->NewGroup();
    EXPECT_EQ(free->radioType(), kTestRadioType);
    ASSERT_EQ(free->banks().size(), 1u);
    EXPECT_EQ(free->banks()[0]->number, 1);
    EXPECT_TRUE(free->banks()[0]->members().empty());
    EXPECT_FALSE(free->flags() & Group::kFlagFixed);
}

TEST_F(RadioTest, EveryRadioThatSweepsOffersWhatTheSweepFormsNeed) {
    for (const RadioModel& m : RadioModels()) {
        SCOPED_TRACE(m.name);
        auto radio = Radio::CreateRadio(m.type);
        ASSERT_NE(radio, nullptr);
        const SweepValues& values = radio->sweepValues();
        if ((m.features & Radio::kFeatureSweep) == 0) {
            EXPECT_TRUE(values.bandwidths.empty());
            continue;
        }
        ASSERT_FALSE(values.bandwidths.empty());
        for (const SweepBandwidth& entry : values.bandwidths) {
            EXPECT_NE(entry.bandwidth, 0u);
            EXPECT_LT(entry.filter, radio->filterCount());
            EXPECT_TRUE(radio->SupportsMode(entry.mode)) << int{entry.mode};
        }
        for (const Descriptor* knob : {&values.volume, &values.squelch, &values.third}) {
            EXPECT_NE(knob->scale, 0.0f);
            EXPECT_LE(knob->min, knob->max);
        }
        EXPECT_LT(values.minLevel, values.maxLevel);
        EXPECT_EQ(radio->CheckCoverage(values.firstBand), 0);
        EXPECT_EQ(radio->CheckSweepFrequency(values.lowest), 0);
        EXPECT_NE(radio->CheckSweepFrequency(values.highest + 1), 0);
        EXPECT_FALSE(values.modes.empty());
        EXPECT_NE(radio->SweepStep(0, values.lowest), 0u);
        // A step the radio can take is kept as asked.
        EXPECT_EQ(radio->SweepStep(1'562, values.lowest), 1'562u);
    }
}

} // namespace
} // namespace hb::tessary::test
