// The trunk-tracker panel's live text commands: an edit of a channel, a talkgroup ID, a search
// range or a bank in the scan list is sent to the scanner at once as the lines it would be
// programmed with, so that it follows the edit without a memory transfer.
#include "app/rig/Rig.h"
#include "platform/tessary/app/ObjectHint.h"
#include "platform/tessary/model/Bank.h"
#include "platform/tessary/model/Chan.h"
#include "platform/tessary/model/Group.h"
#include "platform/tessary/model/LocateBank.h"
#include "platform/tessary/model/Radio.h"
#include "platform/tessary/model/Range.h"
#include "platform/tessary/model/UserIdEntry.h"
#include "programming/RadioSettingsRecord.h"
#include "programming/TrunkCommandCodec.h"
#include "radioview/TrunkTrackerView.h"

#include <algorithm>
#include <optional>

namespace {

using Kind = hb::records::ObjectKind;
namespace codec = TrunkCommandCodec;

// Hints of an edited field.
constexpr UINT kHintFrequency = 1001;
constexpr UINT kHintTone = 1003;
constexpr UINT kHintMode = 1005;
constexpr UINT kHintAttenuator = 1008;
constexpr UINT kHintDelay = 1017;
constexpr UINT kHintLockOut = 1018;
constexpr UINT kHintSwitch = 1019;
constexpr UINT kHintStep = 1021;
constexpr UINT kHintLowerLimit = 1022;
constexpr UINT kHintUpperLimit = 1023;
constexpr UINT kHintFrequencyEntered = 1035;
constexpr UINT kHintTrunking = 1036;
constexpr UINT kHintBankAssign = 1040;
constexpr UINT kHintName = 1100;
constexpr UINT kHintPriority = 1101;
constexpr UINT kHintTrunkSettings = 27742;

constexpr std::uint8_t kTypeI = 1;
constexpr std::uint8_t kTypeII = 2;

// 'A' for 1.
char Letter(unsigned number) {
    return static_cast<char>('@' + number);
}

char OnOff(bool on) {
    return on ? 'N' : 'F';
}

const char* ChannelMode(std::uint8_t mode) {
    switch (mode) {
    case 1:
    case 7:
    case 8:
    case 9:
    case 12:
    case 13:
    case 14:
        return "RM AM\r";
    case 2:
        return "RM WFM\r";
    case 11:
        return "RM NFM\r";
    default:
        return "RM FM\r";
    }
}

const char* ChannelDelay(std::int16_t delay) {
    switch (delay) {
    case 0:
        return "DLF\r";
    case 1000:
        return "DLN +1\r";
    case 4000:
        return "DLN +4\r";
    case -10:
        return "DLN -10\r";
    case -5:
        return "DLN -5\r";
    case -2:
        return "DLN -2\r";
    case -1:
        return "DLN +-\r";
    default:
        return "DLN +2\r";
    }
}

// The bank menu's item for a delay.
int BankDelayItem(std::int16_t delay) {
    switch (delay) {
    case 0:
        return 1;
    case 1000:
        return 2;
    case 4000:
        return 4;
    case -1:
        return 5;
    case -2:
        return 6;
    case -5:
        return 7;
    case -10:
        return 8;
    default:
        return 3;
    }
}

unsigned RangeModeItem(std::uint8_t mode) {
    switch (mode) {
    case 0:
        return 2;
    case 1:
        return 1;
    case 2:
        return 3;
    case 11:
        return 4;
    default:
        return 5;
    }
}

unsigned RangeStepItem(std::uint32_t step) {
    constexpr std::uint32_t kSteps[] = {5'000, 7'500, 10'000, 12'500, 25'000, 50'000, 100'000};
    const auto* found = std::find(std::begin(kSteps), std::end(kSteps), step);
    return static_cast<unsigned>(found - std::begin(kSteps)) + 1;
}

} // namespace

void CTrunkTrackerView::OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) {
    Object* object = CObjectHint::ObjectOf(pHint);
    if (lHint == 0 || !object) {
        m_currentChannel = 0;
        m_currentBank = 0;
        CRadioView::OnUpdate(pSender, lHint, pHint);
        return;
    }
    if (!SendLiveCommands(static_cast<UINT>(lHint), *object)) {
        CRadioView::OnUpdate(pSender, lHint, pHint);
    }
}

bool CTrunkTrackerView::SendLiveCommands(UINT hint, Object& object) {
    switch (object.kind()) {
    case Kind::Channel:
    case Kind::StandaloneChannel:
        SendRaw(ChannelCommand(hint, static_cast<Chan&>(object)));
        return true;
    case Kind::UserIdEntry:
        SendRaw(IdEntryCommand(hint, static_cast<UserIdEntry&>(object)));
        return true;
    case Kind::SearchRange:
        SendRaw(RangeCommand(hint, static_cast<Range&>(object)));
        return true;
    case Kind::Bank:
        return SendBankCommands(hint, static_cast<Bank&>(object));
    default:
        return true;
    }
}

