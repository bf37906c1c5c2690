// The service search dialog of the trunk-tracking scanners: the service the scanner searches.
#include "platform/win/core/MessageBox.h"
#include "platform/win/core/Window.h"
#include "resources/FormControls.h"
#include "resources/ResourceIds.h"
#include "resources/program/ProgramParts.h"

#include <array>

namespace hb::resources {

DialogTemplate ServiceSearchForm() {
    // The services of the scanners that keep the template's own texts.
    const std::array<const char*, 9> services{"Police", "Fire/EMS", "Aircraft",
                                              "Marine", "Railroad", "Military",
                                              "Racing", "Weather",  "Ham"};
    Controls c{Text(IDC_SERVICE_PROMPT, "Search the frequencies of one service:", {7, 7, 166, 10})};
    for (UINT i = 0; i < services.size(); ++i) {
        c.push_back(RadioButton(
            IDC_SERVICE_1 + i, services[i],
            {15 + static_cast<int>(i % 3) * 54, 22 + static_cast<int>(i / 3) * 14, 52, 10},
            i == 0));
    }
    Append(c, {DefaultButton(IDOK, "OK", {69, 70, 50, 14}),
               PushButton(IDCANCEL, "Cancel", {123, 70, 50, 14})});
    DialogTemplate dialog = Form(
        IDD_SERVICE_SEARCH, 180, 91,
        WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_CENTER, std::move(c));
    dialog.caption = "Service Search";
    return dialog;
}

} // namespace hb::resources
