#pragma once
// Message maps: a class's table of handlers, searched before its base class's table.
//
//     BEGIN_MESSAGE_MAP(CMyView, CFormView)
//         ON_WM_TIMER()
//         ON_COMMAND(27008, &CMyView::OnAnalyzer)
//         ON_NOTIFY_EX(TTN_NEEDTEXT, 0, &CMyView::OnToolTipNotify)
//     END_MESSAGE_MAP()
//
// Each entry carries a small function that casts the target to the map's class and calls the
// handler with the arguments its signature wants; the handler's signature is checked when the map
// is compiled.

#include "platform/win/Windows.h"

#include <type_traits>

class CCmdTarget;
class CCmdUI;

// Command codes that are not control notifications.
inline constexpr int CN_COMMAND = 0;
inline constexpr int CN_UPDATE_COMMAND_UI = -1;

// What a notification carries on its way through OnCmdMsg.
struct AFX_NOTIFY {
    LRESULT* pResult = nullptr;
    NMHDR* pNMHDR = nullptr;
};

// Filled instead of calling the handler, to learn whether there is one.
struct AFX_CMDHANDLERINFO {
    CCmdTarget* pTarget = nullptr;
};

namespace hb::afx {

// One message, command or notification on its way to a handler.
struct MsgCall {
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    UINT id = 0;
    // CCmdUI* for update handlers, AFX_NOTIFY* for notifications.
    void* extra = nullptr;
    LRESULT result = 0;
};

// Calls one entry's handler; false (a handler that returned FALSE) lets the search go on.
using MsgThunk = bool (*)(CCmdTarget&, MsgCall&);

struct MessageMapEntry {
    // A window message, WM_COMMAND, WM_NOTIFY, or kReflectBase plus one of the last two.
    UINT message;
    // The control or notification code of commands and notifications.
    UINT code;
    UINT firstId;
    UINT lastId;
    // Null ends the table.
    MsgThunk thunk;
};

struct MessageMap {
    const MessageMap* (*base)();
    const MessageMapEntry* entries;
};

// Entries for notifications a control handles itself; above every window message number.
inline constexpr UINT kReflectBase = 0x10000;

template <class C, class F>
using MemberFn = F C::*;

// Handler signatures.
namespace sig {
using Void = void();
using Id = void(UINT);
using CmdUI = void(CCmdUI*);
using Notify = void(NMHDR*, LRESULT*);
using NotifyRange = void(UINT, NMHDR*, LRESULT*);
using NotifyEx = BOOL(UINT, NMHDR*, LRESULT*);
using Message = LRESULT(WPARAM, LPARAM);
} // namespace sig

} // namespace hb::afx

// clang-format off
#define DECLARE_MESSAGE_MAP()                                                                      \
public:                                                                                            \
    const ::hb::afx::MessageMap* GetMessageMap() const override;                                   \
                                                                                                   \
protected:                                                                                         \
    static const ::hb::afx::MessageMap* GetThisMessageMap();

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                     \
    const ::hb::afx::MessageMap* theClass::GetMessageMap() const {                                 \
        return GetThisMessageMap();                                                                \
    }                                                                                              \
    const ::hb::afx::MessageMap* theClass::GetThisMessageMap() {                                   \
        using ThisClass = theClass;                                                                \
        using TheBaseClass = baseClass;                                                            \
        static_assert(std::is_base_of_v<TheBaseClass, ThisClass>);                                 \
        static const ::hb::afx::MessageMapEntry hbEntries[] = {

#define END_MESSAGE_MAP()                                                                          \
            {0, 0, 0, 0, nullptr}};                                                                \
        static const ::hb::afx::MessageMap hbMap{&TheBaseClass::GetThisMessageMap, hbEntries};     \
        return &hbMap;                                                                             \
    }
// clang-format on

// The body runs with `hbThis` (the target as the map's class) and `hbCall` (the MsgCall).
#define HB_AFX_MAP_ENTRY(message, code, firstId, lastId, ...)                                      \
    {static_cast<UINT>(message), static_cast<UINT>(code), static_cast<UINT>(firstId),              \
     static_cast<UINT>(lastId),                                                                    \
     [](CCmdTarget& hbTarget, [[maybe_unused]] ::hb::afx::MsgCall& hbCall) -> bool {               \
         [[maybe_unused]] auto& hbThis = static_cast<ThisClass&>(hbTarget);                        \
         __VA_ARGS__                                                                               \
     }},

// The handler `memberFxn` called on hbThis, checked against `signature`.
#define HB_AFX_CALL(signature, memberFxn)                                                          \
    (hbThis.*static_cast<::hb::afx::MemberFn<ThisClass, signature>>(memberFxn))

#define HB_AFX_NOTIFY_ARGS (static_cast<AFX_NOTIFY*>(hbCall.extra))

// Commands: void handler().
#define ON_COMMAND(nID, memberFxn)                                                                 \
    HB_AFX_MAP_ENTRY(WM_COMMAND, CN_COMMAND, nID, nID,                                             \
                     HB_AFX_CALL(::hb::afx::sig::Void, memberFxn)();                               \
                     return true;)

