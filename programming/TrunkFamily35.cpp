#include "programming/TrunkFamily35.h"

#include "app/rig/Rig.h"
#include "platform/records/DeviceStatus.h"
#include "platform/records/ReplyText.h"
#include "platform/records/TrunkChannelWords.h"
#include "platform/tessary/app/ObjectDoc.h"
#include "platform/tessary/model/ConvertUser.h"
#include "platform/tessary/model/Format.h"
#include "platform/tessary/model/Group.h"
#include "platform/tessary/model/Radio.h"
#include "programming/FamilyMembers.h"
#include "programming/Loader.h"
#include "programming/TrunkCommandCodec.h"

#include <utility>

namespace TrunkFamily35 {

namespace {

using hb::records::DeviceStatus;
using hb::records::Parm;
using hb::records::TrunkSwitchLetter;
using hb::records::UserId;

// Erasing is allowed only with the Settings box and the boxes of banks A to J all checked.
constexpr std::size_t kEraseBoxes = 10;
constexpr std::size_t kSlotTextAt = 8;
constexpr std::string_view kEmptySlot = "------";

bool IsChannel(const Chan& member) {
    return hb::records::IsChannelKind(member.kind());
}

// The transfer's group; null when the radio refuses it.
Group* CheckedGroup(const CLoader& loader) {
    auto* group = dynamic_cast<Group*>(loader.m_root);
    return group && loader.m_radio->CheckGroup(*group) == 0 ? group : nullptr;
}

} // namespace

void Download(CLoader& loader, const Framing& framing, const std::function<bool(Group&)>& write) {
    CLoadProgressDlg* dialog = &loader.m_progress;
    Group* group = CheckedGroup(loader);
    if (group && EraseBeforeWriting(loader, dialog, framing.erase) &&
        loader.SendCommandList(framing.ref, framing.opening, dialog) == 0 && write(*group)) {
        loader.SendCommandList(framing.ref + 1, framing.closing, dialog);
    }
}

void Upload(CLoader& loader, const Framing& framing, const std::function<bool(Group&)>& read) {
    CLoadProgressDlg* dialog = &loader.m_progress;
    Group* group = CheckedGroup(loader);
    if (!group) {
        return;
    }
    if (loader.SendCommandList(framing.ref, framing.opening, dialog) == 0 && read(*group)) {
        loader.SendCommandList(framing.ref + 1, framing.closing, dialog);
    }
    if (loader.m_document) {
        loader.m_document->SetModifiedFlag(TRUE);
    }
}

bool EachChosenBank(const CLoader& loader, Group& group, const std::function<int(Bank&)>& step) {
    for (Bank* bank : SelectedBanks(loader, group)) {
        if (step(*bank) != 0) {
            return false;
        }
    }
    return true;
}

std::vector<Bank*> SelectedBanks(const CLoader& loader, Group& group) {
    const auto& organisation = loader.m_radio->organisation();
    std::vector<Bank*> selected;
    std::size_t box = 0;
    for (const auto& bank : group.banks()) {
        if (box >= organisation.banks) {
            break;
        }
        bank->number = static_cast<std::uint16_t>(organisation.firstBank + box);
        if (loader.m_bank_dialog.BankChosen(box++)) {
            selected.push_back(bank.get());
        }
    }
    return selected;
}

int WalkBankChannels(Bank& bank, const Radio& radio, bool skipEmpty,
                     const std::function<int(Chan&)>& visit) {
    const std::uint16_t first = FirstMemoryOfBank(radio, bank.number);
    unsigned place = 0;
    for (const auto& member : bank.members()) {
        if (place >= radio.organisation().channelsPerBank) {
            break;
        }
        if (!IsChannel(*member)) {
            continue;
        }
        SetMemoryNumber(*member, static_cast<std::uint16_t>(first + place++));
        if (skipEmpty && member->frequency() == 0) {
            continue;
        }
        if (const int result = visit(*member)) {
            return result;
        }
    }
    return 0;
}

int WalkBankUserIds(Bank& bank, const Radio& radio, bool skipEmpty,
                    const std::function<int(UserIdEntry&, unsigned slot)>& visit) {
    unsigned slot = 0;
    for (const auto& entry : bank.userIds()) {
        if (slot >= radio.organisation().idsPerBank) {
            break;
        }
        const UserId& id = entry->id();
        const unsigned place = slot++;
        if (skipEmpty && id.get(UserId::kValue) == 0 && id.get(UserId::kFlags) == 0) {
            continue;
        }
        if (const int result = visit(*entry, place)) {
            return result;
        }
    }
    return 0;
}

int WalkSearchRanges(Group& group, const Radio& radio, const std::function<int(Chan&)>& visit) {
    const auto& organisation = radio.organisation();
    std::uint16_t place = 0;
    for (const auto& extra : group.extras()) {
        if (place >= organisation.ranges) {
            break;
        }
        if (extra->kind() != Object::Kind::SearchRange && !IsChannel(*extra)) {
            continue;
        }
        SetMemoryNumber(*extra, static_cast<std::uint16_t>(organisation.firstBank + place++));
        if (const int result = visit(*extra)) {
            return result;
        }
    }
    return 0;
}

bool EraseBeforeWriting(CLoader& loader, CLoadProgressDlg* dialog, const EraseRule& rule) {
    const CLoadBankDlg& boxes = loader.m_bank_dialog;
    if ((rule.keptByNoErase && loader.m_no_erase) || !boxes.SettingsChosen()) {
        return true;
    }
    for (std::size_t box = 0; box < kEraseBoxes; ++box) {
        if (!boxes.BankChosen(box)) {
            return true;
        }
    }
    if (rule.statusLine) {
        dialog->SetCurrentItem(rule.statusLine);
    }
    const bool goOn = loader.EraseRadio(rule.waitMs, dialog);
    if (rule.statusLine) {
        dialog->SetCurrentItem("");
    }
    return goOn;
}

RetryOutcome SendPaced(CLoader& loader, const std::string& command, int ref,
                       CLoadProgressDlg* dialog, RetryBeep beep) {
    PacedRetry retry;
    retry.beep = beep;
    return retry.Run(loader, [&] { return loader.SendCommand(command.c_str(), ref, dialog); });
}

int WriteChannel(CLoader& loader, const Parm& record, CLoadProgressDlg* dialog,
                 const std::function<int()>& programme, int switchRef, bool attenuator) {
    const std::uint32_t hz = record.get(Parm::kFrequency);
    dialog->SetChannelText(
        TrunkCommandCodec::Printf("%03u", record.get(Parm::kMemoryChannel)).c_str());
    dialog->SetFrequency(loader.m_radio->FormatFrequency(hz, loader.m_freq_mhz).c_str());
    PacedRetry retry;
    retry.paced = false;
    retry.beep = RetryBeep::BeforePause;
    if (retry.Run(loader, programme) != RetryOutcome::Succeeded) {
        return 1;
    }
    return hz == 0 ? 0 : WriteChannelSwitches(loader, record, dialog, switchRef, attenuator);
}

int WriteChannelSwitches(CLoader& loader, const Parm& record, CLoadProgressDlg* dialog, int ref,
                         bool attenuator) {
    if (SendLockOut(loader, record.get(Parm::kLockOut) != 0, ref++, dialog) !=
        RetryOutcome::Succeeded) {
        return 1;
    }
    std::vector<std::string> switches{TrunkCommandCodec::Printf(
        "DL%c\r", TrunkSwitchLetter(record.get(Parm::Channel::kDelay) != 0))};
    if (attenuator) {
        switches.push_back(TrunkCommandCodec::Printf(
            "AT%c\r", TrunkSwitchLetter(record.get(Parm::Channel::kAttenuator) != 0)));
    }
    for (const std::string& command : switches) {
        if (SendRepeated(loader, command, ref++, dialog) != RetryOutcome::Succeeded) {
            return 1;
        }
    }
    return 0;
}

RetryOutcome SendRepeated(CLoader& loader, const std::string& command, int ref,
                          CLoadProgressDlg* dialog,
                          const std::function<bool(int result)>& succeeded) {
    PacedRetry retry;
    retry.paced = false;
    retry.beep = RetryBeep::AfterLaterFailures;
    retry.succeeded = succeeded;
    return retry.Run(loader, [&] { return loader.SendCommand(command.c_str(), ref, dialog); });
}

RetryOutcome SendLockOut(CLoader& loader, bool on, int ref, CLoadProgressDlg* dialog) {
    return SendRepeated(loader, TrunkCommandCodec::Printf("LO%c\r", TrunkSwitchLetter(on)), ref,
                        dialog, [&loader](int result) {
                            return result == 0 ||
                                   (loader.m_device_status.get(DeviceStatus::kLinkControl1) &
                                    DeviceStatus::kLinkRefusedLockOutDone) != 0;
                        });
}

std::optional<Limits> LimitsToSend(Chan& range) {
    Parm record = range.record();
    Limits limits{record.get(Parm::Channel::kLowerLimit), record.get(Parm::Channel::kUpperLimit)};
    if (limits.lower == 0 || limits.upper == 0) {
        return std::nullopt;
    }
    if (limits.upper < limits.lower) {
        std::swap(limits.lower, limits.upper);
        record.set(Parm::Channel::kLowerLimit, limits.lower);
        record.set(Parm::Channel::kUpperLimit, limits.upper);
        range.SetParm(record);
    }
    return limits;
}

Recall RecallChannel(CLoader& loader, Chan& channel, CLoadProgressDlg* dialog, int ref) {
    const std::uint16_t memory = channel.record().get(Parm::kMemoryChannel);
    dialog->SetChannelText(std::to_string(memory).c_str());
    if (SendPaced(loader, TrunkCommandCodec::Printf("MA%03u\r", memory % 1000U), ref, dialog) !=
        RetryOutcome::Succeeded) {
        return Recall::kEnded;
    }
    channel.SetParm(loader.m_device_status.get(DeviceStatus::kCurrentParm));
    // The reply names the memory by three digits; the channel keeps the memory it was walked to.
    SetMemoryNumber(channel, memory);
    const std::uint32_t hz = channel.frequency();
    dialog->SetFrequency(loader.m_radio->FormatFrequency(hz, loader.m_freq_mhz).c_str());
    if (hz != 0) {
        return Recall::kHeld;
    }
    channel.reset(loader.m_radio.get());
    SetMemoryNumber(channel, memory);
    return Recall::kEmpty;
}

void TakeTrunkType(Bank& bank, const std::optional<TrunkCommandCodec::BankTrunkType>& trunkType) {
    bank.trunkFlags &= ~Bank::kTrunkTypeIIVariants;
    bank.trunkType = trunkType ? trunkType->type : 0;
    bank.trunkFlags |= trunkType ? trunkType->variant : 0;
}

void TakeChannelSettings(Chan& channel, const Parm& answer) {
    Parm record = channel.record();
    record.set(Parm::Channel::kDelay, answer.get(Parm::Channel::kDelay));
    record.set(Parm::Channel::kFlags, answer.get(Parm::Channel::kFlags));
    record.set(Parm::Channel::kTrunkWord, answer.get(Parm::Channel::kTrunkWord));
    record.set(Parm::Channel::kMarker, Parm::Channel::kMarkerFullRead);
    channel.SetParm(record);
}

int ReadBankChannels(CLoader& loader, Bank& bank, CLoadProgressDlg* dialog, ChannelReader read) {
    dialog->SetItemLabel("Frequency:");
    dialog->SetCurrentItem("Channel Data");
    return WalkBankChannels(bank, *loader.m_radio, false, [&](Chan& channel) {
        if ((loader.*read)(channel, dialog)) {
            return 1;
        }
        TakeTrunkKind(channel, bank);
        return 0;
    });
}

void TakeTrunkKind(Chan& channel, const Bank& bank) {
    Parm record = channel.record();
    if (record.get(Parm::Channel::kTrunkWord) & Parm::Channel::kTrunkFrequency) {
        for (std::size_t word = 0; word < Parm::kModelWords.kCount; ++word) {
            record.set(Parm::kModelWords, word, 0);
        }
        record.set(Parm::Channel::kTrunkKind, bank.trunkType);
        channel.SetParm(record);
    }
}

void ReadBankUserIds(CLoader& loader, Bank& bank, CLoadProgressDlg* dialog, UserIdReader read) {
    dialog->SetCurrentItem("ID List");
    dialog->SetItemLabel("ID Code:");
    dialog->SetFrequency("");
    WalkBankUserIds(bank, *loader.m_radio, false, [&](UserIdEntry& entry, unsigned slot) {
        return (loader.*read)(entry, bank, dialog, slot);
    });
}

void TakeUserIdReply(const CLoader& loader, UserIdEntry& entry, const Bank& bank,
                     CLoadProgressDlg* dialog, unsigned slot) {
    const std::string reply = loader.Reply();
    const std::string text(hb::records::ReplyFrom0(reply, kSlotTextAt));
    UserId& id = entry.id();
    if (!text.starts_with(kEmptySlot)) {
        convert_user(text.c_str(), &id, bank.trunkType, bank.fleetMap);
    }
    if (id.get(UserId::kValue) == 0 && !(id.get(UserId::kFlags) & UserId::kFlagIndividual) &&
        id.get(UserId::kBlock) == 0 && id.get(UserId::kFleet) == 0) {
        entry.setTag("");
        entry.setOptionByte(UserIdEntry::kOptionAlarm, 0);
        entry.setOptionByte(UserIdEntry::kOptionRadio, 0);
    }
    dialog->SetChannelText(TrunkCommandCodec::UserIdSlotAt(slot).Name().c_str());
    dialog->SetFrequency(format_user(id).c_str());
}

} // namespace TrunkFamily35
