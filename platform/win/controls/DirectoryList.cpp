#include "platform/win/controls/DirectoryList.h"

#include "platform/win/controls/ControlMessages.h"
#include "platform/win/core/Messages.h"
#include "platform/win/core/NoCase.h"
#include "platform/win/core/Window.h"
#include "platform/win/store/StoreText.h"
#include "platform/win/sys/FolderListing.h"
#include "platform/win/sys/Paths.h"

#include <fnmatch.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

namespace {

// The item data that tells a folder's row from a file's: the rows show the name in brackets.
constexpr LPARAM kFolderRow = 1;

bool MatchesAnyPattern(std::string_view patterns, const std::string& name) {
    while (true) {
        const std::size_t end = std::min(patterns.find(';'), patterns.size());
        std::string pattern(hb::win::TrimSpace(patterns.substr(0, end)));
        if (pattern == "*.*") {
            pattern = "*";
        }
        if (!pattern.empty() && fnmatch(pattern.c_str(), name.c_str(), FNM_CASEFOLD) == 0) {
            return true;
        }
        if (end == patterns.size()) {
            return false;
        }
        patterns.remove_prefix(end + 1);
    }
}

bool IsFolder(const std::string& folder, const FoundFile& file) {
    std::error_code error;
    return file.folder || std::filesystem::is_directory(
                              hb::win::NativePath(hb::win::PathJoin(folder, file.name)), error);
}

void AddRow(HWND list, const std::string& text, LPARAM data) {
    const LRESULT row = SendMessage(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    if (row >= 0) {
        SendMessage(list, LB_SETITEMDATA, static_cast<WPARAM>(row), data);
    }
}

} // namespace

int DlgDirListA(HWND hDlg, LPCSTR lpPathSpec, int nIDListBox, int nIDStaticPath, UINT uFileType) {
    const std::string spec = lpPathSpec ? lpPathSpec : "";
    const std::string folder = hb::win::PathFolder(spec);
    const std::string patterns = hb::win::PathFileName(spec);
    const HWND list = GetDlgItem(hDlg, nIDListBox);
    if (list) {
        SendMessage(list, LB_RESETCONTENT, 0, 0);
    }
    if (nIDStaticPath != 0) {
        SetWindowText(GetDlgItem(hDlg, nIDStaticPath), hb::win::NativePath(folder).c_str());
    }
    std::error_code error;
    const std::filesystem::path native = hb::win::NativePath(folder);
    if (!std::filesystem::is_directory(native, error)) {
        return 0;
    }
    const bool withFolders = (uFileType & DDL_DIRECTORY) != 0;
    std::vector<std::string> folders;
    std::vector<std::string> names;
    for (const FoundFile& file : ListFolder(folder)) {
        if (file.name.starts_with('.')) {
            continue;
        }
        if (IsFolder(folder, file)) {
            folders.push_back(file.name);
        } else if (MatchesAnyPattern(patterns, file.name)) {
            names.push_back(file.name);
        }
    }
    if (!list) {
        return 1;
    }
    if (withFolders) {
        std::ranges::sort(folders, hb::win::LessNoCase{});
        if (native.has_relative_path()) {
            folders.insert(folders.begin(), "..");
        }
        for (const std::string& name : folders) {
            AddRow(list, "[" + name + "]", kFolderRow);
        }
    }
    std::ranges::sort(names, hb::win::LessNoCase{});
    for (const std::string& name : names) {
        AddRow(list, name, 0);
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
    const bool folder = SendMessage(list, LB_GETITEMDATA, index, 0) == kFolderRow;
    if (folder && name.size() >= 2) {
        name = name.substr(1, name.size() - 2);
    }
    const std::size_t kept = std::min(name.size(), static_cast<std::size_t>(chCount - 1));
    std::memcpy(lpString, name.data(), kept);
    lpString[kept] = '\0';
    return folder ? TRUE : FALSE;
}
