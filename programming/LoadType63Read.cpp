// Radio to PC for the trunk-tracking scanners of types 63 to 92: the search ranges, each chosen
// bank with its trunking settings, band plans, channels and IDs, the tags of the ID lists and the
// global settings, into the group and its settings record.
#include "platform/records/ReplyText.h"
#include "platform/tessary/app/ObjectDoc.h"
#include "platform/tessary/model/ConvertUser.h"
#include "platform/tessary/model/Format.h"
#include "platform/tessary/model/Group.h"
#include "platform/tessary/model/Radio.h"
#include "platform/win/core/Scheduler.h"
#include "programming/Loader.h"
#include "programming/RadioSettingsRecord.h"
#include "programming/TrunkCommandCodec.h"
#include "programming/TrunkCommandCodec63.h"

#include <algorithm>

namespace {

namespace codec = TrunkCommandCodec;
using hb::records::DeviceStatus;
using hb::records::Parm;
using hb::records::UserId;
using BankByte = RadioSettingsRecord::BankByte;
using Setting = RadioSettingsRecord::Setting;

constexpr DWORD kChannelPauseMs = 20;
constexpr std::uint8_t kOn = 0xFF;
constexpr std::uint8_t kTypeI = 1;
// The trunk-type codes of the UHF and VHF Type II banks, whose band plans are read.
constexpr std::uint8_t kCodeUhf = 4;
constexpr std::uint8_t kCodeVhf = 5;
constexpr std::size_t kSwitchAt = 2;
constexpr std::size_t kTcDigitAt = 8;
constexpr std::size_t kTextAt = 8;
constexpr std::string_view kNoId = "------";
constexpr std::string_view kFipsReply = "FIPS ";
// The band-plan screens: base in MHz, spacing in kHz and the offset digits, on display line 2.
constexpr std::size_t kPlanLine = 2;
constexpr std::size_t kBaseWidth = 9;
constexpr std::size_t kSpacingWidth = 6;
constexpr std::size_t kOffsetAt = 4;
constexpr std::size_t kOffsetWidth = 3;

enum Ref63Read : int {
    kRefRangeName = 6360,
    kRefRangeLower,
    kRefRangeUpper,
    kRefRangeMode,
    kRefRangeStep,
    kRefBankMemory,
    kRefBankName,
    kRefTrunkType,
    kRefFleetMap,
    kRefBandPlanCommand,
    kRefBandPlanMenu,
    kRefBandPlanBase,
    kRefBandPlanSpacing,
    kRefBandPlanOffset,
    kRefIr,
    kRefEa,
    kRefPriority,
    kRefTc,
    kRefEndCode,
    kRefBankOptionByte,
    kRefBankOption,
    kRefEdacsFormat,
    kRefBankDelay,
    kRefChannelMemory,
    kRefChannelName,
    kRefChannelTone,
    kRefChannelMode,
    kRefChannelBa,
    kRefChannelDelay,
    kRefChannelStep,
    kRefIdText,
    kRefIdTag,
    kRefIdBa,
    kRefIdOption,
    kRefIdListTag,
    kRefFips,
    kRefLt,
    kRefSwitches,
    kRefCt,
    kRefDs,
    kRefChainSearch,
};

char At(std::string_view reply, std::size_t pos) {
    return static_cast<char>(hb::records::ReplyAt0(reply, pos).value_or('\0'));
}

std::uint8_t OnWhen(bool on) {
    return on ? kOn : 0;
}

} // namespace

void CLoader::UploadType63(Object* root, CLoadProgressDlg* dialog) {
    if (!TakeTrunkModel63(root)) {
        return;
    }
    SendOpeningCommands63(dialog);
    auto* group = dynamic_cast<Group*>(root);
    if (!group || m_radio->CheckGroup(*root) != 0) {
        // The radio is not left in its programming state.
        SendClosingCommands63(true, dialog);
        return;
    }
    const bool settings = m_bank_dialog.SettingsChosen();
    CLoadProgressDlg& shown = Progress(dialog);
    const auto read = [&] {
        if (settings) {
            shown.SetCurrentItem("Search Ranges");
            if (WalkSearchRanges63(
                    *group, [&](Chan& range) { return ReadSearchRange63(range, dialog); }) != 0) {
                return 1;
            }
        }
        if (WalkBanks63(*group, [&](Bank& bank) { return ReadBank63(bank, root, dialog); }) != 0) {
            return 1;
        }
        if (ReadIdListTags63(*group, dialog) != 0) {
            return 1;
        }
        return settings ? ReadSettings63(*group, dialog) : 0;
    };
    if (read() == 0) {
        SendClosingCommands63(true, dialog);
    }
    if (m_document) {
        m_document->SetModifiedFlag(TRUE);
    }
}

