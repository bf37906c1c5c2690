#include "platform/win/controls/DirectoryList.h"

#include "platform/win/controls/ControlMessages.h"
#include "platform/win/core/Messages.h"
#include "platform/win/core/NoCase.h"
#include "platform/win/core/Window.h"
#include "platform/win/sys/FolderListing.h"
#include "platform/win/sys/Paths.h"

#include <fnmatch.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

int DlgDirListA(HWND hDlg, LPCSTR lpPathSpec, int nIDListBox, int nIDStaticPath, UINT) {
    const std::string spec = lpPathSpec ? lpPathSpec : "";
    const std::string folder = hb::win::PathFolder(spec);
    const std::string pattern = hb::win::PathFileName(spec);
    const HWND list = GetDlgItem(hDlg, nIDListBox);
    if (list) {
        SendMessage(list, LB_RESETCONTENT, 0, 0);
    }
    if (nIDStaticPath != 0) {
        SetWindowText(GetDlgItem(hDlg, nIDStaticPath), hb::win::NativePath(folder).c_str());
    }
    std::error_code error;
    if (!std::filesystem::is_directory(hb::win::NativePath(folder), error)) {
        return 0;
    }
    std::vector<std::string> names;
    for (const FoundFile& file : ListFolder(folder)) {
        if (!file.folder && !file.name.starts_with('.') &&
            fnmatch(pattern.c_str(), file.name.c_str(), FNM_CASEFOLD) == 0) {
            names.push_back(file.name);
        }
    }
    std::ranges::sort(names, hb::win::LessNoCase{});
    if (list) {
        for (const std::string& name : names) {
            SendMessage(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
        }
    }
    return 1;
}

BOOL DlgDirSelectExA(HWND hDlg, LPSTR lpString, int chCount, int idListBox) {
    if (!lpString || chCount <= 0) {
        return FALSE;
    }
    lpString[0] = '\0';
    const HWND list = GetDlgItem(hDlg, idListBox);
    const LRESULT selected = list ? SendMessage(list, LB_GETCURSEL, 0, 0) : LB_ERR;
    if (selected < 0) {
        return FALSE;
    }
    const auto index = static_cast<WPARAM>(selected);
    std::string name(static_cast<std::size_t>(SendMessage(list, LB_GETTEXTLEN, index, 0)), '\0');
    SendMessage(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(name.data()));
    const std::size_t kept = std::min(name.size(), static_cast<std::size_t>(chCount - 1));
    std::memcpy(lpString, name.data(), kept);
    lpString[kept] = '\0';
    return FALSE;
}
