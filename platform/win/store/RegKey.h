#pragma once
// One key of a registry tree: named sub-keys, listed in case-insensitive alphabetical order, and
// values, kept in the order they were first written. Names keep the case they were created with.

#include "platform/win/WinTypes.h"
#include "platform/win/store/StoreText.h"

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace hb::win {

struct RegValue {
    std::string name;
    DWORD type = 0;
    std::vector<BYTE> data;
};

class RegKey {
public:
    using Children = std::map<std::string, std::shared_ptr<RegKey>, LessNoCase>;

    explicit RegKey(std::string name = {}, RegKey* parent = nullptr)
        : m_name(std::move(name)), m_parent(parent) {}
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;

    const std::string& Name() const { return m_name; }
    RegKey* Parent() const { return m_parent; }
    // A deleted key stays alive for the handles still open on it, detached from the tree.
    bool Deleted() const { return m_deleted; }
    // The '\'-separated path below the root ("" for the root itself).
    std::string Path() const;

    const Children& SubKeys() const { return m_children; }
    std::shared_ptr<RegKey> SubKey(std::string_view name) const;
    // The existing sub-key of that name, or a new one; `created` tells which.
    std::shared_ptr<RegKey> AddSubKey(std::string_view name, bool* created = nullptr);
    void RemoveSubKey(std::string_view name);
    // Removes every sub-key and value.
    void Clear();

    const std::vector<RegValue>& Values() const { return m_values; }
    const RegValue* FindValue(std::string_view name) const;
    void SetValue(std::string_view name, DWORD type, std::vector<BYTE> data);
    bool RemoveValue(std::string_view name);

    // Adds the keys and values of `other`, replacing values of the same name.
    void Merge(const RegKey& other);

private:
    void MarkDeleted();

    std::string m_name;
    RegKey* m_parent;
    bool m_deleted = false;
    Children m_children;
    std::vector<RegValue> m_values;
};

// The non-empty parts of a '\'-separated key path (leading, trailing and doubled separators are
// tolerated).
std::vector<std::string_view> SplitKeyPath(std::string_view path);

} // namespace hb::win
