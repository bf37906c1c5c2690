#pragma once
// The state behind the private-profile functions: the documents read so far, keyed by their
// full path, and the journal of writes.

#include "platform/win/store/IniDocument.h"
#include "platform/win/store/PrivateProfile.h"

#include <map>
#include <string>

namespace hb::win {

class IniStore {
public:
    static IniStore& Get();

    void UseFiles();
    void UseMemory();

    // The file's content, read again when it changed on disk (file mode).
    const IniDocument& Read(const std::string& path);
    // Makes `doc` the file's content; false when the file could not be written.
    bool Write(const std::string& path, IniDocument doc);

    void Record(const std::string& path, ini::Write write);
    std::vector<ini::Write> Journal(const std::string& path) const;
    void ClearJournal() { m_journal.clear(); }

private:
    // What tells a changed file: replacing it atomically gives it a new inode.
    struct Stamp {
        bool exists = false;
        unsigned long long device = 0, inode = 0, size = 0;
        long long seconds = 0, nanoseconds = 0;
        bool operator==(const Stamp&) const = default;
    };
    struct Cached {
        IniDocument doc;
        Stamp stamp;
    };

    static Stamp StampOf(const std::string& path);
    static IniDocument Load(const std::string& path);

    bool m_memory = false;
    std::map<std::string, Cached> m_files;
    std::map<std::string, std::vector<ini::Write>> m_journal;
};

// The full path of a settings file: '\' becomes '/', a relative path goes inside ConfigFolder().
std::string IniPath(std::string_view path);

} // namespace hb::win
