// Radio to PC for radio types 45 and 51: the model the radio reports, with Settings the search
// ranges, each chosen bank with its name, trunking, band values, menu items, channels, user IDs and
// priority channel, the tags of the chosen banks' ID lists, and with Settings the FIPS codes (type
// 45) and the global settings, read from the radio's commands and from its display.
#include "app/rig/Rig.h"
#include "platform/records/DeviceStatus.h"
#include "platform/records/ReplyText.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/tessary/model/Format.h"
#include "platform/tessary/model/Group.h"
#include "platform/tessary/model/Radio.h"
#include "programming/Loader.h"
#include "programming/RadioSettingsRecord.h"
#include "programming/TrunkCommandCodec45.h"
#include "programming/TrunkCommandCodec63.h"
#include "programming/TrunkFamily45.h"

#include <array>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <tuple>

namespace {

namespace codec = TrunkCommandCodec;
using namespace TrunkFamily45;
using codec::Printf;
using hb::records::DeviceStatus;
using hb::records::Parm;
using BankByte = RadioSettingsRecord::BankByte;
using Setting = RadioSettingsRecord::Setting;

enum Ref45Read : int {
    kRefFraming = 4541, // and the closing after it
    kRefBankName = kRefFraming + 2,
    kRefTrunkType,
    kRefFleetMap,
    kRefBandValues,
    kRefIrMenu,
    kRefPriority,
    kRefBankMenu,
    kRefChannelName,
    kRefRecall,
    kRefTone,
    kRefMode,
    kRefDelay,
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
    kRefIdListTag,
    kRefFips,
    kRefGlobalMenu,
};

constexpr LPCSTR kSettingsSection = "Settings";
constexpr LPCSTR kDefaultTypeEntry = "DefaultRadioType";
constexpr std::uint8_t kType45 = 45;
constexpr std::uint8_t kType51 = 51;
constexpr std::uint8_t kVariant51 = 1;
constexpr std::uint8_t kOn = 0xFF;
// A menu item's value, and a FIPS slot's code, stand from this position of the reply.
constexpr std::size_t kValueAt = 8;
constexpr std::string_view kFipsReply = "FIPS ";
// The band screens: base (MHz) and spacing (kHz) from position 6 of the first 14 characters, the
// offset channel from position 8 of the first 11.
constexpr std::size_t kScreenWidth = 14;
constexpr std::size_t kScreenValueAt = 6;
constexpr std::size_t kOffsetWidth = 11;

// The character at the value's position; none when the reply ends before it.
std::optional<char> ValueOf(std::string_view reply) {
    const auto value = hb::records::ReplyAt0(reply, kValueAt);
    return value ? std::optional<char>(static_cast<char>(*value)) : std::nullopt;
}

// The reply the keys leave when sent as list A; none when the list failed or the transfer stopped.
std::optional<std::string> ReadMenu(CLoader& loader, const std::string& keys, int ref,
                                    CLoadProgressDlg* dialog) {
    if (loader.SendCommandList(ref, keys.c_str(), dialog) != 0) {
        return std::nullopt;
    }
    return loader.Reply();
}

// A menu choice ("1" is the first) into the byte, which keeps its value for any other character.
void TakeChoice(std::optional<char> value, std::uint8_t& into) {
    if (const auto choice = value ? codec::MenuChoice(*value) : std::nullopt) {
        into = *choice;
    }
}

// An option that is on for "1" and off for any other character, unless the reply ended before it.
void TakeOption(std::optional<char> value, std::uint8_t& into) {
    if (value) {
        into = *value == '1' ? kOn : 0;
    }
}

// The model the radio reports: the group's type, remembered as the default type when it changed.
std::uint8_t TakeModel(CLoader& loader, Group& group) {
    loader.m_rig->DeviceStatus(loader.m_device_status.data());
    const std::uint8_t type =
        loader.m_device_status.get(DeviceStatus::kModelVariant) == kVariant51 ? kType51 : kType45;
    group.setRadioType(type);
    CScanApp* app = CScanApp::GetScanApp();
    if (app && app->GetProfileIntA(kSettingsSection, kDefaultTypeEntry, kType45) != type) {
        app->WriteProfileInt(kSettingsSection, kDefaultTypeEntry, type);
    }
    return type;
}

// A Type I bank's fleet map, block by block; a block the radio does not answer keeps its size.
int ReadFleetMap(CLoader& loader, Bank& bank, CLoadProgressDlg* dialog) {
    const char letter = codec::BankLetter(bank.number);
    for (unsigned block = 0; block < codec::kFleetBlocks;) {
        const RetryOutcome asked =
            TrunkFamily35::SendPaced(loader, Printf("FB %c %u\r", letter, block), kRefFleetMap,
                                     dialog, RetryBeep::AfterEveryFailure);
        if (asked == RetryOutcome::Stopped) {
            return 1;
        }
        block = Done(asked) ? codec::ReadFleetMapReply(loader.Reply(), block, bank.fleetMap)
                            : block + 1;
    }
    return 0;
}

// A UHF or VHF Type II bank's base, spacing and offset channel from its band screens.
int ReadBandValues(CLoader& loader, Bank& bank, std::uint8_t trunkCode, CLoadProgressDlg* dialog) {
    const std::string next = std::string(codec::kNextScreen) + codec::kReadFrequency;
    const auto base =
        ReadMenu(loader, codec::BandScreenKeys45(bank.number, trunkCode) + codec::kReadFrequency,
                 kRefBandValues, dialog);
    if (!base) {
        return 1;
    }
    const auto screenValue = [](std::string_view screen, std::size_t width, std::size_t at) {
        return std::string(hb::records::ReplyFrom0(screen.substr(0, width), at));
    };
    convert_frequency(screenValue(*base, kScreenWidth, kScreenValueAt).c_str(), &bank.base, 'M');
    const auto spacing = ReadMenu(loader, next, kRefBandValues, dialog);
    if (!spacing) {
        return 1;
    }
    convert_frequency(screenValue(*spacing, kScreenWidth, kScreenValueAt).c_str(), &bank.spacing,
                      'K');
    const auto offset = ReadMenu(loader, next, kRefBandValues, dialog);
    if (!offset) {
        return 1;
    }
    if (const std::string digits = screenValue(*offset, kOffsetWidth, kValueAt); !digits.empty()) {
        bank.offset = static_cast<std::uint16_t>(std::atoi(digits.c_str()));
    }
    return loader.SendCommand(codec::kLeaveMenus45, kRefBandValues, dialog) != 0 ? 1 : 0;
}

// Bank menu item 7, the IR setting, found again until the display shows it.
int ReadIrSetting(CLoader& loader, const Bank& bank, RadioSettingsRecord& record,
                  CLoadProgressDlg* dialog) {
    const std::string keys =
        codec::BankItemKeys45(bank.number, codec::kBankItemIr) + codec::kReadLine1;
    if (SeekMenuItem(loader, keys, kRefIrMenu, dialog) != 0) {
        return 1;
    }
    std::uint8_t ir = record.Get(BankByte::kIrSetting, bank.number);
    TakeChoice(ValueOf(loader.Reply()), ir);
    record.Set(BankByte::kIrSetting, bank.number, ir);
    return loader.SendCommandList(kRefIrMenu, codec::kLeaveMenus45, dialog) != 0 ? 1 : 0;
}

// The bank menu's items by the bank's trunk type, each read from its display line.
int ReadBankMenu(CLoader& loader, Bank& bank, RadioSettingsRecord& record,
                 CLoadProgressDlg* dialog) {
    const unsigned number = bank.number;
    const std::uint8_t type = bank.trunkType;
    // None when the list failed; else the value, none when the line ended before it.
    const auto read = [&](unsigned item, const char* line) -> std::optional<std::optional<char>> {
        const auto reply =
            ReadMenu(loader, codec::BankItemKeys45(number, item) + line, kRefBankMenu, dialog);
        if (!reply) {
            return std::nullopt;
        }
        return ValueOf(*reply);
    };
    const auto readChoice = [&](unsigned item, const char* line, BankByte field) {
        const auto value = read(item, line);
        if (value) {
            std::uint8_t choice = record.Get(field, number);
            TakeChoice(*value, choice);
            record.Set(field, number, choice);
        }
        return value.has_value();
    };
    if (codec::IsMotorola(type) &&
        !readChoice(codec::kBankItemSystemOption, codec::kReadLine1, BankByte::kBankOption)) {
        return 1;
    }
    if (codec::IsEdacs(type)) {
        const auto format = read(codec::kBankItemSystemOption, codec::kReadLine2);
        if (!format) {
            return 1;
        }
        if (*format) {
            bank.trunkFlags = **format == '1' ? bank.trunkFlags | Bank::kTrunkEdacsFormat
                                              : bank.trunkFlags & ~Bank::kTrunkEdacsFormat;
        }
    }
    if (codec::IsMotorola(type) &&
        !readChoice(codec::kBankItemEndCode45, codec::kReadLine2, BankByte::kEndCode)) {
        return 1;
    }
    const bool plainTypeII =
        type == codec::kTrunkTypeII && !(bank.trunkFlags & (Bank::kTrunkVhf | Bank::kTrunkUhf));
    if ((type == codec::kTrunkTypeI || plainTypeII) &&
        !readChoice(codec::kBankItemTc, codec::kReadLine1, BankByte::kTcSetting)) {
        return 1;
    }
    const auto option = read(codec::kBankItemOption45, codec::kReadLine1);
    if (!option) {
        return 1;
    }
    TakeOption(*option, bank.option);
    const auto delay = read(codec::kBankItemDelay45, codec::kReadLine1);
    if (!delay) {
        return 1;
    }
    if (const auto ms = *delay ? codec::DelayOfMenuValue45(**delay) : std::nullopt) {
        bank.delay = *ms;
    }
    return loader.SendCommandList(kRefBankMenu, codec::kLeaveMenus45, dialog) != 0 ? 1 : 0;
}

int ReadIdListTags(CLoader& loader, Group& group, CLoadProgressDlg* dialog) {
    RadioSettingsRecord record = RadioSettingsRecord::Fetch(group.records());
    return TrunkFamily45::WalkIdListTags(loader, dialog, [&](unsigned bank, unsigned entry) {
        const auto letter = static_cast<char>('A' + bank);
        if (!Done(TrunkFamily35::SendPaced(
                loader, Printf("TA L %c %c\r", letter, static_cast<char>('A' + entry)),
                kRefIdListTag, dialog))) {
            return 1;
        }
        record.SetIdTag(bank + 1, entry, loader.ReplyName());
        dialog->SetChannelText(std::string(1, letter).c_str());
        dialog->SetFrequency(Printf("%-16.16s", record.IdTag(bank + 1, entry).c_str()).c_str());
        return 0;
    });
}

// The fifteen FIPS slots, each asked until the radio answers it.
int ReadFipsCodes(CLoader& loader, RadioSettingsRecord& record, CLoadProgressDlg* dialog) {
    dialog->SetItemLabel("Slot:");
    dialog->SetBankText("FIPS");
    record.ClearFipsCodes();
    for (unsigned slot = 1; slot <= RadioSettingsRecord::kFipsSlots; ++slot) {
        const std::string command = Printf("FP %02u\r", slot);
        PacedRetry retry;
        retry.succeeded = [&loader](int result) {
            return result == 0 && loader.Reply().starts_with(kFipsReply);
        };
        if (!Done(retry.Run(
                loader, [&] { return loader.SendCommand(command.c_str(), kRefFips, dialog); }))) {
            return 1;
        }
        const std::string reply = loader.Reply();
        const std::string_view code = hb::records::ReplyFrom0(reply, kValueAt);
        dialog->SetChannelText(Printf("%02u", slot).c_str());
        dialog->SetFrequency(std::string(code).c_str());
        record.AppendFipsCode(code);
    }
    return 0;
}

// The LT setting and the global and chain-search menu items.
int ReadGlobalSettings(CLoader& loader, RadioSettingsRecord& record, CLoadProgressDlg* dialog) {
    // Each item with whether it is an option (else a choice).
    const std::array<std::tuple<unsigned, unsigned, Setting, bool>, 9> items{{
        {codec::kGlobalMenu45, codec::kGlobalItemLt, Setting::kLt, false},
        {codec::kGlobalMenu45, codec::kGlobalItemLm, Setting::kLm, true},
        {codec::kGlobalMenu45, codec::kGlobalItemBp, Setting::kBp, true},
        {codec::kGlobalMenu45, codec::kGlobalItemEl, Setting::kEl, true},
        {codec::kGlobalMenu45, codec::kGlobalItemDs, Setting::kDs, true},
        {codec::kGlobalMenu45, codec::kGlobalItemCt, Setting::kCt, false},
        {codec::kSearchMenu45, codec::kSearchItemOption6, Setting::kChainSearchItem6, true},
        {codec::kSearchMenu45, codec::kSearchItemChoice, Setting::kChainSearchChoice, false},
        {codec::kSearchMenu45, codec::kSearchItemOption4, Setting::kChainSearchItem4, true},
    }};
    for (const auto& [menu, item, setting, option] : items) {
        const auto reply = ReadMenu(loader, codec::MenuItemKeys45(menu, item) + codec::kReadLine1,
                                    kRefGlobalMenu, dialog);
        if (!reply) {
            return 1;
        }
        std::uint8_t value = record.Get(setting);
        if (option) {
            TakeOption(ValueOf(*reply), value);
        } else {
            TakeChoice(ValueOf(*reply), value);
        }
        record.Set(setting, value);
    }
    return 0;
}

} // namespace

