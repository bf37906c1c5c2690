#include "platform/win/sys/Reset.h"

#include "platform/win/sys/ChangeNotification.h"
#include "platform/win/sys/Clipboard.h"
#include "platform/win/sys/FakeModules.h"
#include "platform/win/sys/FileInfo.h"
#include "platform/win/sys/Modules.h"
#include "platform/win/sys/ProgramPath.h"
#include "platform/win/sys/Shell.h"

namespace hb::win::sys {

void ResetForTests() {
    UnloadAllModules();
    ClearFakeModules();
    SetModuleFileNameOverride({});
    UseRecordingLauncher();
    SetFileIconProvider({});
    CloseChangeNotifications();
    ResetClipboard();
}

} // namespace hb::win::sys
