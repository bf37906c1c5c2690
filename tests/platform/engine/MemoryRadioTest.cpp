#include "DeviceLinkTest.h"
#include "platform/engine/device/MemoryLayout.h"
#include "platform/engine/device/MemoryProtocol.h"
#include "platform/engine/sim/SimMemoryRadio.h"

namespace hb::engine {
namespace {

namespace rec = hb::records;

// Memory radios on the simulated port: type 14 keeps 400 memories in 10 banks, type 2 numbers its
// memories flat through its banks, type 74 has bank names, type 78 skips empty memories.
class MemoryRadioTest : public DeviceLinkTest {
protected:
    MemoryRadioTest() {
        Radios("[Banked]\nType=14\nPort=SIM\n[Flat]\nType=2\nPort=SIM\n"
               "[Named]\nType=74\nPort=SIM\n[Skipping]\nType=78\nPort=SIM\n"
               "[Filled]\nType=74\nPort=SIM\nMemories=146520000, 162550000\n");
    }

    // Reads a memory as the transfer does: request, wait for the reply, take the record.
    parm ReadBack(std::uint16_t device, std::uint16_t number) {
        const parm asking = Asking(number);
        EXPECT_EQ(scan_device_mem_read(device, &asking), 0);
        EXPECT_EQ(Current(device).get(parm::kMode), 0x10); // not read yet
        AdvanceAndPump(200);
        EXPECT_FALSE(Busy(device));
        return Current(device);
    }

