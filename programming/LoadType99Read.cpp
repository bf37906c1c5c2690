// Radio to PC for radio type 99: each chosen bank's trunk type, fleet map, band plans (into the
// group's settings record), channels and user IDs.
#include "platform/records/DeviceStatus.h"
#include "platform/tessary/model/Group.h"
#include "platform/tessary/model/Radio.h"
#include "programming/FamilyMembers.h"
#include "programming/Loader.h"
#include "programming/RadioSettingsRecord.h"
#include "programming/TrunkCommandCodec.h"
#include "programming/TrunkCommandCodec35.h"
#include "programming/TrunkFamily35.h"

namespace {

using hb::records::DeviceStatus;
using hb::records::Parm;
using TrunkCommandCodec::Printf;

enum Ref99Read : int {
    kRefFraming = 9931, // and the closing after it
    kRefBankMemory = kRefFraming + 2,
    kRefTrunkType,
    kRefFleetMap,
    kRefBandPlan,
    kRefRecall,
    kRefMode,
    kRefUserId,
};

const TrunkFamily35::Framing kFraming{"IDF\rQUF\rMUN\rHAF\rHPF\r",
                                      "KEY01\rIDN\rQUN\rMUA\rHAN\rHPN\r", kRefFraming};

// The bank's three band plans into the settings record, plan 1 also into the bank. 1 when a list
// failed.
int ReadBandPlans(CLoader& loader, Bank& bank, RadioSettingsRecord& record,
                  CLoadProgressDlg* dialog) {
    const unsigned number = bank.number;
    for (unsigned plan = 1; plan <= RadioSettingsRecord::kPlans; ++plan) {
        if (loader.SendCommandsChecked(
                kRefBandPlan, Printf("BC %c%u\r", TrunkCommandCodec::BankLetter(bank.number), plan),
                dialog) != 0) {
            return 1;
        }
        TrunkCommandCodec::TakeBandPlanReply(loader.Reply(), record, number, plan);
    }
    bank.base = record.PlanBase(number, 1);
    bank.spacing = record.PlanSpacing(number, 1);
    bank.offset = record.PlanOffset(number, 1);
    return 0;
}

} // namespace

void CLoader::UploadType99(TransferCursor&) {
    TrunkFamily35::Upload(*this, kFraming, [&](Group& group) {
        return TrunkFamily35::EachChosenBank(
            *this, group, [&](Bank& bank) { return ReadBank99(bank, &group, &m_progress); });
    });
}

int CLoader::ReadBank99(Bank& bank, Object* root, CLoadProgressDlg* dialog) {
    auto* group = dynamic_cast<Group*>(root);
    if (!group) {
        return 1;
    }
    const char letter = TrunkCommandCodec::BankLetter(bank.number);
    dialog->SetBank(bank.number);
    dialog->SetCurrentItem("Bank Settings");
    if (SendCommandsChecked(kRefBankMemory,
                            Printf("MA%03u\r", FirstMemoryOfBank(*m_radio, bank.number)),
                            dialog) != 0 ||
        SendCommandsChecked(kRefTrunkType, Printf("TB %c\r", letter), dialog) != 0) {
        return 1;
    }
    const std::uint8_t code = m_device_status.get(DeviceStatus::kTrunkTypeCode);
    const auto trunkType = TrunkCommandCodec::TrunkTypeOfCode(code);
    TrunkFamily35::TakeTrunkType(bank, trunkType);
    for (unsigned block = 0; bank.trunkType == TrunkCommandCodec::kTrunkTypeI &&
                             block < TrunkCommandCodec::kFleetBlocks;) {
        if (SendCommandsChecked(kRefFleetMap, Printf("FB %c %u\r", letter, block), dialog) != 0) {
            return 1;
        }
        block = TrunkCommandCodec::ReadFleetMapReply(Reply(), block, bank.fleetMap);
    }
    RadioSettingsRecord record = RadioSettingsRecord::Fetch(group->records());
    if ((code == TrunkCommandCodec::kTrunkCommandUhf ||
         code == TrunkCommandCodec::kTrunkCommandVhf) &&
        ReadBandPlans(*this, bank, record, dialog) != 0) {
        return 1;
    }
    if (TrunkFamily35::ReadBankChannels(*this, bank, dialog, &CLoader::ReadChannel99) != 0) {
        return 1;
    }
    TrunkFamily35::ReadBankUserIds(*this, bank, dialog, &CLoader::ReadUserId99);
    return 0;
}

int CLoader::ReadChannel99(Chan& channel, CLoadProgressDlg* dialog) {
    using TrunkFamily35::Recall;
    const Recall recalled = TrunkFamily35::RecallChannel(*this, channel, dialog, kRefRecall);
    if (recalled != Recall::kHeld) {
        return recalled == Recall::kEnded ? 1 : 0;
    }
    if (TrunkFamily35::SendPaced(*this, "RM\r", kRefMode, dialog) != RetryOutcome::Succeeded) {
        return 1;
    }
    const Parm answer = m_device_status.get(DeviceStatus::kCurrentParm);
    Parm record = channel.record();
    record.set(Parm::kMode, answer.get(Parm::kMode));
    channel.SetParm(record);
    TrunkFamily35::TakeChannelSettings(channel, answer);
    return 0;
}

int CLoader::ReadUserId99(UserIdEntry& entry, const Bank& bank, CLoadProgressDlg* dialog,
                          unsigned slot) {
    entry.id() = hb::records::UserId{};
    const TrunkCommandCodec::UserIdSlot place = TrunkCommandCodec::UserIdSlotAt(slot);
    if (SendCommandsChecked(kRefUserId,
                            Printf("TG %c %c%u\r", TrunkCommandCodec::BankLetter(bank.number),
                                   place.letter, place.digit),
                            dialog) != 0) {
        return 1;
    }
    TrunkFamily35::TakeUserIdReply(*this, entry, bank, dialog, slot);
    return 0;
}
