// PC to Radio for the trunk-tracking scanners of types 63 to 92: the radio erased when everything
// goes to it, each chosen bank with its trunking settings, channels, IDs and ID-list tags, then the
// search ranges and the global settings of the group's settings record.
#include "app/rig/Rig.h"
#include "platform/records/TrunkChannelWords.h"
#include "platform/tessary/model/Group.h"
#include "platform/tessary/model/Radio.h"
#include "programming/Loader.h"
#include "programming/RadioSettingsRecord.h"
#include "programming/TrunkCommandCodec.h"
#include "programming/TrunkCommandCodec63.h"

namespace {

using hb::records::TrunkSwitchLetter;

namespace codec = TrunkCommandCodec;
using hb::records::Parm;
using hb::records::UserId;
using BankByte = RadioSettingsRecord::BankByte;
using Setting = RadioSettingsRecord::Setting;

constexpr std::uint32_t kEraseWaitMs = 25000;
constexpr std::uint8_t kTypeI = 1;
// Search ranges are named by the letters A to J.
constexpr unsigned kRangeLetters = 10;

enum Ref63Write : int {
    kRefBankMemory = 6320,
    kRefTrunkType,
    kRefTrunkOn,
    kRefFleetMap,
    kRefIr,
    kRefTc,
    kRefPriority,
    kRefEa,
    kRefEndCode,
    kRefEdacsFormat,
    kRefBankOptionByte,
    kRefBankOption,
    kRefBankDelay,
    kRefIdMemory,
    kRefIdListTag,
    kRefBankName,
    kRefMemory,
    kRefStep,
    kRefLockOut,
    kRefDelay,
    kRefAttenuator,
    kRefMarker,
    kRefMode,
    kRefTone,
    kRefChannelName,
    kRefChannelBa,
    kRefIdText,
    kRefIdTag,
    kRefIdBa,
    kRefIdOption,
    kRefRangeName,
    kRefRangeLower,
    kRefRangeUpper,
    kRefRangeMode,
    kRefRangeStep,
    kRefFips,
    kRefLt,
    kRefSwitches,
    kRefCt,
    kRefChainSearch,
};

// After an erase, an entry with nothing in it is left as the erase made it.
bool ErasedId(const UserId& id) {
    return id.get(UserId::kValue) == 0 && id.get(UserId::kFlags) == 0;
}

} // namespace

void CLoader::DownloadType63(Object* root, CLoadProgressDlg* dialog) {
    if (!TakeTrunkModel63(root)) {
        return;
    }
    auto* group = dynamic_cast<Group*>(root);
    if (!group || m_radio->CheckGroup(*root) != 0) {
        return;
    }
    const bool settings = m_bank_dialog.SettingsChosen();
    bool allBanks = true;
    for (std::size_t n = 0; n < RadioSettingsRecord::kBanks; ++n) {
        allBanks = allBanks && m_bank_dialog.BankChosen(n);
    }
    if (!m_no_erase && settings && allBanks) {
        Progress(dialog).SetCurrentItem("Erasing Radio Memory");
        if (!EraseRadio(kEraseWaitMs, dialog)) {
            root->clearOwnChanged();
            return;
        }
    }
    SendOpeningCommands63(dialog);
    const int ended = WalkBanks63(*group, [&](Bank& bank) {
        const int result = DownloadBank63(bank, root, dialog);
        if (result == 0) {
            bank.clearOwnChanged();
        }
        return result;
    });
    if (ended == 0) {
        if (!settings || WriteSettings63(*group, dialog) == 0) {
            SendClosingCommands63(false, dialog);
        }
    }
    root->clearOwnChanged();
}

