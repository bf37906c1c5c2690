#include "platform/win/store/RegKey.h"

#include <algorithm>

namespace hb::win {
namespace {

template <class Values>
auto FindValueIn(Values& values, std::string_view name) {
    return std::find_if(values.begin(), values.end(),
                        [&](const RegValue& v) { return EqualNoCase(v.name, name); });
}

} // namespace

std::string RegKey::Path() const {
    std::string path;
    for (const RegKey* k = this; k && k->m_parent; k = k->m_parent) {
        path.insert(0, path.empty() ? k->m_name : k->m_name + "\\");
    }
    return path;
}

std::shared_ptr<RegKey> RegKey::SubKey(std::string_view name) const {
    const auto it = m_children.find(name);
    return it == m_children.end() ? nullptr : it->second;
}

std::shared_ptr<RegKey> RegKey::AddSubKey(std::string_view name, bool* created) {
    auto it = m_children.find(name);
    const bool isNew = it == m_children.end();
    if (isNew) {
        it =
            m_children.emplace(std::string(name), std::make_shared<RegKey>(std::string(name), this))
                .first;
    }
    if (created) {
        *created = isNew;
    }
    return it->second;
}

void RegKey::RemoveSubKey(std::string_view name) {
    if (const auto it = m_children.find(name); it != m_children.end()) {
        it->second->MarkDeleted();
        m_children.erase(it);
    }
}

void RegKey::Clear() {
    for (auto& [name, child] : m_children) {
        child->MarkDeleted();
    }
    m_children.clear();
    m_values.clear();
}

void RegKey::MarkDeleted() {
    m_deleted = true;
    m_parent = nullptr;
    for (auto& [name, child] : m_children) {
        child->MarkDeleted();
    }
}

const RegValue* RegKey::FindValue(std::string_view name) const {
    const auto it = FindValueIn(m_values, name);
    return it == m_values.end() ? nullptr : &*it;
}

void RegKey::SetValue(std::string_view name, DWORD type, std::vector<BYTE> data) {
    if (const auto it = FindValueIn(m_values, name); it != m_values.end()) {
        it->type = type;
        it->data = std::move(data);
    } else {
        m_values.push_back({std::string(name), type, std::move(data)});
    }
}

bool RegKey::RemoveValue(std::string_view name) {
    const auto it = FindValueIn(m_values, name);
    if (it == m_values.end()) {
        return false;
    }
    m_values.erase(it);
    return true;
}

void RegKey::Merge(const RegKey& other) {
    for (const RegValue& v : other.m_values) {
        SetValue(v.name, v.type, v.data);
    }
    for (const auto& [name, child] : other.m_children) {
        AddSubKey(name)->Merge(*child);
    }
}

std::vector<std::string_view> SplitKeyPath(std::string_view path) {
    std::vector<std::string_view> parts;
    while (!path.empty()) {
        const std::size_t sep = path.find('\\');
        const std::string_view part = path.substr(0, sep);
        if (!part.empty()) {
            parts.push_back(part);
        }
        path = sep == std::string_view::npos ? std::string_view() : path.substr(sep + 1);
    }
    return parts;
}

} // namespace hb::win
