#include "platform/win/menu/Accelerators.h"

#include "platform/win/core/Keyboard.h"
#include "platform/win/core/Keys.h"
#include "platform/win/core/Messages.h"
#include "platform/win/core/Window.h"
#include "platform/win/menu/MenuTable.h"

#include <map>
#include <vector>

namespace {

struct AccelTables {
    std::map<std::uint32_t, std::vector<ACCEL>> tables;
    std::uint32_t nextHandle = 0x00A00010;
};

AccelTables& Tables() {
    static AccelTables tables;
    return tables;
}

bool Down(UINT key) {
    return (GetKeyState(static_cast<int>(key)) & 0x8000) != 0;
}

BYTE HeldModifiers() {
    BYTE held = 0;
    if (Down(VK_SHIFT)) {
        held |= FSHIFT;
    }
    if (Down(VK_CONTROL)) {
        held |= FCONTROL;
    }
    if (Down(VK_MENU)) {
        held |= FALT;
    }
    return held;
}

} // namespace

HACCEL CreateAcceleratorTable(const ACCEL* entries, int count) {
    if (!entries || count <= 0) {
        return {};
    }
    const HACCEL table(Tables().nextHandle++);
    Tables().tables.emplace(table.id(), std::vector<ACCEL>(entries, entries + count));
    return table;
}

BOOL DestroyAcceleratorTable(HACCEL table) {
    return Tables().tables.erase(table.id()) != 0;
}

int TranslateAccelerator(HWND hwnd, HACCEL table, const MSG* msg) {
    const auto it = Tables().tables.find(table.id());
    if (it == Tables().tables.end() || !msg || !IsWindow(hwnd) ||
        (msg->message != WM_KEYDOWN && msg->message != WM_SYSKEYDOWN)) {
        return 0;
    }
    const BYTE held = HeldModifiers();
    for (const ACCEL& entry : it->second) {
        if ((entry.fVirt & FVIRTKEY) && entry.key == msg->wParam &&
            (entry.fVirt & (FSHIFT | FCONTROL | FALT)) == held) {
            SendMessage(hwnd, WM_COMMAND, MAKEWPARAM(entry.cmd, 1), 0);
            return 1;
        }
    }
    return 0;
}

namespace hb::win::detail {

void ResetAccelerators() {
    Tables().tables.clear();
}

} // namespace hb::win::detail