int CLoader::ReadIdListTags63(Group& group, CLoadProgressDlg* dialog) {
    CLoadProgressDlg& shown = Progress(dialog);
    RadioSettingsRecord record = RadioSettingsRecord::Fetch(group.records());
    shown.SetCurrentItem("ID Bank Tags");
    shown.SetItemLabel("ID Bank:");
    const unsigned banks =
        std::min<unsigned>(m_radio->organisation().banks, RadioSettingsRecord::kBanks);
    for (unsigned b = 0; b < banks; ++b) {
        if (!m_bank_dialog.BankChosen(b)) {
            continue;
        }
        shown.SetBank(b + 1);
        const auto letter = static_cast<char>('A' + b);
        for (unsigned entry = 0; entry < RadioSettingsRecord::kTagsPerBank; ++entry) {
            if (SendCommandsChecked(
                    kRefIdListTag,
                    codec::Printf("TA L %c %c\r", letter, static_cast<char>('A' + entry)),
                    dialog) != 0) {
                return 1;
            }
            record.SetIdTag(b + 1, entry, ReplyName());
            shown.SetChannelText(std::string(1, letter).c_str());
            shown.SetFrequency(
                codec::Printf("%-16.16s", record.IdTag(b + 1, entry).c_str()).c_str());
        }
    }
    return 0;
}

int CLoader::ReadSettings63(Group& group, CLoadProgressDlg* dialog) {
    CLoadProgressDlg& shown = Progress(dialog);
    RadioSettingsRecord record = RadioSettingsRecord::Fetch(group.records());
    shown.SetCurrentItem("Global Settings");
    if (m_model_variant == 0) {
        shown.SetItemLabel("Slot:");
        shown.SetBankText("FIPS");
        record.ClearFipsCodes();
        for (unsigned slot = 1; slot <= RadioSettingsRecord::kFipsSlots; ++slot) {
            if (SendCommandsChecked(kRefFips, codec::Printf("FP %02u\r", slot), dialog) != 0) {
                return 1;
            }
            const std::string reply = Reply();
            if (!reply.starts_with(kFipsReply)) {
                break;
            }
            const std::string_view code = hb::records::ReplyFrom0(reply, kTextAt);
            shown.SetChannelText(codec::Printf("%02u", slot).c_str());
            shown.SetFrequency(std::string(code).c_str());
            record.AppendFipsCode(code);
        }
    }
    if (SendCommandsChecked(kRefLt, "LT\r", dialog) != 0) {
        return 1;
    }
    if (const auto lt = codec::LetterValue(
            codec::kLtLetters, static_cast<char>(m_device_status.get(DeviceStatus::kLtChar)))) {
        record.Set(Setting::kLt, *lt);
    }
    for (const auto& [command, setting] :
         {std::pair{"LM\r", Setting::kLm}, std::pair{"BP\r", Setting::kBp},
          std::pair{"EL\r", Setting::kEl}}) {
        if (SendCommandsChecked(kRefSwitches, command, dialog) != 0) {
            return 1;
        }
        record.Set(setting, OnWhen(At(Reply(), kSwitchAt) == 'N'));
    }
    if (SendCommandsChecked(kRefCt, "CT\r", dialog) != 0) {
        return 1;
    }
    if (const auto ct = codec::LetterValue(codec::kCtLetters, At(Reply(), kSwitchAt))) {
        record.Set(Setting::kCt, *ct);
    }
    if (m_trunk_model->chainSearch) {
        const auto readChainItem = [&](unsigned item) -> std::optional<char> {
            if (OpenMenu63(codec::kSearchMenuKeys, codec::kChainSearchText, kRefChainSearch,
                           dialog) != 0) {
                return std::nullopt;
            }
            return ReadPositionAndLeave63(codec::ChainSearchItemKeys(item).c_str(), kRefChainSearch,
                                          dialog);
        };
        const auto option6 = readChainItem(codec::kChainItemOption6);
        if (!option6) {
            return 1;
        }
        record.Set(Setting::kChainSearchItem6, OnWhen(*option6 == '1'));
        const auto choice = readChainItem(codec::kChainItemChoice);
        if (!choice) {
            return 1;
        }
        if (const auto value = codec::MenuChoice(*choice)) {
            record.Set(Setting::kChainSearchChoice, *value);
        }
        const auto option4 = readChainItem(codec::kChainItemOption4);
        if (!option4) {
            return 1;
        }
        record.Set(Setting::kChainSearchItem4, OnWhen(*option4 == '1'));
    }
    if (SendCommandsChecked(kRefDs, "KEY00\rDS\r", dialog) != 0) {
        return 1;
    }
    record.Set(Setting::kDs, OnWhen(At(Reply(), kSwitchAt) == 'N'));
    return 0;
}

