// Shows a frame with a menu and the standard controls on the display named by DISPLAY. Buttons and
// menu items answer with message boxes; File > Exit or the close button ends it.
#include "platform/display/Display.h"
#include "platform/win/Windows.h"

#include <iostream>
#include <string>

namespace {

constexpr LPCSTR kTitle = "Halbridge Pro display demo";
constexpr UINT kExit = 100;
constexpr UINT kAbout = 101;
constexpr UINT kHello = 200;
constexpr UINT kStatus = 201;
constexpr UINT kName = 202;

HWND Control(HWND parent, LPCSTR cls, LPCSTR text, DWORD style, RECT r, UINT id = 0) {
    return CreateWindowEx(0, cls, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top,
                          r.right - r.left, r.bottom - r.top, parent, id, nullptr);
}

void AddColumn(HWND list, int index, LPCSTR title, int width) {
    LVCOLUMN column;
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = width;
    column.pszText = const_cast<LPSTR>(title);
    SendMessage(list, LVM_INSERTCOLUMN, static_cast<WPARAM>(index),
                reinterpret_cast<LPARAM>(&column));
}

void AddRow(HWND list, int row, LPCSTR name, LPCSTR frequency) {
    LVITEM item;
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = const_cast<LPSTR>(name);
    SendMessage(list, LVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(&item));
    item.iSubItem = 1;
    item.pszText = const_cast<LPSTR>(frequency);
    SendMessage(list, LVM_SETITEMTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

void Populate(HWND frame) {
    Control(frame, "Static", "Channel name:", SS_LEFT, {16, 16, 116, 36});
    Control(frame, "Edit", "Marine 16", WS_TABSTOP, {120, 12, 300, 36}, kName);
    Control(frame, "Button", "Say &hello", WS_TABSTOP | BS_DEFPUSHBUTTON, {320, 12, 420, 38},
            kHello);
    Control(frame, "Button", "Options", BS_GROUPBOX, {16, 48, 200, 160});
    const HWND delay =
        Control(frame, "Button", "&Delay", WS_TABSTOP | BS_AUTOCHECKBOX, {28, 70, 180, 90});
    SendMessage(delay, BM_SETCHECK, BST_CHECKED, 0);
    const HWND fm = Control(frame, "Button", "&FM", WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON,
                            {28, 96, 180, 116});
    Control(frame, "Button", "&AM", BS_AUTORADIOBUTTON, {28, 122, 180, 142});
    SendMessage(fm, BM_SETCHECK, BST_CHECKED, 0);
    const HWND combo =
        Control(frame, "ComboBox", "", WS_TABSTOP | CBS_DROPDOWNLIST, {220, 56, 420, 160});
    for (LPCSTR step : {"5 kHz", "12.5 kHz", "25 kHz"}) {
        SendMessage(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(step));
    }
    SendMessage(combo, CB_SETCURSEL, 1, 0);
    const HWND level = Control(frame, PROGRESS_CLASS, "", 0, {220, 100, 420, 118});
    SendMessage(level, PBM_SETPOS, 60, 0);
    const HWND volume = Control(frame, "Edit", "7", WS_TABSTOP, {220, 130, 280, 152});
    const HWND spin =
        Control(frame, UPDOWN_CLASS, "", UDS_SETBUDDYINT | UDS_ALIGNRIGHT, {280, 130, 298, 152});
    SendMessage(spin, UDM_SETBUDDY, hb::win::ParamFromHwnd(volume), 0);
    SendMessage(spin, UDM_SETRANGE, 0, MAKELPARAM(15, 0));
    const HWND list = Control(frame, WC_LISTVIEW, "", WS_TABSTOP | LVS_REPORT, {16, 176, 420, 300});
    AddColumn(list, 0, "Channel", 200);
    AddColumn(list, 1, "Frequency", 180);
    AddRow(list, 0, "Marine 16", "156.8000");
    AddRow(list, 1, "Air band", "121.5000");
    AddRow(list, 2, "Weather", "162.5500");
    Control(frame, "Static", "Ready", SS_LEFT, {16, 310, 420, 330}, kStatus);
}

HMENU MakeMenu() {
    const HMENU file = CreatePopupMenu();
    AppendMenu(file, MF_STRING, kExit, "E&xit");
    const HMENU help = CreatePopupMenu();
    AppendMenu(help, MF_STRING, kAbout, "&About...");
    const HMENU bar = CreateMenu();
    AppendMenu(bar, MF_POPUP, file.id(), "&File");
    AppendMenu(bar, MF_POPUP, help.id(), "&Help");
    return bar;
}

void SayHello(HWND frame) {
    char name[64] = {};
    GetWindowText(GetDlgItem(frame, kName), name, sizeof name);
    const int answer = MessageBox(frame, ("Tune to " + std::string(name) + "?").c_str(), kTitle,
                                  MB_YESNO | MB_ICONQUESTION);
    SetWindowText(GetDlgItem(frame, kStatus), answer == IDYES ? "Tuned" : "Not tuned");
}

LRESULT FrameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case kExit:
            DestroyWindow(hwnd);
            return 0;
        case kAbout:
            MessageBox(hwnd, "The display layer of Halbridge Pro.", kTitle,
                       MB_OK | MB_ICONINFORMATION);
            return 0;
        case kHello:
            if (HIWORD(wParam) == BN_CLICKED) {
                SayHello(hwnd);
            }
            return 0;
        default:
            return 0;
        }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProc(hwnd, message, wParam, lParam);
    }
}

} // namespace

int main() {
    if (!hb::display::StartIfAvailable()) {
        std::cerr << "display demo: no X display (is DISPLAY set?)" << std::endl;
        return 1;
    }
    RegisterClass({.style = 0, .lpfnWndProc = &FrameProc, .lpszClassName = "HbDisplayDemo"});
    const HWND frame = CreateWindowEx(0, "HbDisplayDemo", kTitle, WS_OVERLAPPEDWINDOW, 100, 100,
                                      436, 340, HWND{}, 0, nullptr);
    SetMenu(frame, MakeMenu());
    Populate(frame);
    ShowWindow(frame, SW_SHOWNORMAL);
    MSG msg;
    while (GetMessage(&msg, HWND{}, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
    hb::display::Stop();
    return static_cast<int>(msg.wParam);
}
