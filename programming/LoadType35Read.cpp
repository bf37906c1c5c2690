// Radio to PC for radio type 35: the search range, then each chosen bank's trunk type, channels and
// user IDs. Reading leaves every bank scanning on the radio.
#include "platform/records/DeviceStatus.h"
#include "platform/tessary/model/Group.h"
#include "platform/tessary/model/Radio.h"
#include "programming/FamilyMembers.h"
#include "programming/Loader.h"
#include "programming/TrunkCommandCodec.h"
#include "programming/TrunkFamily35.h"

namespace {

using hb::records::DeviceStatus;
using hb::records::Parm;
using TrunkCommandCodec::Printf;

enum Ref35Read : int {
    kRefFraming = 3531, // and the closing after it
    kRefLowerLimit = kRefFraming + 2,
    kRefUpperLimit,
    kRefBankSelect,
    kRefBankEnd,
    kRefBankScan,
    kRefKeyReturn,
    kRefKeyExit,
    kRefRecall,
    kRefMode,
    kRefDelay,
    kRefUserId,
    kRefModeReset,
};

const TrunkFamily35::Framing kFraming{"IDF\rQUF\rMUN\r", "SB ABCDEFGHIJ\rKEY01\rIDN\rQUN\rMUA\r",
                                      kRefFraming};

// The radio lists trunk-type codes up to 7; any other code reads as a bank without trunking.
constexpr std::uint8_t kLastTrunkCode = 7;

} // namespace

void CLoader::UploadType35(TransferCursor&) {
    CLoadProgressDlg* dialog = &m_progress;
    TrunkFamily35::Upload(*this, kFraming, [&](Group& group) {
        return (!m_bank_dialog.SettingsChosen() ||
                TrunkFamily35::WalkSearchRanges(
                    group, *m_radio,
                    [&](Chan& range) { return ReadSearchRange35(range, dialog); }) == 0) &&
               TrunkFamily35::EachChosenBank(
                   *this, group, [&](Bank& bank) { return ReadBank35(bank, &group, dialog); });
    });
}

int CLoader::ReadBank35(Bank& bank, Object*, CLoadProgressDlg* dialog) {
    const char letter = TrunkCommandCodec::BankLetter(bank.number);
    const std::uint16_t first = FirstMemoryOfBank(*m_radio, bank.number);
    dialog->SetBank(bank.number);
    dialog->SetCurrentItem("Bank Settings");
    // The bank's digit key: bank 10 is key 0.
    const char key = static_cast<char>('0' + bank.number % 10);
    if (SendCommandsChecked(kRefBankSelect, Printf("MA%03u\rKEY13H\rKEY02 %c\rTB\r", first, key),
                            dialog) != 0) {
        return 1;
    }
    const std::uint8_t code = m_device_status.get(DeviceStatus::kTrunkTypeCode);
    const auto trunkType =
        code <= kLastTrunkCode ? TrunkCommandCodec::TrunkTypeOfCode(code) : std::nullopt;
    TrunkFamily35::TakeTrunkType(bank, trunkType);
    if (TrunkFamily35::ReadBankChannels(*this, bank, dialog, &CLoader::ReadChannel35) != 0 ||
        SendCommandsChecked(kRefBankEnd, Printf("MA%03u\r", first), dialog) != 0) {
        return 1;
    }
    SendCommandsChecked(kRefBankScan, Printf("SB %c\r", letter), dialog);
    SendCommand("KEY00\r", kRefKeyReturn, dialog);
    SendCommand("KEY13\r", kRefKeyExit, dialog);
    TrunkFamily35::ReadBankUserIds(*this, bank, dialog, &CLoader::ReadUserId35);
    return 0;
}

int CLoader::ReadChannel35(Chan& channel, CLoadProgressDlg* dialog) {
    using TrunkFamily35::Recall;
    const Recall recalled = TrunkFamily35::RecallChannel(*this, channel, dialog, kRefRecall);
    if (recalled != Recall::kHeld) {
        return recalled == Recall::kEnded ? 1 : 0;
    }
    if (TrunkFamily35::SendPaced(*this, "RM\r", kRefMode, dialog) != RetryOutcome::Succeeded) {
        return 1;
    }
    Parm record = channel.record();
    record.set(Parm::kMode, m_device_status.get(DeviceStatus::kCurrentParm).get(Parm::kMode));
    channel.SetParm(record);
    if (TrunkFamily35::SendPaced(*this, "DL\r", kRefDelay, dialog) != RetryOutcome::Succeeded) {
        return 1;
    }
    TrunkFamily35::TakeChannelSettings(channel, m_device_status.get(DeviceStatus::kCurrentParm));
    return 0;
}

int CLoader::ReadSearchRange35(Chan& range, CLoadProgressDlg* dialog) {
    Parm record = range.record();
    dialog->SetBankText(Printf("SR-%u", record.get(Parm::kMemoryChannel)).c_str());
    if (TrunkFamily35::SendPaced(*this, "LL\r", kRefLowerLimit, dialog) !=
        RetryOutcome::Succeeded) {
        return 1;
    }
    const auto limits = [this] { return m_device_status.get(DeviceStatus::kCurrentParm); };
    record.set(Parm::Channel::kLowerLimit, limits().get(Parm::Channel::kLowerLimit));
    range.SetParm(record);
    if (TrunkFamily35::SendPaced(*this, "LU\r", kRefUpperLimit, dialog) !=
        RetryOutcome::Succeeded) {
        return 1;
    }
    record.set(Parm::Channel::kUpperLimit, limits().get(Parm::Channel::kUpperLimit));
    range.SetParm(record);
    return 0;
}

int CLoader::ReadUserId35(UserIdEntry& entry, const Bank& bank, CLoadProgressDlg* dialog,
                          unsigned slot) {
    entry.id() = hb::records::UserId{};
    const TrunkCommandCodec::UserIdSlot place = TrunkCommandCodec::UserIdSlotAt(slot);
    const std::string command = Printf("IC %c%u\r", place.letter, place.digit);
    // "N..." is the radio saying it is not ready for the question; "MD" brings it back.
    bool refused = false;
    PacedRetry retry;
    retry.beep = RetryBeep::AfterLaterFailures;
    retry.succeeded = [&](int result) {
        refused = result == 0 && Reply().starts_with('N');
        return result == 0 && !refused;
    };
    retry.recover = [&] {
        if (refused) {
            SendCommand("MD\r", kRefModeReset, dialog);
        }
    };
    if (retry.Run(*this, [&] { return SendCommand(command.c_str(), kRefUserId, dialog); }) !=
        RetryOutcome::Succeeded) {
        return 1;
    }
    TrunkFamily35::TakeUserIdReply(*this, entry, bank, dialog, slot);
    return 0;
}
