// PC to Radio for radio type 99: the radio erased when none of its memory is kept, then each chosen
// bank's trunking (with the band plans of the group's settings record), its TC setting, priority
// channel and AF option, its channels and its user IDs.
#include "platform/records/TrunkChannelWords.h"
#include "platform/tessary/model/Format.h"
#include "platform/tessary/model/Group.h"
#include "platform/tessary/model/Radio.h"
#include "programming/FamilyMembers.h"
#include "programming/Loader.h"
#include "programming/RadioSettingsRecord.h"
#include "programming/TrunkCommandCodec35.h"
#include "programming/TrunkFamily35.h"

namespace {

using hb::records::Parm;
using hb::records::TrunkSwitchLetter;
using namespace TrunkCommandCodec;
using TrunkCommandCodec::Printf;

enum Ref99Write : int {
    kRefFraming = 9901, // and the closing after it
    kRefBankMemory = kRefFraming + 2,
    kRefBandPlans,
    kRefTrunkType,
    kRefTrunkingOn,
    kRefFleetMap,
    kRefTcSetting,
    kRefPriority,
    kRefAfOption,
    kRefSelectMemory,
    kRefProgramMemory,
    kRefSwitches, // and the one after it
};

const TrunkFamily35::Framing kFraming{"IDF\rQUF\rMUN\rHAF\rHPF\r",
                                      "KEY01\rIDN\rQUN\rMUA\rHAN\rHPN\r", kRefFraming};

// The command that sets the bank's trunk type, after the first two band plans of a UHF or VHF Type
// II bank (its third plan is the command itself), and "TBN" that switches trunking on. A trunk type
// that no command sets sends nothing. 1 when a list failed.
int WriteTrunkType(CLoader& loader, const Bank& bank, const RadioSettingsRecord& record,
                   CLoadProgressDlg* dialog) {
    const auto command =
        TrunkTypeCommand(bank.trunkType, bank.trunkFlags, TypeIIPrecedence::kVhfFirst);
    if (!command) {
        return 0;
    }
    const char letter = TrunkCommandCodec::BankLetter(bank.number);
    std::string trunkType = Printf("TR %c %u\r", letter, *command);
    if (*command == kTrunkingOff) {
        trunkType = Printf("TBF %c\r", letter);
    } else if (*command == kTrunkCommandUhf || *command == kTrunkCommandVhf) {
        if (loader.SendCommandsChecked(kRefBandPlans,
                                       BandPlanLine(record, bank.number, *command, 1) +
                                           BandPlanLine(record, bank.number, *command, 2),
                                       dialog) != 0) {
            return 1;
        }
        trunkType = BandPlanLine(record, bank.number, *command, 3);
    }
    if (loader.SendCommandsChecked(kRefTrunkType, trunkType, dialog) != 0) {
        return 1;
    }
    if (*command == kTrunkingOff) {
        return 0;
    }
    return loader.SendCommandsChecked(kRefTrunkingOn, Printf("TBN %c\r", letter), dialog);
}

// The bank's settings the radio keeps beside its trunk type: fleet map, TC setting, priority
// channel (held inside the bank, and stored so) and AF option. 1 when a list failed.
int WriteBankOptions(CLoader& loader, const Bank& bank, RadioSettingsRecord& record,
                     CLoadProgressDlg* dialog) {
    const char letter = TrunkCommandCodec::BankLetter(bank.number);
    const std::uint8_t type = bank.trunkType;
    if (type == kTrunkTypeI) {
        std::string fleetMap;
        for (unsigned block = 0; block < kFleetBlocks; ++block) {
            fleetMap += Printf("FB %c %u %02u\r", letter, block, bank.fleetMap[block]);
        }
        if (loader.SendCommandsChecked(kRefFleetMap, fleetMap, dialog) != 0) {
            return 1;
        }
    }
    if (type == kTrunkTypeI || type == kTrunkTypeII) {
        const unsigned tc = record.Get(RadioSettingsRecord::BankByte::kTcSetting, bank.number);
        const std::string setting =
            tc != 0 ? Printf("TCN %c P%u\r", letter, tc) : Printf("TCF %c\r", letter);
        if (loader.SendCommandsChecked(kRefTcSetting, setting, dialog) != 0) {
            return 1;
        }
    }
    const unsigned priority =
        record.HeldPriorityChannel(bank.number, loader.m_radio->organisation().channelsPerBank);
    if (priority != 0 && loader.SendCommandsChecked(
                             kRefPriority, Printf("PC %c%03u\r", letter, priority), dialog) != 0) {
        return 1;
    }
    if (type == kTrunkEdacs || type == kTrunkEdacsWide) {
        const char af = TrunkSwitchLetter(bank.trunkFlags & Bank::kTrunkEdacsFormat);
        return loader.SendCommandsChecked(kRefAfOption, Printf("AF%c\r", af), dialog);
    }
    return 0;
}

} // namespace

void CLoader::DownloadType99(TransferCursor&) {
    TrunkFamily35::Download(*this, kFraming, [&](Group& group) {
        return TrunkFamily35::EachChosenBank(
            *this, group, [&](Bank& bank) { return DownloadBank99(bank, &group, &m_progress); });
    });
}

int CLoader::DownloadBank99(Bank& bank, Object* root, CLoadProgressDlg* dialog) {
    auto* group = dynamic_cast<Group*>(root);
    if (!group) {
        return 1;
    }
    dialog->SetBank(bank.number);
    dialog->SetCurrentItem("Bank Settings");
    RadioSettingsRecord record = RadioSettingsRecord::Fetch(group->records());
    const std::uint16_t first = FirstMemoryOfBank(*m_radio, bank.number);
    if (SendCommand(Printf("MA%03u\r", first).c_str(), kRefBankMemory, dialog) != 0 ||
        WriteTrunkType(*this, bank, record, dialog) != 0 ||
        WriteBankOptions(*this, bank, record, dialog) != 0) {
        return 1;
    }
    dialog->SetItemLabel("Frequency:");
    dialog->SetCurrentItem("Channels");
    if (TrunkFamily35::WalkBankChannels(bank, *m_radio, m_erased, [&](Chan& channel) {
            return WriteChannel99(channel, dialog);
        }) != 0) {
        return 1;
    }
    dialog->SetItemLabel("ID Code:");
    TrunkFamily35::WalkBankUserIds(bank, *m_radio, m_erased,
                                   [&](UserIdEntry& entry, unsigned slot) {
                                       return WriteUserId99(entry, bank, dialog, slot);
                                   });
    return 0;
}

int CLoader::WriteChannel99(Chan& channel, CLoadProgressDlg* dialog) {
    const Parm record = channel.record();
    const std::uint16_t memory = record.get(Parm::kMemoryChannel);
    const bool trunked = record.get(Parm::Channel::kTrunkWord) & Parm::Channel::kTrunkFrequency;
    const std::string programme =
        Printf("PM%03u%c%08u\r", memory, trunked ? 'T' : ' ', record.get(Parm::kFrequency) / 100);
    return TrunkFamily35::WriteChannel(
        *this, record, dialog,
        [&] {
            if (const int selected =
                    SendCommand(Printf("MA%03u\r", memory).c_str(), kRefSelectMemory, dialog)) {
                return selected;
            }
            return SendCommand(programme.c_str(), kRefProgramMemory, dialog);
        },
        kRefSwitches, false);
}