void CLoader::UploadType45(TransferCursor&) {
    CLoadProgressDlg* dialog = &m_progress;
    TrunkFamily35::Upload(*this, TrunkFamily45::Framing(kRefFraming), [&](Group& group) {
        const std::uint8_t type = TakeModel(*this, group);
        const bool settings = m_bank_dialog.SettingsChosen();
        if ((settings && TrunkFamily35::WalkSearchRanges(
                             group, *m_radio,
                             [&](Chan& range) { return ReadSearchRange45(range, dialog); }) != 0) ||
            !TrunkFamily35::EachChosenBank(
                *this, group, [&](Bank& bank) { return ReadBank45(bank, &group, dialog); }) ||
            ReadIdListTags(*this, group, dialog) != 0) {
            return false;
        }
        if (!settings) {
            return true;
        }
        RadioSettingsRecord record = RadioSettingsRecord::Fetch(group.records());
        return (type != kType45 || ReadFipsCodes(*this, record, dialog) == 0) &&
               ReadGlobalSettings(*this, record, dialog) == 0;
    });
}

int CLoader::ReadBank45(Bank& bank, Object* root, CLoadProgressDlg* dialog) {
    auto* group = dynamic_cast<Group*>(root);
    if (!group) {
        return 1;
    }
    const unsigned number = bank.number;
    const char letter = codec::BankLetter(bank.number);
    dialog->SetBank(number);
    if (!Done(TrunkFamily35::SendPaced(*this, Printf("TA B %c\r", letter), kRefBankName, dialog))) {
        return 1;
    }
    bank.setName(ReplyName());
    dialog->SetFrequency(Printf("%-16.16s", bank.name().c_str()).c_str());
    if (!Done(TrunkFamily35::SendPaced(*this, Printf("TB %c\r", letter), kRefTrunkType, dialog))) {
        return 1;
    }
    // The Type II variant follows the code; a code the radio's table lacks leaves the trunk type.
    const std::uint8_t code = m_device_status.get(DeviceStatus::kTrunkTypeCode);
    if (const auto trunkType = codec::TrunkTypeOfCode(code)) {
        TrunkFamily35::TakeTrunkType(bank, trunkType);
    } else {
        bank.trunkFlags &= ~Bank::kTrunkTypeIIVariants;
    }
    if (bank.trunkType == codec::kTrunkTypeI && ReadFleetMap(*this, bank, dialog) != 0) {
        return 1;
    }
    RadioSettingsRecord record = RadioSettingsRecord::Fetch(group->records());
    if ((code == codec::kTrunkCommandUhf || code == codec::kTrunkCommandVhf) &&
        ReadBandValues(*this, bank, code, dialog) != 0) {
        return 1;
    }
    if (bank.trunkType != kTrunkType3 && ReadIrSetting(*this, bank, record, dialog) != 0) {
        return 1;
    }
    dialog->SetItemLabel("Channel:");
    if (TrunkFamily35::WalkBankChannels(bank, *m_radio, false, [&](Chan& channel) {
            if (ReadChannel45(channel, dialog) != 0) {
                return 1;
            }
            TrunkFamily35::TakeTrunkKind(channel, bank);
            return 0;
        }) != 0) {
        return 1;
    }
    dialog->SetItemLabel("ID Code:");
    if (TrunkFamily35::WalkBankUserIds(bank, *m_radio, false,
                                       [&](UserIdEntry& entry, unsigned slot) {
                                           return ReadUserId45(entry, bank, dialog, slot);
                                       }) != 0 ||
        !Done(
            TrunkFamily35::SendRepeated(*this, Printf("PC %c\r", letter), kRefPriority, dialog))) {
        return 1;
    }
    record.SetPriorityChannel(number, ReplyRecord().get(Parm::kMemoryChannel));
    return ReadBankMenu(*this, bank, record, dialog);
}

