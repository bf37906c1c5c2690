#pragma once
// The state behind the registry functions: the three root trees, the open handles, the settings
// files the roots are written through to, the change journal and the pending test faults.

#include "platform/win/store/RegKey.h"
#include "platform/win/store/Registry.h"

#include <array>
#include <map>
#include <memory>
#include <optional>
#include <unordered_map>

namespace hb::win {

class RegistryStore {
public:
    struct Opened {
        HKEY root;
        std::shared_ptr<RegKey> key;
    };

    // The program's store; unless a mode was chosen before, it loads the files of
    // ConfigFolder() on first use.
    static RegistryStore& Get();
    // The store as it is, for choosing its mode.
    static RegistryStore& Instance();

    void UseFiles(const std::string& folder);
    void UseMemory();

    // The key behind a handle: ERROR_INVALID_HANDLE for an unknown handle, ERROR_KEY_DELETED
    // when the key was deleted since the handle was opened.
    DWORD Resolve(HKEY handle, Opened& out) const;
    HKEY OpenHandle(Opened key);
    DWORD CloseHandle(HKEY handle);

    // Writes the root through to its file: ERROR_SUCCESS, or ERROR_WRITE_FAULT when the file
    // could not be replaced (memory is kept, the previous file stays intact, and the failure is
    // kept for TakeSaveFailure).
    DWORD Commit(HKEY root);
    std::optional<registry::SaveFailure> TakeSaveFailure();

    void Record(registry::JournalEntry entry) { m_journal.push_back(std::move(entry)); }
    const std::vector<registry::JournalEntry>& Journal() const { return m_journal; }
    void ClearJournal() { m_journal.clear(); }

    void FailNext(registry::Op op, DWORD error) { m_faults[op] = error; }
    void ClearFaults() { m_faults.clear(); }
    // The pending fault of that kind, used up; ERROR_SUCCESS when there is none.
    DWORD TakeFault(registry::Op op);

    bool Seed(HKEY root, std::string_view text);
    std::string Dump(HKEY root) const;

private:
    struct Root {
        HKEY handle;
        const char* fileName; // nullptr: memory only
        std::shared_ptr<RegKey> tree = std::make_shared<RegKey>();
        bool damaged = false; // the file on disk could not be read and is still to be kept aside
    };

    RegistryStore();
    Root* FindRoot(HKEY handle);
    const Root* FindRoot(HKEY handle) const;
    void ClearRoots();
    void Load(Root& root);
    std::string FilePath(const Root& root) const;

    std::array<Root, 3> m_roots;
    bool m_configured = false;
    std::optional<std::string> m_folder; // set in file mode
    std::unordered_map<HKEY, Opened> m_handles;
    std::uint32_t m_nextHandle = 1;
    std::vector<registry::JournalEntry> m_journal;
    std::map<registry::Op, DWORD> m_faults;
    std::optional<registry::SaveFailure> m_saveFailure;
};

} // namespace hb::win
