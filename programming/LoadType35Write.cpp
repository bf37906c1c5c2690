// PC to Radio for radio type 35: the radio erased when none of its memory is kept, the chosen
// banks' channels, the search range, then each chosen bank's trunk type, fleet map and user IDs.
#include "app/rig/Rig.h"
#include "platform/tessary/model/Format.h"
#include "platform/tessary/model/Group.h"
#include "platform/tessary/model/Radio.h"
#include "programming/Loader.h"
#include "programming/TrunkCommandCodec35.h"
#include "programming/TrunkFamily35.h"

namespace {

using hb::records::Parm;
using TrunkCommandCodec::Printf;

enum Ref35Write : int {
    kRefFraming = 3501, // and the closing after it
    kRefSelectMemory = kRefFraming + 2,
    kRefMemoryWrite,
    kRefMemoryWait,
    kRefSwitches, // and the two after it
    kRefTrunkType = kRefSwitches + 3,
    kRefFleetMap,
    kRefUserId,
    kRefLowerLimit,
    kRefUpperLimit,
};

const TrunkFamily35::Framing kFraming{"IDF\rQUF\rMUN\r", "KEY01\rIDN\rQUN\rMUA\r", kRefFraming};

void WriteBankTrunking(CLoader& loader, Bank& bank, CLoadProgressDlg* dialog) {
    const char letter = TrunkCommandCodec::BankLetter(bank.number);
    if (const auto command = TrunkCommandCodec::TrunkTypeCommand35(bank, letter)) {
        const RetryOutcome sent = TrunkFamily35::SendPaced(loader, *command, kRefTrunkType, dialog);
        // Any other trunk type goes on after its tenth failure; trunking left on does not.
        if (sent == RetryOutcome::Stopped ||
            (sent == RetryOutcome::GaveUp && bank.trunkType == TrunkCommandCodec::kTrunkingOff)) {
            return;
        }
    }
    for (unsigned block = 0; bank.trunkType == TrunkCommandCodec::kTrunkTypeI &&
                             block < TrunkCommandCodec::kFleetBlocks && !loader.Stopped();
         ++block) {
        TrunkFamily35::SendPaced(loader,
                                 Printf("FB %c %u %02u\r", letter, block, bank.fleetMap[block]),
                                 kRefFleetMap, dialog, RetryBeep::AfterEveryFailure);
    }
    TrunkFamily35::WalkBankUserIds(bank, *loader.m_radio, false,
                                   [&](UserIdEntry& entry, unsigned slot) {
                                       loader.WriteUserId35(entry, bank, dialog, slot);
                                       return loader.Stopped() ? 1 : 0;
                                   });
}

} // namespace

void CLoader::DownloadType35(TransferCursor&) {
    CLoadProgressDlg* dialog = &m_progress;
    TrunkFamily35::Download(*this, kFraming, [&](Group& group) {
        if (!TrunkFamily35::EachChosenBank(
                *this, group, [&](Bank& bank) { return DownloadBank35(bank, &group, dialog); }) ||
            (m_bank_dialog.SettingsChosen() &&
             TrunkFamily35::WalkSearchRanges(group, *m_radio, [&](Chan& range) {
                 return WriteSearchRange35(range, dialog);
             }) != 0)) {
            return false;
        }
        dialog->SetItemLabel("Scan list:");
        dialog->SetChannelText("");
        dialog->SetCurrentItem("");
        TrunkFamily35::EachChosenBank(*this, group, [&](Bank& bank) {
            if (Stopped()) {
                return 1;
            }
            dialog->SetBankText(std::string(1, TrunkCommandCodec::BankLetter(bank.number)).c_str());
            WriteBankTrunking(*this, bank, dialog);
            dialog->SetChannelText("");
            dialog->SetCurrentItem("");
            return 0;
        });
        return !Stopped();
    });
}

int CLoader::DownloadBank35(Bank& bank, Object*, CLoadProgressDlg* dialog) {
    dialog->SetItemLabel("Channel:");
    dialog->SetBank(bank.number);
    return TrunkFamily35::WalkBankChannels(
        bank, *m_radio, m_erased, [&](Chan& channel) { return WriteChannel35(channel, dialog); });
}

int CLoader::WriteChannel35(Chan& channel, CLoadProgressDlg* dialog) {
    const Parm record = channel.record();
    const std::uint16_t memory = record.get(Parm::kMemoryChannel);
    return TrunkFamily35::WriteChannel(
        *this, record, dialog,
        [&] {
            if (const int selected =
                    SendCommand(Printf("MA%03u\r", memory).c_str(), kRefSelectMemory, dialog)) {
                return selected;
            }
            switch (WriteMemory(record, kRefMemoryWrite, kRefMemoryWait, dialog)) {
            case MemoryWrite::kWritten:
                return 0;
            case MemoryWrite::kStopped:
                return 1;
            case MemoryWrite::kFailed:
                break;
            }
            return -1;
        },
        kRefSwitches, true);
}

int CLoader::WriteUserId35(UserIdEntry& entry, const Bank& bank, CLoadProgressDlg* dialog,
                           unsigned slot) {
    const TrunkCommandCodec::UserIdSlot place = TrunkCommandCodec::UserIdSlotAt(slot);
    const std::string text = TrunkCommandCodec::UserIdText35(entry.id(), bank);
    dialog->SetChannelText(place.Name().c_str());
    dialog->SetFrequency(format_user(entry.id()).c_str());
    TrunkFamily35::SendPaced(*this,
                             Printf("TG %c %c%u %s\r", TrunkCommandCodec::BankLetter(bank.number),
                                    place.letter, place.digit, text.c_str()),
                             kRefUserId, dialog);
    return 0;
}

int CLoader::WriteSearchRange35(Chan& range, CLoadProgressDlg* dialog) {
    dialog->SetBankText(Printf("SR-%u", range.record().get(Parm::kMemoryChannel)).c_str());
    const auto limits = TrunkFamily35::LimitsToSend(range);
    if (!limits) {
        return 0;
    }
    if (TrunkFamily35::SendPaced(*this, Printf("LL%08u\r", limits->lower / 100), kRefLowerLimit,
                                 dialog) != RetryOutcome::Succeeded ||
        TrunkFamily35::SendPaced(*this, Printf("LU%08u\r", limits->upper / 100), kRefUpperLimit,
                                 dialog) != RetryOutcome::Succeeded) {
        return 1;
    }
    return 0;
}