int CLoader::ReadChannel45(Chan& channel, CLoadProgressDlg* dialog) {
    const unsigned memory = channel.record().get(Parm::kMemoryChannel);
    const unsigned number = CommandMemory(memory);
    dialog->SetChannel(memory);
    if (!Done(TrunkFamily35::SendPaced(*this, Printf("TA C %03u\r", number), kRefChannelName,
                                       dialog))) {
        return 1;
    }
    const std::string name = codec::IsUnnamedMemoryReply(Reply()) ? std::string() : ReplyName();
    dialog->SetFrequency(name.c_str());
    using TrunkFamily35::Recall;
    const Recall recalled = TrunkFamily35::RecallChannel(*this, channel, dialog, kRefRecall);
    if (recalled != Recall::kHeld) {
        return recalled == Recall::kEnded ? 1 : 0;
    }
    channel.setName(name);
    dialog->SetFrequency(name.c_str());
    Parm record = channel.record();
    if (ReplyRecord().get(Parm::Channel::kTone) != 0 &&
        !Done(TrunkFamily35::SendPaced(*this, "CS\r", kRefTone, dialog))) {
        return 1;
    }
    for (std::size_t word = 0; word < Parm::kModelWords.kCount; ++word) {
        record.set(Parm::kModelWords, word, ReplyRecord().get(Parm::kModelWords, word));
    }
    // Each question with what it brings.
    const std::array<std::tuple<std::string, int, std::function<void(const Parm&)>>, 4> questions{{
        {"RM\r", kRefMode,
         [&](const Parm& answer) { record.set(Parm::kMode, answer.get(Parm::kMode)); }},
        {"DL\r", kRefDelay,
         [&](const Parm& answer) {
             record.set(Parm::Channel::kDelay, answer.get(Parm::Channel::kDelay));
         }},
        {"ST\r", kRefStep,
         [&](const Parm& answer) { record.set(Parm::kStep, answer.get(Parm::kStep)); }},
        {Printf("BA C %03u\r", number), kRefChannelBa,
         [&](const Parm& answer) {
             record.set(Parm::Channel::kFlags, answer.get(Parm::Channel::kFlags));
             record.set(Parm::Channel::kTrunkWord, answer.get(Parm::Channel::kTrunkWord));
         }},
    }};
    for (const auto& [command, ref, take] : questions) {
        if (!Done(TrunkFamily35::SendPaced(*this, command, ref, dialog))) {
            return 1;
        }
        take(ReplyRecord());
    }
    channel.SetParm(record);
    return 0;
}