void CTrunkTrackerView::SendRaw(const CString& text) {
    if (m_rig && !text.IsEmpty()) {
        m_rig->RawCommand(text);
    }
}

CString CTrunkTrackerView::ChannelCommand(UINT hint, Chan& channel) {
    const parm& record = channel.record();
    const unsigned number = record.get(parm::kMemoryChannel);
    CString text;
    switch (hint) {
    case kHintFrequency:
    case kHintFrequencyEntered: {
        const std::uint32_t hz = record.get(parm::kFrequency);
        const bool trunked =
            (record.get(parm::Channel::kTrunkWord) & parm::Channel::kTrunkFrequency) != 0;
        text.Format("MA%03u\rST %s\rPM%03u%c%08u\r", number, codec::StepText(hz), number,
                    trunked ? 'T' : ' ', hz / 100);
        break;
    }
    case kHintTone:
        text.Format((record.get(parm::Channel::kToneOption) & parm::Channel::kToneOptionSuffixL)
                        ? "MA%03u\rCS%03uL\r"
                        : "MA%03u\rCS%03u\r",
                    number,
                    codec::ToneIndex(record.get(parm::Channel::kTone),
                                     record.get(parm::Channel::kSquelchKind)));
        break;
    case kHintMode:
        text.Format("MA%03u\r%s", number, ChannelMode(record.get(parm::kMode)));
        break;
    case kHintAttenuator:
        text.Format("MA%03u\rAT%c\r", number, OnOff(record.get(parm::Channel::kAttenuator) != 0));
        break;
    case kHintDelay:
        text.Format("MA%03u\r%s", number, ChannelDelay(record.get(parm::Channel::kDelay)));
        break;
    case kHintLockOut:
        text.Format("MA%03u\rLO%c\r", number, OnOff(channel.lockOut() != 0));
        break;
    case kHintSwitch:
        text.Format("MA%03u\rAR%c\r", number, OnOff(record.get(parm::Channel::kMarker) != 0));
        break;
    case kHintStep:
        text.Format("MA%03u\r%s", number, codec::StepCommand(record.get(parm::kStep)).c_str());
        break;
    case kHintBankAssign:
        text.Format(
            "BA%c C %03u\r",
            OnOff((record.get(parm::Channel::kFlags) & parm::Channel::kFlagBankAssign) != 0),
            number);
        break;
    case kHintName:
        text.Format("TA C %03u %-16.16s\r", number, channel.name().c_str());
        break;
    case kHintPriority: {
        Group* group = DocumentGroup();
        const Bank* bank = scan_locate_bank(&channel);
        if (group && bank && RadioSettingsRecord::HasBank(bank->number)) {
            const RadioSettingsRecord settings = RadioSettingsRecord::Fetch(group->records());
            text.Format("PC %c%03u\r", Letter(bank->number),
                        static_cast<unsigned>(settings.PriorityChannel(bank->number)));
        }
        break;
    }
    default:
        break;
    }
    return text;
}

CString CTrunkTrackerView::IdEntryCommand(UINT hint, UserIdEntry& entry) {
    auto* bank = dynamic_cast<Bank*>(entry.parent());
    if (!bank) {
        return {};
    }
    const auto& entries = bank->userIds();
    const auto at = std::find_if(entries.begin(), entries.end(),
                                 [&entry](const auto& e) { return e.get() == &entry; });
    const auto k = static_cast<unsigned>(at - entries.begin());
    const char idBank = Letter(bank->number);
    const codec::UserIdSlot slot = codec::UserIdSlotAt(k);
    const char group = slot.letter;
    const unsigned digit = slot.digit;
    CString text;
    switch (hint) {
    case kHintTone:
        text.Format("TG %c %c%u %s\r", idBank, group, digit,
                    codec::IdText(entry.id(), *bank).c_str());
        break;
    case kHintSwitch:
        text.Format("KEY11\rKEY02 3\rKEY02 %u\rKEY02 5\rKEY02 %u\rKEY03\rKEY02 %u\rKEY04\r"
                    "KEY02 3\rKEY02 %u\rKEY04\rKEY01\r",
                    bank->number % 10u, (k / 10 + 1) % 10, digit,
                    entry.optionByte(UserIdEntry::kOptionRadio) != 0 ? 1u : 2u);
        break;
    case kHintBankAssign:
        text.Format("BA%c I %c %c%u\r", OnOff((entry.options() & UserIdEntry::kOptionBa) != 0),
                    idBank, group, digit);
        break;
    case kHintName:
        text.Format("TA I %c %c%u %-16.16s\r", idBank, group, digit, entry.name().c_str());
        break;
    default:
        break;
    }
    return text;
}

