#pragma once
// Event-sink maps: a window's handlers for the events its instrument controls fire.
//
//     BEGIN_EVENTSINK_MAP(CRadioView, CEnhancedFormView)
//         ON_EVENT(CRadioView, 27784, 18, &CRadioView::OnPositionChangeTuning)
//         ON_EVENT(CRadioView, 27745, 7, &CRadioView::OnMouseUpV1)
//     END_EVENTSINK_MAP()
//
// The handler's parameter types are taken from its signature. Numbers, Booleans and texts come
// by value or by reference (`long*`, `BOOL*`, `bool&`, `CString*`, ...); what a handler writes
// through a reference goes back into the argument list the control fired.

#include "platform/afx/CString.h"
#include "platform/afx/Value.h"

#include <cstddef>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

class CCmdTarget;

namespace hb::afx {

using EventArg = Value;

// Calls one handler; false when the arguments do not fit it (reported as a failure).
using EventThunk = bool (*)(CCmdTarget&, std::vector<EventArg>&);

struct EventSinkEntry {
    UINT controlId;
    long dispid;
    // Null ends the table.
    EventThunk thunk;
};

struct EventSinkMap {
    const EventSinkMap* (*base)();
    const EventSinkEntry* entries;
};

// Fires event `dispid` of the control window `control` into its parent window's sink map (the
// parent's own class first, then its base classes). Returns whether a handler ran.
bool FireEvent(HWND control, long dispid, std::vector<EventArg>& args);

namespace detail {

void ReportEventMismatch(std::size_t argCount, std::size_t paramCount);

template <class T>
bool LoadArg(const EventArg& arg, T& out) {
    if constexpr (std::is_arithmetic_v<T>) {
        return std::visit(
            [&out](const auto& v) {
                using V = std::decay_t<decltype(v)>;
                if constexpr (std::is_arithmetic_v<V>) {
                    out = static_cast<T>(v);
                    return true;
                } else {
                    return false;
                }
            },
            arg);
    } else {
        const auto* text = std::get_if<std::string>(&arg);
        if (text) {
            out = T(*text);
        }
        return text != nullptr;
    }
}

template <class T>
void StoreArg(EventArg& arg, const T& value) {
    if constexpr (std::is_arithmetic_v<T>) {
        std::visit(
            [&value](auto& v) {
                using V = std::decay_t<decltype(v)>;
                if constexpr (std::is_arithmetic_v<V>) {
                    v = static_cast<V>(value);
                }
            },
            arg);
    } else if constexpr (std::is_same_v<T, CString>) {
        if (auto* text = std::get_if<std::string>(&arg)) {
            *text = value.str();
        }
    } else if constexpr (std::is_same_v<T, std::string>) {
        if (auto* text = std::get_if<std::string>(&arg)) {
            *text = value;
        }
    }
}

// One handler parameter: the value it is called with, and whether it is written back.
template <class P>
struct ArgSlot {
    static constexpr bool kText = std::is_same_v<P, LPCSTR>;
    static constexpr bool kPointer = std::is_pointer_v<P> && !kText;
    static constexpr bool kOut =
        kPointer || (std::is_lvalue_reference_v<P> && !std::is_const_v<std::remove_reference_t<P>>);
    using Stored =
        std::conditional_t<kText, std::string, std::remove_cvref_t<std::remove_pointer_t<P>>>;
    static_assert(std::is_arithmetic_v<Stored> || std::is_same_v<Stored, std::string> ||
                      std::is_same_v<Stored, CString>,
                  "event parameters are numbers, Booleans or texts");

    Stored value{};

    bool Load(const EventArg& arg) { return LoadArg(arg, value); }
    P Get() {
        if constexpr (kText) {
            return value.c_str();
        } else if constexpr (kPointer) {
            return &value;
        } else {
            return value;
        }
    }
    void Store(EventArg& arg) const {
        if constexpr (kOut) {
            StoreArg(arg, value);
        }
    }
};

template <class Class, auto Handler, class Pmf = decltype(Handler)>
struct EventCall;

template <class Class, auto Handler, class R, class C, class... A>
struct EventCall<Class, Handler, R (C::*)(A...)> {
    static bool Run(CCmdTarget& target, std::vector<EventArg>& args) {
        return RunWith(target, args, std::index_sequence_for<A...>{});
    }

    template <std::size_t... I>
    static bool RunWith(CCmdTarget& target, std::vector<EventArg>& args,
                        std::index_sequence<I...>) {
        std::tuple<ArgSlot<A>...> slots;
        if (args.size() < sizeof...(A) || !(std::get<I>(slots).Load(args[I]) && ...)) {
            ReportEventMismatch(args.size(), sizeof...(A));
            return false;
        }
        (static_cast<Class&>(target).*Handler)(std::get<I>(slots).Get()...);
        (std::get<I>(slots).Store(args[I]), ...);
        return true;
    }
};

} // namespace detail
} // namespace hb::afx

// clang-format off
#define DECLARE_EVENTSINK_MAP()                                                                    \
public:                                                                                            \
    const ::hb::afx::EventSinkMap* GetEventSinkMap() const override;                               \
                                                                                                   \
protected:                                                                                         \
    static const ::hb::afx::EventSinkMap* GetThisEventSinkMap();

#define BEGIN_EVENTSINK_MAP(theClass, baseClass)                                                   \
    const ::hb::afx::EventSinkMap* theClass::GetEventSinkMap() const {                             \
        return GetThisEventSinkMap();                                                              \
    }                                                                                              \
    const ::hb::afx::EventSinkMap* theClass::GetThisEventSinkMap() {                               \
        using TheBaseClass = baseClass;                                                            \
        static_assert(std::is_base_of_v<TheBaseClass, theClass>);                                  \
        static const ::hb::afx::EventSinkEntry hbSinkEntries[] = {

#define END_EVENTSINK_MAP()                                                                        \
            {0, 0, nullptr}};                                                                      \
        static const ::hb::afx::EventSinkMap hbSinkMap{&TheBaseClass::GetThisEventSinkMap,         \
                                                       hbSinkEntries};                             \
        return &hbSinkMap;                                                                         \
    }
// clang-format on

// `pfnHandler` is a member function pointer, `&theClass::OnSomething`.
#define ON_EVENT(theClass, id, dispid, pfnHandler)                                                 \
    {static_cast<UINT>(id), static_cast<long>(dispid),                                             \
     &::hb::afx::detail::EventCall<theClass, pfnHandler>::Run},