// void handler(UINT nID).
#define ON_COMMAND_RANGE(nID, nIDLast, memberFxn)                                                  \
    HB_AFX_MAP_ENTRY(WM_COMMAND, CN_COMMAND, nID, nIDLast,                                         \
                     HB_AFX_CALL(::hb::afx::sig::Id, memberFxn)(hbCall.id);                        \
                     return true;)

// void handler(CCmdUI*).
#define ON_UPDATE_COMMAND_UI(nID, memberFxn) ON_UPDATE_COMMAND_UI_RANGE(nID, nID, memberFxn)

#define ON_UPDATE_COMMAND_UI_RANGE(nID, nIDLast, memberFxn)                                        \
    HB_AFX_MAP_ENTRY(                                                                              \
        WM_COMMAND, CN_UPDATE_COMMAND_UI, nID, nIDLast,                                            \
        HB_AFX_CALL(::hb::afx::sig::CmdUI, memberFxn)(static_cast<CCmdUI*>(hbCall.extra));         \
        return true;)

// Control notifications through WM_COMMAND: void handler().
#define ON_CONTROL(code, nID, memberFxn)                                                           \
    HB_AFX_MAP_ENTRY(WM_COMMAND, code, nID, nID, HB_AFX_CALL(::hb::afx::sig::Void, memberFxn)();   \
                     return true;)

#define ON_BN_CLICKED(nID, memberFxn) ON_CONTROL(BN_CLICKED, nID, memberFxn)
#define ON_EN_CHANGE(nID, memberFxn) ON_CONTROL(EN_CHANGE, nID, memberFxn)
#define ON_EN_SETFOCUS(nID, memberFxn) ON_CONTROL(EN_SETFOCUS, nID, memberFxn)
#define ON_EN_KILLFOCUS(nID, memberFxn) ON_CONTROL(EN_KILLFOCUS, nID, memberFxn)
#define ON_CBN_SELCHANGE(nID, memberFxn) ON_CONTROL(CBN_SELCHANGE, nID, memberFxn)

// WM_NOTIFY: void handler(NMHDR*, LRESULT*).
#define ON_NOTIFY(code, nID, memberFxn)                                                            \
    HB_AFX_MAP_ENTRY(WM_NOTIFY, code, nID, nID,                                                    \
                     HB_AFX_CALL(::hb::afx::sig::Notify, memberFxn)(HB_AFX_NOTIFY_ARGS->pNMHDR,    \
                                                                    HB_AFX_NOTIFY_ARGS->pResult);  \
                     return true;)

// void handler(UINT nID, NMHDR*, LRESULT*).
#define ON_NOTIFY_RANGE(code, nID, nIDLast, memberFxn)                                             \
    HB_AFX_MAP_ENTRY(WM_NOTIFY, code, nID, nIDLast,                                                \
                     HB_AFX_CALL(::hb::afx::sig::NotifyRange, memberFxn)(                          \
                         hbCall.id, HB_AFX_NOTIFY_ARGS->pNMHDR, HB_AFX_NOTIFY_ARGS->pResult);      \
                     return true;)

// BOOL handler(UINT nID, NMHDR*, LRESULT*): FALSE passes the notification on.
#define ON_NOTIFY_EX(code, nID, memberFxn)                                                         \
    HB_AFX_MAP_ENTRY(WM_NOTIFY, code, nID, nID,                                                    \
                     return HB_AFX_CALL(::hb::afx::sig::NotifyEx,                                  \
                                        memberFxn)(hbCall.id, HB_AFX_NOTIFY_ARGS->pNMHDR,          \
                                                   HB_AFX_NOTIFY_ARGS->pResult) != FALSE;)

// Notifications a control handles itself, before its parent sees them.
// void handler(NMHDR*, LRESULT*).
#define ON_NOTIFY_REFLECT(code, memberFxn)                                                         \
    HB_AFX_MAP_ENTRY(::hb::afx::kReflectBase + WM_NOTIFY, code, 0, 0,                              \
                     HB_AFX_CALL(::hb::afx::sig::Notify, memberFxn)(                               \
                         reinterpret_cast<NMHDR*>(hbCall.lParam), &hbCall.result);                 \
                     return true;)

// void handler().
#define ON_CONTROL_REFLECT(code, memberFxn)                                                        \
    HB_AFX_MAP_ENTRY(::hb::afx::kReflectBase + WM_COMMAND, code, 0, 0,                             \
                     HB_AFX_CALL(::hb::afx::sig::Void, memberFxn)();                               \
                     return true;)

// Any window message: LRESULT handler(WPARAM, LPARAM).
#define ON_MESSAGE(nMessage, memberFxn)                                                            \
    HB_AFX_MAP_ENTRY(nMessage, 0, 0, 0,                                                            \
                     hbCall.result = HB_AFX_CALL(::hb::afx::sig::Message,                          \
                                                 memberFxn)(hbCall.wParam, hbCall.lParam);         \
                     return true;)
