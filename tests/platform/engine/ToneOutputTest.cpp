#include "EngineTest.h"

#include <set>

namespace hb::engine {
namespace {

namespace rec = hb::records;

class ToneOutputTest : public EngineTest {
protected:
    // A tone engine on "Scanner" whose reader is of `readerType`.
    std::uint16_t CreateWithReader(int readerType, const std::vector<Entry>& entries) {
        hb::win::ini::Seed(
            kSettings, "[Radios]\nRadio#1=Scanner\n[Scanner]\nType=2\nPort=SIM\nBusy=155475000\n"
                       "[Vela*Quin]\nToneReadersInstalled=1\n"
                       "[Connections]\nReader#1=Radio#1\n"
                       "[ToneReaders]\nReader#1=Reader\n[Reader]\nType=" +
                           std::to_string(readerType) + "\nPort=SIM\n");
        std::vector<std::uint8_t> block = Compile(entries);
        return scan_create_single_tone("Scanner", block.data(), m_window.hwnd(), 0);
    }

    static UserId HitId(std::uint16_t engine) {
        EXPECT_TRUE(RunUntilState(engine, rec::kEngineOnChannelActive));
        return Status(engine).get(EngineStatus::kCurrentId);
    }
};

TEST_F(ToneOutputTest, TheReaderReportsAKindItDecodes) {
    const std::uint16_t plain = Create(m_window.hwnd());
    EXPECT_FALSE(HitId(plain).inUse());
    ASSERT_EQ(scan_destroy_engine(plain), 0);

    const std::vector<Entry> program = {Channel(kBusy, 102, "Dispatch")};
    const std::uint16_t tones = CreateWithReader(25, program);
    ASSERT_FALSE(rec::IsFailureStatus(tones));
    const UserId tone = HitId(tones);
    EXPECT_TRUE(tone.get(UserId::kKind) == rec::kIdKindCtcss ||
                tone.get(UserId::kKind) == rec::kIdKindDcs);
    EXPECT_NE(tone.get(UserId::kValue), 0u);
    ASSERT_EQ(scan_destroy_engine(tones), 0);

    const std::uint16_t trunk = CreateWithReader(13, program);
    ASSERT_FALSE(rec::IsFailureStatus(trunk));
    const std::set<std::uint8_t> trunkKinds = {rec::kIdKindLtr, rec::kIdKindMotorola,
                                               rec::kIdKindMotorolaTypeII};
    EXPECT_TRUE(trunkKinds.contains(HitId(trunk).get(UserId::kKind)));
}

TEST_F(ToneOutputTest, TheChannelsOwnToneIsReportedWhenTheReaderDecodesIt) {
    Entry dcs = Channel(kBusy, 102, "Dispatch");
    dcs.record.set(parm::Channel::kTone, 023u);
    dcs.record.set(parm::Channel::kSquelchKind, parm::Channel::kSquelchKindDcs);
    const std::uint16_t engine = CreateWithReader(25, {dcs});
    ASSERT_FALSE(rec::IsFailureStatus(engine));
    const UserId id = HitId(engine);
    EXPECT_EQ(id.get(UserId::kKind), rec::kIdKindDcs);
    EXPECT_EQ(id.get(UserId::kValue), 023u);
    ASSERT_EQ(scan_destroy_engine(engine), 0);

    // Decoder 73 hears no DCS: it reports a CTCSS tone of its own choosing instead.
    const std::uint16_t ctcssOnly = CreateWithReader(73, {dcs});
    ASSERT_FALSE(rec::IsFailureStatus(ctcssOnly));
    EXPECT_EQ(HitId(ctcssOnly).get(UserId::kKind), rec::kIdKindCtcss);
}

} // namespace
} // namespace hb::engine