CString CTrunkTrackerView::RangeCommand(UINT hint, Range& range) {
    const unsigned number = range.number();
    const char letter = Letter(number);
    CString text;
    switch (hint) {
    case kHintMode:
        text.Format("KEY11\rKEY02 4\rKEY02 1\rKEY02 %u\rKEY02 3\rKEY02 %u\rKEY01\r", number % 10,
                    RangeModeItem(range.record().get(parm::kMode)));
        break;
    case kHintStep:
        text.Format("KEY11\rKEY02 4\rKEY02 1\rKEY02 %u\rKEY02 2\rKEY02 %u\rKEY01\r", number % 10,
                    RangeStepItem(range.step()));
        break;
    case kHintLowerLimit:
    case kHintUpperLimit: {
        std::uint32_t lower = range.lower();
        std::uint32_t upper = range.upper();
        // A range still being filled in is neither reordered nor sent.
        if (lower == 0 || upper == 0) {
            break;
        }
        if (lower > upper) {
            std::swap(lower, upper);
            range.setLimits(lower, upper, range.step());
        }
        if (hint == kHintLowerLimit) {
            text.Format("LL%08u %c\r", lower / 100, letter);
        } else {
            text.Format("LU%08u %c\r", upper / 100, letter);
        }
        break;
    }
    case kHintName:
        text.Format("TA S %c %-16.16s\r", letter, range.name().c_str());
        break;
    default:
        break;
    }
    return text;
}

bool CTrunkTrackerView::SendBankCommands(UINT hint, Bank& bank) {
    const char letter = Letter(bank.number);
    CString text;
    switch (hint) {
    case kHintDelay:
        text.Format("KEY11\rKEY02 3\rKEY02 %u\rKEY02 2\rKEY02 %d\rKEY01\r", bank.number % 10u,
                    BankDelayItem(bank.delay));
        break;
    case kHintSwitch:
        text.Format("KEY11\rKEY02 3\rKEY02 %u\rKEY02 3\rKEY02 %c\rKEY01\r", bank.number % 10u,
                    bank.option != 0 ? '1' : '2');
        break;
    case kHintTrunking:
    case kHintTrunkSettings:
        if (Group* group = DocumentGroup()) {
            SendTrunkSequence(bank, *group);
            return true;
        }
        bank.markChanged();
        return false;
    case kHintName:
        text.Format("TA B %c %-16.16s\r", letter, bank.name().c_str());
        break;
    default:
        break;
    }
    SendRaw(text);
    return true;
}

void CTrunkTrackerView::SendTrunkSequence(Bank& bank, Group& group) {
    const Radio* radio = Model();
    if (!radio || bank.number < radio->organisation().firstBank) {
        return;
    }
    const char letter = Letter(bank.number);
    const bool inRecord = RadioSettingsRecord::HasBank(bank.number);
    const RadioSettingsRecord settings = RadioSettingsRecord::Fetch(group.records());
    const unsigned type = bank.trunkType;
    CString text;
    text.Format("MA%03u\r", (bank.number - radio->organisation().firstBank) *
                                    radio->organisation().channelsPerBank +
                                1u);
    const std::optional<std::uint8_t> command = codec::TrunkTypeCommand(
        bank.trunkType, bank.trunkFlags, codec::TypeIIPrecedence::kVhfFirst);
    CString line;
    if (command == 0) {
        line.Format("TBF %c\r", letter);
    } else if (command == codec::kTrunkCommandUhf || command == codec::kTrunkCommandVhf) {
        // Banks past the record's ten have no band plans to send.
        for (unsigned plan = 1; inRecord && plan <= RadioSettingsRecord::kPlans; ++plan) {
            line += codec::BandPlanLine(settings, bank.number, *command, plan).c_str();
        }
    } else if (command) {
        line.Format("TR %c %u\r", letter, static_cast<unsigned>(*command));
    }
    text += line;
    if (type != 0) {
        line.Format("TBN %c\r", letter);
        text += line;
    }
    SendRaw(text);
    if (type == kTypeI) {
        text.Empty();
        for (unsigned block = 0; block < codec::kFleetBlocks; ++block) {
            line.Format("FB %c %u %02u\r", letter, block,
                        static_cast<unsigned>(bank.fleetMap[block]));
            text += line;
        }
        SendRaw(text);
    }
    constexpr char kIrLetters[] = {'F', 'N', 'Y'};
    if (type != 3 && type != 9 && inRecord) {
        const std::uint8_t ir =
            settings.Get(RadioSettingsRecord::BankByte::kIrSetting, bank.number);
        if (ir < sizeof kIrLetters) {
            line.Format("IR%c %c\r", kIrLetters[ir], letter);
            SendRaw(line);
        }
    }
    if ((type == kTypeI || type == kTypeII) && inRecord) {
        const std::uint8_t tc =
            settings.Get(RadioSettingsRecord::BankByte::kTcSetting, bank.number);
        if (tc != 0) {
            line.Format("TCN %c P%u\r", letter, static_cast<unsigned>(tc));
        } else {
            line.Format("TCF %c\r", letter);
        }
        SendRaw(line);
    }
    if (type == 6 || type == 8) {
        line.Format((bank.trunkFlags & Bank::kTrunkEa) ? "EAN %c\r" : "EAF %c\r", letter);
        SendRaw(line);
    }
}