int CLoader::WriteSettings63(Group& group, CLoadProgressDlg* dialog) {
    CLoadProgressDlg& shown = Progress(dialog);
    shown.SetCurrentItem("Search Ranges");
    if (WalkSearchRanges63(group, [&](Chan& range) {
            const int result = WriteSearchRange63(range, dialog);
            if (result == 0) {
                range.clearChanged();
            }
            return result;
        }) != 0) {
        return 1;
    }
    RadioSettingsRecord record = RadioSettingsRecord::Fetch(group.records());
    shown.SetCurrentItem("Global Settings");
    if (m_model_variant == 0) {
        shown.SetItemLabel("Slot:");
        shown.SetBankText("FIPS");
        unsigned slot = 0;
        for (const std::string& code : record.FipsCodes()) {
            ++slot;
            shown.SetChannelText(codec::Printf("%02u", slot).c_str());
            shown.SetFrequency(code.c_str());
            if (SendCommandsChecked(kRefFips, codec::Printf("FP %02u %-6.6s\r", slot, code.c_str()),
                                    dialog) != 0) {
                return 1;
            }
        }
    }
    if (const std::uint8_t lt = record.Get(Setting::kLt); lt < codec::kLtLetters.size()) {
        SendCommandsChecked(kRefLt, codec::Printf("LT%c\r", codec::kLtLetters[lt]), dialog);
    }
    for (const auto& [word, setting] :
         {std::pair{"LM", Setting::kLm}, std::pair{"BP", Setting::kBp},
          std::pair{"EL", Setting::kEl}, std::pair{"DS", Setting::kDs}}) {
        if (SendCommandsChecked(
                kRefSwitches,
                codec::Printf("%s%c\r", word, TrunkSwitchLetter(record.Get(setting) != 0)),
                dialog) != 0) {
            return 1;
        }
    }
    const char ct = codec::kCtLetters[record.Get(Setting::kCt) % codec::kCtLetters.size()];
    if (SendCommandsChecked(kRefCt, codec::Printf("CT%c\r", ct), dialog) != 0) {
        return 1;
    }
    if (!m_trunk_model->chainSearch) {
        return 0;
    }
    const auto onOff = [&](Setting option) {
        return codec::ChoiceKeys(record.Get(option) != 0 ? codec::kOn : codec::kOff);
    };
    const unsigned choice = record.Get(Setting::kChainSearchChoice) + 1u;
    const std::array<std::optional<std::string>, 3> excursions{
        codec::ChainSearchItemKeys(codec::kChainItemOption4) + onOff(Setting::kChainSearchItem4),
        codec::ChainSearchItemKeys(codec::kChainItemOption6) + onOff(Setting::kChainSearchItem6),
        // A choice the menu cannot show is left as the radio has it.
        choice <= 9 ? std::optional(codec::ChainSearchItemKeys(codec::kChainItemChoice) +
                                    codec::ChoiceKeys(choice))
                    : std::nullopt};
    for (const auto& keys : excursions) {
        if (keys && (OpenMenu63(codec::kSearchMenuKeys, codec::kChainSearchText, kRefChainSearch,
                                dialog) != 0 ||
                     SendAndLeave63(*keys, kRefChainSearch, dialog) != 0)) {
            return 1;
        }
    }
    return 0;
}

