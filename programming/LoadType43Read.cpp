// Radio type 43, the twenty-bank trunk scanner, read into a group ("Radio to PC"): the search
// ranges, then each chosen bank's trunk system, fleet map, channels and talkgroups. The radio
// cannot report the base and step of a VHF or UHF system; the user is told to set them.
#include "platform/engine/EngineApi.h"
#include "platform/records/ReplyText.h"
#include "platform/tessary/app/ObjectDoc.h"
#include "platform/tessary/model/ConvertUser.h"
#include "platform/tessary/model/Group.h"
#include "platform/tessary/model/Radio.h"
#include "platform/win/core/Hooks.h"
#include "platform/win/core/MessageBox.h"
#include "programming/FamilyMembers.h"
#include "programming/Loader.h"
#include "programming/PlainIdStyles.h"
#include "programming/Type43Codes.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace {

using hb::records::DeviceStatus;
using hb::records::Parm;
using TrunkCommandCodec::Printf;

// Where each failure of this family comes from, as its report shows it.
enum ReadType43Ref : int {
    kRefOpen = 5101,
    kRefClose = 5102,
    kRefBankKeys = 5110,
    kRefTrunkType = 5111,
    kRefFleetMap = 5112,
    kRefMemory = 5120,
    kRefMode = 5121,
    kRefDelay = 5122,
    kRefTalkgroup = 5130,
    kRefLowerLimit = 5140,
    kRefUpperLimit = 5141,
    kRefRangeMode = 5142,
    kRefRangeStep = 5143,
    kRefRangeMenu = 5144,
};

constexpr std::uint8_t kTypeI = 1;
constexpr std::uint8_t kTypeII = 2;
constexpr std::uint8_t kEdacs = 6;
constexpr unsigned kFirstHighBank = 11;
constexpr std::uint32_t kBankKeyPauseMs = 250;
constexpr std::size_t kTalkgroupAt = 9;
constexpr std::size_t kMenuValueAt = 9;
constexpr std::string_view kEmptySlot = "------";
// Bytes 32 to 43 of a trunk frequency: its tone and squelch, which hold its trunk type instead.
constexpr hb::records::ArrayField<std::uint8_t, 32, 12> kTrunkBytes{};
// The flag byte at 28; its 0x80 marks a trunk frequency.
constexpr hb::records::Field<std::uint8_t, 28> kTrunkFlagByte{};

constexpr LPCSTR kVhfUhfCaption = "Warning - VHF/UHF Trunking";
constexpr LPCSTR kVhfUhfText =
    "The transfer completed normally, however one or more banks are configured for VHF or UHF "
    "Type 2 trunking. It is not possible to read the base and step for VHF/UHF systems from this "
    "radio type. You must manually set the correct base and step in the trunking system settings "
    "on the bank sheet.";

bool IsVhfUhfTypeII(const Bank& bank) {
    return bank.trunkType == kTypeII &&
           (bank.trunkFlags & (Bank::kTrunkVhf | Bank::kTrunkUhf)) != 0;
}

const char* SystemName(std::uint8_t trunkType) {
    switch (trunkType) {
    case kTypeI:
        return "Type I";
    case kTypeII:
        return "Type II";
    case kEdacs:
        return "EDACS";
    default:
        return nullptr;
    }
}

// The device's record, as the last reply left it.
Parm DeviceRecord(const CLoader& loader) {
    return loader.m_device_status.get(DeviceStatus::kCurrentParm);
}

// The commands of a list, one after another.
std::vector<std::string> Commands(std::string_view list) {
    std::vector<std::string> commands;
    while (!list.empty()) {
        const std::size_t end = std::min(list.find('\r'), list.size() - 1);
        commands.emplace_back(list.substr(0, end + 1));
        list.remove_prefix(end + 1);
    }
    return commands;
}

} // namespace

