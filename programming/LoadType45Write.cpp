// PC to Radio for radio types 45 and 51: the radio erased when none of its memory is kept, each
// chosen bank with its channels, name, trunking, user IDs, bank menu and priority channel, the tags
// of the chosen banks' ID lists, and with Settings the search ranges, the FIPS codes (on a radio of
// model variant 0) and the global settings of the group's settings record.
#include "app/rig/Rig.h"
#include "platform/records/DeviceStatus.h"
#include "platform/records/TrunkChannelWords.h"
#include "platform/tessary/model/Group.h"
#include "platform/tessary/model/Radio.h"
#include "programming/FamilyMembers.h"
#include "programming/Loader.h"
#include "programming/RadioSettingsRecord.h"
#include "programming/TrunkCommandCodec45.h"
#include "programming/TrunkCommandCodec63.h"
#include "programming/TrunkFamily45.h"

#include <array>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using hb::records::TrunkSwitchLetter;

namespace codec = TrunkCommandCodec;
using namespace TrunkFamily45;
using codec::Printf;
using hb::records::DeviceStatus;
using hb::records::Parm;
using BankByte = RadioSettingsRecord::BankByte;
using Setting = RadioSettingsRecord::Setting;

enum Ref45Write : int {
    kRefFraming = 4501, // and the closing after it
    kRefBankMemory = kRefFraming + 2,
    kRefBankName,
    kRefTrunkType,
    kRefFleetMap,
    kRefTrunkQuery,
    kRefIrMenu,
    kRefBankMenu,
    kRefPriority,
    kRefIdListTag,
    kRefFips,
    kRefLt,
    kRefGlobalMenu,
    kRefProgramme,
    kRefLockOut,
    kRefDelay,
    kRefAttenuator,
    kRefMarker,
    kRefMode,
    kRefTone,
    kRefChannelName,
    kRefStep,
    kRefChannelBa,
    kRefIdText,
    kRefIdTag,
    kRefIdBa,
    kRefIdOption,
    kRefRangeName,
    kRefRangeLower,
    kRefRangeUpper,
    kRefRangeMenu,
};

unsigned OnOff(bool on) {
    return on ? codec::kOn : codec::kOff;
}

// A bank's trunk type, a Type I bank's fleet map (each block given up quietly) and the question
// that has the radio take them. 1 when the bank is to end.
int WriteBankTrunking(CLoader& loader, Bank& bank, CLoadProgressDlg* dialog) {
    const char letter = codec::BankLetter(bank.number);
    if (const auto command = codec::TrunkTypeCommand45(bank, letter);
        command && !Done(TrunkFamily35::SendPaced(loader, *command, kRefTrunkType, dialog))) {
        return 1;
    }
    for (unsigned block = 0; bank.trunkType == codec::kTrunkTypeI && block < codec::kFleetBlocks;
         ++block) {
        if (TrunkFamily35::SendPaced(
                loader, Printf("FB %c %u %02u\r", letter, block, bank.fleetMap[block]),
                kRefFleetMap, dialog, RetryBeep::AfterEveryFailure) == RetryOutcome::Stopped) {
            return 1;
        }
    }
    return Done(TrunkFamily35::SendPaced(loader, Printf("TB %c\r", letter), kRefTrunkQuery, dialog))
               ? 0
               : 1;
}

