#pragma once
// The scan list (kind 53530013, a .sws file): entries that name group, channel, range or trunk
// system files. While the list is in use each active entry holds the object read from its file;
// Compile turns them into the program the engine scans.

#include "platform/tessary/model/RosterEntry.h"
#include "platform/win/WinTypes.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class Chan;
class Decoder;
class Radio;

class Roster : public Object {
public:
    static constexpr std::size_t kDefaultEntries = 10;

    // A new list holds kDefaultEntries unassigned, inactive entries.
    Roster();

    const char* descr() const override { return "Scan List"; }

    const std::vector<std::unique_ptr<RosterEntry>>& entries() const { return m_entries; }
    RosterEntry& addEntry(std::unique_ptr<RosterEntry> entry);
    // Takes the entry out of the list; null for an index past the end.
    std::unique_ptr<RosterEntry> removeEntry(std::size_t index);

    // Reads the file of every active entry that holds no object yet (the argument is the load
    // mode; 0 is the only one). A name without a folder is in the documents folder. An entry still
    // unassigned takes the kind of the object read. Returns how many files could not be read.
    int Load(int mode);
    // Releases the loaded objects; a changed object is first saved to its file, and one whose save
    // fails stays loaded. Returns how many saves failed.
    int Unload();
    // Loads the entries, then gives a first entry in use that still holds nothing a group of its
    // own: when its file does not exist, or it names none ("<section>.swg" in the documents
    // folder then), a new group of the radio named "Scan List Group for <model>." is saved there
    // and loaded. A file that exists but cannot be read is left as it is. Returns how many files
    // could not be read.
    int BuildDefaultScanList(HWND owner, Radio* radio, Decoder* decoder, const char* section);
    // Back to a new list: kDefaultEntries unassigned, inactive entries; the list is changed.
    void reset();
    // True when no entry is active with something to scan.
    bool IsEmpty() const;

    // Gives each entry holding an object the object's kind as its tag: the entry given, the entry
    // holding `object`, or every entry when both are null.
    void AssignTag(Object* object, RosterEntry* entry);

    // The program of every channel and search range of the active entries, in list order: a block
    // from malloc (the caller frees it) with the head and entries of ProgHeader/ProgEntry, each
    // channel record passed through the radio's record check. An empty list gives a program of no
    // entries. Null without a radio, or when the list has more entries than a program can count.
    std::uint8_t* Compile(HWND owner, Radio* radio, Decoder* decoder, const char* section,
                          int mode);

    // The engine's copy of a compiled program, found through the resolver, and the objects: the
    // lock-out state the engine holds is taken into the objects (UnloadMaps), and channels whose
    // own state differs from the engine's copy are marked as having a change waiting (LoadMaps).
    // Each returns the number of channels it changed, or -1 when the program cannot be found.
    int UnloadMaps(std::uint32_t programId);
    int LoadMaps(std::uint32_t programId);

    // The object with this handle if it belongs to an object loaded by this list, else null.
    Object* TagToObject(std::uint32_t handle) const;
    // The entry whose loaded object holds the object of this handle, else null.
    RosterEntry* EntryOf(std::uint32_t handle) const;

    bool readItem(std::uint32_t tag, hb::tessary::ItemReader& item) override;

protected:
    void writeOwnItems(hb::tessary::ItemWriter& out) const override;
    void forEachChild(const std::function<void(Object&)>& visit) override;

private:
    // Calls `visit` with each channel of the program and the program's copy of its record.
    int forEachProgramEntry(std::uint32_t programId,
                            const std::function<bool(Chan&, const std::uint8_t* record)>& visit);

    std::vector<std::unique_ptr<RosterEntry>> m_entries;
    bool m_entriesRead = false;
};

namespace hb::tessary {

// How the model reaches the engine's copy of a program by its id: the application installs it.
// The model never calls the engine itself.
using ProgramResolver = std::function<const std::uint8_t*(std::uint32_t programId)>;
void SetProgramResolver(ProgramResolver resolver);

} // namespace hb::tessary
