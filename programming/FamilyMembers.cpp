#include "programming/FamilyMembers.h"

#include "platform/tessary/model/Group.h"
#include "platform/tessary/model/Radio.h"

#include <initializer_list>
#include <memory>

namespace {

std::vector<Chan*> OfKinds(const std::vector<std::unique_ptr<Chan>>& members,
                           std::initializer_list<Object::Kind> kinds, std::size_t limit) {
    std::vector<Chan*> found;
    for (const auto& member : members) {
        if (found.size() == limit) {
            break;
        }
        if (std::ranges::find(kinds, member->kind()) != kinds.end()) {
            found.push_back(member.get());
        }
    }
    return found;
}

} // namespace

std::vector<Chan*> BankChannels(const Bank& bank, std::size_t limit) {
    return OfKinds(bank.members(), {Object::Kind::Channel, Object::Kind::StandaloneChannel}, limit);
}

std::vector<Chan*> GroupSearchRanges(const Group& group, std::size_t limit) {
    return OfKinds(group.extras(), {Object::Kind::SearchRange, Object::Kind::StandaloneChannel},
                   limit);
}

std::uint16_t FirstMemoryOfBank(const Radio& radio, unsigned number) {
    const auto& organisation = radio.organisation();
    return static_cast<std::uint16_t>((number - organisation.firstBank) *
                                          organisation.channelsPerBank +
                                      organisation.firstChannel);
}

void SetMemoryNumber(Chan& channel, std::uint16_t memory) {
    hb::records::Parm record = channel.record();
    record.set(hb::records::Parm::kMemoryChannel, memory);
    channel.SetParm(record);
}