// The bank menu's items by the bank's trunk type, each list ending the bank when it fails. A record
// value the menu cannot show leaves that item as the radio has it.
int WriteBankMenu(CLoader& loader, const Bank& bank, RadioSettingsRecord& record,
                  CLoadProgressDlg* dialog) {
    const unsigned number = bank.number;
    const std::uint8_t type = bank.trunkType;
    std::vector<std::string> lists;
    const auto item = [&](unsigned menuItem, std::optional<unsigned> value, const char* after) {
        if (value) {
            lists.push_back(codec::BankItemKeys45(number, menuItem) + codec::ChoiceKeys(*value) +
                            after);
        }
    };
    if (codec::IsMotorola(type)) {
        item(codec::kBankItemSystemOption,
             codec::MenuChoice45(record.Get(BankByte::kBankOption, number)), "");
    }
    if (codec::IsEdacs(type)) {
        item(codec::kBankItemSystemOption, OnOff(bank.trunkFlags & Bank::kTrunkEdacsFormat), "");
    }
    if (codec::IsMotorola(type)) {
        item(codec::kBankItemEndCode45, codec::MenuChoice45(record.Get(BankByte::kEndCode, number)),
             "");
    }
    const bool plainTypeII =
        type == codec::kTrunkTypeII && !(bank.trunkFlags & (Bank::kTrunkVhf | Bank::kTrunkUhf));
    if (type == codec::kTrunkTypeI || plainTypeII) {
        // A 900 MHz bank knows only the first two TC values.
        if (plainTypeII && (bank.trunkFlags & Bank::kTrunk900) &&
            record.Get(BankByte::kTcSetting, number) > 1) {
            record.Set(BankByte::kTcSetting, number, 1);
        }
        item(codec::kBankItemTc, codec::MenuChoice45(record.Get(BankByte::kTcSetting, number)), "");
    }
    item(codec::kBankItemOption45, OnOff(bank.option != 0), "");
    item(codec::kBankItemDelay45, codec::DelayMenuValue45(bank.delay), codec::kLeaveMenus45);
    for (const std::string& list : lists) {
        if (loader.SendCommandList(kRefBankMenu, list.c_str(), dialog) != 0) {
            return 1;
        }
    }
    return 0;
}

// The bank's priority channel, held inside the bank, tried ten times in silence and given up
// quietly. 1 only when the transfer was stopped.
int WritePriorityChannel(CLoader& loader, const Bank& bank, RadioSettingsRecord& record,
                         CLoadProgressDlg* dialog) {
    const unsigned priority =
        record.HeldPriorityChannel(bank.number, loader.m_radio->organisation().channelsPerBank);
    if (priority == 0) {
        return 0;
    }
    const std::string command =
        Printf("PC %c%03u\r", codec::BankLetter(bank.number), CommandMemory(priority));
    PacedRetry retry;
    retry.beep = RetryBeep::None;
    return retry.Run(loader,
                     [&] { return loader.SendCommand(command.c_str(), kRefPriority, dialog); }) ==
                   RetryOutcome::Stopped
               ? 1
               : 0;
}

int WriteIdListTags(CLoader& loader, Group& group, CLoadProgressDlg* dialog) {
    const RadioSettingsRecord record = RadioSettingsRecord::Fetch(group.records());
    return TrunkFamily45::WalkIdListTags(loader, dialog, [&](unsigned bank, unsigned entry) {
        const auto letter = static_cast<char>('A' + bank);
        const std::string tag = record.IdTag(bank + 1, entry);
        dialog->SetChannelText(std::string(1, letter).c_str());
        dialog->SetFrequency(Printf("%-16.16s", tag.c_str()).c_str());
        return Done(TrunkFamily35::SendPaced(loader,
                                             Printf("TA L %c %c %-16.16s\r", letter,
                                                    static_cast<char>('A' + entry), tag.c_str()),
                                             kRefIdListTag, dialog))
                   ? 0
                   : 1;
    });
}

// The FIPS codes, on a radio of model variant 0 only, slot 1 first.
int WriteFipsCodes(CLoader& loader, const RadioSettingsRecord& record, CLoadProgressDlg* dialog) {
    loader.m_rig->DeviceStatus(loader.m_device_status.data());
    if (loader.m_device_status.get(DeviceStatus::kModelVariant) != 0) {
        return 0;
    }
    dialog->SetItemLabel("Slot:");
    dialog->SetBankText("FIPS");
    unsigned slot = 0;
    for (const std::string& code : record.FipsCodes()) {
        ++slot;
        dialog->SetChannelText(Printf("%02u", slot).c_str());
        dialog->SetFrequency(code.c_str());
        if (!Done(TrunkFamily35::SendPaced(loader, Printf("FP %02u %-6.6s\r", slot, code.c_str()),
                                           kRefFips, dialog))) {
            return 1;
        }
    }
    return 0;
}

