// A command family joins the engine from files of its own: a row of the simulated radios and a row
// of the reply decoders, by type. Tests lay scripted replies and faults over its radio's answers.
#include "platform/engine/FamilyTable.h"
#include "platform/engine/device/ReplyDecoder.h"
#include "platform/engine/sim/SimRadios.h"
#include "platform/engine/sim/SimTextRadio.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace hb::engine {
namespace {

// A type no radio of the table has, so that no family ever takes it.
constexpr std::uint8_t kTestType = 241;
constexpr std::array<std::uint8_t, 1> kTestTypes{kTestType};

// Answers "FB A n" with size code 4 for the block, as a family's radio answers from its state.
class FleetRadio : public sim::SimTextRadio {
public:
    FleetRadio() {
        Define("FB",
               [](std::string_view arguments) { return "FB" + std::string(arguments) + " 04"; });
    }
};

class TrunkTypeDecoder : public ReplyDecoder {
public:
    void Decode(std::string_view reply, hb::records::DeviceStatus& decoded) override {
        if (reply.starts_with("TB ")) {
            decoded.set(hb::records::DeviceStatus::kTrunkTypeCode,
                        static_cast<std::uint8_t>(reply.back() - '0'));
        }
    }
};

std::unique_ptr<sim::SimRadio> MakeFleetRadio(std::uint8_t) {
    return std::make_unique<FleetRadio>();
}

std::unique_ptr<ReplyDecoder> MakeTrunkTypeDecoder(std::uint8_t) {
    return std::make_unique<TrunkTypeDecoder>();
}

// As a family's own files register.
const bool kRadioRegistered = sim::RegisterSimRadio(kTestTypes, &MakeFleetRadio);
const bool kDecoderRegistered = RegisterReplyDecoder(kTestTypes, &MakeTrunkTypeDecoder);

TEST(CommandFamilyTableTest, AFamilysRowsGiveItsTypesItsRadioAndDecoder) {
    EXPECT_TRUE(kRadioRegistered);
    EXPECT_TRUE(kDecoderRegistered);
    const auto radio = sim::MakeRadio(kTestType);
    EXPECT_NE(dynamic_cast<FleetRadio*>(radio.get()), nullptr);
    const auto decoder = MakeReplyDecoder(kTestType);
    ASSERT_NE(decoder, nullptr);
    hb::records::DeviceStatus status;
    decoder->Decode("TB 4", status);
    EXPECT_EQ(status.get(hb::records::DeviceStatus::kTrunkTypeCode), 4);

    // A type keeps the family that took it first.
    EXPECT_FALSE(sim::RegisterSimRadio(kTestTypes, &MakeFleetRadio));
    EXPECT_FALSE(RegisterReplyDecoder(kTestTypes, &MakeTrunkTypeDecoder));
}

TEST(CommandFamilyTableTest, ARowIsAddedWholeOrNotAtAll) {
    using Maker = int (*)();
    const Maker one = [] { return 1; };
    const Maker two = [] { return 2; };
    FamilyTable<Maker> table;
    EXPECT_TRUE(table.Add(std::array<std::uint8_t, 2>{63, 64}, one));
    EXPECT_FALSE(table.Add(std::array<std::uint8_t, 2>{35, 64}, two));
    EXPECT_FALSE(table.Add(std::array<std::uint8_t, 1>{99}, nullptr));
    EXPECT_EQ(table.Find(63), one);
    EXPECT_EQ(table.Find(64), one);
    EXPECT_EQ(table.Find(35), nullptr);
    EXPECT_EQ(table.Find(99), nullptr);
}

TEST(CommandFamilyTableTest, ScriptedRepliesAndFaultsAreLaidOverTheRadiosOwnAnswers) {
    FleetRadio radio;
    EXPECT_EQ(radio.Take("FB A 0"), "FB A 0 04");
    // Digits that are no size code, for one block only.
    radio.Script("FB A 3", "FB A 3 7x");
    EXPECT_EQ(radio.Take("FB A 3"), "FB A 3 7x");
    EXPECT_EQ(radio.Take("FB A 2"), "FB A 2 04");
    // A reply not beginning as expected; the longest prefix wins.
    radio.Script("FB", "NG");
    EXPECT_EQ(radio.Take("FB A 1"), "NG");
    EXPECT_EQ(radio.Take("FB A 3"), "FB A 3 7x");
    // A reply that never comes, once.
    radio.FailOn("FB A 1", sim::Fault::Silent);
    EXPECT_EQ(radio.Take("FB A 1"), std::nullopt);
    EXPECT_EQ(radio.Take("FB A 1"), "NG");
    // The framing words stay the radio's own.
    EXPECT_EQ(radio.Take("MUN"), "OK");
    EXPECT_EQ(radio.Framing("MUA"), "MUN");
    const std::vector<std::string> journal{"FB A 0", "FB A 3", "FB A 2", "FB A 1",
                                           "FB A 3", "FB A 1", "FB A 1", "MUN"};
    EXPECT_EQ(radio.Journal(), journal);
}

} // namespace
} // namespace hb::engine
