#include "platform/tessary/app/IdFormat.h"

#include "platform/tessary/app/AppHooks.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/tessary/model/Format.h"

namespace {

// Asks for the style without changing it.
constexpr int kCurrentStyle = 255;
constexpr int kLastStyle = 2;

bool Valid(int style) {
    return style >= 0 && style <= kLastStyle;
}

} // namespace

void scan_select_id_format() {
    hb::tessary::IdFormats formats{format_motorola_style(kCurrentStyle),
                                   format_edacs_style(kCurrentStyle)};
    if (!hb::tessary::detail::ChooseIdFormats(formats) || !Valid(formats.motorola) ||
        !Valid(formats.edacs)) {
        return;
    }
    format_motorola_style(formats.motorola);
    format_edacs_style(formats.edacs);
    if (CScanApp* app = CScanApp::GetScanApp()) {
        app->WriteProfileInt("Settings", "MotorolaIDFormat", formats.motorola);
        app->WriteProfileInt("Settings", "EDACSIDFormat", formats.edacs);
    }
}
