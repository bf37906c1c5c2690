#include "platform/afx/FileChooserDialog.h"

#include "platform/afx/CClientDC.h"
#include "platform/afx/CFont.h"
#include "platform/win/controls/ControlMessages.h"
#include "platform/win/controls/DirectoryList.h"
#include "platform/win/core/Keyboard.h"
#include "platform/win/core/MessageBox.h"
#include "platform/win/core/NoCase.h"
#include "platform/win/store/Folders.h"
#include "platform/win/sys/FolderListing.h"
#include "platform/win/sys/Paths.h"

#include <filesystem>
#include <system_error>

IMPLEMENT_DYNAMIC(CFileChooserDialog, CDialog)

BEGIN_MESSAGE_MAP(CFileChooserDialog, CDialog)
ON_CONTROL(LBN_SELCHANGE, kEntries, &CFileChooserDialog::OnSelectEntry)
ON_CONTROL(LBN_DBLCLK, kEntries, &CFileChooserDialog::OnOpenEntry)
ON_CBN_SELCHANGE(kFileType, &CFileChooserDialog::OnSelectType)
END_MESSAGE_MAP()

namespace {

namespace fs = std::filesystem;

using hb::afx::FormControl;

constexpr UINT kLabel = 0xFFFF;

const hb::afx::DialogTemplate& Template() {
    using Dialog = CFileChooserDialog;
    static const hb::afx::DialogTemplate dialog{
        .caption = "Open",
        .style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_DLGFRAME,
        .cx = 290,
        .cy = 196,
        .fontName = "MS Sans Serif",
        .fontSize = 8,
        .controls = {
            FormControl(kLabel, "Static", "Folder:", 0, {7, 8, 28, 9}),
            FormControl(Dialog::kFolder, "Static", "", SS_NOPREFIX, {37, 8, 246, 9}),
            FormControl(Dialog::kEntries, "ListBox", "",
                        LBS_NOTIFY | WS_TABSTOP | WS_VSCROLL | WS_BORDER, {7, 21, 276, 124}),
            FormControl(kLabel, "Static", "File name:", 0, {7, 155, 52, 9}),
            FormControl(Dialog::kFileName, "Edit", "", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP,
                        {62, 153, 158, 13}),
            FormControl(kLabel, "Static", "Files of type:", 0, {7, 175, 52, 9}),
            FormControl(Dialog::kFileType, "ComboBox", "",
                        CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, {62, 173, 158, 80}),
            FormControl(IDOK, "Button", "Open", BS_DEFPUSHBUTTON | WS_TABSTOP, {228, 152, 55, 15}),
            FormControl(IDCANCEL, "Button", "Cancel", BS_PUSHBUTTON | WS_TABSTOP,
                        {228, 172, 55, 15})}};
    return dialog;
}

bool IsFolder(const std::string& path) {
    std::error_code error;
    return !path.empty() && fs::is_directory(path, error);
}

bool Exists(const std::string& path) {
    std::error_code error;
    return fs::exists(path, error);
}

bool IsPattern(const std::string& name) {
    return name.find_first_of("*?") != std::string::npos;
}

// A full path with "." and ".." worked out and no separator at its end (but the root's).
std::string FullPath(const std::string& folder, const std::string& typed) {
    std::string path =
        fs::path(hb::win::PathJoin(folder, hb::win::NativePath(typed))).lexically_normal();
    while (path.size() > 1 && path.back() == '/') {
        path.pop_back();
    }
    return path;
}

// The folder the dialog opens in: the file name's own, else the initial one, else the documents
// folder; a relative one counts from the documents folder.
std::string StartFolder(const hb::afx::FileDialogRequest& request) {
    const std::string documents = FullPath("/", hb::win::DocumentsFolder());
    const std::string named = hb::win::PathFolder(hb::win::NativePath(request.fileName));
    for (const std::string& candidate : {named, request.initialFolder}) {
        if (!candidate.empty() && IsFolder(FullPath(documents, candidate))) {
            return FullPath(documents, candidate);
        }
    }
    return IsFolder(documents) ? documents : "/";
}

// The path with the request's default extension; where no file has that name but one has it with
// the extension written in other case (the callers write "SWG", the files "*.swg"), that one.
std::string WithExtension(const std::string& path, const std::string& extension) {
    const std::string extended = hb::afx::WithDefaultExtension(path, extension);
    if (extended == path || Exists(extended)) {
        return extended;
    }
    const std::string folder = hb::win::PathFolder(extended);
    const std::string name = hb::win::PathFileName(extended);
    for (const FoundFile& file : ListFolder(folder)) {
        if (!file.folder && hb::win::EqualNoCase(file.name, name) &&
            hb::win::PathStem(file.name) == hb::win::PathStem(name)) {
            return hb::win::PathJoin(folder, file.name);
        }
    }
    return extended;
}

} // namespace

