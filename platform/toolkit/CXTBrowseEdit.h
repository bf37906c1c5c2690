#pragma once
#include "platform/afx/CButton.h"
#include "platform/afx/CEdit.h"

#include <functional>
#include <optional>
#include <string>

// The kinds of thing a browse edit chooses.
inline constexpr DWORD BES_XT_CHOOSEDIR = 0x0001;
inline constexpr DWORD BES_XT_CHOOSEFILE = 0x0002;

// An edit with a browse button at its right end: the button chooses a file (through the file
// dialog, CFileDialog) or a folder (through the folder chooser below) and puts its path into the
// edit, which tells its parent as typing would (EN_CHANGE).
class CXTBrowseEdit : public CEdit {
    DECLARE_DYNAMIC(CXTBrowseEdit)

public:
    void SetDlgStyle(DWORD dwStyle);
    DWORD GetDlgStyle() const { return m_dwStyle; }
    // For the file dialog; an empty title or filter leaves the dialog's own.
    void SetDlgTitle(LPCSTR lpszTitle) { m_strTitle = lpszTitle ? lpszTitle : ""; }
    CString GetDlgTitle() const { return m_strTitle; }
    void SetDlgFilter(LPCSTR lpszFilter) { m_strFilter = lpszFilter ? lpszFilter : ""; }
    CString GetDlgFilter() const { return m_strFilter; }

    // What the browse button does.
    void ChooseItem();

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    DWORD m_dwStyle = 0;
    CString m_strTitle;
    CString m_strFilter;
    CButton m_browse;
};

namespace hb::toolkit {

struct FolderRequest {
    std::string initialFolder;
};

// The folder chosen, or nothing for Cancel. Without a chooser the choice counts as cancelled.
using FolderChooser = std::function<std::optional<std::string>(const FolderRequest&)>;
void SetFolderChooser(FolderChooser chooser);

} // namespace hb::toolkit
