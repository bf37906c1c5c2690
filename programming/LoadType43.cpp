// Radio type 43, the twenty-bank trunk scanner, written from a group ("PC to Radio"): each chosen
// bank's trunk system, fleet map, channels and talkgroups, then the search ranges. The radio is
// erased first when everything is to be written.
#include "app/rig/Rig.h"
#include "platform/tessary/model/Group.h"
#include "platform/tessary/model/Radio.h"
#include "programming/FamilyMembers.h"
#include "programming/Loader.h"
#include "programming/Type43Codes.h"

#include <string>

namespace {

using hb::records::Parm;
using hb::records::UserId;
using TrunkCommandCodec::Printf;

// Where each failure of this family comes from, as its report shows it.
enum WriteType43Ref : int {
    kRefOpen = 5001,
    kRefClose = 5002,
    kRefTrunkType = 5010,
    kRefFleetMap = 5011,
    kRefBankMemory = 5012,
    kRefTalkgroup = 5013,
    kRefLowerLimit = 5020,
    kRefUpperLimit = 5021,
    kRefRangeMode = 5022,
    kRefRangeStep = 5023,
    kRefWriteChannel = 5528,
    kRefWriteChannelWait = 5529,
    kRefChannelDelay = 5530,
    kRefChannelLockOut = 5531,
};

constexpr std::uint32_t kEraseWaitMs = 10000;
constexpr std::uint8_t kTypeI = 1;
constexpr std::uint16_t kTrunkedChannel = Parm::Channel::kTrunkFrequency;

std::string NameOf(const Parm& record) {
    std::string name = record.text(Parm::kName);
    name.erase(name.find_last_not_of(' ') + 1);
    return name;
}

bool HasSearchLimits(const Chan& range) {
    return range.record().get(Parm::Channel::kLowerLimit) != 0 &&
           range.record().get(Parm::Channel::kUpperLimit) != 0;
}

} // namespace

void CLoader::DownloadType43(TransferCursor&) {
    if (m_radio->CheckGroup(*m_root) != 0) {
        return;
    }
    auto& group = dynamic_cast<Group&>(*m_root);
    const auto& organisation = m_radio->organisation();
    // Only an erase the radio took and finished lets the writing pass over empty entries.
    if (!m_no_erase && m_bank_dialog.AllChosen(CLoadBankDlg::kBanks)) {
        m_progress.SetCurrentItem("Erasing Radio Memory");
        if (!EraseRadio(kEraseWaitMs, &m_progress)) {
            return;
        }
    }
    if (SendCommandList(kRefOpen, "IDF\rQUF\rMUN\r", &m_progress) != 0) {
        return;
    }
    const auto& banks = group.banks();
    for (std::size_t index = 0; index < banks.size() && index < organisation.banks; ++index) {
        const auto number = static_cast<std::uint16_t>(organisation.firstBank + index);
        if (m_bank_dialog.BankChosen(index) && WriteBank43(*banks[index], number) != 0) {
            return;
        }
    }
    if (m_bank_dialog.SettingsChosen()) {
        const auto ranges = GroupSearchRanges(group, organisation.ranges);
        for (std::size_t index = 0; index < ranges.size(); ++index) {
            if (WriteSearchRange43(*ranges[index],
                                   static_cast<unsigned>(organisation.firstBank + index)) != 0) {
                return;
            }
        }
    }
    SendCommandList(kRefClose, "KEY01\rIDN\rQUN\rMUA\r", &m_progress);
    // The driver closes the progress dialog.
}

int CLoader::WriteBank43(Bank& bank, std::uint16_t number) {
    const auto& organisation = m_radio->organisation();
    const char letter = TrunkCommandCodec::BankLetter(number);
    m_progress.SetBankText(std::to_string(number).c_str());
    if (const auto line = Type43Codes::TrunkTypeLine(bank, number)) {
        if (SendRetried43(*line, kRefTrunkType) != RetryOutcome::Succeeded) {
            return 1;
        }
    }
    if (bank.trunkType == kTypeI) {
        for (unsigned block = 0; block < TrunkCommandCodec::kFleetBlocks; ++block) {
            SendRetried43(Printf("FB %c %u %02u\r", letter, block, unsigned{bank.fleetMap[block]}),
                          kRefFleetMap);
            if (Stopped()) {
                return 1;
            }
        }
    }
    m_progress.SetItemLabel("Channel:");
    const std::uint16_t first = FirstMemoryOfBank(*m_radio, number);
    const auto channels = BankChannels(bank, organisation.channelsPerBank);
    for (std::size_t position = 0; position < channels.size(); ++position) {
        // After an erase an empty channel is left empty, but keeps its memory.
        if (m_erased && channels[position]->frequency() == 0) {
            continue;
        }
        WriteChannel43(*channels[position], static_cast<std::uint16_t>(first + position));
        if (Stopped()) {
            return 1;
        }
    }
    if (Stopped()) {
        return 1;
    }
    SendCommand("MA001\r", kRefBankMemory, &m_progress);
    m_progress.SetItemLabel("ID Code:");
    const auto& entries = bank.userIds();
    for (std::size_t slot = 0; slot < entries.size() && slot < organisation.idsPerBank; ++slot) {
        const UserId& id = entries[slot]->id();
        if (m_erased && id.get(UserId::kValue) == 0 && id.get(UserId::kFlags) == 0) {
            continue;
        }
        WriteTalkgroup43(*entries[slot], bank, number, static_cast<unsigned>(slot));
        if (Stopped()) {
            return 1;
        }
    }
    return Stopped() ? 1 : 0;
}