// The LT setting by its own command (whatever the radio makes of it), then the global and
// chain-search menu items.
int WriteGlobalSettings(CLoader& loader, const RadioSettingsRecord& record,
                        CLoadProgressDlg* dialog) {
    if (const std::uint8_t lt = record.Get(Setting::kLt); lt < codec::kLtLetters.size()) {
        loader.SendCommandList(kRefLt, Printf("LT%c\r", codec::kLtLetters[lt]).c_str(), dialog);
    }
    const auto onOff = [&](Setting setting) {
        return std::optional<unsigned>(OnOff(record.Get(setting) != 0));
    };
    const std::array<std::tuple<unsigned, unsigned, std::optional<unsigned>>, 8> items{{
        {codec::kGlobalMenu45, codec::kGlobalItemLm, onOff(Setting::kLm)},
        {codec::kGlobalMenu45, codec::kGlobalItemBp, onOff(Setting::kBp)},
        {codec::kGlobalMenu45, codec::kGlobalItemEl, onOff(Setting::kEl)},
        {codec::kGlobalMenu45, codec::kGlobalItemDs, onOff(Setting::kDs)},
        {codec::kGlobalMenu45, codec::kGlobalItemCt, codec::MenuChoice45(record.Get(Setting::kCt))},
        {codec::kSearchMenu45, codec::kSearchItemOption4, onOff(Setting::kChainSearchItem4)},
        {codec::kSearchMenu45, codec::kSearchItemOption6, onOff(Setting::kChainSearchItem6)},
        {codec::kSearchMenu45, codec::kSearchItemChoice,
         codec::MenuChoice45(record.Get(Setting::kChainSearchChoice))},
    }};
    for (const auto& [menu, item, value] : items) {
        if (value && loader.SendCommandList(
                         kRefGlobalMenu,
                         (codec::MenuItemKeys45(menu, item) + codec::ChoiceKeys(*value)).c_str(),
                         dialog) != 0) {
            return 1;
        }
    }
    return 0;
}

} // namespace

void CLoader::DownloadType45(TransferCursor&) {
    CLoadProgressDlg* dialog = &m_progress;
    TrunkFamily35::Download(*this, TrunkFamily45::Framing(kRefFraming), [&](Group& group) {
        if (!TrunkFamily35::EachChosenBank(
                *this, group, [&](Bank& bank) { return DownloadBank45(bank, &group, dialog); }) ||
            WriteIdListTags(*this, group, dialog) != 0) {
            return false;
        }
        if (!m_bank_dialog.SettingsChosen()) {
            return true;
        }
        if (TrunkFamily35::WalkSearchRanges(group, *m_radio, [&](Chan& range) {
                return WriteSearchRange45(range, dialog);
            }) != 0) {
            return false;
        }
        const RadioSettingsRecord record = RadioSettingsRecord::Fetch(group.records());
        return WriteFipsCodes(*this, record, dialog) == 0 &&
               WriteGlobalSettings(*this, record, dialog) == 0;
    });
}

int CLoader::DownloadBank45(Bank& bank, Object* root, CLoadProgressDlg* dialog) {
    auto* group = dynamic_cast<Group*>(root);
    if (!group) {
        return 1;
    }
    const unsigned number = bank.number;
    const char letter = codec::BankLetter(bank.number);
    dialog->SetBank(number);
    const std::string bankMemory =
        Printf("MA%03u\r", CommandMemory(FirstMemoryOfBank(*m_radio, bank.number)));
    if (SendCommand(bankMemory.c_str(), kRefBankMemory, dialog) != 0) {
        return 1;
    }
    dialog->SetItemLabel("Channel:");
    if (TrunkFamily35::WalkBankChannels(
            bank, *m_radio, m_erased,
            [&](Chan& channel) { return WriteChannel45(channel, dialog); }) != 0 ||
        !Done(TrunkFamily35::SendPaced(*this,
                                       Printf("TA B %c %-16.16s\r", letter, bank.name().c_str()),
                                       kRefBankName, dialog))) {
        return 1;
    }
    RadioSettingsRecord record = RadioSettingsRecord::Fetch(group->records());
    if (SendCommand(bankMemory.c_str(), kRefBankMemory, dialog) != 0 ||
        WriteBankTrunking(*this, bank, dialog) != 0) {
        return 1;
    }
    if (bank.trunkType != kTrunkType3 &&
        SendCommandList(
            kRefIrMenu,
            (codec::BankItemKeys45(number, codec::kBankItemIr) +
             codec::ChoiceKeys(codec::IrMenuValue45(record.Get(BankByte::kIrSetting, number))) +
             codec::kLeaveMenus45)
                .c_str(),
            dialog) != 0) {
        return 1;
    }
    dialog->SetItemLabel("ID Code:");
    if (TrunkFamily35::WalkBankUserIds(bank, *m_radio, m_erased,
                                       [&](UserIdEntry& entry, unsigned slot) {
                                           return WriteUserId45(entry, bank, dialog, slot);
                                       }) != 0 ||
        WriteBankMenu(*this, bank, record, dialog) != 0) {
        return 1;
    }
    return WritePriorityChannel(*this, bank, record, dialog);
}