void CLoader::UploadType43(TransferCursor&) {
    if (m_radio->CheckGroup(*m_root) != 0) {
        return;
    }
    auto& group = dynamic_cast<Group&>(*m_root);
    const auto& organisation = m_radio->organisation();
    bool complete = false;
    bool vhfUhf = false;
    const auto readAll = [&] {
        if (m_bank_dialog.SettingsChosen()) {
            const auto ranges = GroupSearchRanges(group, organisation.ranges);
            for (std::size_t index = 0; index < ranges.size(); ++index) {
                if (ReadSearchRange43(*ranges[index],
                                      static_cast<unsigned>(organisation.firstBank + index)) != 0) {
                    return false;
                }
            }
        }
        const auto& banks = group.banks();
        for (std::size_t index = 0; index < banks.size() && index < organisation.banks; ++index) {
            if (!m_bank_dialog.BankChosen(index)) {
                continue;
            }
            const auto number = static_cast<std::uint16_t>(organisation.firstBank + index);
            if (ReadBank43(*banks[index], number) != 0) {
                return false;
            }
            vhfUhf = vhfUhf || IsVhfUhfTypeII(*banks[index]);
        }
        return true;
    };
    if (SendCommandList(kRefOpen, "IDF\rQUF\rMUN\r", &m_progress) == 0 && readAll()) {
        complete = true;
        SendCommandList(kRefClose, "KEY01\rIDN\rQUN\rMUA\r", &m_progress);
    }
    if (m_document) {
        m_document->SetModifiedFlag(TRUE);
    }
    // The driver closes the progress dialog.
    if (complete && vhfUhf) {
        MessageBeep(MB_ICONASTERISK);
        ::MessageBox(m_owner ? m_owner->m_hWnd : HWND{}, kVhfUhfText, kVhfUhfCaption,
                     MB_OK | MB_ICONEXCLAMATION);
    }
}

int CLoader::ReadBank43(Bank& bank, std::uint16_t number) {
    const auto& organisation = m_radio->organisation();
    const char letter = TrunkCommandCodec::BankLetter(number);
    m_progress.SetBankText(std::to_string(number).c_str());
    if (Stopped()) {
        return 1;
    }
    // The bank is chosen on the keys for "TB"; what the keys answer is not looked at.
    const auto press = [this](const std::string& key) {
        SendCommand(key.c_str(), kRefBankKeys, &m_progress);
        return !Stopped();
    };
    const bool high = number >= kFirstHighBank;
    if (!press("MA001\r") || !press("KEY13H\r") || (high && !press("KEY14\r")) ||
        !press(Printf("KEY02 %u\r", number % 10u))) {
        return 1;
    }
    scan_delay(kBankKeyPauseMs);
    if ((high && !press("KEY14\r")) || !press("KEY04\r")) {
        return 1;
    }
    bank.trunkFlags &= ~Bank::kTrunkTypeIIVariants;
    const int asked = SendCommand("TB\r", kRefTrunkType, &m_progress);
    if (Stopped()) {
        return 1;
    }
    if (asked == 0) {
        if (const auto system = Type43Codes::TrunkTypeOfReply(Reply())) {
            bank.trunkType = system->type;
            bank.trunkFlags |= system->variant;
        }
    }
    if (const char* name = SystemName(bank.trunkType)) {
        m_progress.SetCurrentItem(name);
    }
    if (bank.trunkType == kTypeI) {
        for (unsigned block = 0; block < TrunkCommandCodec::kFleetBlocks;) {
            const RetryOutcome outcome =
                SendRetried43(Printf("FB %c %u\r", letter, block), kRefFleetMap);
            if (outcome == RetryOutcome::Stopped) {
                return 1;
            }
            // A reply that never came leaves the block as it was.
            block = outcome == RetryOutcome::Succeeded
                        ? TrunkCommandCodec::ReadFleetMapReply(Reply(), block, bank.fleetMap)
                        : block + 1;
        }
    }
    m_progress.SetItemLabel("Channel:");
    const std::uint16_t first = FirstMemoryOfBank(*m_radio, number);
    const auto channels = BankChannels(bank, organisation.channelsPerBank);
    for (std::size_t position = 0; position < channels.size(); ++position) {
        Chan& channel = *channels[position];
        if (ReadChannel43(channel, static_cast<std::uint16_t>(first + position)) != 0) {
            return 1;
        }
        if (channel.record().get(kTrunkFlagByte) & Parm::Channel::kTrunkFrequency) {
            Parm record = channel.record();
            record.clear(kTrunkBytes);
            record.set(Parm::Channel::kTrunkKind, bank.trunkType);
            channel.SetParm(record);
        }
    }
    m_progress.SetItemLabel("ID Code:");
    const auto& entries = bank.userIds();
    for (std::size_t slot = 0; slot < entries.size() && slot < organisation.idsPerBank; ++slot) {
        if (ReadTalkgroup43(*entries[slot], bank, number, static_cast<unsigned>(slot)) != 0) {
            return 1;
        }
    }
    return 0;
}

