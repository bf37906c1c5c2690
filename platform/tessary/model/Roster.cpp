#include "platform/tessary/model/Roster.h"

#include "platform/records/ProgHeader.h"
#include "platform/tessary/model/Chan.h"
#include "platform/tessary/model/File.h"
#include "platform/tessary/model/Group.h"
#include "platform/tessary/model/ItemStream.h"
#include "platform/tessary/model/Radio.h"
#include "platform/tessary/model/ScanFile.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <limits>
#include <string>
#include <system_error>

namespace {

using hb::records::Parm;
using hb::records::ProgEntry;
using hb::records::ProgHeader;

// Written before the entries, so that a list saved without entries reads back without any.
constexpr std::uint32_t kItemEntryCount = 80;

hb::tessary::ProgramResolver& Resolver() {
    static hb::tessary::ProgramResolver resolver;
    return resolver;
}

} // namespace

namespace hb::tessary {

void SetProgramResolver(ProgramResolver resolver) {
    Resolver() = std::move(resolver);
}

} // namespace hb::tessary

Roster::Roster() : Object(Kind::ScanList) {
    for (std::size_t i = 0; i < kDefaultEntries; ++i) {
        own(m_entries, std::make_unique<RosterEntry>());
    }
}

void Roster::reset() {
    m_entries.clear();
    for (std::size_t i = 0; i < kDefaultEntries; ++i) {
        own(m_entries, std::make_unique<RosterEntry>());
    }
    markChanged();
}

RosterEntry& Roster::addEntry(std::unique_ptr<RosterEntry> entry) {
    RosterEntry& added = own(m_entries, std::move(entry));
    markChanged();
    return added;
}

std::unique_ptr<RosterEntry> Roster::removeEntry(std::size_t index) {
    if (index >= m_entries.size()) {
        return nullptr;
    }
    std::unique_ptr<RosterEntry> removed = std::move(m_entries[index]);
    m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(index));
    markChanged();
    return removed;
}

int Roster::Load(int) {
    int failed = 0;
    for (const auto& entry : m_entries) {
        if (entry->isActive() && !entry->object() && !entry->fileName().empty()) {
            failed += entry->Load(0);
        }
    }
    return failed;
}

int Roster::BuildDefaultScanList(HWND, Radio* radio, Decoder*, const char* section) {
    Load(0);
    RosterEntry* first = m_entries.empty() ? nullptr : m_entries.front().get();
    if (!radio || !first || !first->isActive() || first->object()) {
        return Load(0);
    }
    const bool named = !first->fileName().empty();
    const std::string path = hb::tessary::DocumentPath(
        named ? first->fileName() : std::string(section ? section : "") + ".swg");
    std::error_code error;
    if (std::filesystem::exists(path, error) || error) {
        return Load(0);
    }
    std::unique_ptr<Group> group = radio->NewGroup();
    group->setName(std::string("Scan List Group for ") + radio->name() + ".");
    File file(path, group.get());
    if (file.save()) {
        first->tag = static_cast<std::uint32_t>(Kind::Group);
        if (!named) {
            first->setFileName(path);
        }
    } else {
        file.abandon();
    }
    return Load(0);
}

int Roster::Unload() {
    int failed = 0;
    for (const auto& entry : m_entries) {
        if (!entry->SaveChanges()) {
            ++failed;
            continue;
        }
        entry->setObject(nullptr);
    }
    return failed;
}

bool Roster::IsEmpty() const {
    for (const auto& entry : m_entries) {
        if (!entry->IsEmpty()) {
            return false;
        }
    }
    return true;
}

void Roster::AssignTag(Object* object, RosterEntry* entry) {
    for (const auto& e : m_entries) {
        if (!e->object() || (entry && e.get() != entry) || (object && e->object() != object)) {
            continue;
        }
        e->tag = e->object()->ObjectTypeTag();
    }
}

