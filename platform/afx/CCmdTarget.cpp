#include "platform/afx/CCmdTarget.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

namespace {

const hb::afx::MessageMapEntry kNoEntries[] = {{0, 0, 0, 0, nullptr}};
const hb::afx::MessageMap kRootMap{nullptr, kNoEntries};

const hb::afx::EventSinkEntry kNoSinks[] = {{0, 0, nullptr}};
const hb::afx::EventSinkMap kRootSinkMap{nullptr, kNoSinks};

bool Matches(const hb::afx::MessageMapEntry& entry, UINT nID, UINT code) {
    if (nID < entry.firstId || nID > entry.lastId) {
        return false;
    }
    if (code != static_cast<UINT>(CN_UPDATE_COMMAND_UI) && HIWORD(code) == WM_NOTIFY) {
        return entry.message == WM_NOTIFY && LOWORD(entry.code) == LOWORD(code);
    }
    return entry.message == WM_COMMAND && entry.code == code;
}

} // namespace

const hb::afx::MessageMap* CCmdTarget::GetThisMessageMap() {
    return &kRootMap;
}

const hb::afx::MessageMap* CCmdTarget::GetMessageMap() const {
    return GetThisMessageMap();
}

const hb::afx::EventSinkMap* CCmdTarget::GetThisEventSinkMap() {
    return &kRootSinkMap;
}

const hb::afx::EventSinkMap* CCmdTarget::GetEventSinkMap() const {
    return GetThisEventSinkMap();
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    const UINT code = static_cast<UINT>(nCode);
    return hb::afx::ForEachEntry(*this, [&](const hb::afx::MessageMapEntry& entry) {
        if (!Matches(entry, nID, code)) {
            return false;
        }
        if (pHandlerInfo) {
            pHandlerInfo->pTarget = this;
            return true;
        }
        hb::afx::MsgCall call;
        call.id = nID;
        call.extra = pExtra;
        return entry.thunk(*this, call);
    });
}
