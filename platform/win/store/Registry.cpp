#include "platform/win/store/Registry.h"

#include "platform/win/store/RegText.h"
#include "platform/win/store/RegistryStore.h"

#include <algorithm>
#include <cstring>
#include <iterator>

using hb::win::RegistryStore;
using hb::win::RegKey;
using hb::win::RegValue;
using hb::win::registry::Change;
using hb::win::registry::Op;

namespace {

using Opened = RegistryStore::Opened;

// Uses up a pending fault of that kind, then resolves the handle.
DWORD Begin(Op op, HKEY handle, Opened& out) {
    RegistryStore& store = RegistryStore::Get();
    if (const DWORD fault = store.TakeFault(op)) {
        return fault;
    }
    return store.Resolve(handle, out);
}

std::string_view NameOrDefault(LPCSTR name) {
    return name ? std::string_view(name) : "";
}

// Walks down `subKey`; null when a key on the way is missing.
std::shared_ptr<RegKey> Descend(std::shared_ptr<RegKey> key, LPCSTR subKey) {
    for (const std::string_view part : hb::win::SplitKeyPath(NameOrDefault(subKey))) {
        if (!key) {
            break;
        }
        key = key->SubKey(part);
    }
    return key;
}

// Key names become lines of the settings file, so they may not hold control characters.
bool ValidKeyName(std::string_view name) {
    return std::none_of(name.begin(), name.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

void Record(Change change, const Opened& at, const std::string& path, std::string_view value = {},
            DWORD type = REG_NONE, std::vector<BYTE> data = {}) {
    RegistryStore::Get().Record({change, at.root, path, std::string(value), type, std::move(data)});
}

// Copies `bytes` to the caller's buffer under the query rules.
DWORD CopyData(const std::vector<BYTE>& bytes, BYTE* data, DWORD* size) {
    const auto needed = static_cast<DWORD>(bytes.size());
    if (data) {
        if (*size < needed) {
            *size = needed;
            return ERROR_MORE_DATA;
        }
        std::copy(bytes.begin(), bytes.end(), data);
    }
    if (size) {
        *size = needed;
    }
    return ERROR_SUCCESS;
}

// Copies a name with its NUL when the buffer of `*chars` characters holds it.
DWORD CopyName(const std::string& name, LPSTR buf, DWORD* chars) {
    if (name.size() >= *chars) {
        return ERROR_MORE_DATA;
    }
    std::memcpy(buf, name.c_str(), name.size() + 1);
    *chars = static_cast<DWORD>(name.size());
    return ERROR_SUCCESS;
}

} // namespace

DWORD RegOpenKeyEx(HKEY key, LPCSTR subKey, DWORD, DWORD, HKEY* result) {
    if (!result) {
        return ERROR_INVALID_PARAMETER;
    }
    *result = HKEY();
    Opened at;
    if (const DWORD error = Begin(Op::Open, key, at)) {
        return error;
    }
    std::shared_ptr<RegKey> found = Descend(at.key, subKey);
    if (!found) {
        return ERROR_FILE_NOT_FOUND;
    }
    *result = RegistryStore::Get().OpenHandle({at.root, std::move(found)});
    return ERROR_SUCCESS;
}

DWORD RegCreateKeyEx(HKEY key, LPCSTR subKey, DWORD, LPSTR, DWORD, DWORD, void*, HKEY* result,
                     DWORD* disposition) {
    if (!result) {
        return ERROR_INVALID_PARAMETER;
    }
    *result = HKEY();
    Opened at;
    if (const DWORD error = Begin(Op::Create, key, at)) {
        return error;
    }
    const auto parts = hb::win::SplitKeyPath(NameOrDefault(subKey));
    if (!std::all_of(parts.begin(), parts.end(), ValidKeyName)) {
        return ERROR_INVALID_PARAMETER;
    }
    std::shared_ptr<RegKey> current = at.key;
    bool created = false;
    for (const std::string_view part : parts) {
        current = current->AddSubKey(part, &created);
        if (created) {
            Record(Change::CreateKey, at, current->Path());
        }
    }
    RegistryStore& store = RegistryStore::Get();
    if (created) {
        if (const DWORD error = store.Commit(at.root)) {
            return error;
        }
    }
    if (disposition) {
        *disposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
    }
    *result = store.OpenHandle({at.root, std::move(current)});
    return ERROR_SUCCESS;
}

DWORD RegCloseKey(HKEY key) {
    return RegistryStore::Get().CloseHandle(key);
}

DWORD RegQueryValueEx(HKEY key, LPCSTR name, DWORD*, DWORD* type, BYTE* data, DWORD* size) {
    if (data && !size) {
        return ERROR_INVALID_PARAMETER;
    }
    Opened at;
    if (const DWORD error = Begin(Op::Query, key, at)) {
        return error;
    }
    const RegValue* value = at.key->FindValue(NameOrDefault(name));
    if (!value) {
        return ERROR_FILE_NOT_FOUND;
    }
    if (type) {
        *type = value->type;
    }
    return CopyData(value->data, data, size);
}

DWORD RegSetValueEx(HKEY key, LPCSTR name, DWORD, DWORD type, const BYTE* data, DWORD size) {
    Opened at;
    if (const DWORD error = Begin(Op::Set, key, at)) {
        return error;
    }
    const bool known = type == REG_NONE || type == REG_SZ || type == REG_BINARY ||
                       (type == REG_DWORD && size == 4);
    if (!known || (!data && size)) {
        return ERROR_INVALID_PARAMETER;
    }
    std::vector<BYTE> bytes = type == REG_SZ ? hb::win::StringValueBytes(data, size)
                                             : std::vector<BYTE>(data, data + size);
    at.key->SetValue(NameOrDefault(name), type, bytes);
    Record(Change::SetValue, at, at.key->Path(), NameOrDefault(name), type, std::move(bytes));
    return RegistryStore::Get().Commit(at.root);
}

DWORD RegEnumKey(HKEY key, DWORD index, LPSTR name, DWORD nameSize) {
    return RegEnumKeyEx(key, index, name, &nameSize, nullptr, nullptr, nullptr, nullptr);
}

DWORD RegEnumKeyEx(HKEY key, DWORD index, LPSTR name, DWORD* nameSize, DWORD*, LPSTR keyClass,
                   DWORD* classSize, FILETIME* lastWrite) {
    if (!name || !nameSize) {
        return ERROR_INVALID_PARAMETER;
    }
    Opened at;
    if (const DWORD error = Begin(Op::Query, key, at)) {
        return error;
    }
    const RegKey::Children& children = at.key->SubKeys();
    if (index >= children.size()) {
        return ERROR_NO_MORE_ITEMS;
    }
    if (keyClass && classSize && *classSize) {
        keyClass[0] = '\0';
    }
    if (classSize) {
        *classSize = 0;
    }
    if (lastWrite) {
        *lastWrite = FILETIME();
    }
    return CopyName(std::next(children.begin(), index)->second->Name(), name, nameSize);
}

DWORD RegEnumValue(HKEY key, DWORD index, LPSTR name, DWORD* nameSize, DWORD*, DWORD* type,
                   BYTE* data, DWORD* dataSize) {
    if (!name || !nameSize || (data && !dataSize)) {
        return ERROR_INVALID_PARAMETER;
    }
    Opened at;
    if (const DWORD error = Begin(Op::Query, key, at)) {
        return error;
    }
    const std::vector<RegValue>& values = at.key->Values();
    if (index >= values.size()) {
        return ERROR_NO_MORE_ITEMS;
    }
    const RegValue& value = values[index];
    if (const DWORD error = CopyName(value.name, name, nameSize)) {
        return error;
    }
    if (type) {
        *type = value.type;
    }
    return CopyData(value.data, data, dataSize);
}

DWORD RegDeleteValue(HKEY key, LPCSTR name) {
    Opened at;
    if (const DWORD error = Begin(Op::Delete, key, at)) {
        return error;
    }
    if (!at.key->RemoveValue(NameOrDefault(name))) {
        return ERROR_FILE_NOT_FOUND;
    }
    Record(Change::DeleteValue, at, at.key->Path(), NameOrDefault(name));
    return RegistryStore::Get().Commit(at.root);
}

namespace {

// Deletes the sub-key `subKey` of the resolved key, refusing one with sub-keys unless `tree`.
DWORD DeleteSubKey(const Opened& at, LPCSTR subKey, bool tree) {
    const auto parts = hb::win::SplitKeyPath(NameOrDefault(subKey));
    if (parts.empty()) {
        return ERROR_INVALID_PARAMETER;
    }
    std::shared_ptr<RegKey> target = Descend(at.key, subKey);
    if (!target) {
        return ERROR_FILE_NOT_FOUND;
    }
    if (!tree && !target->SubKeys().empty()) {
        return ERROR_ACCESS_DENIED;
    }
    Record(tree ? Change::DeleteTree : Change::DeleteKey, at, target->Path());
    target->Parent()->RemoveSubKey(target->Name());
    return RegistryStore::Get().Commit(at.root);
}

} // namespace

DWORD RegDeleteKey(HKEY key, LPCSTR subKey) {
    Opened at;
    if (const DWORD error = Begin(Op::Delete, key, at)) {
        return error;
    }
    return DeleteSubKey(at, subKey, false);
}

DWORD RegDeleteTree(HKEY key, LPCSTR subKey) {
    Opened at;
    if (const DWORD error = Begin(Op::Delete, key, at)) {
        return error;
    }
    if (hb::win::SplitKeyPath(NameOrDefault(subKey)).empty()) {
        Record(Change::DeleteTree, at, at.key->Path());
        at.key->Clear();
        return RegistryStore::Get().Commit(at.root);
    }
    return DeleteSubKey(at, subKey, true);
}

namespace hb::win::registry {

void UseFiles(const std::string& folder) {
    RegistryStore::Instance().UseFiles(folder);
}
void UseMemory() {
    RegistryStore::Instance().UseMemory();
}

void ResetForTests() {
    RegistryStore& store = RegistryStore::Instance();
    store.UseMemory();
    store.ClearJournal();
    store.ClearFaults();
}

bool Seed(HKEY root, std::string_view text) {
    return RegistryStore::Get().Seed(root, text);
}
std::string Dump(HKEY root) {
    return RegistryStore::Get().Dump(root);
}

const std::vector<JournalEntry>& Journal() {
    return RegistryStore::Get().Journal();
}
void ClearJournal() {
    RegistryStore::Get().ClearJournal();
}

void FailNext(Op op, DWORD error) {
    RegistryStore::Get().FailNext(op, error);
}

std::optional<SaveFailure> TakeSaveFailure() {
    return RegistryStore::Get().TakeSaveFailure();
}

} // namespace hb::win::registry
