#pragma once
// The dialog a person answers CFileDialog with on a display. The list shows the folder's folders
// ("[..]" first, to go up) and its files of the chosen type; a click on a file puts its name in the
// edit, a double click enters a folder or takes a file. The edit takes a name, a relative or full
// path, a folder (entered) or a pattern such as "*.swg" (which then picks the files listed). OK
// holds the name up to the request's flags before it ends the dialog: a message box says why a name
// is refused, or asks before a file is replaced or made.

#include "platform/afx/CDialog.h"
#include "platform/afx/CFileDialog.h"

#include <optional>
#include <string>
#include <vector>

class CFileChooserDialog : public CDialog {
    DECLARE_DYNAMIC(CFileChooserDialog)

public:
    static constexpr UINT kFolder = 100;
    static constexpr UINT kEntries = 101;
    static constexpr UINT kFileName = 102;
    static constexpr UINT kFileType = 103;

    CFileChooserDialog(const hb::afx::FileDialogRequest& request, CWnd* pParentWnd);

    // The file chosen: a full path, the default extension added.
    CString GetPathName() const { return m_chosen.c_str(); }
    // The folder whose entries the list shows.
    CString GetFolder() const { return m_folder.c_str(); }

    BOOL OnInitDialog() override;
    void OnOK() override;
    // Tab and Shift+Tab move between the controls; Enter and Esc work an open list of types.
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    void OnSelectEntry();
    void OnOpenEntry();
    void OnSelectType();

    DECLARE_MESSAGE_MAP()

private:
    struct FileType {
        std::string description;
        std::string patterns;
    };
    struct Entry {
        std::string name;
        bool folder = false;
    };

    // The filter's "description|patterns|" pairs; all files when it has none.
    static std::vector<FileType> TypesOf(const std::string& filter);
    void ShowFolder(const std::string& folder);
    void ShowFolderPath();
    // What the edit holds: a folder to enter, a pattern to list, or a file to take.
    void TakeTyped(const std::string& typed);
    // Whether the flags let the file be taken; says why not, or asks, through a message box.
    bool MayTake(const std::string& path);
    int Say(const std::string& text, UINT type);
    std::optional<Entry> SelectedEntry();

    hb::afx::FileDialogRequest m_request;
    std::vector<FileType> m_types;
    std::string m_folder;
    std::string m_patterns;
    std::string m_chosen;
};