    void Write(std::uint16_t device, const parm& record) {
        EXPECT_EQ(scan_device_mem_write(device, &record), 0);
        EXPECT_TRUE(Busy(device));
        AdvanceAndPump(200);
        EXPECT_FALSE(Busy(device));
        EXPECT_EQ(Reply(device), "OK");
    }
};

TEST_F(MemoryRadioTest, AWrittenMemoryReadsBackWithEveryFieldOnBankedAndFlatRadios) {
    for (const char* name : {"Banked", "Flat"}) {
        SCOPED_TRACE(name);
        const std::uint16_t device = Open(name);
        const parm written = Memory(127, 462'562'500, "Harbour Master");
        Write(device, written);
        EXPECT_EQ(ReadBack(device, 127), written);

        // Never written: an empty memory, frequency 0 in the radio's own mode.
        const parm empty = ReadBack(device, 128);
        EXPECT_EQ(empty.get(parm::kMemoryChannel), 128);
        EXPECT_EQ(empty.get(parm::kFrequency), 0u);
        EXPECT_NE(empty.get(parm::kMode), 0x10);
        // A memory the radio cannot give: the request comes back, mode 0x10, "not read".
        sim::FindMemoryRadio(name)->MakeUnreadable(129);
        const parm unread = ReadBack(device, 129);
        EXPECT_EQ(unread.get(parm::kMemoryChannel), 129);
        EXPECT_EQ(unread.get(parm::kFrequency), 0u);
        EXPECT_EQ(unread.get(parm::kMode), 0x10);
        EXPECT_EQ(scan_close_device(device), 0);
    }
}

TEST_F(MemoryRadioTest, AMemoryThatNeverArrivesReadsAsNotRead) {
    const std::uint16_t device = Open("Banked");
    Write(device, Memory(5, 155'000'000, "Fire"));
    sim::RadioNamed("Banked").FailOn("MR", sim::Fault::Silent);
    parm asking = Asking(5);
    asking.set(parm::kFrequency, 99); // the driver's record is zeroed; the engine asks for none
    EXPECT_EQ(scan_device_mem_read(device, &asking), 0);
    AdvanceAndPump(2000);
    EXPECT_FALSE(Busy(device));
    EXPECT_EQ(Current(device).get(parm::kFrequency), 0u);
    EXPECT_EQ(Current(device).get(parm::kMode), 0x10);

    // A garbled reply leaves the record as the request set it.
    sim::RadioNamed("Banked").FailOn("MR", sim::Fault::Garbled);
    EXPECT_EQ(scan_device_mem_read(device, &asking), 0);
    AdvanceAndPump(200);
    EXPECT_TRUE(ReplyPresent(device));
    EXPECT_EQ(Current(device).get(parm::kMode), 0x10);
}

TEST_F(MemoryRadioTest, TheSkippingTypeAnswersAnEmptyMemoryWithTheNextStoredOne) {
    const std::uint16_t device = Open("Skipping");
    Write(device, Memory(57, 155'000'000, "Next"));
    EXPECT_EQ(ReadBack(device, 40).get(parm::kMemoryChannel), 57);
    EXPECT_EQ(ReadBack(device, 40).get(parm::kFrequency), 155'000'000u);
    EXPECT_EQ(ReadBack(device, 58).get(parm::kMemoryChannel), 0); // none above
}

TEST_F(MemoryRadioTest, BankNamesArriveWithPreUploadAndAnswerAtOnce) {
    std::uint16_t device = Open("Named");
    parm named = Asking(127); // bank 1 of 100 memories each
    named.setText(parm::kName, "Airport");
    EXPECT_EQ(scan_device_set_bank_name(device, &named), 0);
    AdvanceAndPump(200);
    EXPECT_EQ(scan_close_device(device), 0);

    // A new device knows no names until pre-upload has read them all from the radio.
    device = Open("Named");
    parm zero;
    EXPECT_EQ(scan_device_pre_upload(device, &zero), 0);
    const auto journal = sim::RadioNamed("Named").Journal();
    AdvanceAndPump(50);
    EXPECT_TRUE(Busy(device)); // eleven exchanges: the bracket and ten banks
    AdvanceAndPump(500);
    EXPECT_FALSE(Busy(device));
    parm asked = Asking(150);
    EXPECT_EQ(scan_device_get_bank_name(device, &asked), 0);
    EXPECT_EQ(asked.text(parm::kName), "Airport         ");
    asked = Asking(250);
    EXPECT_EQ(scan_device_get_bank_name(device, &asked), 0);
    EXPECT_EQ(asked.text(parm::kName), std::string(16, ' '));
}

TEST_F(MemoryRadioTest, BracketsStayBusyUntilAnswered) {
    const std::uint16_t device = Open("Banked");
    parm zero;
    for (auto request : {scan_device_pre_upload, scan_device_post_upload, scan_device_pre_download,
                         scan_device_post_download}) {
        EXPECT_EQ(request(device, &zero), 0);
        EXPECT_TRUE(Busy(device));
        AdvanceAndPump(100);
        EXPECT_FALSE(Busy(device));
        EXPECT_EQ(Reply(device), "OK");
    }
    EXPECT_EQ(sim::RadioNamed("Banked").Journal(),
              (std::vector<std::string>{"PU", "EU", "PD", "ED"}));
}

TEST_F(MemoryRadioTest, MemoriesOutliveTheDeviceAndTheFrontPanelRecallsThem) {
    std::uint16_t device = Open("Banked");
    const parm written = Memory(7, 155'475'000, "County Fire");
    Write(device, written);
    EXPECT_EQ(scan_close_device(device), 0);

    device = Open("Banked");
    parm recalled = Asking(7);
    EXPECT_EQ(scan_device_mem_to_vfo(device, &recalled), 0);
    EXPECT_EQ(recalled, written);
    parm empty = Asking(8);
    EXPECT_EQ(scan_device_mem_to_vfo(device, &empty), kStatusEmptyChannel);

    EngineSim::Reset();
    EngineSim::SetSettingsFile(kSettings);
    device = Open("Banked");
    EXPECT_EQ(scan_device_mem_to_vfo(device, &recalled), kStatusEmptyChannel);
}

TEST_F(MemoryRadioTest, TheMemoriesKeyFillsTheRadioFromItsFirstMemory) {
    const std::uint16_t device = Open("Filled");
    const MemoryLayout layout(74);
    const std::uint16_t first = layout.Numbers()[0];
    const parm one = ReadBack(device, first);
    EXPECT_EQ(one.get(parm::kFrequency), 146'520'000u);
    EXPECT_EQ(ReadBack(device, layout.Numbers()[1]).get(parm::kFrequency), 162'550'000u);
    EXPECT_EQ(ReadBack(device, layout.Numbers()[2]).get(parm::kFrequency), 0u);
}

TEST(MemoryLayoutTest, NumbersMemoriesAsTheTransferDriverDoes) {
    EXPECT_EQ(MemoryLayout(98).Number(3, 7), 3007);
    EXPECT_EQ(MemoryLayout(98).BankOf(3007), 3);
    EXPECT_EQ(MemoryLayout(14).Number(3, 7), 127); // 400 in 10 banks
    EXPECT_EQ(MemoryLayout(14).BankOf(127), 3);
    EXPECT_EQ(MemoryLayout(2).Number(3, 47), 47); // flat: the channel itself
    EXPECT_EQ(MemoryLayout(2).BankOf(41), 2);     // 20 a bank from channel 1, banks from 0
    EXPECT_EQ(MemoryLayout(14).Numbers().size(), 400u);
    EXPECT_EQ(MemoryLayout(2).Numbers().front(), 1);
    EXPECT_EQ(MemoryLayout(2).Numbers().back(), 200);
    EXPECT_TRUE(MemoryLayout(74).HasBankNames());
    EXPECT_FALSE(MemoryLayout(14).HasBankNames());
}

TEST(MemoryProtocolTest, ReadsOnlyWellFormedLines) {
    parm record;
    record.set(parm::kMemoryChannel, 65535);
    record.set(parm::kFrequency, 4'294'967'295u);
    record.set(parm::kStep, 99'999'999);
    record.set(parm::kMode, 255);
    record.set(parm::Channel::kTone, 0xFFFF); // only 15 bits travel
    record.set(parm::Channel::kDelay, -32768);
    record.setText(parm::kName, "A\tname; 16 wide!");
    const std::string line = memory::RecordLine(memory::kMemory, record);
    const auto parsed = memory::ParseRecordLine(memory::kMemory, line);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->get(parm::Channel::kTone), 0x7FFFu);
    EXPECT_EQ(parsed->get(parm::Channel::kDelay), -32768);
    EXPECT_EQ(parsed->text(parm::kName), "A\tname; 16 wide!");
    EXPECT_EQ(parsed->get(parm::kFrequency), 4'294'967'295u);

    EXPECT_FALSE(memory::ParseRecordLine(memory::kWrite, line));                // another word
    EXPECT_FALSE(memory::ParseRecordLine(memory::kMemory, line.substr(0, 40))); // cut short
    EXPECT_FALSE(memory::ParseRecordLine(memory::kMemory, line + "x"));         // too long
    std::string bad = line;
    bad[5] = 'x';
    EXPECT_FALSE(memory::ParseRecordLine(memory::kMemory, bad));
    EXPECT_FALSE(memory::ParseRecordLine(memory::kMemory, ""));
    EXPECT_FALSE(memory::ParseBankNameLine(memory::kBankName, "BN 01 name"));
    EXPECT_EQ(memory::ParseBankLine(memory::kBankRead, "BR 007"), 7);
    EXPECT_FALSE(memory::ParseBankLine(memory::kBankRead, "BR 07"));
}

} // namespace
} // namespace hb::engine
