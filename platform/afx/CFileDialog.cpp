#include "platform/afx/CFileDialog.h"

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
                         DWORD dwFlags, LPCSTR lpszFilter, CWnd*)
    : m_bOpen(bOpenFileDialog), m_defaultExtension(lpszDefExt ? lpszDefExt : ""),
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
    if (!state.answer) {
        if (hb::win::IsStrictMode()) {
            hb::win::ReportFailure("file dialog asked for, but no answer was scripted");
        }
        return IDCANCEL;
    }
    const std::optional<std::string> chosen = state.answer(request);
    if (!chosen || chosen->empty()) {
        return IDCANCEL;
    }
    std::string path = *chosen;
    if (!m_defaultExtension.IsEmpty() && std::filesystem::path(path).extension().empty()) {
        const std::string extension = m_defaultExtension.GetString();
        path += extension.front() == '.' ? extension : "." + extension;
    }
    m_pathName = path.c_str();
    return IDOK;
}