int CLoader::DownloadBank63(Bank& bank, Object* root, CLoadProgressDlg* dialog) {
    auto* group = dynamic_cast<Group*>(root);
    if (!group) {
        return 1;
    }
    CLoadProgressDlg& shown = Progress(dialog);
    const unsigned number = bank.number;
    const char letter = codec::BankLetter(bank.number);
    const std::uint8_t type = bank.trunkType;
    const TrunkCommandCodec::TrunkModel63& model = *m_trunk_model;
    const auto& organisation = m_radio->organisation();
    shown.SetBank(number);
    RadioSettingsRecord record = RadioSettingsRecord::Fetch(group->records());
    const unsigned firstMemory = (number - organisation.firstBank) * organisation.channelsPerBank;
    if (SendCommandsChecked(kRefBankMemory, codec::Printf("MA%03u\r", firstMemory + 1), dialog) !=
        0) {
        return 1;
    }
    shown.SetCurrentItem("Bank Settings");
    const codec::TrunkTypeLines typeLines = codec::TrunkTypeLines63(bank, record);
    for (const std::string& line : typeLines.lines) {
        if (SendCommandsChecked(kRefTrunkType, line, dialog) != 0) {
            return 1;
        }
    }
    if (typeLines.switchOn &&
        SendCommandsChecked(kRefTrunkOn, codec::Printf("TBN %c\r", letter), dialog) != 0) {
        return 1;
    }
    if (type == kTypeI) {
        for (unsigned block = 0; block < codec::kFleetBlocks; ++block) {
            if (SendCommandsChecked(kRefFleetMap,
                                    codec::Printf("FB %c %u %02u\r", letter, block,
                                                  static_cast<unsigned>(bank.fleetMap[block])),
                                    dialog) != 0) {
                return 1;
            }
        }
    }
    const std::uint8_t ir = record.Get(BankByte::kIrSetting, number);
    if (codec::HasIrSetting(type) && ir < codec::kIrLetters.size() &&
        SendCommandsChecked(kRefIr, codec::Printf("IR%c %c\r", codec::kIrLetters[ir], letter),
                            dialog) != 0) {
        return 1;
    }
    if (codec::IsMotorola(type)) {
        const unsigned tc = record.Get(BankByte::kTcSetting, number);
        const std::string command =
            tc ? codec::Printf("TCN %c P%u\r", letter, tc) : codec::Printf("TCF %c\r", letter);
        if (SendCommandsChecked(kRefTc, command, dialog) != 0) {
            return 1;
        }
    }
    if (const unsigned priority = record.HeldPriorityChannel(number, organisation.channelsPerBank);
        priority != 0 &&
        SendCommandsChecked(kRefPriority, codec::Printf("PC %c%03u\r", letter, priority), dialog) !=
            0) {
        return 1;
    }
    if (codec::IsEdacs(type) &&
        SendCommandsChecked(
            kRefEa,
            codec::Printf("EA%c %c\r", TrunkSwitchLetter(bank.trunkFlags & Bank::kTrunkEa), letter),
            dialog) != 0) {
        return 1;
    }
    const auto choose = [&](unsigned position) { return "KEY04\r" + codec::ChoiceKeys(position); };
    if (codec::IsMotorola(type) &&
        (OpenTrunkOption63(bank, codec::kEndCodeText, kRefEndCode, dialog) != 0 ||
         SendAndLeave63(choose((record.Get(BankByte::kEndCode, number) & 1u) + 1), kRefEndCode,
                        dialog) != 0)) {
        return 1;
    }
    if (codec::IsEdacs(type) &&
        (OpenTrunkOption63(bank, codec::kEdacsFormatText, kRefEdacsFormat, dialog) != 0 ||
         SendAndLeave63(
             choose(bank.trunkFlags & Bank::kTrunkEdacsFormat ? codec::kOn : codec::kOff),
             kRefEdacsFormat, dialog) != 0)) {
        return 1;
    }
    const auto onOff = [](bool on) { return codec::ChoiceKeys(on ? codec::kOn : codec::kOff); };
    if (model.optionMenus && SendAndLeave63(codec::BankMenuKeys(number, codec::kBankItemOption) +
                                                onOff(bank.option != 0),
                                            kRefBankOptionByte, dialog) != 0) {
        return 1;
    }
    if (codec::IsMotorola(type) &&
        SendAndLeave63(codec::BankMenuKeys(number, model.bankOptionItem) +
                           onOff(record.Get(BankByte::kBankOption, number) != 0),
                       kRefBankOption, dialog) != 0) {
        return 1;
    }
    if (SendAndLeave63(codec::BankMenuKeys(number, codec::kBankItemDelay) +
                           codec::ChoiceKeys(codec::BankDelayPosition(bank.delay, model.fullDelay)),
                       kRefBankDelay, dialog) != 0) {
        return 1;
    }
    shown.SetItemLabel("Channel:");
    shown.SetCurrentItem("Channel Data");
    if (WalkChannels63(bank, [&](Chan& channel) {
            if (m_erased && channel.frequency() == 0) {
                return 0;
            }
            const int result = WriteChannel63(channel, dialog);
            // A channel the radio cannot hold keeps its mark: the radio does not have it.
            if (result == 0 && StorableFrequency(channel.frequency())) {
                channel.clearChanged();
            }
            return result;
        }) != 0) {
        return 1;
    }
    if (codec::HasIdList(type)) {
        shown.SetItemLabel("ID Code:");
        shown.SetCurrentItem("ID List");
        SendCommandsChecked(
            kRefIdMemory,
            codec::Printf("MA%03u\r", (firstMemory + organisation.firstChannel) % 1000), dialog);
        if (WalkUserIds63(bank, [&](UserIdEntry& entry, unsigned slot) {
                if (m_erased && ErasedId(entry.id())) {
                    return 0;
                }
                return WriteUserId63(entry, bank, dialog, slot);
            }) != 0) {
            return 1;
        }
    }
    const auto listLetter = static_cast<char>('A' + (number - organisation.firstBank));
    for (unsigned entry = 0; entry < RadioSettingsRecord::kTagsPerBank; ++entry) {
        if (SendCommandsChecked(kRefIdListTag,
                                codec::Printf("TA L %c %c %-16.16s\r", listLetter,
                                              static_cast<char>('A' + entry),
                                              record.IdTag(number, entry).c_str()),
                                dialog) != 0) {
            return 1;
        }
    }
    shown.SetCurrentItem("Bank Settings");
    return SendCommandsChecked(kRefBankName,
                               codec::Printf("TA B %c %-16.16s\r", letter, bank.name().c_str()),
                               dialog) != 0
               ? 1
               : 0;
}

