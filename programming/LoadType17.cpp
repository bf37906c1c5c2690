// Radio type 17, the trunk scanner of ten scan lists, written from a group ("PC to Radio"): each
// chosen bank's channels and the search limits by their own commands, then, list by list, the
// trunk system, fleet map and IDs by the keys of the radio's menus. The radio is erased first when
// everything is to be written.
#include "platform/engine/EngineApi.h"
#include "platform/records/ReplyText.h"
#include "platform/tessary/model/Group.h"
#include "platform/tessary/model/Radio.h"
#include "platform/win/core/Hooks.h"
#include "platform/win/core/MessageBox.h"
#include "programming/FamilyMembers.h"
#include "programming/Loader.h"
#include "programming/Type17Codes.h"
#include "programming/Type43Codes.h"
#include "programming/TypeIUserId.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

using TrunkCommandCodec::Printf;

// Where each failure of this family comes from, as its report shows it.
enum WriteType17Ref : int {
    kRefOpen = 6001,
    kRefClose = 6002,
    kRefListMemory = 6010,
    kRefListTop = 6011,
    kRefListChoice = 6012,
    kRefFleetMenu = 6013,
    kRefPresetStep = 6014,
    kRefPresetTaken = 6015,
    kRefHandEntry = 6016,
    kRefHandSize = 6017,
    kRefHandBlock = 6018,
    kRefHandDone = 6019,
    kRefIdKey = 6020,
    kRefIdStore = 6021,
    kRefIdNext = 6022,
    kRefIdListMemory = 6030,
    kRefIdListTop = 6031,
    kRefIdListChoice = 6032,
    kRefIdListMode = 6033,
    kRefIdListLeave = 6034,
    kRefIdListCursor = 6035,
};

constexpr std::uint32_t kEraseWaitMs = 10000;
constexpr std::uint32_t kMenuPauseMs = 250;
constexpr std::uint32_t kKeyPauseMs = 5;
constexpr std::uint32_t kModePollMs = 100;
constexpr int kModePolls = 50;
// The mode the radio reports while it is not ready to show a list's IDs.
constexpr unsigned kModeBusy = 12;
constexpr std::size_t kModeAt = 3;
constexpr unsigned kIdSlots = 50;
// The engine's message when the radio stays busy, and its Retry button.
constexpr std::uint32_t kMessageListBusy = 79;
constexpr int kMessageRetry = 4;

// The two-digit mode of an "MD" reply; none when the reply does not carry one.
std::optional<unsigned> ModeOfReply(const std::string& reply) {
    const auto tens = hb::records::ReplyAt1(reply, kModeAt);
    const auto ones = hb::records::ReplyAt1(reply, kModeAt + 1);
    const auto digit = [](std::uint8_t c) { return c >= '0' && c <= '9'; };
    if (!tens || !ones || !digit(*tens) || !digit(*ones)) {
        return std::nullopt;
    }
    return static_cast<unsigned>((*tens - '0') * 10 + (*ones - '0'));
}

} // namespace

void CLoader::DownloadType17(TransferCursor&) {
    if (m_radio->CheckGroup(*m_root) != 0) {
        return;
    }
    auto& group = dynamic_cast<Group&>(*m_root);
    const auto& organisation = m_radio->organisation();
    if (!m_no_erase && m_bank_dialog.AllChosen(Type17Codes::kScanLists)) {
        m_progress.SetCurrentItem("Erasing Radio Memory");
        if (!EraseRadio(kEraseWaitMs, &m_progress)) {
            return;
        }
        m_progress.SetCurrentItem("");
    }
    const auto writeAll = [&] {
        const auto& banks = group.banks();
        for (std::size_t index = 0; index < banks.size() && index < organisation.banks; ++index) {
            const auto number = static_cast<std::uint16_t>(organisation.firstBank + index);
            if (m_bank_dialog.BankChosen(index) && WriteBank17(*banks[index], number) != 0) {
                return false;
            }
        }
        if (m_bank_dialog.SettingsChosen()) {
            const auto ranges = GroupSearchRanges(group, organisation.ranges);
            for (std::size_t index = 0; index < ranges.size(); ++index) {
                if (WriteSearchRange17(*ranges[index], static_cast<unsigned>(
                                                           organisation.firstBank + index)) != 0) {
                    return false;
                }
            }
        }
        return true;
    };
    if (SendCommandList(kRefOpen, "IDF\rQUF\rMUN\r", &m_progress) == 0 && writeAll()) {
        ForEachTrunkList17(group, [this](Bank& bank, std::uint16_t number) {
            WriteTrunkList17(bank, number);
            return true;
        });
    }
    SendCommandList(kRefClose, "KEY01\rIDN\rQUN\rMUA\r", &m_progress);
    // The driver closes the progress dialog.
}

