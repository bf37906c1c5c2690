#include "platform/win/core/Reset.h"

#include "platform/win/core/Internal.h"
#include "platform/win/core/MessageQueue.h"
#include "platform/win/core/SystemInfo.h"
#include "platform/win/core/TaskQueue.h"
#include "platform/win/core/TimerTable.h"
#include "platform/win/gdi/DcTable.h"
#include "platform/win/menu/MenuTable.h"

namespace hb::win {

void ResetForTests() {
    detail::DestroyAllWindows();
    detail::ResetGdi();
    detail::Queue().Clear();
    detail::Timers().Clear();
    detail::Tasks().Clear();
    detail::ResetClasses();
    detail::ResetTrace();
    detail::ResetBoxes();
    detail::ResetMenus();
    detail::ResetAccelerators();
    detail::ResetKeyboard();
    detail::ResetHooks();
    detail::ResetClock();
    detail::ResetLoop();
    detail::ResetExternalWaitLimit();
    ResetScreenSize();
    ResetSysColors();
}

} // namespace hb::win
