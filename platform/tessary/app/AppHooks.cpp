#include "platform/tessary/app/AppHooks.h"

#include "platform/tessary/app/ColorChoiceDialog.h"
#include "platform/tessary/app/FontChoiceDialog.h"
#include "platform/tessary/app/IdFormatDialog.h"

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
    if (State().fontChooser) {
        return State().fontChooser(title, font);
    }
    CFontChoiceDialog dialog(title, font);
    if (dialog.DoModal() != IDOK) {
        return false;
    }
    font = dialog.Font();
    return true;
}

bool ChooseColor(int index, COLORREF& color) {
    if (State().colorChooser) {
        return State().colorChooser(index, color);
    }
    CColorChoiceDialog dialog(index, color);
    if (dialog.DoModal() != IDOK) {
        return false;
    }
    color = dialog.Color();
    return true;
}

bool ChooseIdFormats(IdFormats& formats) {
    if (State().idFormatChooser) {
        return State().idFormatChooser(formats);
    }
    CIdFormatDialog dialog(formats);
    if (dialog.DoModal() != IDOK) {
        return false;
    }
    formats = dialog.Formats();
    return true;
}

void ResetAppHooks() {
    State() = HookState{};
}

} // namespace detail
} // namespace hb::tessary
