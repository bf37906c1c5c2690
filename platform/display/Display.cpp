#include "platform/display/Display.h"

#include "platform/display/MessageBoxWindow.h"
#include "platform/display/PopupMenu.h"
#include "platform/display/Presenter.h"
#include "platform/win/core/Hooks.h"
#include "platform/win/core/Keyboard.h"
#include "platform/win/core/MessageBox.h"
#include "platform/win/core/SystemInfo.h"
#include "platform/win/core/WaitSource.h"
#include "platform/win/menu/Menus.h"

#include <X11/Xlib.h>

#include <cstdlib>
#include <memory>

namespace hb::display {

namespace {

std::unique_ptr<Presenter>& Current() {
    static std::unique_ptr<Presenter> presenter;
    return presenter;
}

} // namespace

bool StartIfAvailable(const std::string& name) {
    if (Current()) {
        return true;
    }
    const char* variable = std::getenv("DISPLAY");
    if (name.empty() && (!variable || !*variable)) {
        return false;
    }
    auto connection = Connection::Open(name);
    if (!connection) {
        return false;
    }
    // Dialogs are centred on the screen they are shown on, which need not be the classic one.
    hb::win::SetScreenSize(DisplayWidth(connection->display(), connection->screen()),
                           DisplayHeight(connection->display(), connection->screen()));
    Current() = std::make_unique<Presenter>(std::move(connection));
    Presenter* presenter = Current().get();
    hb::win::SetWaitSource(presenter);
    hb::win::SetMessageBoxHandler(&ShowMessageBox);
    hb::win::SetInteractive(true);
    hb::win::SetPopupMenuHandler([presenter](const hb::win::PopupMenuRequest& request) {
        return TrackPopup(*presenter, request);
    });
    hb::win::SetKeyboardLayout(
        [presenter](UINT, UINT scanCode) { return presenter->input().TypedBy(scanCode); });
    return true;
}

void Stop() {
    if (!Current()) {
        return;
    }
    if (hb::win::GetWaitSource() == Current().get()) {
        hb::win::SetWaitSource(nullptr);
    }
    hb::win::SetMessageBoxHandler(nullptr);
    hb::win::SetInteractive(false);
    hb::win::SetPopupMenuHandler(nullptr);
    hb::win::SetKeyboardLayout(nullptr);
    hb::win::ResetScreenSize();
    Current().reset();
}

bool IsShowing() {
    return Current() != nullptr;
}

} // namespace hb::display