CFileChooserDialog::CFileChooserDialog(const hb::afx::FileDialogRequest& request, CWnd* pParentWnd)
    : CDialog(&Template(), pParentWnd), m_request(request), m_types(TypesOf(request.filter)),
      m_patterns(m_types.front().patterns) {}

std::vector<CFileChooserDialog::FileType> CFileChooserDialog::TypesOf(const std::string& filter) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t bar = filter.find('|'); bar != std::string::npos;
         start = bar + 1, bar = filter.find('|', start)) {
        parts.push_back(filter.substr(start, bar - start));
    }
    std::vector<FileType> types;
    for (std::size_t i = 0; i + 1 < parts.size() && !parts[i].empty(); i += 2) {
        types.push_back({parts[i], parts[i + 1]});
    }
    if (types.empty()) {
        types.push_back({"All Files (*.*)", "*.*"});
    }
    return types;
}

BOOL CFileChooserDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    std::string title = m_request.title;
    if (title.empty()) {
        title = m_request.open ? "Open" : "Save As";
    }
    SetWindowText(title.c_str());
    SetDlgItemText(IDOK, m_request.open ? "Open" : "Save");
    for (const FileType& type : m_types) {
        SendDlgItemMessage(kFileType, CB_ADDSTRING, 0,
                           reinterpret_cast<LPARAM>(type.description.c_str()));
    }
    SendDlgItemMessage(kFileType, CB_SETCURSEL, 0);
    // A pattern for a name ("<documents>/*.swg") picks the files listed; the edit starts empty.
    const std::string name = hb::win::PathFileName(hb::win::NativePath(m_request.fileName));
    if (IsPattern(name)) {
        m_patterns = name;
    } else {
        SetDlgItemText(kFileName, name.c_str());
    }
    ShowFolder(StartFolder(m_request));
    if (CWnd* edit = GetDlgItem(kFileName)) {
        edit->SetFocus();
        edit->SendMessage(EM_SETSEL, 0, -1);
    }
    return FALSE;
}

void CFileChooserDialog::ShowFolder(const std::string& folder) {
    const std::string listed = hb::win::PathJoin(folder, m_patterns);
    if (!DlgDirListA(m_hWnd, listed.c_str(), kEntries, 0, DDL_DIRECTORY)) {
        Say("The folder " + folder + " cannot be read.", MB_OK | MB_ICONWARNING);
        if (!m_folder.empty() && m_folder != folder) {
            ShowFolder(m_folder);
        }
        return;
    }
    m_folder = folder;
    ShowFolderPath();
}

// A path too long for its place loses folders from its start, so the folder itself stays in view.
void CFileChooserDialog::ShowFolderPath() {
    CWnd* label = GetDlgItem(kFolder);
    if (!label) {
        return;
    }
    CRect box;
    label->GetClientRect(&box);
    CClientDC dc(label);
    CFont* font = label->GetFont();
    CFont* previous = font ? dc.SelectObject(font) : nullptr;
    std::string shown = m_folder;
    for (std::size_t cut = m_folder.find('/', 1);
         cut != std::string::npos && dc.GetTextExtent(shown.c_str()).cx > box.Width();
         cut = m_folder.find('/', cut + 1)) {
        shown = "..." + m_folder.substr(cut);
    }
    if (previous) {
        dc.SelectObject(previous);
    }
    label->SetWindowText(shown.c_str());
}

std::optional<CFileChooserDialog::Entry> CFileChooserDialog::SelectedEntry() {
    std::string name(4096, '\0');
    const BOOL folder =
        DlgDirSelectExA(m_hWnd, name.data(), static_cast<int>(name.size()), kEntries);
    name.resize(name.find('\0'));
    if (name.empty()) {
        return std::nullopt;
    }
    return Entry{name, folder != FALSE};
}

void CFileChooserDialog::OnSelectEntry() {
    const std::optional<Entry> entry = SelectedEntry();
    if (entry && !entry->folder) {
        SetDlgItemText(kFileName, entry->name.c_str());
    }
}