int CLoader::ReadChannel43(Chan& channel, std::uint16_t memory) {
    m_progress.SetChannelText(std::to_string(memory).c_str());
    if (SendRetried43(Printf("MA%03u\r", memory % 1000u), kRefMemory) != RetryOutcome::Succeeded) {
        return 1;
    }
    Parm record = DeviceRecord(*this);
    channel.SetParm(record);
    if (record.get(Parm::kFrequency) == 0) {
        channel.reset(m_radio.get());
        return 0;
    }
    if (SendRetried43("RM\r", kRefMode) != RetryOutcome::Succeeded) {
        return 1;
    }
    record.set(Parm::kMode, DeviceRecord(*this).get(Parm::kMode));
    if (SendRetried43("DL\r", kRefDelay) != RetryOutcome::Succeeded) {
        return 1;
    }
    const Parm delay = DeviceRecord(*this);
    record.set(Parm::Channel::kDelay, delay.get(Parm::Channel::kDelay));
    record.set(Parm::Channel::kFlags, delay.get(Parm::Channel::kFlags));
    record.set(kTrunkFlagByte, delay.get(kTrunkFlagByte));
    record.set(Parm::Channel::kMarker, Parm::Channel::kMarkerFullRead);
    channel.SetParm(record);
    return 0;
}

int CLoader::ReadTalkgroup43(UserIdEntry& entry, const Bank& bank, std::uint16_t number,
                             unsigned slot) {
    entry.id() = hb::records::UserId{};
    const auto place = TrunkCommandCodec::UserIdSlotAt(slot);
    if (SendRetried43(Printf("TG %c %c%u\r", TrunkCommandCodec::BankLetter(number), place.letter,
                             place.digit),
                      kRefTalkgroup) != RetryOutcome::Succeeded) {
        return 1;
    }
    const std::string reply = Reply();
    const std::string text(hb::records::ReplyFrom1(reply, kTalkgroupAt));
    if (!text.starts_with(kEmptySlot)) {
        const PlainIdStyles plain;
        convert_user(text.c_str(), &entry.id(), bank.trunkType, bank.fleetMap);
    }
    m_progress.SetChannelText(place.Name().c_str());
    m_progress.SetFrequency(entry.tag().c_str());
    return 0;
}

int CLoader::ReadSearchLimits43(Chan& range, unsigned number) {
    m_progress.SetBankText(Printf("SR-%u", number).c_str());
    Parm record = range.record();
    if (SendRetried43("LL\r", kRefLowerLimit) != RetryOutcome::Succeeded) {
        return 1;
    }
    record.set(Parm::Channel::kLowerLimit, DeviceRecord(*this).get(Parm::Channel::kLowerLimit));
    if (SendRetried43("LU\r", kRefUpperLimit) != RetryOutcome::Succeeded) {
        return 1;
    }
    record.set(Parm::Channel::kUpperLimit, DeviceRecord(*this).get(Parm::Channel::kUpperLimit));
    range.SetParm(record);
    return 0;
}

int CLoader::ReadSearchRange43(Chan& range, unsigned number) {
    if (ReadSearchLimits43(range, number) != 0) {
        return 1;
    }
    // An item of the search menu opened and shown: its value is the digit after its "[~".
    const auto readItem = [&](char item, int ref, std::optional<std::uint8_t>& digit) {
        for (const std::string& command :
             Commands(Type43Codes::RangeMenuKeys(number, item) + "LCD LINE1\r")) {
            if (SendCommand(command.c_str(), ref, &m_progress) != 0) {
                return false;
            }
        }
        const std::string reply = Reply();
        digit = hb::records::ReplyAt1(reply, kMenuValueAt);
        return true;
    };
    std::optional<std::uint8_t> mode;
    std::optional<std::uint8_t> step;
    if (!readItem(Type43Codes::kModeItem, kRefRangeMode, mode) ||
        !readItem(Type43Codes::kStepItem, kRefRangeStep, step) ||
        SendCommand("KEY01\r", kRefRangeMenu, &m_progress) != 0) {
        return 1;
    }
    Parm record = range.record();
    record.set(Parm::kMode, Type43Codes::ModeOfKey(mode));
    record.set(Parm::kStep, Type43Codes::StepOfKey(step));
    range.SetParm(record);
    return 0;
}