int CLoader::WriteChannel63(Chan& channel, CLoadProgressDlg* dialog) {
    const Parm record = channel.record();
    const std::uint32_t hz = record.get(Parm::kFrequency);
    if (hz == 0 && m_erased) {
        return 0;
    }
    CLoadProgressDlg& shown = Progress(dialog);
    const unsigned memory = record.get(Parm::kMemoryChannel);
    shown.SetChannel(memory);
    shown.SetFrequency(channel.name().c_str());
    if (!StorableFrequency(hz)) {
        return 0;
    }
    const unsigned number = memory % 1000;
    const bool trunk =
        (record.get(Parm::Channel::kTrunkWord) & Parm::Channel::kTrunkFrequency) != 0;
    if (SendCommandsChecked(kRefMemory,
                            codec::Printf("PM%03u%c%08u\r", number, trunk ? 'T' : ' ', hz / 100),
                            dialog) != 0) {
        return 1;
    }
    if (hz == 0) {
        return 0;
    }
    const TrunkCommandCodec::TrunkModel63& model = *m_trunk_model;
    // After an erase a switch that is off is already so.
    const auto switchLine = [&](const char* word, bool on) {
        return m_erased && !on ? std::string()
                               : codec::Printf("%s%c\r", word, TrunkSwitchLetter(on));
    };
    const std::uint8_t mode = record.get(Parm::kMode);
    const bool toned = (mode == 0 || mode == 11) && !(m_erased && record.tone() == 0);
    const bool assigned = (record.get(Parm::Channel::kFlags) & Parm::Channel::kFlagBankAssign) != 0;
    const std::string bankAssign =
        m_erased && !assigned ? std::string()
                              : codec::Printf("BA%c C %03u\r", TrunkSwitchLetter(assigned), number);
    const std::array<std::pair<int, std::string>, 9> lines{{
        {kRefStep, codec::StepCommand63(record.get(Parm::kStep))},
        {kRefLockOut, switchLine("LO", record.get(Parm::kLockOut) != 0)},
        {kRefDelay, codec::DelayCommand(record.get(Parm::Channel::kDelay), model.fullDelay)},
        {kRefAttenuator, switchLine("AT", record.get(Parm::Channel::kAttenuator) != 0)},
        {kRefMarker,
         model.optionMenus ? switchLine("AR", record.get(Parm::Channel::kMarker) != 0) : ""},
        {kRefMode, codec::ModeCommand(mode)},
        {kRefTone, toned ? codec::ToneCommand(record) : ""},
        {kRefChannelName, codec::Printf("TA C %03u %-16.16s\r", number, channel.name().c_str())},
        {kRefChannelBa, bankAssign},
    }};
    for (const auto& [ref, line] : lines) {
        if (!line.empty() && SendCommandsChecked(ref, line, dialog) != 0) {
            return 1;
        }
    }
    return 0;
}

