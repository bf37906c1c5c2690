#include "platform/tessary/model/ScanHelpers.h"

#include "platform/tessary/model/Bank.h"
#include "platform/tessary/model/Radio.h"
#include "platform/tessary/model/Range.h"
#include "platform/win/core/Clock.h"

namespace {

using hb::records::UserId;

constexpr std::size_t kFoundLimit = 1000;

Bank* OwningBank(Object* object) {
    for (Object* o = object; o; o = o->parent()) {
        if (auto* bank = dynamic_cast<Bank*>(o)) {
            return bank;
        }
    }
    return nullptr;
}

bool SameId(const UserId& a, const UserId& b) {
    return a.get(UserId::kValue) == b.get(UserId::kValue) &&
           a.get(UserId::kKind) == b.get(UserId::kKind) &&
           (a.get(UserId::kFlags) & UserId::kFlagIndividual) ==
               (b.get(UserId::kFlags) & UserId::kFlagIndividual);
}

UserIdEntry* FindEntry(Bank* bank, const UserId& id) {
    if (!bank) {
        return nullptr;
    }
    for (const auto& entry : bank->userIds()) {
        if (SameId(entry->id(), id)) {
            return entry.get();
        }
    }
    return nullptr;
}

} // namespace

UserIdEntry* scan_format_user_details(Object* object, Roster*, const UserId* id, BYTE* alarm,
                                      BYTE* recordField) {
    UserIdEntry* entry = id && id->inUse() ? FindEntry(OwningBank(object), *id) : nullptr;
    if (alarm) {
        *alarm = entry ? entry->optionByte(UserIdEntry::kOptionAlarm) : 0;
    }
    if (recordField) {
        *recordField = entry && (entry->options() & UserIdEntry::kOptionRecord) ? 0xFF : 0;
    }
    return entry;
}

int scan_store_active_id(Object* object, const UserId* id, Roster*, std::uint32_t airTime,
                         BYTE lockOut) {
    Bank* bank = OwningBank(object);
    if (!bank || !id || !id->inUse()) {
        return -1;
    }
    int result = 0;
    UserIdEntry* entry = FindEntry(bank, *id);
    if (!entry) {
        auto added = std::make_unique<UserIdEntry>();
        added->id() = *id;
        entry = &bank->addUserId(std::move(added));
        result = 1;
    }
    entry->statistics().addHit(airTime, hb::win::WallTime());
    if (lockOut == 0xFF) {
        entry->setOptions(entry->options() | UserIdEntry::kOptionLockedOut);
    }
    entry->markChanged();
    return result;
}

int scan_search_store(Range* range, const Log* entry, CObjectDoc*, Radio* radio) {
    if (!range || !entry) {
        return -1;
    }
    const std::uint32_t hz = entry->frequency;
    const std::size_t limit = radio ? radio->organisation().channels : kFoundLimit;
    if (!(range->options() & Range::kOptionStoreHits) || hz < range->lower() ||
        hz > range->upper() || range->found().size() >= limit ||
        (radio && radio->CheckCoverage(hz) != 0)) {
        return 0;
    }
    for (const auto& found : range->found()) {
        if (found->frequency() == hz) {
            return 0;
        }
    }
    auto channel = std::make_unique<Chan>(Object::Kind::StandaloneChannel);
    hb::records::Parm record = range->record();
    record.set(hb::records::Parm::kFrequency, hz);
    record.set(hb::records::Parm::kStart, 0);
    record.set(hb::records::Parm::kEnd, 0);
    record.set(hb::records::Parm::kMemoryChannel, 0);
    channel->SetParm(record);
    channel->setLockOut(range->options() & Range::kOptionLockOutHits ? 0xFF : 0);
    channel->setDescription(range->name());
    channel->statistics().addHit(entry->airTime, entry->time);
    range->addFound(std::move(channel));
    range->markChanged();
    return 1;
}
