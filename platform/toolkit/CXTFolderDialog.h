#pragma once
// The folder chooser of the browse edit: a modal dialog of ours that lists the folders of one
// folder. A click chooses a folder, a double click (or "Open") goes into it and "Up" to the folder
// above; OK answers the folder chosen. Hidden folders (a leading '.') are left out. A test answers
// it through the hook below instead, or drives the dialog itself through its modal script.

#include "platform/afx/CDialog.h"
#include "platform/afx/CEdit.h"
#include "platform/afx/CListBox.h"

#include <functional>
#include <optional>
#include <string>

class CXTFolderDialog : public CDialog {
    DECLARE_DYNAMIC(CXTFolderDialog)

public:
    static constexpr UINT kChosenFolder = 100;
    static constexpr UINT kFolderList = 101;
    static constexpr UINT kUpButton = 102;
    static constexpr UINT kOpenButton = 103;

    // The dialog starts at the folder, or the nearest folder above it that exists; without one,
    // at the documents folder.
    explicit CXTFolderDialog(LPCSTR lpszInitialFolder, CWnd* pParentWnd = nullptr);

    // The hook's answer when one is set, else the dialog's. IDOK with a folder chosen.
    int DoModal() override;
    // The folder chosen: an absolute path.
    CString GetPathName() const { return m_chosen.c_str(); }
    // The folder whose folders the list shows.
    CString GetFolder() const { return m_folder.c_str(); }

    BOOL OnInitDialog() override;

protected:
    void OnSelectFolder();
    void OnOpenFolder();
    void OnUp();

    DECLARE_MESSAGE_MAP()

private:
    // Lists the folder's folders, with `select` chosen when it is among them, else the folder
    // itself.
    void ShowFolder(const std::string& folder, const std::string& select);
    void ShowChoice();
    // The folder of the list's selection, if any.
    std::optional<std::string> SelectedFolder() const;

    std::string m_initial;
    std::string m_folder;
    std::string m_chosen;
    CListBox m_folders;
    CEdit m_chosenEdit;
};

namespace hb::toolkit {

struct FolderRequest {
    std::string initialFolder;
};

// The folder chosen, or nothing for Cancel. While one is set, it answers every folder dialog.
using FolderChooser = std::function<std::optional<std::string>(const FolderRequest&)>;
void SetFolderChooser(FolderChooser chooser);

} // namespace hb::toolkit