int CLoader::ReadBank63(Bank& bank, Object* root, CLoadProgressDlg* dialog) {
    auto* group = dynamic_cast<Group*>(root);
    if (!group) {
        return 1;
    }
    CLoadProgressDlg& shown = Progress(dialog);
    const unsigned number = bank.number;
    const auto letter = codec::BankLetter(number);
    const TrunkCommandCodec::TrunkModel63& model = *m_trunk_model;
    const auto& organisation = m_radio->organisation();
    shown.SetBank(number);
    shown.SetCurrentItem("Bank Settings");
    const unsigned firstMemory = (number - organisation.firstBank) * organisation.channelsPerBank +
                                 organisation.firstChannel;
    if (SendCommandsChecked(kRefBankMemory, codec::Printf("MA%03u\r", firstMemory), dialog) != 0 ||
        SendCommandsChecked(kRefBankName, codec::Printf("TA B %c\r", letter), dialog) != 0) {
        return 1;
    }
    bank.setName(ReplyName());
    shown.SetFrequency(bank.name().c_str());
    if (SendCommandsChecked(kRefTrunkType, codec::Printf("TB %c\r", letter), dialog) != 0) {
        return 1;
    }
    const std::uint8_t code = m_device_status.get(DeviceStatus::kTrunkTypeCode);
    codec::StoreTrunkTypeCode(bank, code);
    const std::uint8_t type = bank.trunkType;
    if (type == kTypeI) {
        for (unsigned block = 0; block < codec::kFleetBlocks;) {
            if (SendCommandsChecked(kRefFleetMap, codec::Printf("FB %c %u\r", letter, block),
                                    dialog) != 0) {
                return 1;
            }
            block = codec::ReadFleetMapReply(Reply(), block, bank.fleetMap);
        }
    }
    RadioSettingsRecord record = RadioSettingsRecord::Fetch(group->records());
    if ((code == kCodeUhf || code == kCodeVhf) &&
        ReadBandPlans63(bank, code, record, dialog) != 0) {
        return 1;
    }
    if (codec::HasIrSetting(type)) {
        if (SendCommandsChecked(kRefIr, codec::Printf("IR %c\r", letter), dialog) != 0) {
            return 1;
        }
        if (const auto ir = codec::LetterValue(codec::kIrLetters, At(Reply(), kSwitchAt))) {
            record.Set(BankByte::kIrSetting, number, *ir);
        }
    }
    if (SendCommandsChecked(kRefEa, codec::Printf("EA %c\r", letter), dialog) != 0) {
        return 1;
    }
    if (const char ea = At(Reply(), kSwitchAt); ea == 'N') {
        bank.trunkFlags |= Bank::kTrunkEa;
    } else if (ea == 'F') {
        bank.trunkFlags &= ~Bank::kTrunkEa;
    }
    shown.SetItemLabel("Channel:");
    shown.SetCurrentItem("Channel Data");
    if (WalkChannels63(bank, [&](Chan& channel) {
            if (ReadChannel63(channel, dialog) != 0) {
                return 1;
            }
            Parm read = channel.record();
            if (read.get(Parm::Channel::kTrunkWord) & Parm::Channel::kTrunkFrequency) {
                // On a trunk frequency the squelch block holds the trunk kind alone.
                for (std::size_t word = 0; word < Parm::kModelWords.kCount; ++word) {
                    read.set(Parm::kModelWords, word, 0);
                }
                read.set(Parm::Channel::kTrunkKind, type);
                channel.SetParm(read);
            }
            return 0;
        }) != 0) {
        return 1;
    }
    if (codec::HasIdList(type)) {
        shown.SetCurrentItem("ID List");
        shown.SetItemLabel("ID Code:");
        if (WalkUserIds63(bank, [&](UserIdEntry& entry, unsigned slot) {
                return ReadUserId63(entry, bank, dialog, slot);
            }) != 0) {
            return 1;
        }
    }
    shown.SetCurrentItem("Bank Settings");
    if (SendCommandsChecked(kRefPriority, codec::Printf("PC %c\r", letter), dialog) != 0) {
        return 1;
    }
    record.SetPriorityChannel(
        number, m_device_status.get(DeviceStatus::kCurrentParm).get(Parm::kMemoryChannel));
    if (codec::IsMotorola(type)) {
        if (SendCommandsChecked(kRefTc, codec::Printf("TC %c\r", letter), dialog) != 0) {
            return 1;
        }
        const std::string reply = Reply();
        if (At(reply, kSwitchAt) == 'F') {
            record.Set(BankByte::kTcSetting, number, 0);
        } else if (const auto tc = codec::DigitValue(At(reply, kTcDigitAt));
                   At(reply, kSwitchAt) == 'N' && tc) {
            record.Set(BankByte::kTcSetting, number, *tc);
        }
        if (OpenTrunkOption63(bank, codec::kEndCodeText, kRefEndCode, dialog) != 0) {
            return 1;
        }
        const auto endCode = ReadPositionAndLeave63("KEY04\r", kRefEndCode, dialog);
        if (!endCode) {
            return 1;
        }
        if (const auto choice = codec::MenuChoice(*endCode)) {
            record.Set(BankByte::kEndCode, number, *choice);
        }
    }
    if (model.optionMenus) {
        const auto option =
            ReadPositionAndLeave63(codec::BankMenuKeys(number, codec::kBankItemOption).c_str(),
                                   kRefBankOptionByte, dialog);
        if (!option) {
            return 1;
        }
        bank.option = OnWhen(*option == '1');
    }
    if (codec::IsMotorola(type)) {
        const auto option = ReadPositionAndLeave63(
            codec::BankMenuKeys(number, model.bankOptionItem).c_str(), kRefBankOption, dialog);
        if (!option) {
            return 1;
        }
        record.Set(BankByte::kBankOption, number, OnWhen(*option == '1'));
    }
    if (codec::IsEdacs(type)) {
        if (OpenTrunkOption63(bank, codec::kEdacsFormatText, kRefEdacsFormat, dialog) != 0) {
            return 1;
        }
        const auto format = ReadPositionAndLeave63("KEY04\r", kRefEdacsFormat, dialog);
        if (!format) {
            return 1;
        }
        bank.trunkFlags = *format == '1' ? bank.trunkFlags | Bank::kTrunkEdacsFormat
                                         : bank.trunkFlags & ~Bank::kTrunkEdacsFormat;
    }
    const auto delay = ReadPositionAndLeave63(
        codec::BankMenuKeys(number, codec::kBankItemDelay).c_str(), kRefBankDelay, dialog);
    if (!delay) {
        return 1;
    }
    if (const auto ms = codec::BankDelayOfPosition(*delay, model.fullDelay)) {
        bank.delay = *ms;
    }
    return 0;
}

