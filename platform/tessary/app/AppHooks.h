#pragma once
// What the application base shows or asks for outside its own windows, as tests see it: the error
// messages it showed, the calls of its operations that have nothing to do on this platform, and
// the font, colour and trunking ID format choosers, which a test may answer through hooks instead
// of their modal dialogs.

#include "platform/win/WinTypes.h"
#include "platform/win/gdi/Fonts.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace hb::tessary {

struct ErrorMessageRecord {
    std::string who;
    std::string title;
    std::string source;
    int ref = 0;
    std::uint16_t status = 0;
    std::uint32_t type = 0;
    int reserved = 0;
};

// Every CScanApp::ErrorMessage call, recorded before its box is shown.
const std::vector<ErrorMessageRecord>& ErrorMessages();

// "Name(arguments)" of every call of an operation that is only recorded here.
const std::vector<std::string>& StubCalls();

// Answers a font dialog: true (with `font` changed) for OK, false for Cancel.
using FontChooser = std::function<bool(const std::string& title, LOGFONT& font)>;
void SetFontChooser(FontChooser chooser);
// Answers a colour dialog for a colour table entry: true (with `color` changed) for OK.
using ColorChooser = std::function<bool(int index, COLORREF& color)>;
void SetColorChooser(ColorChooser chooser);
// Answers the trunking ID format dialog: true (with the styles changed) for OK.
struct IdFormats {
    int motorola = 0;
    int edacs = 0;
};
using IdFormatChooser = std::function<bool(IdFormats& formats)>;
void SetIdFormatChooser(IdFormatChooser chooser);

namespace detail {

void RecordErrorMessage(ErrorMessageRecord record);
void RecordStubCall(std::string call);
// The hook's answer when one is set, else that of the modal dialog (true for OK).
bool ChooseFont(const std::string& title, LOGFONT& font);
bool ChooseColor(int index, COLORREF& color);
bool ChooseIdFormats(IdFormats& formats);
void ResetAppHooks();

} // namespace detail
} // namespace hb::tessary
