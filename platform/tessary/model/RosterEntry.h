#pragma once
// One entry of a scan list (kind 53530014): the file it names, whether it is scanned, how its hits
// are logged and recorded, and the object loaded from the file while the list is in use.

#include "platform/tessary/model/Object.h"

#include <cstdint>
#include <memory>

class RosterEntry : public Object {
public:
    static constexpr std::uint8_t kOn = 0xFF;
    // "Audio" byte values.
    static constexpr std::uint8_t kAudioNone = 0;
    static constexpr std::uint8_t kAudioRecordField = 1; // as the ID's record option says
    static constexpr std::uint8_t kAudioAll = 2;

    RosterEntry();

    const char* descr() const override { return "Scan List Entry"; }

    std::uint8_t active = 0; // kOn: scanned
    // The kind of the object the entry holds; the entry kind itself while none is assigned.
    std::uint32_t tag = static_cast<std::uint32_t>(Kind::ScanListEntry);
    std::uint8_t log = kOn; // kOn: hits go to the activity log
    std::uint8_t audio = kAudioAll;
    // A further flag byte (kOn or 0) that the single-group scan list sets on its entry.
    std::uint8_t further = 0;

    Object* object() const { return m_object.get(); }
    void setObject(std::unique_ptr<Object> object) { m_object = std::move(object); }
    std::unique_ptr<Object> releaseObject() { return std::move(m_object); }

    bool isActive() const { return active == kOn; }
    bool tagAssigned() const { return tag != static_cast<std::uint32_t>(Kind::ScanListEntry); }
    // True unless the entry is active and holds an object with something to scan.
    bool IsEmpty() const;

    // Reads the named file into the entry (the argument is the load mode; 0 is the only one); a
    // name without a folder is in the documents folder. An entry still unassigned takes the kind
    // of the object read. Non-zero when the file could not be read.
    int Load(int mode);
    // Writes a changed object to its file; false when that failed.
    bool SaveChanges();
    // Empties the entry: not in use, no object or kind, no name, description or file name. A
    // changed object is first written to its file, as the list does when it lets its objects go.
    void Reset();

    bool readItem(std::uint32_t tag, hb::tessary::ItemReader& item) override;

protected:
    void writeOwnItems(hb::tessary::ItemWriter& out) const override;

private:
    std::unique_ptr<Object> m_object;
};
