#include "platform/win/store/RegistryStore.h"

#include "platform/win/store/AtomicFile.h"
#include "platform/win/store/Folders.h"
#include "platform/win/store/RegText.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <utility>

namespace hb::win {

RegistryStore& RegistryStore::Instance() {
    static RegistryStore store;
    return store;
}

RegistryStore& RegistryStore::Get() {
    RegistryStore& store = Instance();
    if (!store.m_configured) {
        store.UseFiles(ConfigFolder());
    }
    return store;
}

RegistryStore::RegistryStore()
    : m_roots{Root{HKEY_CURRENT_USER, "user.reg"}, Root{HKEY_LOCAL_MACHINE, "machine.reg"},
              Root{HKEY_CLASSES_ROOT, nullptr}} {}

void RegistryStore::ClearRoots() {
    m_configured = true;
    for (Root& root : m_roots) {
        root.tree = std::make_shared<RegKey>();
        root.damaged = false;
    }
    m_handles.clear();
    m_saveFailure.reset();
}

void RegistryStore::UseFiles(const std::string& folder) {
    ClearRoots();
    m_folder = folder;
    for (Root& root : m_roots) {
        if (root.fileName) {
            Load(root);
        }
    }
}

void RegistryStore::UseMemory() {
    ClearRoots();
    m_folder.reset();
}

std::string RegistryStore::FilePath(const Root& root) const {
    return *m_folder + "/" + root.fileName;
}

void RegistryStore::Load(Root& root) {
    const std::string path = FilePath(root);
    struct stat st {};
    if (stat(path.c_str(), &st) != 0 && errno == ENOENT) {
        return;
    }
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    std::string error = "it cannot be read";
    if (in && ParseRegistry(text.str(), *root.tree, error)) {
        return;
    }
    root.damaged = true;
    std::fprintf(stderr,
                 "Halbridge Pro: the settings file %s is damaged (%s); starting with empty "
                 "settings, the file is kept as %s.damaged\n",
                 path.c_str(), error.c_str(), path.c_str());
}

DWORD RegistryStore::Commit(HKEY handle) {
    Root* root = FindRoot(handle);
    if (!root || !root->fileName || !m_folder) {
        return ERROR_SUCCESS;
    }
    const std::string path = FilePath(*root);
    if (root->damaged) {
        if (std::rename(path.c_str(), (path + ".damaged").c_str()) != 0 && errno != ENOENT) {
            m_saveFailure = registry::SaveFailure{path, std::strerror(errno)};
            return ERROR_WRITE_FAULT;
        }
        root->damaged = false;
    }
    if (!WriteFileAtomically(path, FormatRegistry(*root->tree))) {
        m_saveFailure = registry::SaveFailure{path, std::strerror(errno)};
        return ERROR_WRITE_FAULT;
    }
    return ERROR_SUCCESS;
}

std::optional<registry::SaveFailure> RegistryStore::TakeSaveFailure() {
    return std::exchange(m_saveFailure, std::nullopt);
}

RegistryStore::Root* RegistryStore::FindRoot(HKEY handle) {
    for (Root& root : m_roots) {
        if (root.handle == handle) {
            return &root;
        }
    }
    return nullptr;
}

const RegistryStore::Root* RegistryStore::FindRoot(HKEY handle) const {
    return const_cast<RegistryStore*>(this)->FindRoot(handle);
}

DWORD RegistryStore::Resolve(HKEY handle, Opened& out) const {
    if (const Root* root = FindRoot(handle)) {
        out = {root->handle, root->tree};
        return ERROR_SUCCESS;
    }
    const auto it = m_handles.find(handle);
    if (it == m_handles.end()) {
        return ERROR_INVALID_HANDLE;
    }
    out = it->second;
    return out.key->Deleted() ? ERROR_KEY_DELETED : ERROR_SUCCESS;
}

HKEY RegistryStore::OpenHandle(Opened key) {
    const HKEY handle{m_nextHandle++};
    m_handles.emplace(handle, std::move(key));
    return handle;
}

DWORD RegistryStore::CloseHandle(HKEY handle) {
    if (FindRoot(handle)) {
        return ERROR_SUCCESS;
    }
    return m_handles.erase(handle) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

DWORD RegistryStore::TakeFault(registry::Op op) {
    const auto it = m_faults.find(op);
    if (it == m_faults.end()) {
        return ERROR_SUCCESS;
    }
    const DWORD error = it->second;
    m_faults.erase(it);
    return error;
}

bool RegistryStore::Seed(HKEY handle, std::string_view text) {
    Root* root = FindRoot(handle);
    std::string error;
    if (!root || !ParseRegistry(text, *root->tree, error)) {
        return false;
    }
    return Commit(handle) == ERROR_SUCCESS;
}

std::string RegistryStore::Dump(HKEY handle) const {
    const Root* root = FindRoot(handle);
    return root ? FormatRegistry(*root->tree) : std::string();
}

} // namespace hb::win
