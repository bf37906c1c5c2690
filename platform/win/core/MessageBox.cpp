#include "platform/win/core/MessageBox.h"

#include "platform/win/core/Hooks.h"
#include "platform/win/core/Internal.h"

#include <algorithm>
#include <deque>
#include <iostream>

namespace {

struct BoxState {
    hb::win::BoxHandler handler;
    std::deque<hb::win::BoxExpectation> script;
    std::vector<hb::win::BoxRecord> log;
};

BoxState& State() {
    static BoxState state;
    return state;
}

std::string OneLine(const std::string& text) {
    std::string line;
    for (char c : text) {
        if (c == '\n') {
            line += "\\n";
        } else if (c != '\r') {
            line += c;
        }
    }
    return line;
}

std::string Describe(const hb::win::BoxRequest& box) {
    return "caption \"" + box.caption + "\", text \"" + OneLine(box.text) + "\"";
}

bool Matches(const hb::win::BoxExpectation& expected, const hb::win::BoxRequest& box) {
    return box.text.find(expected.textContains) != std::string::npos &&
           (expected.captionEquals.empty() || expected.captionEquals == box.caption);
}

int AnswerFromScript(const hb::win::BoxRequest& box) {
    auto& script = State().script;
    if (script.empty()) {
        hb::win::ReportFailure("unexpected message box: " + Describe(box));
        return hb::win::DefaultBoxAnswer(box.type);
    }
    const hb::win::BoxExpectation expected = script.front();
    if (!Matches(expected, box)) {
        hb::win::ReportFailure("message box " + Describe(box) + " does not match the expected one" +
                               " (text containing \"" + expected.textContains + "\"" +
                               (expected.captionEquals.empty()
                                    ? std::string()
                                    : ", caption \"" + expected.captionEquals + "\"") +
                               ")");
        return hb::win::DefaultBoxAnswer(box.type);
    }
    script.pop_front();
    const auto buttons = hb::win::BoxButtons(box.type);
    if (std::find(buttons.begin(), buttons.end(), expected.answer) == buttons.end()) {
        hb::win::ReportFailure("scripted answer " + std::to_string(expected.answer) +
                               " is not a button of message box " + Describe(box));
    }
    return expected.answer;
}

int AnswerByDefault(const hb::win::BoxRequest& box) {
    const int answer = hb::win::DefaultBoxAnswer(box.type);
    std::cerr << "message box: " << Describe(box) << " answered " << answer << std::endl;
    return answer;
}

} // namespace

int MessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    using namespace hb::win;
    const BoxRequest box{owner, text ? text : "", caption ? caption : "Error", type};
    int answer = 0;
    if (State().handler) {
        answer = State().handler(box);
    } else if (IsStrictMode()) {
        answer = AnswerFromScript(box);
    } else {
        answer = AnswerByDefault(box);
    }
    BoxRecord record;
    static_cast<BoxRequest&>(record) = box;
    record.answer = answer;
    State().log.push_back(std::move(record));
    return answer;
}

namespace hb::win {

void SetMessageBoxHandler(BoxHandler handler) {
    State().handler = std::move(handler);
}

void ExpectBox(BoxExpectation expectation) {
    State().script.push_back(std::move(expectation));
}

std::vector<BoxExpectation> UnmetBoxExpectations() {
    return {State().script.begin(), State().script.end()};
}

const std::vector<BoxRecord>& BoxLog() {
    return State().log;
}

std::vector<int> BoxButtons(UINT type) {
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL:
        return {IDOK, IDCANCEL};
    case MB_ABORTRETRYIGNORE:
        return {IDABORT, IDRETRY, IDIGNORE};
    case MB_YESNOCANCEL:
        return {IDYES, IDNO, IDCANCEL};
    case MB_YESNO:
        return {IDYES, IDNO};
    case MB_RETRYCANCEL:
        return {IDRETRY, IDCANCEL};
    default:
        return {IDOK};
    }
}

int DefaultBoxAnswer(UINT type) {
    const auto buttons = hb::win::BoxButtons(type);
    const std::size_t index = (type & MB_DEFMASK) >> 8;
    return index < buttons.size() ? buttons[index] : buttons.front();
}

namespace detail {

void ResetBoxes() {
    State() = BoxState{};
}

} // namespace detail
} // namespace hb::win