int CLoader::WriteUserId63(UserIdEntry& entry, const Bank& bank, CLoadProgressDlg* dialog,
                           unsigned slot) {
    UserId& id = entry.id();
    const bool empty = codec::IsEmptyId(id);
    if (empty && m_erased) {
        return 0;
    }
    CLoadProgressDlg& shown = Progress(dialog);
    const codec::UserIdSlot place = codec::UserIdSlotAt(slot);
    const char letter = codec::BankLetter(bank.number);
    shown.SetChannelText(place.Name().c_str());
    shown.SetFrequency(entry.tag().c_str());
    const std::string text = codec::IdText63(id, bank);
    if (SendCommandsChecked(
            kRefIdText,
            codec::Printf("TG %c %c%u %s\r", letter, place.letter, place.digit, text.c_str()),
            dialog) != 0) {
        return 1;
    }
    if (empty) {
        return 0;
    }
    if (SendCommandsChecked(kRefIdTag,
                            codec::Printf("TA I %c %c%u %-16.16s\r", letter, place.letter,
                                          place.digit, entry.tag().c_str()),
                            dialog) != 0) {
        return 1;
    }
    const bool ba = (entry.options() & UserIdEntry::kOptionBa) != 0;
    if (!(m_erased && !ba) &&
        SendCommandsChecked(kRefIdBa,
                            codec::Printf("BA%c I %c %c%u\r", TrunkSwitchLetter(ba), letter,
                                          place.letter, place.digit),
                            dialog) != 0) {
        return 1;
    }
    const bool option = entry.optionByte(UserIdEntry::kOptionRadio) != 0;
    if (!m_trunk_model->optionMenus || (m_erased && !option)) {
        return 0;
    }
    return SendAndLeave63(codec::IdOptionKeys(bank.number, slot) +
                              codec::ChoiceKeys(option ? codec::kOn : codec::kOff) +
                              "KEY04\rKEY07\r",
                          kRefIdOption, dialog);
}

int CLoader::WriteSearchRange63(Chan& range, CLoadProgressDlg* dialog) {
    Parm record = range.record();
    const unsigned number = record.get(Parm::kMemoryChannel);
    if (number > kRangeLetters) {
        return 0;
    }
    CLoadProgressDlg& shown = Progress(dialog);
    const auto letter = codec::BankLetter(number);
    shown.SetBankText(codec::Printf("SR-%u", number).c_str());
    shown.SetFrequency(range.name().c_str());
    if (SendCommandsChecked(kRefRangeName,
                            codec::Printf("TA S %c %-16.16s\r", letter, range.name().c_str()),
                            dialog) != 0) {
        return 1;
    }
    std::uint32_t lower = record.get(Parm::Channel::kLowerLimit);
    std::uint32_t upper = record.get(Parm::Channel::kUpperLimit);
    // A range without both limits is not sent, and stays as it is.
    if (lower == 0 || upper == 0) {
        return 0;
    }
    if (upper < lower) {
        std::swap(lower, upper);
        record.set(Parm::Channel::kLowerLimit, lower);
        record.set(Parm::Channel::kUpperLimit, upper);
        range.SetParm(record);
    }
    if (SendCommandsChecked(kRefRangeLower, codec::Printf("LL%08u %c\r", lower / 100, letter),
                            dialog) != 0 ||
        SendCommandsChecked(kRefRangeUpper, codec::Printf("LU%08u %c\r", upper / 100, letter),
                            dialog) != 0) {
        return 1;
    }
    const TrunkCommandCodec::TrunkModel63& model = *m_trunk_model;
    if (model.chainSearch &&
        (OpenMenu63(codec::kSearchMenuKeys, codec::kChainSearchText, kRefRangeMode, dialog) != 0 ||
         SendAndLeave63(codec::RangeItemKeys(number, codec::kRangeItemMode) +
                            codec::ChoiceKeys(codec::RangeModePosition(record.get(Parm::kMode))),
                        kRefRangeMode, dialog) != 0)) {
        return 1;
    }
    if (!model.rangeSteps.empty() &&
        (OpenMenu63(codec::kSearchMenuKeys, codec::kChainSearchText, kRefRangeStep, dialog) != 0 ||
         SendAndLeave63(codec::RangeItemKeys(number, codec::kRangeItemStep) +
                            codec::ChoiceKeys(codec::RangeStepPosition(record.get(Parm::kStep),
                                                                       model.rangeSteps)),
                        kRefRangeStep, dialog) != 0)) {
        return 1;
    }
    return 0;
}
