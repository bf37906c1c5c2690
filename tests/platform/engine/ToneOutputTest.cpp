#include "platform/engine/ToneOutput.h"
#include "platform/records/DecoderModel.h"

#include "EngineTest.h"

#include <set>

namespace hb::engine {
namespace {

namespace rec = hb::records;

class ToneOutputTest : public EngineTest {
protected:
    // A tone engine on "Scanner" whose reader is of `readerType`; the radio sends no DTMF of its
    // own, so whatever DTMF arrives is the reader's.
    std::uint16_t CreateWithReader(int readerType, const std::vector<Entry>& entries) {
        hb::win::ini::Seed(
            kSettings,
            "[Radios]\nRadio#1=Scanner\n[Scanner]\nType=2\nPort=SIM\nBusy=155475000\nDtmf=\n"
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

    // The DTMF records queued over `calls` calls heard on the busy channel.
    static std::vector<std::string> DtmfOfCalls(std::uint16_t engine, int calls) {
        std::vector<std::string> texts;
        for (int call = 0; call < calls; ++call) {
            EXPECT_TRUE(RunUntilState(engine, rec::kEngineOnChannelActive));
            EXPECT_TRUE(RunUntilState(engine, kEngineScanning));
            DtmfRecord record;
            while (scan_get_dtmf(engine, record.data()) == 0) {
                texts.push_back(record.text(DtmfRecord::kText));
            }
        }
        return texts;
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

TEST_F(ToneOutputTest, ADtmfReaderQueuesAFewCharactersNowAndThen) {
    const std::vector<Entry> program = {Channel(kBusy, 102, "Dispatch")};
    const std::uint16_t dtmf = CreateWithReader(12, program);
    ASSERT_FALSE(rec::IsFailureStatus(dtmf));
    m_window.ClearMessages();
    const std::vector<std::string> texts = DtmfOfCalls(dtmf, 24);
    EXPECT_FALSE(texts.empty());
    EXPECT_LT(texts.size(), 24u);
    EXPECT_EQ(m_window.Count(WM_RADIO_DTMF), texts.size());
    for (const std::string& text : texts) {
        EXPECT_GE(text.size(), 3u) << text;
        EXPECT_LE(text.size(), 7u) << text;
        EXPECT_EQ(text.find_first_not_of("0123456789*#ABCD"), std::string::npos) << text;
    }
    ASSERT_EQ(scan_destroy_engine(dtmf), 0);

    // Reader 25 decodes tones only.
    const std::uint16_t tones = CreateWithReader(25, program);
    ASSERT_FALSE(rec::IsFailureStatus(tones));
    EXPECT_TRUE(DtmfOfCalls(tones, 24).empty());
}

TEST_F(ToneOutputTest, TheSameCallGivesTheSameDigitsAndADifferentSeedOthers) {
    parm channel;
    channel.set(parm::kFrequency, kBusy);
    const std::uint32_t decodes = rec::kDecodesCtcss | rec::kDecodesDtmf;
    std::vector<std::string> first;
    std::vector<std::string> other;
    for (std::int64_t start = 0; start < 400'000; start += 1000) {
        const std::string digits = HeardDtmf(channel, decodes, 7, start);
        EXPECT_EQ(HeardDtmf(channel, decodes, 7, start), digits);
        EXPECT_TRUE(HeardDtmf(channel, rec::kDecodesCtcss | rec::kDecodesDcs, 7, start).empty());
        if (!digits.empty()) {
            first.push_back(digits);
        }
        if (std::string seeded = HeardDtmf(channel, decodes, 8, start); !seeded.empty()) {
            other.push_back(seeded);
        }
    }
    // About one call in four.
    EXPECT_GT(first.size(), 60u);
    EXPECT_LT(first.size(), 140u);
    EXPECT_NE(first, other);
}

} // namespace
} // namespace hb::engine
