#include "platform/toolkit/CXTFolderDialog.h"

#include "platform/win/controls/ControlMessages.h"
#include "platform/win/core/NoCase.h"
#include "platform/win/store/Folders.h"

#include <algorithm>
#include <filesystem>
#include <vector>

IMPLEMENT_DYNAMIC(CXTFolderDialog, CDialog)

BEGIN_MESSAGE_MAP(CXTFolderDialog, CDialog)
ON_CONTROL(LBN_SELCHANGE, kFolderList, &CXTFolderDialog::OnSelectFolder)
ON_CONTROL(LBN_DBLCLK, kFolderList, &CXTFolderDialog::OnOpenFolder)
ON_BN_CLICKED(kOpenButton, &CXTFolderDialog::OnOpenFolder)
ON_BN_CLICKED(kUpButton, &CXTFolderDialog::OnUp)
END_MESSAGE_MAP()

namespace {

using hb::afx::FormControl;

namespace fs = std::filesystem;

hb::toolkit::FolderChooser& Chooser() {
    static hb::toolkit::FolderChooser chooser;
    return chooser;
}

const hb::afx::DialogTemplate& Template() {
    using Dialog = CXTFolderDialog;
    static const hb::afx::DialogTemplate dialog{
        .caption = "Browse for Folder",
        .style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_DLGFRAME,
        .cx = 260,
        .cy = 168,
        .fontName = "MS Sans Serif",
        .fontSize = 8,
        .controls = {
            FormControl(0xFFFF, "Static", "Folder:", 0, {7, 7, 190, 8}),
            FormControl(Dialog::kChosenFolder, "Edit", "", ES_READONLY | ES_AUTOHSCROLL | WS_BORDER,
                        {7, 17, 246, 12}),
            FormControl(Dialog::kFolderList, "ListBox", "",
                        LBS_NOTIFY | WS_TABSTOP | WS_VSCROLL | WS_BORDER, {7, 36, 190, 125}),
            FormControl(Dialog::kOpenButton, "Button", "&Open", BS_PUSHBUTTON | WS_TABSTOP,
                        {203, 36, 50, 14}),
            FormControl(Dialog::kUpButton, "Button", "&Up", BS_PUSHBUTTON | WS_TABSTOP,
                        {203, 54, 50, 14}),
            FormControl(IDOK, "Button", "OK", BS_DEFPUSHBUTTON | WS_TABSTOP, {203, 129, 50, 14}),
            FormControl(IDCANCEL, "Button", "Cancel", BS_PUSHBUTTON | WS_TABSTOP,
                        {203, 147, 50, 14})}};
    return dialog;
}

// The folders in the folder that are not hidden, ordered as a person reads them; none when it
// cannot be read.
std::vector<std::string> Subfolders(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(folder, fs::directory_options::skip_permission_denied, error),
         end;
         !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (!name.starts_with('.') && it->is_directory(error)) {
            names.push_back(name);
        }
        error.clear();
    }
    std::ranges::sort(names, hb::win::LessNoCase{});
    return names;
}

bool IsFolder(const fs::path& path) {
    std::error_code error;
    return fs::is_directory(path, error);
}

// Where the dialog starts for the text it was given.
std::string StartFolder(const std::string& text) {
    std::error_code error;
    fs::path path = text.empty() ? fs::path() : fs::absolute(text, error).lexically_normal();
    while (!path.empty() && !IsFolder(path)) {
        const fs::path parent = path.parent_path();
        path = parent == path ? fs::path() : parent;
    }
    if (path.empty()) {
        path = hb::win::DocumentsFolder();
    }
    if (!IsFolder(path)) {
        path = fs::path("/");
    }
    std::string folder = path.string();
    // "/tmp/" and "/tmp" are the same folder to the person choosing.
    while (folder.size() > 1 && folder.back() == '/') {
        folder.pop_back();
    }
    return folder;
}

std::string ParentOf(const std::string& folder) {
    return fs::path(folder).parent_path().string();
}

std::string NameOf(const std::string& folder) {
    return fs::path(folder).filename().string();
}

std::string Join(const std::string& folder, const std::string& name) {
    return (fs::path(folder) / name).string();
}

} // namespace

namespace hb::toolkit {

void SetFolderChooser(FolderChooser chooser) {
    Chooser() = std::move(chooser);
}

} // namespace hb::toolkit

CXTFolderDialog::CXTFolderDialog(LPCSTR lpszInitialFolder, CWnd* pParentWnd)
    : CDialog(&Template(), pParentWnd), m_initial(lpszInitialFolder ? lpszInitialFolder : "") {}

int CXTFolderDialog::DoModal() {
    if (!Chooser()) {
        return CDialog::DoModal();
    }
    const std::optional<std::string> chosen = Chooser()({m_initial});
    if (!chosen || chosen->empty()) {
        return IDCANCEL;
    }
    m_chosen = *chosen;
    return IDOK;
}

BOOL CXTFolderDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    m_folders.SubclassDlgItem(kFolderList, this);
    m_chosenEdit.SubclassDlgItem(kChosenFolder, this);
    const std::string start = StartFolder(m_initial);
    const std::string parent = ParentOf(start);
    // A folder is shown among its neighbours, chosen; the root has none.
    if (parent != start) {
        ShowFolder(parent, NameOf(start));
    } else {
        ShowFolder(start, {});
    }
    return TRUE;
}

void CXTFolderDialog::ShowFolder(const std::string& folder, const std::string& select) {
    m_folder = folder;
    m_folders.ResetContent();
    for (const std::string& name : Subfolders(folder)) {
        const int index = m_folders.AddString(name.c_str());
        if (name == select) {
            m_folders.SetCurSel(index);
        }
    }
    if (CWnd* up = GetDlgItem(kUpButton)) {
        up->EnableWindow(ParentOf(folder) != folder);
    }
    m_chosen = m_folders.GetCurSel() >= 0 ? Join(folder, select) : folder;
    ShowChoice();
}

void CXTFolderDialog::ShowChoice() {
    m_chosenEdit.SetWindowText(m_chosen.c_str());
    if (CWnd* open = GetDlgItem(kOpenButton)) {
        open->EnableWindow(m_folders.GetCurSel() >= 0);
    }
}

std::optional<std::string> CXTFolderDialog::SelectedFolder() const {
    const int index = m_folders.GetCurSel();
    if (index < 0) {
        return std::nullopt;
    }
    CString name;
    m_folders.GetText(index, name);
    return Join(m_folder, name.str());
}

void CXTFolderDialog::OnSelectFolder() {
    if (const std::optional<std::string> folder = SelectedFolder()) {
        m_chosen = *folder;
        ShowChoice();
    }
}

void CXTFolderDialog::OnOpenFolder() {
    if (const std::optional<std::string> folder = SelectedFolder()) {
        ShowFolder(*folder, {});
    }
}

void CXTFolderDialog::OnUp() {
    const std::string parent = ParentOf(m_folder);
    if (parent != m_folder) {
        ShowFolder(parent, NameOf(m_folder));
    }
}