int CLoader::ReadSearchRange45(Chan& range, CLoadProgressDlg* dialog) {
    Parm record = range.record();
    const unsigned number = record.get(Parm::kMemoryChannel);
    const auto letter = codec::BankLetter(number);
    dialog->SetBankText(Printf("SR-%u", number).c_str());
    if (!Done(
            TrunkFamily35::SendPaced(*this, Printf("TA S %c\r", letter), kRefRangeName, dialog))) {
        return 1;
    }
    range.setName(ReplyName());
    dialog->SetFrequency(range.name().c_str());
    if (!Done(TrunkFamily35::SendPaced(*this, Printf("LL %c\r", letter), kRefRangeLower, dialog))) {
        return 1;
    }
    record.set(Parm::Channel::kLowerLimit, ReplyRecord().get(Parm::Channel::kLowerLimit));
    if (!Done(TrunkFamily35::SendPaced(*this, Printf("LU %c\r", letter), kRefRangeUpper, dialog))) {
        return 1;
    }
    record.set(Parm::Channel::kUpperLimit, ReplyRecord().get(Parm::Channel::kUpperLimit));
    const std::string rangeMenu = codec::RangeMenuKeys45(number);
    const auto readItem = [&](unsigned item) -> std::optional<std::optional<char>> {
        if (TrunkFamily45::SendKeyByKey(*this,
                                        rangeMenu + codec::ChoiceKeys(item) + codec::kReadLine1,
                                        kRefRangeMenu, dialog) != 0) {
            return std::nullopt;
        }
        return ValueOf(Reply());
    };
    const auto mode = readItem(codec::kRangeItemMode45);
    if (!mode) {
        return 1;
    }
    if (*mode) {
        record.set(Parm::kMode, codec::RangeModeOfKey45(**mode));
    }
    const auto step = readItem(codec::kRangeItemStep45);
    if (!step) {
        return 1;
    }
    if (*step) {
        record.set(Parm::kStep, codec::RangeStepOfKey45(**step));
    }
    range.SetParm(record);
    return SendCommand(codec::kLeaveMenus45, kRefRangeMenu, dialog) != 0 ? 1 : 0;
}

