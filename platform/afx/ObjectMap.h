#pragma once
// Handle-to-object maps of the wrappers that are not windows (drawing objects, DCs, image lists)
// and of typed window wrappers made for a handle; not part of the public surface.
#include <memory>
#include <unordered_map>

namespace hb::afx::detail {

// Registers what DeleteTempMap runs to free one map's temporary objects.
void AddTemporaryCleaner(void (*clean)());
void DeleteTemporaryObjects();

// The permanent map answers which wrapper owns a handle; a handle without one gets a temporary
// wrapper, valid until DeleteTempMap. A temporary wrapper never destroys its handle: its handle
// member `Field` is cleared before the wrapper is deleted.
template <class Object, class H, auto Field>
class ObjectMap {
public:
    static ObjectMap& Get() {
        // Never destroyed: wrappers with static storage may look it up from their destructors.
        static ObjectMap& map = *new ObjectMap;
        return map;
    }

    Object* FindPermanent(H handle) const {
        const auto it = m_permanent.find(handle);
        return it == m_permanent.end() ? nullptr : it->second;
    }

    // Makes `object` the permanent wrapper of `handle`; false when either is bound already.
    bool Attach(Object& object, H handle) {
        if (object.*Field || !handle || FindPermanent(handle)) {
            return false;
        }
        object.*Field = handle;
        m_permanent[handle] = &object;
        return true;
    }

    H Detach(Object& object) {
        const H handle = object.*Field;
        const auto it = m_permanent.find(handle);
        if (it != m_permanent.end() && it->second == &object) {
            m_permanent.erase(it);
        }
        object.*Field = H{};
        return handle;
    }

    // The permanent wrapper of `handle`, else its temporary one, made by `make` the first time;
    // null for no handle.
    template <class Make>
    Object* FromHandle(H handle, Make make) {
        if (!handle) {
            return nullptr;
        }
        if (Object* object = FindPermanent(handle)) {
            return object;
        }
        auto& slot = m_temporary[handle];
        if (!slot) {
            slot = make();
            (*slot).*Field = handle;
        }
        return slot.get();
    }

    void DeleteTemporary() {
        for (auto& [handle, object] : m_temporary) {
            (*object).*Field = H{};
        }
        m_temporary.clear();
    }

private:
    ObjectMap() {
        AddTemporaryCleaner([] { Get().DeleteTemporary(); });
    }

    std::unordered_map<H, Object*> m_permanent;
    std::unordered_map<H, std::unique_ptr<Object>> m_temporary;
};

} // namespace hb::afx::detail
