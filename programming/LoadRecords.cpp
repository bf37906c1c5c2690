// Where a transfer stands: the radio's memory of a bank and channel, the step to the next memory,
// and the group's channel that goes with it.
#include "platform/tessary/model/Group.h"
#include "platform/tessary/model/Radio.h"
#include "programming/LoadObjects.h"
#include "programming/Loader.h"
#include "programming/TransferCursor.h"

#include <memory>

namespace {

constexpr int kFinished = 255;

// A radio without banks keeps every channel in one.
std::uint16_t BankCount(const Radio& radio) {
    return radio.organisation().banks ? radio.organisation().banks : 1;
}

std::uint16_t ChannelsPerBank(const Radio& radio) {
    return static_cast<std::uint16_t>(radio.organisation().channels / BankCount(radio));
}

Chan& AddChannel(Bank& bank, const Radio* radio) {
    auto channel = std::make_unique<CLoadChan>();
    channel->reset(radio);
    return bank.addMember(std::move(channel));
}

} // namespace

Chan& LoaderScratchChan() {
    static Chan scratch;
    return scratch;
}

std::uint16_t CLoader::MemoryNumber(std::uint8_t rootType, const Radio& radio, std::uint16_t bank,
                                    std::uint16_t channel) {
    if (rootType == 28 || rootType == 98) {
        return static_cast<std::uint16_t>(bank * 1000 + channel);
    }
    if (radio.organisation().flat) {
        return channel;
    }
    return static_cast<std::uint16_t>(ChannelsPerBank(radio) * bank + channel);
}

int CLoader::StepProgress(TransferCursor& cursor) {
    const Radio& radio = *cursor.radio;
    const auto& organisation = radio.organisation();
    const std::uint16_t perBank = ChannelsPerBank(radio);
    if (++cursor.done >= cursor.total) {
        return kFinished;
    }
    ++cursor.channelIndex;
    ++cursor.channel;
    if (organisation.flat) {
        cursor.bank = static_cast<std::uint16_t>((cursor.channel - organisation.firstChannel) /
                                                     (perBank ? perBank : 1) +
                                                 organisation.firstBank);
    } else if (cursor.channel - organisation.firstChannel >= perBank) {
        ++cursor.bank;
        cursor.channel = organisation.firstChannel;
    }
    return cursor.bank - organisation.firstBank < BankCount(radio) ? 0 : kFinished;
}

Chan* CLoader::LocateRecord(Object* root, TransferCursor& cursor) {
    const Radio* radio = cursor.radio;
    Chan& scratch = LoaderScratchChan();
    scratch.reset(radio);
    auto* group = dynamic_cast<Group*>(root);
    if (!group || !radio) {
        return nullptr;
    }
    const auto& banks = group->banks();
    if (cursor.partial) {
        if (cursor.bankIndex >= banks.size()) {
            return nullptr;
        }
        if (cursor.channelIndex >= banks[cursor.bankIndex]->members().size()) {
            ++cursor.bankIndex;
            cursor.channelIndex = 0;
            if (cursor.bankIndex >= banks.size()) {
                return nullptr;
            }
        }
        const auto& members = banks[cursor.bankIndex]->members();
        return cursor.channelIndex < members.size() ? members[cursor.channelIndex].get() : nullptr;
    }
    if (cursor.channelIndex >= ChannelsPerBank(*radio)) {
        ++cursor.bankIndex;
        cursor.channelIndex = 0;
    }
    if (cursor.direction == TransferPosition::kPcToRadio) {
        if (cursor.bankIndex < banks.size() &&
            cursor.channelIndex < banks[cursor.bankIndex]->members().size()) {
            return banks[cursor.bankIndex]->members()[cursor.channelIndex].get();
        }
        return &scratch;
    }
    if (cursor.replace) {
        while (banks.size() > BankCount(*radio)) {
            group->removeBank(banks.size() - 1);
        }
        if (cursor.bankIndex < banks.size()) {
            Bank& current = *banks[cursor.bankIndex];
            while (current.members().size() > ChannelsPerBank(*radio)) {
                current.removeMember(current.members().size() - 1);
            }
        }
    }
    const auto newBank = [&] {
        auto bank = std::make_unique<CLoadBank>();
        bank->number =
            static_cast<std::uint16_t>(radio->organisation().firstBank + cursor.bankIndex);
        return bank;
    };
    if (cursor.insert && cursor.channelIndex == 0) {
        group->insertBank(cursor.bankIndex, newBank());
    } else if (cursor.bankIndex >= banks.size()) {
        group->addBank(newBank());
    }
    if (cursor.bankIndex >= banks.size()) {
        return &scratch;
    }
    Bank& bank = *banks[cursor.bankIndex];
    while (bank.members().size() <= cursor.channelIndex) {
        AddChannel(bank, radio);
    }
    return bank.members()[cursor.channelIndex].get();
}
