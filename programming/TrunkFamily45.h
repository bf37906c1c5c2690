#pragma once
// What the two directions of the trunk scanners of types 45 and 51 share beside the type-35
// family's pieces: the commands that open and close a transfer with the erase before writing, and
// the walk over the tags of the chosen banks' ID lists.
#include "programming/TrunkFamily35.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

class CLoader;
class CLoadProgressDlg;

namespace TrunkFamily45 {

// The display's first line while a menu shows the value of the item it stands on.
inline constexpr std::string_view kItemShown = "LINE1 [~";
// The trunk type whose banks have no IR setting.
inline constexpr std::uint8_t kTrunkType3 = 3;

// A memory as the commands name it, by three digits: memory 1000 is 000.
constexpr unsigned CommandMemory(unsigned memory) {
    return memory % 1000;
}

// Whether a retried command went through.
constexpr bool Done(RetryOutcome outcome) {
    return outcome == RetryOutcome::Succeeded;
}

// The opening and closing lists, the closing with ref + 1; the erase waits 25 s and is not kept
// off by the no-erase flag.
TrunkFamily35::Framing Framing(int ref);

// Visits entries 0 to 9 of the ID list of each bank chosen in the bank dialog, bank index from 0
// below the radio's number of banks (and the settings record's ten), each bank shown in the bank
// field under the label "ID Bank:". The first answer that is not 0 ends the walk and is returned.
int WalkIdListTags(const CLoader& loader, CLoadProgressDlg* dialog,
                   const std::function<int(unsigned bankIndex, unsigned entry)>& visit);

// Sends the keys as list A, the last of them reading the display, until the display shows the
// value of the item they lead to: up to ten times with growing pauses and no beep. 0 once it
// shows, 1 when a list failed, the transfer stopped or the tenth try missed it.
int SeekMenuItem(CLoader& loader, const std::string& keys, int ref, CLoadProgressDlg* dialog);

// Sends the keys one by one, each as a command of its own: 0, or 1 when one failed or the transfer
// stopped.
int SendKeyByKey(CLoader& loader, const std::string& keys, int ref, CLoadProgressDlg* dialog);

} // namespace TrunkFamily45