int CLoader::WriteChannel45(Chan& channel, CLoadProgressDlg* dialog) {
    const Parm record = channel.record();
    const std::uint32_t hz = record.get(Parm::kFrequency);
    const unsigned memory = record.get(Parm::kMemoryChannel);
    const unsigned number = CommandMemory(memory);
    dialog->SetChannelText(Printf("%03u", memory).c_str());
    dialog->SetFrequency(channel.name().c_str());
    const bool trunked = record.get(Parm::Channel::kTrunkWord) & Parm::Channel::kTrunkFrequency;
    // The memory, the step of the frequency's grid, then the frequency: all three again after
    // any failure.
    const std::array<std::string, 3> programme{
        Printf("MA%03u\r", number), codec::GridStepCommand45(hz),
        Printf("PM%03u%c%08u\r", number, trunked ? 'T' : ' ', hz / 100)};
    PacedRetry retry;
    retry.paced = false;
    retry.beep = RetryBeep::BeforePause;
    if (!Done(retry.Run(*this, [&] {
            for (const std::string& command : programme) {
                if (const int result = SendCommand(command.c_str(), kRefProgramme, dialog)) {
                    return result;
                }
            }
            return 0;
        }))) {
        return 1;
    }
    if (hz == 0) {
        return 0;
    }
    if (!Done(TrunkFamily35::SendLockOut(*this, record.get(Parm::kLockOut) != 0, kRefLockOut,
                                         dialog))) {
        return 1;
    }
    const std::uint8_t mode = record.get(Parm::kMode);
    // Each setting with its ref, paced or tried again at once.
    std::vector<std::tuple<std::string, int, bool>> settings{
        {codec::DelayCommand45(record.get(Parm::Channel::kDelay)), kRefDelay, false},
        {Printf("AT%c\r", TrunkSwitchLetter(record.get(Parm::Channel::kAttenuator) != 0)),
         kRefAttenuator, false},
        {Printf("AR%c\r", TrunkSwitchLetter(record.get(Parm::Channel::kMarker) != 0)), kRefMarker,
         false},
        {codec::ModeCommand(mode), kRefMode, true}};
    // Only the FM modes carry a squelch tone.
    if (mode == 0 || mode == 11) {
        settings.emplace_back(codec::ToneCommand(record), kRefTone, false);
    }
    settings.emplace_back(Printf("TA C %03u %-16.16s\r", number, channel.name().c_str()),
                          kRefChannelName, true);
    settings.emplace_back(codec::StepCommand(record.get(Parm::kStep)), kRefStep, true);
    settings.emplace_back(Printf("BA%c C %03u\r",
                                 TrunkSwitchLetter(record.get(Parm::Channel::kFlags) &
                                                   Parm::Channel::kFlagBankAssign),
                                 number),
                          kRefChannelBa, true);
    for (const auto& [command, ref, paced] : settings) {
        const RetryOutcome sent = paced ? TrunkFamily35::SendPaced(*this, command, ref, dialog)
                                        : TrunkFamily35::SendRepeated(*this, command, ref, dialog);
        if (!Done(sent)) {
            return 1;
        }
    }
    return 0;
}