int CLoader::WriteChannel43(const Chan& channel, std::uint16_t memory) {
    Parm record = channel.record();
    record.set(Parm::kMemoryChannel, memory);
    m_progress.SetChannelText(Printf("%03u", unsigned{memory}).c_str());
    m_progress.SetFrequency(NameOf(record).c_str());
    if (WriteMemory(record, kRefWriteChannel, kRefWriteChannelWait, &m_progress) !=
        MemoryWrite::kWritten) {
        return 0;
    }
    // A trunk frequency has neither delay nor lock-out.
    if ((record.get(Parm::Channel::kTrunkWord) & kTrunkedChannel) ||
        record.get(Parm::kFrequency) == 0) {
        return 0;
    }
    if (record.get(Parm::Channel::kDelay) != 0) {
        SendCommand("DLN\r", kRefChannelDelay, &m_progress);
    }
    if (record.get(Parm::Channel::kLockOut) != 0) {
        SendCommand("LON\r", kRefChannelLockOut, &m_progress);
    }
    return 0;
}

int CLoader::WriteTalkgroup43(UserIdEntry& entry, const Bank& bank, std::uint16_t number,
                              unsigned slot) {
    const auto place = TrunkCommandCodec::UserIdSlotAt(slot);
    m_progress.SetChannelText(place.Name().c_str());
    m_progress.SetFrequency(entry.tag().c_str());
    const std::string text = Type43Codes::TalkgroupText(entry.id(), bank);
    SendRetried43(Printf("TG %c %c%u %s\r", TrunkCommandCodec::BankLetter(number), place.letter,
                         place.digit, text.c_str()),
                  kRefTalkgroup);
    return 0;
}

int CLoader::WriteSearchLimits43(const Chan& range, unsigned number) {
    m_progress.SetBankText(Printf("SR-%u", number).c_str());
    if (!HasSearchLimits(range)) {
        return 0;
    }
    std::uint32_t lower = range.record().get(Parm::Channel::kLowerLimit);
    std::uint32_t upper = range.record().get(Parm::Channel::kUpperLimit);
    if (upper < lower) {
        std::swap(lower, upper);
    }
    if (SendRetried43(Printf("LL%08u\r", lower / 100), kRefLowerLimit) != RetryOutcome::Succeeded ||
        SendRetried43(Printf("LU%08u\r", upper / 100), kRefUpperLimit) != RetryOutcome::Succeeded) {
        return 1;
    }
    return 0;
}

int CLoader::WriteSearchRange43(const Chan& range, unsigned number) {
    if (WriteSearchLimits43(range, number) != 0) {
        return 1;
    }
    if (!HasSearchLimits(range)) {
        return 0;
    }
    const Parm& record = range.record();
    const std::string mode = Type43Codes::RangeMenuKeys(number, Type43Codes::kModeItem) +
                             Printf("KEY02 %c\r", Type43Codes::ModeKey(record.get(Parm::kMode)));
    const std::string step =
        Type43Codes::RangeMenuKeys(number, Type43Codes::kStepItem) +
        Printf("KEY02 %c\rKEY01\r", Type43Codes::StepKey(record.get(Parm::kStep)));
    if (SendCommandList(kRefRangeMode, mode.c_str(), &m_progress) != 0 ||
        SendCommandList(kRefRangeStep, step.c_str(), &m_progress) != 0) {
        return 1;
    }
    return 0;
}

RetryOutcome CLoader::SendRetried43(const std::string& command, int ref) {
    return PacedRetry{}.Run(*this, [&] { return SendCommand(command.c_str(), ref, &m_progress); });
}