int CLoader::WriteBank17(Bank& bank, std::uint16_t number) {
    m_progress.SetBankText(std::to_string(number).c_str());
    m_progress.SetItemLabel("Channel:");
    const std::uint16_t first = FirstMemoryOfBank(*m_radio, number);
    const auto channels = BankChannels(bank, m_radio->organisation().channelsPerBank);
    for (std::size_t position = 0; position < channels.size(); ++position) {
        // After an erase an empty channel is left empty, but keeps its memory.
        if (m_erased && channels[position]->frequency() == 0) {
            continue;
        }
        WriteChannel17(*channels[position], static_cast<std::uint16_t>(first + position));
        if (Stopped()) {
            return 1;
        }
    }
    return 0;
}

int CLoader::WriteChannel17(const Chan& channel, std::uint16_t memory) {
    return WriteChannel43(channel, memory);
}

int CLoader::WriteSearchRange17(const Chan& range, unsigned number) {
    return WriteSearchLimits43(range, number);
}

void CLoader::ForEachTrunkList17(Group& group,
                                 const std::function<bool(Bank&, std::uint16_t)>& visit) {
    m_progress.SetItemLabel("Scan list:");
    m_progress.SetChannelText("");
    m_progress.SetCurrentItem("");
    const auto& organisation = m_radio->organisation();
    const auto& banks = group.banks();
    for (std::size_t index = 0; index < banks.size() && index < Type17Codes::kScanLists; ++index) {
        if (!m_bank_dialog.BankChosen(index)) {
            continue;
        }
        if (Stopped()) {
            return;
        }
        const auto number = static_cast<std::uint16_t>(organisation.firstBank + index);
        m_progress.SetBankText(std::string(1, TrunkCommandCodec::BankLetter(number)).c_str());
        Bank& bank = *banks[index];
        if (!Type17Codes::HasTrunkedChannel(bank)) {
            continue;
        }
        Type17Codes::FixTrunkType(bank);
        m_progress.SetCurrentItem(Type17Codes::SystemName(bank.trunkType));
        const bool goOn = visit(bank, number);
        m_progress.SetChannelText("");
        m_progress.SetCurrentItem("");
        if (!goOn) {
            return;
        }
    }
}

void CLoader::WriteTrunkList17(Bank& bank, std::uint16_t number) {
    if (bank.trunkType == Type17Codes::kTypeI) {
        EnterFleetMap17(bank, number);
    }
    if (OpenIdList17(number) != 0) {
        return;
    }
    const auto& entries = bank.userIds();
    for (std::size_t slot = 0; slot < entries.size() && slot < kIdSlots; ++slot) {
        if (Stopped()) {
            return;
        }
        TypeUserId17(*entries[slot], bank, static_cast<unsigned>(slot));
    }
}