int CLoader::WriteUserId45(UserIdEntry& entry, const Bank& bank, CLoadProgressDlg* dialog,
                           unsigned slot) {
    hb::records::UserId& id = entry.id();
    const codec::UserIdSlot place = codec::UserIdSlotAt(slot);
    const char letter = codec::BankLetter(bank.number);
    dialog->SetChannelText(place.Name().c_str());
    dialog->SetFrequency(entry.tag().c_str());
    const std::string text = codec::UserIdText45(id, bank);
    const RetryOutcome idSent = TrunkFamily35::SendPaced(
        *this, Printf("TG %c %c%u %s\r", letter, place.letter, place.digit, text.c_str()),
        kRefIdText, dialog);
    if (idSent == RetryOutcome::Stopped) {
        return 1;
    }
    if (idSent == RetryOutcome::GaveUp || codec::IsEmptyId(id)) {
        return 0;
    }
    const bool ba = (entry.options() & UserIdEntry::kOptionBa) != 0;
    if (!Done(TrunkFamily35::SendPaced(*this,
                                       Printf("TA I %c %c%u %-16.16s\r", letter, place.letter,
                                              place.digit, entry.tag().c_str()),
                                       kRefIdTag, dialog)) ||
        !Done(TrunkFamily35::SendPaced(
            *this,
            Printf("BA%c I %c %c%u\r", TrunkSwitchLetter(ba), letter, place.letter, place.digit),
            kRefIdBa, dialog))) {
        return 1;
    }
    // The option menu is found again until it shows the ID's option.
    if (SeekMenuItem(*this, codec::IdOptionKeys45(bank.number, slot) + codec::kReadLine1,
                     kRefIdOption, dialog) != 0) {
        return 1;
    }
    const bool option = entry.optionByte(UserIdEntry::kOptionRadio) != 0;
    return SendCommandList(
               kRefIdOption,
               (codec::ChoiceKeys(OnOff(option)) + codec::kNextScreen + codec::kLeaveMenus45)
                   .c_str(),
               dialog) != 0
               ? 1
               : 0;
}

int CLoader::WriteSearchRange45(Chan& range, CLoadProgressDlg* dialog) {
    const Parm record = range.record();
    const unsigned number = record.get(Parm::kMemoryChannel);
    const auto letter = codec::BankLetter(number);
    dialog->SetBankText(Printf("SR-%u", number).c_str());
    dialog->SetFrequency(range.name().c_str());
    if (!Done(TrunkFamily35::SendPaced(*this,
                                       Printf("TA S %c %-16.16s\r", letter, range.name().c_str()),
                                       kRefRangeName, dialog))) {
        return 1;
    }
    const auto limits = TrunkFamily35::LimitsToSend(range);
    if (!limits) {
        return 0;
    }
    if (!Done(TrunkFamily35::SendPaced(*this, Printf("LL%08u %c\r", limits->lower / 100, letter),
                                       kRefRangeLower, dialog)) ||
        !Done(TrunkFamily35::SendPaced(*this, Printf("LU%08u %c\r", limits->upper / 100, letter),
                                       kRefRangeUpper, dialog))) {
        return 1;
    }
    // Into the range's menu as one list, then key by key to its mode and step.
    const std::string rangeMenu = codec::RangeMenuKeys45(number);
    if (SendCommandList(kRefRangeMenu, rangeMenu.c_str(), dialog) != 0 ||
        TrunkFamily45::SendKeyByKey(
            *this,
            codec::ChoiceKeys(codec::kRangeItemMode45) +
                codec::ChoiceKeys(codec::RangeModeKey45(record.get(Parm::kMode))) + rangeMenu +
                codec::ChoiceKeys(codec::kRangeItemStep45) +
                codec::ChoiceKeys(codec::RangeStepKey45(record.get(Parm::kStep))) +
                codec::kLeaveMenus45,
            kRefRangeMenu, dialog) != 0) {
        return 1;
    }
    return 0;
}