int CLoader::ReadUserId45(UserIdEntry& entry, const Bank& bank, CLoadProgressDlg* dialog,
                          unsigned slot) {
    entry.id() = hb::records::UserId{};
    const codec::UserIdSlot place = codec::UserIdSlotAt(slot);
    const char letter = codec::BankLetter(bank.number);
    if (!Done(TrunkFamily35::SendPaced(*this,
                                       Printf("TG %c %c%u\r", letter, place.letter, place.digit),
                                       kRefIdText, dialog))) {
        return 1;
    }
    TrunkFamily35::TakeUserIdReply(*this, entry, bank, dialog, slot);
    if (codec::IsEmptyId(entry.id())) {
        dialog->SetFrequency(entry.tag().c_str());
        return 0;
    }
    if (!Done(TrunkFamily35::SendPaced(*this,
                                       Printf("TA I %c %c%u\r", letter, place.letter, place.digit),
                                       kRefIdTag, dialog))) {
        return 1;
    }
    entry.setTag(ReplyName());
    if (!Done(TrunkFamily35::SendPaced(*this,
                                       Printf("BA I %c %c%u\r", letter, place.letter, place.digit),
                                       kRefIdBa, dialog))) {
        return 1;
    }
    const bool ba =
        (ReplyRecord().get(Parm::Channel::kFlags) & Parm::Channel::kFlagBankAssign) != 0;
    entry.setOptions(static_cast<std::uint16_t>((entry.options() & ~UserIdEntry::kOptionBa) |
                                                (ba ? UserIdEntry::kOptionBa : 0)));
    const auto option = ReadMenu(
        *this, codec::IdOptionKeys45(bank.number, slot) + codec::kReadLine1, kRefIdOption, dialog);
    if (!option) {
        return 1;
    }
    std::uint8_t radioOption = entry.optionByte(UserIdEntry::kOptionRadio);
    TakeOption(ValueOf(*option), radioOption);
    entry.setOptionByte(UserIdEntry::kOptionRadio, radioOption);
    dialog->SetFrequency(entry.tag().c_str());
    return SendCommandList(kRefIdOption, codec::kLeaveMenus45, dialog) != 0 ? 1 : 0;
}