void CFileChooserDialog::OnOpenEntry() {
    const std::optional<Entry> entry = SelectedEntry();
    if (entry && entry->folder) {
        ShowFolder(FullPath(m_folder, entry->name));
    } else if (entry) {
        TakeTyped(entry->name);
    }
}

void CFileChooserDialog::OnSelectType() {
    const auto index = static_cast<int>(SendDlgItemMessage(kFileType, CB_GETCURSEL));
    if (index >= 0 && index < static_cast<int>(m_types.size())) {
        m_patterns = m_types[static_cast<std::size_t>(index)].patterns;
        ShowFolder(m_folder);
    }
}

void CFileChooserDialog::OnOK() {
    CString typed;
    GetDlgItemText(kFileName, typed);
    typed.Trim();
    const std::optional<Entry> entry = SelectedEntry();
    // Enter on a folder of the list enters it, as does OK with no name typed.
    const CWnd* focus = GetFocus();
    const bool fromList = focus && focus->m_hWnd == ::GetDlgItem(m_hWnd, kEntries);
    if (entry && entry->folder && (fromList || typed.IsEmpty())) {
        ShowFolder(FullPath(m_folder, entry->name));
    } else if (!typed.IsEmpty()) {
        TakeTyped(typed.str());
    }
}

void CFileChooserDialog::TakeTyped(const std::string& typed) {
    const std::string path = FullPath(m_folder, typed);
    const std::string name = hb::win::PathFileName(path);
    if (IsPattern(name)) {
        const std::string folder = hb::win::PathFolder(path);
        if (!IsFolder(folder)) {
            Say("The folder " + folder + " does not exist.\nCheck the path and try again.",
                MB_OK | MB_ICONWARNING);
            return;
        }
        m_patterns = name;
        ShowFolder(folder);
        return;
    }
    if (IsFolder(path)) {
        ShowFolder(path);
        SetDlgItemText(kFileName, "");
        return;
    }
    const std::string file = WithExtension(path, m_request.defaultExtension);
    if (MayTake(file)) {
        m_chosen = file;
        EndDialog(IDOK);
    }
}

bool CFileChooserDialog::MayTake(const std::string& path) {
    const std::string name = hb::win::PathFileName(path);
    const std::string folder = hb::win::PathFolder(path);
    if (!IsFolder(folder)) {
        Say(name + "\nThe folder " + folder + " does not exist.\nCheck the path and try again.",
            MB_OK | MB_ICONWARNING);
        return false;
    }
    const bool exists = Exists(path);
    if (!exists && (m_request.flags & OFN_FILEMUSTEXIST)) {
        Say(name + "\nFile not found.\nCheck the file name and try again.", MB_OK | MB_ICONWARNING);
        return false;
    }
    if (!exists && m_request.open && (m_request.flags & OFN_CREATEPROMPT)) {
        return Say(name + " does not exist.\nDo you want to create it?",
                   MB_YESNO | MB_ICONQUESTION) == IDYES;
    }
    if (exists && !m_request.open && (m_request.flags & OFN_OVERWRITEPROMPT)) {
        // No is the default: a stray Enter keeps the file.
        return Say(name + " already exists.\nDo you want to replace it?",
                   MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) == IDYES;
    }
    return true;
}

int CFileChooserDialog::Say(const std::string& text, UINT type) {
    CString caption;
    GetWindowText(caption);
    return ::MessageBox(m_hWnd, text.c_str(), caption, type);
}

BOOL CFileChooserDialog::PreTranslateMessage(MSG* pMsg) {
    if (pMsg->message == WM_KEYDOWN && m_hWnd && ::IsChild(m_hWnd, pMsg->hwnd)) {
        if (pMsg->wParam == VK_TAB) {
            SendMessage(WM_NEXTDLGCTL, (::GetKeyState(VK_SHIFT) & 0x8000) ? 1 : 0);
            return TRUE;
        }
        const HWND types = ::GetDlgItem(m_hWnd, kFileType);
        if ((pMsg->wParam == VK_RETURN || pMsg->wParam == VK_ESCAPE) && pMsg->hwnd == types &&
            ::SendMessage(types, CB_GETDROPPEDSTATE, 0, 0)) {
            return FALSE;
        }
    }
    return CDialog::PreTranslateMessage(pMsg);
}