int CLoader::ReadBandPlans63(Bank& bank, std::uint8_t code, RadioSettingsRecord& record,
                             CLoadProgressDlg* dialog) {
    const unsigned number = bank.number;
    const auto letter = codec::BankLetter(number);
    if (m_trunk_model->bandPlansByCommand) {
        for (unsigned plan = 1; plan <= RadioSettingsRecord::kPlans; ++plan) {
            if (SendCommandsChecked(kRefBandPlanCommand, codec::Printf("BC %c%u\r", letter, plan),
                                    dialog) != 0) {
                return 1;
            }
            codec::TakeBandPlanReply(Reply(), record, number, plan);
        }
    } else {
        if (SendCommandsChecked(kRefBandPlanMenu, codec::BandPlanMenuKeys(number, code), dialog) !=
            0) {
            return 1;
        }
        for (unsigned plan = 1; plan <= RadioSettingsRecord::kPlans; ++plan) {
            // Past the previous plan's last screen to the title of this one first.
            if (ReadDisplay(plan == 1 ? "KEY04\r" : "KEY04\rKEY04\r", kRefBandPlanBase, dialog) <
                0) {
                return 1;
            }
            std::uint32_t base = record.PlanBase(number, plan);
            convert_frequency(DisplayLine(kPlanLine).substr(0, kBaseWidth).c_str(), &base, 'M');
            record.SetPlanBase(number, plan, base);
            if (ReadDisplay("KEY04\r", kRefBandPlanSpacing, dialog) < 0) {
                return 1;
            }
            std::uint32_t spacing = record.PlanSpacing(number, plan);
            convert_frequency(DisplayLine(kPlanLine).substr(0, kSpacingWidth).c_str(), &spacing,
                              'K');
            record.SetPlanSpacing(number, plan, spacing);
            if (ReadDisplay("KEY04\r", kRefBandPlanOffset, dialog) < 0) {
                return 1;
            }
            const std::string line = DisplayLine(kPlanLine);
            if (const auto offset = codec::DigitsAt(
                    std::string_view(line).substr(0, kOffsetAt + kOffsetWidth), kOffsetAt)) {
                record.SetPlanOffset(number, plan, static_cast<std::uint16_t>(*offset));
            }
        }
        if (SendAndLeave63("", kRefBandPlanMenu, dialog) != 0) {
            return 1;
        }
    }
    bank.base = record.PlanBase(number, 1);
    bank.spacing = record.PlanSpacing(number, 1);
    bank.offset = record.PlanOffset(number, 1);
    return 0;
}

