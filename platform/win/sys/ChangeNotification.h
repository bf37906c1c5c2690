#pragma once
// Folder change notifications over inotify: a handle that becomes signalled when a file or folder
// name changes in the folder (and, with a subtree, in every folder below it, new ones included).
// Waiting never blocks: the state is polled, so nothing headless can hang on it.

#include "platform/win/WinTypes.h"

namespace hb::win {
struct ChangeTag;
} // namespace hb::win

using HCHANGE = hb::win::Handle<hb::win::ChangeTag>;

inline constexpr DWORD FILE_NOTIFY_CHANGE_FILE_NAME = 0x01;
inline constexpr DWORD FILE_NOTIFY_CHANGE_DIR_NAME = 0x02;

inline constexpr DWORD WAIT_OBJECT_0 = 0;
inline constexpr DWORD WAIT_TIMEOUT = 0x102;
inline constexpr DWORD WAIT_FAILED = 0xFFFFFFFF;

// A null handle when the folder cannot be watched.
HCHANGE FindFirstChangeNotification(LPCSTR folder, BOOL watchSubtree, DWORD filter);
// Clears the signal, waiting for the next change; FALSE for a handle that is not open.
BOOL FindNextChangeNotification(HCHANGE handle);
BOOL FindCloseChangeNotification(HCHANGE handle);
// Looks at the handle without waiting, whatever the time given: WAIT_OBJECT_0 when a change was
// seen, WAIT_TIMEOUT when none, WAIT_FAILED for a handle that is not open.
DWORD WaitForSingleObject(HCHANGE handle, DWORD milliseconds);

namespace hb::win {

// Signals every open change notification, as a change in its folder would.
void SignalChangeNotifications();
// Closes every open change notification.
void CloseChangeNotifications();

} // namespace hb::win
