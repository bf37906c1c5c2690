#pragma once
// The base of every stored scanning object. Each object carries its kind tag and a 32-bit handle
// that is unique for the life of the program: handles are never reused, and the handle of a
// deleted object resolves to null, so a handle kept in a record or a window never reaches freed
// memory. Objects form trees; a parent owns its children.

#include "platform/records/ObjectKind.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class Chan;
class Statistics;

namespace hb::tessary {
class ItemReader;
class ItemWriter;
} // namespace hb::tessary

class Object {
public:
    using Kind = hb::records::ObjectKind;

    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;
    virtual ~Object();

    // The live object with this handle, or null (handle 0, a deleted object, never issued).
    static Object* Find(std::uint32_t handle);

    Kind kind() const { return m_kind; }
    std::uint32_t ObjectTypeTag() const { return static_cast<std::uint32_t>(m_kind); }
    std::uint32_t handle() const { return m_handle; }

    // The kind as a user reads it ("Group", "Channel", "Search Range", ...).
    virtual const char* descr() const = 0;

    const std::string& name() const { return m_name; }
    void setName(std::string name);
    // The second text of an object.
    const std::string& description() const { return m_description; }
    void setDescription(std::string description);
    std::uint32_t flags() const { return m_flags; }
    void setFlags(std::uint32_t flags) { m_flags = flags; }
    // The colour the grids show the object's text in: 0 Black (the default) to 7 Orange.
    std::uint8_t color() const { return m_color; }
    void setColor(std::uint8_t color) { m_color = color; }

    // The file a root object was read from or is to be saved to, or the file a scan-list entry
    // names. Naming another file marks the object changed, since its content is not there yet.
    const std::string& fileName() const { return m_fileName; }
    void setFileName(std::string path);

    // Marks this object and every object above it changed (their files need saving).
    void markChanged();
    bool isChanged() const { return m_changed; }
    // Clears the mark of this object and everything below it, after a save or a load.
    void clearChanged();
    // Clears the mark of this object alone: what lies below keeps its own.
    void clearOwnChanged() { m_changed = false; }

    // The sheets of a group's grid, in their order.
    enum Sheet : int { kBanksSheet, kChannelsSheet, kUserIdsSheet, kRangesSheet };
    // Forgets the hit count, air time and recent history of this object and of every object below
    // it; with `onlyOneSheet`, only of those the grid's `sheet` shows.
    void ResetStatistics(bool onlyOneSheet, int sheet);

    Object* parent() const { return m_parent; }
    Object* root();

    // Calls `visit` for each channel or search range below (or being) this object that a radio
    // can scan, in list order.
    virtual void forEachScannable(const std::function<void(Chan&)>& visit);
    bool hasScannable();

    // Reading and writing of the scanning-file format.
    void writeItems(hb::tessary::ItemWriter& out) const;
    // Takes one item of this object's record; false leaves it to be skipped as unknown.
    virtual bool readItem(std::uint32_t tag, hb::tessary::ItemReader& item);

protected:
    explicit Object(Kind kind);

    // Writes the fields and children that the subclass adds.
    virtual void writeOwnItems(hb::tessary::ItemWriter& out) const = 0;
    virtual void forEachChild(const std::function<void(Object&)>& visit);
    // What the object remembers of its hits; null for a kind that remembers none.
    virtual Statistics* hitStatistics() { return nullptr; }

    // Appends `child` to one of this object's owning lists and makes this object its parent.
    template <class T, class List>
    T& own(List& list, std::unique_ptr<T> child) {
        static_cast<Object&>(*child).m_parent = this;
        T& placed = *child;
        list.push_back(std::move(child));
        return placed;
    }
    // The same at `index` of the list (its end when past it).
    template <class T, class List>
    T& ownAt(List& list, std::size_t index, std::unique_ptr<T> child) {
        static_cast<Object&>(*child).m_parent = this;
        T& placed = *child;
        const auto at = static_cast<std::ptrdiff_t>(std::min(index, list.size()));
        list.insert(list.begin() + at, std::move(child));
        markChanged();
        return placed;
    }
    // Takes the child at `index` out of the list, without a parent; null past the end.
    template <class List>
    typename List::value_type disown(List& list, std::size_t index) {
        if (index >= list.size()) {
            return nullptr;
        }
        typename List::value_type child = std::move(list[index]);
        list.erase(list.begin() + static_cast<std::ptrdiff_t>(index));
        static_cast<Object&>(*child).m_parent = nullptr;
        markChanged();
        return child;
    }

private:
    Kind m_kind;
    std::uint32_t m_handle;
    Object* m_parent = nullptr;
    std::string m_name;
    std::string m_description;
    std::string m_fileName;
    std::uint32_t m_flags = 0;
    std::uint8_t m_color = 0;
    bool m_changed = false;
};