int CLoader::ReadChannel63(Chan& channel, CLoadProgressDlg* dialog) {
    const std::uint16_t memory = channel.record().get(Parm::kMemoryChannel);
    const unsigned number = memory % 1000;
    Progress(dialog).SetChannel(memory);
    Sleep(kChannelPauseMs);
    if (SendCommandsChecked(kRefChannelMemory, codec::Printf("MA%03u\r", number), dialog) != 0) {
        return 1;
    }
    // The channel keeps the memory number it was walked to, whatever the three digits say.
    Parm read = ReplyRecord();
    read.set(Parm::kMemoryChannel, memory);
    channel.SetParm(read);
    if (read.get(Parm::kFrequency) == 0) {
        channel.reset(m_radio.get());
        Parm empty = channel.record();
        empty.set(Parm::kMemoryChannel, memory);
        channel.SetParm(empty);
        return 0;
    }
    if (SendCommandsChecked(kRefChannelName, codec::Printf("TA C %03u\r", number), dialog) != 0) {
        return 1;
    }
    channel.setName(codec::IsUnnamedMemoryReply(Reply()) ? std::string() : ReplyName());
    Progress(dialog).SetFrequency(channel.name().c_str());
    if (ReplyRecord().get(Parm::Channel::kTone) != 0 &&
        SendCommandsChecked(kRefChannelTone, "CS\r", dialog) != 0) {
        return 1;
    }
    for (std::size_t word = 0; word < Parm::kModelWords.kCount; ++word) {
        read.set(Parm::kModelWords, word, ReplyRecord().get(Parm::kModelWords, word));
    }
    if (SendCommandsChecked(kRefChannelMode, "RM\r", dialog) != 0) {
        return 1;
    }
    read.set(Parm::kMode, ReplyRecord().get(Parm::kMode));
    if (SendCommandsChecked(kRefChannelBa, codec::Printf("BA C %03u\r", number), dialog) != 0) {
        return 1;
    }
    read.set(Parm::Channel::kFlags, ReplyRecord().get(Parm::Channel::kFlags));
    read.set(Parm::Channel::kTrunkWord, ReplyRecord().get(Parm::Channel::kTrunkWord));
    channel.SetParm(read);
    if (read.get(Parm::Channel::kTrunkWord) & Parm::Channel::kTrunkFrequency) {
        return 0;
    }
    if (SendCommandsChecked(kRefChannelDelay, "DL\r", dialog) != 0) {
        return 1;
    }
    read.set(Parm::Channel::kDelay, ReplyRecord().get(Parm::Channel::kDelay));
    if (SendCommandsChecked(kRefChannelStep, "ST\r", dialog) != 0) {
        return 1;
    }
    read.set(Parm::kStep, ReplyRecord().get(Parm::kStep));
    channel.SetParm(read);
    return 0;
}

