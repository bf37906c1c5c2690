#include "platform/afx/CFileDialog.h"

#include "platform/afx/FileChooserDialog.h"
#include "platform/win/core/Hooks.h"
#include "platform/win/core/MessageBox.h"

#include <filesystem>

namespace hb::afx {
namespace {

struct FileDialogState {
    FileDialogAnswer answer;
    std::vector<FileDialogRequest> log;
};

FileDialogState& State() {
    static FileDialogState state;
    return state;
}

std::string Text(LPCSTR text) {
    return text ? text : "";
}

} // namespace

std::string WithDefaultExtension(const std::string& path, const std::string& extension) {
    if (extension.empty() || !std::filesystem::path(path).extension().empty()) {
        return path;
    }
    return path + (extension.front() == '.' ? extension : "." + extension);
}

void SetFileDialogHook(FileDialogAnswer answer) {
    State().answer = std::move(answer);
}

const std::vector<FileDialogRequest>& FileDialogLog() {
    return State().log;
}

namespace detail {

void ResetFileDialogs() {
    State() = FileDialogState{};
}

} // namespace detail
} // namespace hb::afx

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt, LPCSTR lpszFileName,
                         DWORD dwFlags, LPCSTR lpszFilter, CWnd* pParentWnd)
    : m_bOpen(bOpenFileDialog), m_pParentWnd(pParentWnd),
      m_defaultExtension(lpszDefExt ? lpszDefExt : ""),
      m_fileName(lpszFileName ? lpszFileName : ""), m_filter(lpszFilter ? lpszFilter : "") {
    m_ofn.Flags = dwFlags;
}

int CFileDialog::DoModal() {
    using hb::afx::FileDialogRequest;
    FileDialogRequest request{m_bOpen != FALSE,
                              m_defaultExtension.GetString(),
                              m_fileName.GetString(),
                              hb::afx::Text(m_ofn.lpstrInitialDir),
                              hb::afx::Text(m_ofn.lpstrTitle),
                              m_filter.GetString(),
                              m_ofn.Flags};
    auto& state = hb::afx::State();
    state.log.push_back(request);
    std::optional<std::string> chosen;
    if (state.answer) {
        chosen = state.answer(request);
    } else if (hb::win::IsInteractive()) {
        CFileChooserDialog dialog(request, m_pParentWnd);
        if (dialog.DoModal() == IDOK) {
            chosen = dialog.GetPathName().str();
        }
    } else if (hb::win::IsStrictMode()) {
        hb::win::ReportFailure("file dialog asked for, but no answer was scripted");
    }
    if (!chosen || chosen->empty()) {
        return IDCANCEL;
    }
    m_pathName = hb::afx::WithDefaultExtension(*chosen, request.defaultExtension).c_str();
    return IDOK;
}
