#include "platform/win/store/IniStore.h"

#include "platform/win/store/AtomicFile.h"
#include "platform/win/store/Folders.h"
#include "platform/win/sys/Paths.h"

#include <sys/stat.h>

#include <fstream>
#include <sstream>

namespace hb::win {

IniStore& IniStore::Get() {
    static IniStore store;
    return store;
}

void IniStore::UseFiles() {
    m_memory = false;
    m_files.clear();
}

void IniStore::UseMemory() {
    m_memory = true;
    m_files.clear();
}

IniStore::Stamp IniStore::StampOf(const std::string& path) {
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) {
        return {};
    }
    return {true,
            static_cast<unsigned long long>(st.st_dev),
            static_cast<unsigned long long>(st.st_ino),
            static_cast<unsigned long long>(st.st_size),
            static_cast<long long>(st.st_mtim.tv_sec),
            static_cast<long long>(st.st_mtim.tv_nsec)};
}

IniDocument IniStore::Load(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return IniDocument(text.str());
}

const IniDocument& IniStore::Read(const std::string& path) {
    if (m_memory) {
        // Never the file on disk: a test must not see, or come to depend on, real settings.
        return m_files[path].doc;
    }
    const auto it = m_files.find(path);
    const Stamp now = StampOf(path);
    if (it != m_files.end() && it->second.stamp == now) {
        return it->second.doc;
    }
    Cached& cached = m_files[path];
    cached = {now.exists ? Load(path) : IniDocument(), now};
    return cached.doc;
}

bool IniStore::Write(const std::string& path, IniDocument doc) {
    if (!m_memory && !WriteFileAtomically(path, doc.Text())) {
        return false;
    }
    m_files[path] = {std::move(doc), m_memory ? Stamp() : StampOf(path)};
    return true;
}

void IniStore::Record(const std::string& path, ini::Write write) {
    m_journal[path].push_back(std::move(write));
}

std::vector<ini::Write> IniStore::Journal(const std::string& path) const {
    const auto it = m_journal.find(path);
    return it == m_journal.end() ? std::vector<ini::Write>() : it->second;
}

std::string IniPath(std::string_view path) {
    return PathJoin(ConfigFolder(), NativePath(path));
}

} // namespace hb::win