int CLoader::ReadUserId63(UserIdEntry& entry, const Bank& bank, CLoadProgressDlg* dialog,
                          unsigned slot) {
    const codec::UserIdSlot place = codec::UserIdSlotAt(slot);
    const auto letter = codec::BankLetter(bank.number);
    UserId& id = entry.id();
    id = UserId{};
    if (SendCommandsChecked(kRefIdText,
                            codec::Printf("TG %c %c%u\r", letter, place.letter, place.digit),
                            dialog) != 0) {
        return 1;
    }
    const std::string text(hb::records::ReplyFrom0(Reply(), kTextAt));
    if (!text.starts_with(kNoId)) {
        // The radio's own forms, whatever the program shows.
        const int motorola = format_motorola_style(0);
        const int edacs = format_edacs_style(0);
        convert_user(text.c_str(), &id, bank.trunkType, bank.fleetMap);
        format_motorola_style(motorola);
        format_edacs_style(edacs);
    }
    if (codec::IsEmptyId(id)) {
        entry.setTag("");
        entry.setOptions(entry.options() & ~UserIdEntry::kOptionBa);
        entry.setOptionByte(UserIdEntry::kOptionRadio, 0);
    } else {
        if (SendCommandsChecked(kRefIdTag,
                                codec::Printf("TA I %c %c%u\r", letter, place.letter, place.digit),
                                dialog) != 0) {
            return 1;
        }
        entry.setTag(ReplyName());
        if (SendCommandsChecked(kRefIdBa,
                                codec::Printf("BA I %c %c%u\r", letter, place.letter, place.digit),
                                dialog) != 0) {
            return 1;
        }
        const bool ba =
            (ReplyRecord().get(Parm::Channel::kFlags) & Parm::Channel::kFlagBankAssign) != 0;
        entry.setOptions(static_cast<std::uint16_t>((entry.options() & ~UserIdEntry::kOptionBa) |
                                                    (ba ? UserIdEntry::kOptionBa : 0)));
        if (m_trunk_model->optionMenus) {
            const auto option = ReadPositionAndLeave63(
                codec::IdOptionKeys(bank.number, slot).c_str(), kRefIdOption, dialog);
            if (!option) {
                return 1;
            }
            entry.setOptionByte(UserIdEntry::kOptionRadio, OnWhen(*option == '1'));
        }
    }
    Progress(dialog).SetChannelText(place.Name().c_str());
    Progress(dialog).SetFrequency(entry.tag().c_str());
    return 0;
}

int CLoader::ReadSearchRange63(Chan& range, CLoadProgressDlg* dialog) {
    Parm record = range.record();
    const unsigned number = record.get(Parm::kMemoryChannel);
    const auto letter = codec::BankLetter(number);
    Progress(dialog).SetBankText(codec::Printf("SR-%u", number).c_str());
    if (SendCommandsChecked(kRefRangeName, codec::Printf("TA S %c\r", letter), dialog) != 0) {
        return 1;
    }
    range.setName(ReplyName());
    Progress(dialog).SetFrequency(range.name().c_str());
    if (SendCommandsChecked(kRefRangeLower, codec::Printf("LL %c\r", letter), dialog) != 0) {
        return 1;
    }
    record.set(Parm::Channel::kLowerLimit, ReplyRecord().get(Parm::Channel::kLowerLimit));
    if (SendCommandsChecked(kRefRangeUpper, codec::Printf("LU %c\r", letter), dialog) != 0) {
        return 1;
    }
    record.set(Parm::Channel::kUpperLimit, ReplyRecord().get(Parm::Channel::kUpperLimit));
    range.SetParm(record);
    const TrunkCommandCodec::TrunkModel63& model = *m_trunk_model;
    const auto readRangeItem = [&](unsigned item, int ref) -> std::optional<char> {
        if (OpenMenu63(codec::kSearchMenuKeys, codec::kChainSearchText, ref, dialog) != 0) {
            return std::nullopt;
        }
        return ReadPositionAndLeave63(codec::RangeItemKeys(number, item).c_str(), ref, dialog);
    };
    if (model.chainSearch) {
        const auto mode = readRangeItem(codec::kRangeItemMode, kRefRangeMode);
        if (!mode) {
            return 1;
        }
        record.set(Parm::kMode, codec::RangeModeOfPosition(*mode));
    }
    if (!model.rangeSteps.empty()) {
        const auto step = readRangeItem(codec::kRangeItemStep, kRefRangeStep);
        if (!step) {
            return 1;
        }
        record.set(Parm::kStep, codec::RangeStepOfPosition(*step, model.rangeSteps));
    }
    range.SetParm(record);
    return 0;
}