void CLoader::EnterFleetMap17(const Bank& bank, std::uint16_t number) {
    const auto press = [this](const std::string& key, int ref, std::uint32_t pauseMs) {
        SendCommand(key.c_str(), ref, &m_progress);
        scan_delay(pauseMs);
    };
    SendCommand("MA001\r", kRefListMemory, &m_progress);
    SendCommand("KEY13H\r", kRefListTop, &m_progress);
    press(Printf("KEY21 %c\r", TrunkCommandCodec::BankLetter(number)), kRefListChoice,
          kMenuPauseMs);
    for (const char* key : {"KEY11\r", "KEY07\r", "KEY11\r"}) {
        press(key, kRefFleetMenu, kMenuPauseMs);
    }
    // The menu shows the first preset; each press shows the next.
    const Type17Codes::FleetMap map = Type17Codes::MaskedFleetMap(bank.fleetMap);
    const auto preset = Type17Codes::PresetOf(map);
    const std::size_t presses = preset ? *preset : Type17Codes::kPresetCount + 1;
    for (std::size_t n = 0; n < presses; ++n) {
        press("KEY07\r", kRefPresetStep, kKeyPauseMs);
    }
    scan_delay(kKeyPauseMs);
    if (preset) {
        SendCommand("KEY04\r", kRefPresetTaken, &m_progress);
        return;
    }
    SendCommand("KEY11\r", kRefHandEntry, &m_progress);
    for (unsigned block = 0; block < TrunkCommandCodec::kFleetBlocks;
         block += Type17Codes::BlocksTaken(map[block])) {
        for (unsigned count = 0; count < map[block]; ++count) {
            scan_delay(kKeyPauseMs);
            SendCommand("KEY07\r", kRefHandSize, &m_progress);
        }
        SendCommand("KEY04\r", kRefHandBlock, &m_progress);
    }
    SendCommand("KEY09\r", kRefHandDone, &m_progress);
}

void CLoader::TypeUserId17(UserIdEntry& entry, const Bank& bank, unsigned slot) {
    m_progress.SetChannelText(Type17Codes::SlotName(slot).c_str());
    const std::string text = FormatTypeIUserId(entry.id(), bank);
    m_progress.SetFrequency(text.c_str());
    const std::vector<std::string> keys = Type17Codes::IdKeys(text, entry.id(), bank);
    if (!keys.empty()) {
        for (const std::string& key : keys) {
            SendCommand(key.c_str(), kRefIdKey, &m_progress);
        }
        SendCommand("KEY04\r", kRefIdStore, &m_progress);
        scan_delay(kKeyPauseMs);
    }
    // The radio moves on to the next slot, whether this one was typed or not.
    SendCommand("KEY07\r", kRefIdNext, &m_progress);
    scan_delay(kKeyPauseMs);
}

int CLoader::OpenIdList17(std::uint16_t number) {
    for (;;) {
        for (int twice = 0; twice < 2; ++twice) {
            SendCommand("MA001\r", kRefIdListMemory, &m_progress);
        }
        SendCommand("KEY13\r", kRefIdListTop, &m_progress);
        SendCommand(Printf("KEY21 %c\r", TrunkCommandCodec::BankLetter(number)).c_str(),
                    kRefIdListChoice, &m_progress);
        scan_delay(kMenuPauseMs);
        bool busy = true;
        for (int poll = 0; poll < kModePolls && busy && !Stopped(); ++poll) {
            scan_delay(kModePollMs);
            // A poll that got no answer tells nothing new: the radio may still be busy.
            if (SendCommand("MD\r", kRefIdListMode, &m_progress) == 0) {
                busy = ModeOfReply(Reply()) == kModeBusy;
            }
        }
        if (Stopped()) {
            return -1;
        }
        if (!busy) {
            SendCommand("KEY01\r", kRefIdListLeave, &m_progress);
            scan_delay(kMenuPauseMs);
            SendCommand("IC A1\r", kRefIdListCursor, &m_progress);
            scan_delay(kMenuPauseMs);
            return 0;
        }
        MessageBeep(MB_ICONASTERISK);
        if (scan_message(m_progress.m_hWnd, kMessageListBusy) != kMessageRetry) {
            return -1;
        }
    }
}
