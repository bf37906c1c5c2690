#pragma once
// The open and save file dialogs. A scripted hook answers first. Without one, a person on a display
// answers our own dialog (CFileChooserDialog); a strict test fails, and headless the dialog counts
// as cancelled, so that nothing waits for an answer nobody can give.

#include "platform/afx/CString.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

class CWnd;

inline constexpr DWORD OFN_OVERWRITEPROMPT = 0x00000002;
inline constexpr DWORD OFN_HIDEREADONLY = 0x00000004;
inline constexpr DWORD OFN_PATHMUSTEXIST = 0x00000800;
inline constexpr DWORD OFN_FILEMUSTEXIST = 0x00001000;
inline constexpr DWORD OFN_CREATEPROMPT = 0x00002000;

class CFileDialog {
public:
    // What the dialog is asked with; the caller may set the folder and the title before DoModal.
    struct Options {
        DWORD Flags = 0;
        LPCSTR lpstrInitialDir = nullptr;
        LPCSTR lpstrTitle = nullptr;
    };

    // The filter is pairs of "description|patterns|", ending in "|".
    explicit CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt = nullptr,
                         LPCSTR lpszFileName = nullptr,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                         LPCSTR lpszFilter = nullptr, CWnd* pParentWnd = nullptr);

    // IDOK with a file chosen, IDCANCEL otherwise.
    int DoModal();
    // The file chosen, with the default extension added when it has none.
    CString GetPathName() const { return m_pathName; }

    Options m_ofn;

private:
    BOOL m_bOpen;
    CWnd* m_pParentWnd;
    CString m_defaultExtension;
    CString m_fileName;
    CString m_filter;
    CString m_pathName;
};

namespace hb::afx {

struct FileDialogRequest {
    bool open = true;
    std::string defaultExtension;
    std::string fileName;
    std::string initialFolder;
    std::string title;
    std::string filter;
    DWORD flags = 0;
};

// The path with the default extension (a leading dot or none) added when its file name has none.
std::string WithDefaultExtension(const std::string& path, const std::string& extension);

// The path chosen, or nothing for Cancel.
using FileDialogAnswer = std::function<std::optional<std::string>(const FileDialogRequest&)>;
void SetFileDialogHook(FileDialogAnswer answer);
// Every file dialog shown, in order.
const std::vector<FileDialogRequest>& FileDialogLog();

namespace detail {

void ResetFileDialogs();

} // namespace detail
} // namespace hb::afx
