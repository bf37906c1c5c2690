#include "platform/tessary/app/AppHooks.h"

#include "platform/win/core/Hooks.h"

namespace hb::tessary {
namespace {

struct HookState {
    std::vector<ErrorMessageRecord> errors;
    std::vector<std::string> stubs;
    FontChooser fontChooser;
    ColorChooser colorChooser;
    IdFormatChooser idFormatChooser;
};

HookState& State() {
    static HookState state;
    return state;
}

bool NoChooser(const char* what) {
    if (hb::win::IsStrictMode()) {
        hb::win::ReportFailure(std::string(what) + " dialog asked for, but no answer was scripted");
    }
    return false;
}

} // namespace

const std::vector<ErrorMessageRecord>& ErrorMessages() {
    return State().errors;
}

const std::vector<std::string>& StubCalls() {
    return State().stubs;
}

void SetFontChooser(FontChooser chooser) {
    State().fontChooser = std::move(chooser);
}

void SetColorChooser(ColorChooser chooser) {
    State().colorChooser = std::move(chooser);
}

void SetIdFormatChooser(IdFormatChooser chooser) {
    State().idFormatChooser = std::move(chooser);
}

namespace detail {

void RecordErrorMessage(ErrorMessageRecord record) {
    State().errors.push_back(std::move(record));
}

void RecordStubCall(std::string call) {
    State().stubs.push_back(std::move(call));
}

bool ChooseFont(const std::string& title, LOGFONT& font) {
    return State().fontChooser ? State().fontChooser(title, font) : NoChooser("font");
}

bool ChooseColor(int index, COLORREF& color) {
    return State().colorChooser ? State().colorChooser(index, color) : NoChooser("colour");
}

bool ChooseIdFormats(IdFormats& formats) {
    return State().idFormatChooser ? State().idFormatChooser(formats)
                                   : NoChooser("trunking ID format");
}

void ResetAppHooks() {
    State() = HookState{};
}

} // namespace detail
} // namespace hb::tessary
