#pragma once
#include "platform/afx/CObject.h"
#include "platform/afx/EventSinkMap.h"
#include "platform/afx/MessageMap.h"

// An object that takes commands: its message map, then its base classes' maps, are searched for a
// handler. Frames, views, documents and the application extend OnCmdMsg to pass a command on to
// the next target of the route.
class CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)

public:
    CCmdTarget() = default;

    // `nCode` is a control code, CN_COMMAND, CN_UPDATE_COMMAND_UI (pExtra: the CCmdUI) or a
    // notification as MAKELONG(code, WM_NOTIFY) (pExtra: the AFX_NOTIFY). With pHandlerInfo only
    // reports whether a handler exists. TRUE when handled.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

    virtual const hb::afx::MessageMap* GetMessageMap() const;
    virtual const hb::afx::EventSinkMap* GetEventSinkMap() const;

protected:
    static const hb::afx::MessageMap* GetThisMessageMap();
    static const hb::afx::EventSinkMap* GetThisEventSinkMap();
};

namespace hb::afx {

// Visits the entries of the target's map chain, its own class's first, until `visit` returns true;
// returns whether it did.
template <class Visit>
bool ForEachEntry(const CCmdTarget& target, Visit visit) {
    for (const MessageMap* map = target.GetMessageMap(); map;
         map = map->base ? map->base() : nullptr) {
        for (const MessageMapEntry* entry = map->entries; entry->thunk; ++entry) {
            if (visit(*entry)) {
                return true;
            }
        }
    }
    return false;
}

} // namespace hb::afx
