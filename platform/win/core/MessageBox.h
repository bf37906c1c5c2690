#pragma once
#include "platform/win/WinTypes.h"

#include <functional>
#include <string>
#include <vector>

inline constexpr UINT MB_OK = 0x0;
inline constexpr UINT MB_OKCANCEL = 0x1;
inline constexpr UINT MB_ABORTRETRYIGNORE = 0x2;
inline constexpr UINT MB_YESNOCANCEL = 0x3;
inline constexpr UINT MB_YESNO = 0x4;
inline constexpr UINT MB_RETRYCANCEL = 0x5;
inline constexpr UINT MB_TYPEMASK = 0xF;
inline constexpr UINT MB_ICONHAND = 0x10;
inline constexpr UINT MB_ICONERROR = MB_ICONHAND;
inline constexpr UINT MB_ICONSTOP = MB_ICONHAND;
inline constexpr UINT MB_ICONQUESTION = 0x20;
inline constexpr UINT MB_ICONEXCLAMATION = 0x30;
inline constexpr UINT MB_ICONWARNING = MB_ICONEXCLAMATION;
inline constexpr UINT MB_ICONASTERISK = 0x40;
inline constexpr UINT MB_ICONINFORMATION = MB_ICONASTERISK;
inline constexpr UINT MB_DEFBUTTON1 = 0x000;
inline constexpr UINT MB_DEFBUTTON2 = 0x100;
inline constexpr UINT MB_DEFBUTTON3 = 0x200;
inline constexpr UINT MB_DEFMASK = 0xF00;

inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDABORT = 3;
inline constexpr int IDRETRY = 4;
inline constexpr int IDIGNORE = 5;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

// Answered through the box hook: headless there is nobody to click a button.
int MessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type);

namespace hb::win {

struct BoxRequest {
    HWND owner{};
    std::string text;
    std::string caption;
    UINT type = 0;
};

struct BoxRecord : BoxRequest {
    int answer = 0;
};

// One scripted answer: the next box must contain `textContains` in its text (and, when
// `captionEquals` is not empty, have exactly that caption); it is answered with `answer`.
struct BoxExpectation {
    std::string textContains;
    int answer = IDOK;
    std::string captionEquals;
};

// Who answers a box: the handler when one is set; otherwise, in strict mode, the script of
// expectations (a box that does not match the next one is reported as a failure and answered with
// its default button); otherwise the default button, with one line logged to stderr.
using BoxHandler = std::function<int(const BoxRequest&)>;
void SetMessageBoxHandler(BoxHandler handler);
void ExpectBox(BoxExpectation expectation);
std::vector<BoxExpectation> UnmetBoxExpectations();

// Every box shown, with its answer.
const std::vector<BoxRecord>& BoxLog();

// The buttons of a box of `type`, by their answers, left to right.
std::vector<int> BoxButtons(UINT type);

// The button a box of `type` has focused first (MB_DEFBUTTON2/3 respected).
int DefaultBoxAnswer(UINT type);

} // namespace hb::win
