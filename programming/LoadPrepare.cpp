// What a transfer is to move, asked of the user before the radio is touched.
#include "platform/engine/EngineApi.h"
#include "platform/tessary/model/Group.h"
#include "platform/tessary/model/Radio.h"
#include "platform/win/core/MessageBox.h"
#include "programming/LoadInfoDlg.h"
#include "programming/LoadOptionsDlg.h"
#include "programming/Loader.h"
#include "programming/TransferCursor.h"
#include "programming/TransferFamilies.h"

#include <algorithm>
#include <array>

namespace {

// The engine's questions before reading and before writing a radio; Cancel answers 2.
constexpr std::uint32_t kMessageBeforeReading = 12;
constexpr std::uint32_t kMessageBeforeWriting = 33;
constexpr int kMessageCancel = 2;

constexpr std::uint8_t kTypeAskedOnly = 42;
constexpr std::array<std::uint8_t, 7> kOptionTypes{18, 36, 47, 50, 82, 83, 131};

bool Contains(std::span<const std::uint8_t> types, std::uint8_t type) {
    return std::ranges::find(types, type) != types.end();
}

bool IsMemory(Object::Kind kind) {
    return kind == Object::Kind::Channel || kind == Object::Kind::StandaloneChannel ||
           kind == Object::Kind::SearchRange;
}

struct Selection {
    std::uint16_t count = 0;
    std::uint16_t bank = 0;
    std::uint16_t channel = 0;
};

// The memories marked in the selection's member column, and where the first of them lies.
Selection CountSelected(const Radio& radio, const Group& group) {
    Selection selection;
    const auto kinds = radio.memberKinds().first(
        std::min<std::size_t>(radio.memberKinds().size(), Chan::kMemberKinds));
    const auto marked =
        std::ranges::find(kinds, static_cast<std::uint32_t>(Object::Kind::StandaloneChannel));
    if (marked == kinds.end()) {
        return selection;
    }
    const auto column = static_cast<std::size_t>(marked - kinds.begin());
    const auto& organisation = radio.organisation();
    std::uint16_t bankNumber = organisation.firstBank;
    std::uint16_t channel = organisation.firstChannel;
    for (const auto& bank : group.banks()) {
        if (!organisation.flat) {
            channel = organisation.firstChannel;
        }
        for (const auto& member : bank->members()) {
            if (!IsMemory(member->kind())) {
                continue;
            }
            if (member->value(column) != 0) {
                if (selection.count++ == 0) {
                    selection.bank = bankNumber;
                    selection.channel = channel;
                }
            }
            ++channel;
        }
        ++bankNumber;
    }
    return selection;
}

} // namespace

int CLoader::PrepareTransfer(HWND owner, TransferCursor& cursor, Object* root) {
    Radio& radio = *m_radio;
    const auto& organisation = radio.organisation();
    const bool reading = cursor.direction == TransferPosition::kRadioToPc;
    const std::uint8_t type = static_cast<std::uint8_t>(radio.RadioTypeCode());
    cursor.radio = &radio;
    static_cast<TransferPosition&>(cursor) = TransferPosition{.direction = cursor.direction};
    cursor.total = organisation.channels;
    cursor.radioStartBank = cursor.docStartBank = organisation.firstBank;
    cursor.radioStartChannel = cursor.docStartChannel = organisation.firstChannel;
    cursor.KeepSaved();

    const std::uint32_t question = reading ? kMessageBeforeReading : kMessageBeforeWriting;
    if (type == kTypeAskedOnly) {
        return scan_message(owner, question) == kMessageCancel ? -1 : 0;
    }
    const auto* group = dynamic_cast<const Group*>(root);
    const Selection selection = group ? CountSelected(radio, *group) : Selection{};
    if (selection.count) {
        cursor.docStartBank = selection.bank;
        cursor.docStartChannel = selection.channel;
    }
    if (FindTransferFamily(type)) {
        if (scan_message(owner, question) == kMessageCancel) {
            return -1;
        }
        m_bank_dialog.SetShownBanks(type == 43 ? 20 : type == 99 ? 5 : m_bank_dialog.ShownBanks());
        m_bank_dialog.SetCaption(CString("Transfer ") + (reading ? "Radio to PC" : "PC to Radio"));
        if (m_bank_dialog.DoModal() == IDCANCEL) {
            return -1;
        }
    } else {
        if (selection.count) {
            cursor.total = selection.count;
            cursor.partial = TransferPosition::kSet;
            cursor.insert = cursor.merge = 0;
            cursor.replace = TransferPosition::kSet;
        }
        if (Contains(kOptionTypes, type) && CLoadOptionsDlg(m_owner).DoModal() != IDOK) {
            return 1;
        }
        if (cursor.showSummary && CLoadInfoDlg(cursor, reading, m_owner).DoModal() != IDOK) {
            return 1;
        }
    }
    const std::uint16_t banks = organisation.banks ? organisation.banks : 1;
    const std::uint16_t perBank = std::max<std::uint16_t>(organisation.channels / banks, 1);
    const auto place = [&](std::uint16_t channel) {
        return organisation.flat ? channel % perBank : channel;
    };
    if (cursor.total != organisation.channels ||
        place(cursor.docStartChannel) != place(cursor.radioStartChannel)) {
        cursor.partial = TransferPosition::kSet;
    }
    const std::uint16_t index =
        static_cast<std::uint16_t>(cursor.docStartChannel - organisation.firstChannel);
    cursor.channelIndex = organisation.flat ? index % perBank : index;
    cursor.channel = cursor.radioStartChannel;
    cursor.bank = cursor.radioStartBank;
    cursor.bankIndex =
        reading && cursor.merge && group
            ? static_cast<std::uint16_t>(group->banks().size())
            : static_cast<std::uint16_t>(cursor.docStartBank - organisation.firstBank);
    // The prepared part of the memories is what the transfer moves.
    return 0;
}
