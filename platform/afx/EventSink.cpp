#include "platform/afx/CWnd.h"

#include <string>

namespace hb::afx {

namespace {

bool DispatchEvent(CCmdTarget& sink, UINT controlId, long dispid, std::vector<EventArg>& args) {
    for (const EventSinkMap* map = sink.GetEventSinkMap(); map;
         map = map->base ? map->base() : nullptr) {
        for (const EventSinkEntry* entry = map->entries; entry->thunk; ++entry) {
            if (entry->controlId == controlId && entry->dispid == dispid) {
                return entry->thunk(sink, args);
            }
        }
    }
    return false;
}

} // namespace

bool FireEvent(HWND control, long dispid, std::vector<EventArg>& args) {
    CWnd* parent = CWnd::FromHandlePermanent(::GetParent(control));
    if (!parent) {
        return false;
    }
    return DispatchEvent(*parent, static_cast<UINT>(::GetDlgCtrlID(control)), dispid, args);
}

namespace detail {

void ReportEventMismatch(std::size_t argCount, std::size_t paramCount) {
    hb::win::ReportFailure("event arguments do not fit the handler: " + std::to_string(argCount) +
                           " arguments for " + std::to_string(paramCount) +
                           " parameters, or a text where a number is taken (or the reverse)");
}

} // namespace detail
} // namespace hb::afx
