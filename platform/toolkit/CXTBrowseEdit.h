#pragma once
#include "platform/afx/CButton.h"
#include "platform/afx/CEdit.h"

// The kinds of thing a browse edit chooses.
inline constexpr DWORD BES_XT_CHOOSEDIR = 0x0001;
inline constexpr DWORD BES_XT_CHOOSEFILE = 0x0002;

// An edit with a browse button at its right end: the button chooses a file (through the file
// dialog, CFileDialog) or a folder (through CXTFolderDialog) and puts its path into the edit,
// which tells its parent as typing would (EN_CHANGE). The button is enabled with the edit.
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
    LRESULT OnEnable(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    DWORD m_dwStyle = 0;
    CString m_strTitle;
    CString m_strFilter;
    CButton m_browse;
};
