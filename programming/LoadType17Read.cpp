// Radio type 17, the trunk scanner of ten scan lists, read into a group ("Radio to PC"): the search
// limits and each chosen bank's channels by their own commands, then, list by list, the IDs slot
// by slot from the radio's ID list. An ID the bank's trunk settings cannot read lets the user
// correct the bank and try again.
#include "app/rig/Rig.h"
#include "platform/engine/EngineApi.h"
#include "platform/records/ReplyText.h"
#include "platform/tessary/app/ObjectDoc.h"
#include "platform/tessary/model/ConvertUser.h"
#include "platform/tessary/model/Format.h"
#include "platform/tessary/model/Group.h"
#include "platform/tessary/model/Radio.h"
#include "programming/FamilyMembers.h"
#include "programming/Loader.h"
#include "programming/PlainIdStyles.h"
#include "programming/Type17Codes.h"
#include "programming/Type43Codes.h"

#include <string>

namespace {

using hb::records::Parm;
using TrunkCommandCodec::Printf;

// Where each failure of this family comes from, as its report shows it.
enum ReadType17Ref : int {
    kRefOpen = 6101,
    kRefClose = 6102,
    kRefBankMemory = 6110,
    kRefSlot = 6120,
};

constexpr std::size_t kSlotTextAt = 7;
constexpr std::string_view kRefused = "NG";
constexpr std::string_view kEmptySlot = "---";
// The engine's message when an ID cannot be read, and its Cancel button.
constexpr std::uint32_t kMessageIdUnreadable = 34;
constexpr int kMessageCancel = 2;
// Bytes 32 to 43 of a trunk frequency: its tone and squelch, which hold its trunk type instead.
constexpr hb::records::ArrayField<std::uint8_t, 32, 12> kTrunkBytes{};

} // namespace

void CLoader::UploadType17(TransferCursor&) {
    if (m_radio->CheckGroup(*m_root) != 0) {
        return;
    }
    auto& group = dynamic_cast<Group&>(*m_root);
    const auto& organisation = m_radio->organisation();
    const auto readAll = [&] {
        if (m_bank_dialog.SettingsChosen()) {
            const auto ranges = GroupSearchRanges(group, organisation.ranges);
            for (std::size_t index = 0; index < ranges.size(); ++index) {
                if (ReadSearchRange17(*ranges[index],
                                      static_cast<unsigned>(organisation.firstBank + index)) != 0) {
                    return false;
                }
            }
        }
        const auto& banks = group.banks();
        for (std::size_t index = 0; index < banks.size() && index < organisation.banks; ++index) {
            const auto number = static_cast<std::uint16_t>(organisation.firstBank + index);
            if (m_bank_dialog.BankChosen(index) && ReadBank17(*banks[index], number) != 0) {
                return false;
            }
        }
        return true;
    };
    if (SendCommandList(kRefOpen, "IDF\rQUF\rMUN\r", &m_progress) == 0 && readAll()) {
        m_rig->DeviceStatus(&m_device_status);
        ForEachTrunkList17(group, [this](Bank& bank, std::uint16_t number) {
            return OpenIdList17(number) != 0 || ReadIdList17(bank) == 0;
        });
    }
    SendCommandList(kRefClose, "KEY01\rIDN\rQUN\rMUA\r", &m_progress);
    if (m_document) {
        m_document->SetModifiedFlag(TRUE);
    }
    // The driver closes the progress dialog.
}

int CLoader::ReadBank17(Bank& bank, std::uint16_t number) {
    if (Stopped()) {
        return 1;
    }
    m_progress.SetBankText(std::to_string(number).c_str());
    SendCommand("MA001\r", kRefBankMemory, &m_progress);
    m_progress.SetItemLabel("Channel:");
    const std::uint16_t first = FirstMemoryOfBank(*m_radio, number);
    const auto channels = BankChannels(bank, m_radio->organisation().channelsPerBank);
    for (std::size_t position = 0; position < channels.size(); ++position) {
        Chan& channel = *channels[position];
        if (ReadChannel17(channel, static_cast<std::uint16_t>(first + position)) != 0) {
            return 1;
        }
        if (channel.record().get(Parm::Channel::kTrunkWord) & Parm::Channel::kTrunkFrequency) {
            Parm record = channel.record();
            record.clear(kTrunkBytes);
            record.set(Parm::Channel::kTrunkKind, bank.trunkType);
            channel.SetParm(record);
        }
    }
    return 0;
}

int CLoader::ReadChannel17(Chan& channel, std::uint16_t memory) {
    if (ReadChannel43(channel, memory) != 0) {
        return 1;
    }
    m_progress.SetFrequency(format_frequency(channel.frequency()).c_str());
    return 0;
}

int CLoader::ReadSearchRange17(Chan& range, unsigned number) {
    return ReadSearchLimits43(range, number);
}

int CLoader::ReadIdList17(Bank& bank) {
    const auto& entries = bank.userIds();
    for (std::size_t slot = 0; slot < entries.size() && slot < m_radio->organisation().idsPerBank;
         ++slot) {
        if (Stopped()) {
            return 1;
        }
        const auto place = TrunkCommandCodec::UserIdSlotAt(static_cast<unsigned>(slot));
        const int asked = SendCommand(Printf("IC %c%u\r", place.letter, place.digit).c_str(),
                                      kRefSlot, &m_progress);
        m_progress.SetChannelText(Type17Codes::SlotName(static_cast<unsigned>(slot)).c_str());
        if (asked == 1) {
            return 1;
        }
        // A slot that did not answer keeps its entry: the status still holds an earlier reply.
        if (asked != 0) {
            continue;
        }
        const std::string reply = Reply();
        if (reply.starts_with(kRefused)) {
            return 0;
        }
        const std::string text(hb::records::ReplyFrom1(reply, kSlotTextAt));
        m_progress.SetFrequency(text.c_str());
        hb::records::UserId& id = entries[slot]->id();
        if (text.starts_with(kEmptySlot)) {
            id = hb::records::UserId{};
            continue;
        }
        // The entry changes only when the ID is read: Cancel leaves it as it was.
        hb::records::UserId read;
        const auto convert = [&] {
            const PlainIdStyles plain;
            return convert_user(text.c_str(), &read, bank.trunkType, bank.fleetMap);
        };
        while (convert() != 0) {
            if (scan_message(m_progress.m_hWnd, kMessageIdUnreadable) == kMessageCancel ||
                m_radio->BankSettings(m_root, bank, m_owner) != 1) {
                return 1;
            }
        }
        id = read;
    }
    return 0;
}