std::uint8_t* Roster::Compile(HWND, Radio* radio, Decoder*, const char*, int mode) {
    if (!radio) {
        return nullptr;
    }
    std::vector<Chan*> scanned;
    for (const auto& entry : m_entries) {
        if (entry->isActive() && entry->object()) {
            entry->object()->forEachScannable([&](Chan& c) { scanned.push_back(&c); });
        }
    }
    if (scanned.size() > std::numeric_limits<std::uint16_t>::max()) {
        return nullptr;
    }
    const std::size_t size = hb::records::ProgEntryOffset(scanned.size());
    auto* block = static_cast<std::uint8_t*>(std::malloc(size));
    if (!block) {
        return nullptr;
    }
    ProgHeader head;
    head.set(ProgHeader::kBlockSize, static_cast<std::uint32_t>(size));
    head.set(ProgHeader::kMagic, ProgHeader::kMagicValue);
    head.set(ProgHeader::kCompileMode, static_cast<std::uint8_t>(mode));
    head.set(ProgHeader::kEntryCount, static_cast<std::uint16_t>(scanned.size()));
    std::memcpy(block, head.data(), ProgHeader::kSize);
    for (std::size_t i = 0; i < scanned.size(); ++i) {
        Parm record = scanned[i]->record();
        radio->CheckRecord(record);
        record.set(Parm::kObjectHandle, scanned[i]->handle());
        record.set(Parm::kLockOut, scanned[i]->lockOut());
        ProgEntry entry;
        entry.set(ProgEntry::kKind, scanned[i]->ObjectTypeTag());
        entry.set(ProgEntry::kParm, record);
        std::memcpy(block + hb::records::ProgEntryOffset(i), entry.data(), ProgEntry::kSize);
    }
    return block;
}

int Roster::forEachProgramEntry(std::uint32_t programId,
                                const std::function<bool(Chan&, const std::uint8_t*)>& visit) {
    const std::uint8_t* block = Resolver() ? Resolver()(programId) : nullptr;
    if (!block) {
        return -1;
    }
    ProgHeader head;
    head.copyFrom(std::span(block, ProgHeader::kSize));
    const std::uint32_t size = head.get(ProgHeader::kBlockSize);
    const std::size_t count = head.get(ProgHeader::kEntryCount);
    if (head.get(ProgHeader::kMagic) != ProgHeader::kMagicValue ||
        size < hb::records::ProgEntryOffset(count)) {
        return -1;
    }
    int changed = 0;
    for (std::size_t i = 0; i < count; ++i) {
        ProgEntry entry;
        entry.copyFrom(std::span(block + hb::records::ProgEntryOffset(i), ProgEntry::kSize));
        const Parm record = entry.get(ProgEntry::kParm);
        auto* channel = dynamic_cast<Chan*>(TagToObject(record.get(Parm::kObjectHandle)));
        if (channel && visit(*channel, block + hb::records::ProgEntryOffset(i))) {
            ++changed;
        }
    }
    return changed;
}

int Roster::UnloadMaps(std::uint32_t programId) {
    return forEachProgramEntry(programId, [](Chan& channel, const std::uint8_t* entry) {
        const std::uint8_t engineLockOut = entry[ProgEntry::kParm.kOffset + Parm::kLockOut.kOffset];
        const std::uint32_t flags = channel.flags();
        channel.setFlags(flags & ~Chan::kFlagChangeWaiting);
        if (channel.lockOut() == engineLockOut) {
            return flags != channel.flags();
        }
        channel.setLockOut(engineLockOut);
        channel.markChanged();
        return true;
    });
}

int Roster::LoadMaps(std::uint32_t programId) {
    return forEachProgramEntry(programId, [](Chan& channel, const std::uint8_t* entry) {
        const std::uint8_t engineLockOut = entry[ProgEntry::kParm.kOffset + Parm::kLockOut.kOffset];
        const std::uint32_t flags = channel.flags();
        channel.setFlags(channel.lockOut() == engineLockOut ? flags & ~Chan::kFlagChangeWaiting
                                                            : flags | Chan::kFlagChangeWaiting);
        return flags != channel.flags();
    });
}

Object* Roster::TagToObject(std::uint32_t handle) const {
    return EntryOf(handle) ? Object::Find(handle) : nullptr;
}

RosterEntry* Roster::EntryOf(std::uint32_t handle) const {
    Object* object = Object::Find(handle);
    if (!object) {
        return nullptr;
    }
    Object* top = object->root();
    for (const auto& entry : m_entries) {
        if (entry->object() && entry->object() == top) {
            return entry.get();
        }
    }
    return nullptr;
}

void Roster::forEachChild(const std::function<void(Object&)>& visit) {
    for (const auto& entry : m_entries) {
        visit(*entry);
    }
}

void Roster::writeOwnItems(hb::tessary::ItemWriter& out) const {
    out.u32(kItemEntryCount, static_cast<std::uint32_t>(m_entries.size()));
    for (const auto& entry : m_entries) {
        out.object(*entry);
    }
}

bool Roster::readItem(std::uint32_t tag, hb::tessary::ItemReader& item) {
    if (tag != kItemEntryCount && tag != static_cast<std::uint32_t>(Kind::ScanListEntry)) {
        return Object::readItem(tag, item);
    }
    if (!m_entriesRead) {
        m_entries.clear();
        m_entriesRead = true;
    }
    if (tag == kItemEntryCount) {
        item.u32();
        return true;
    }
    if (auto entry = item.objectAs<RosterEntry>(tag)) {
        own(m_entries, std::move(entry));
    }
    return true;
}
