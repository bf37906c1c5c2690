#include "programming/ScanListEntryDlg.h"

#include "platform/afx/CFileDialog.h"
#include "platform/afx/Ddx.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/win/controls/ControlMessages.h"
#include "platform/win/controls/DirectoryList.h"
#include "resources/program/ScanListIds.h"

#include <algorithm>
#include <string>

namespace ids = hb::resources::scanlist;

namespace {

struct FileKind {
    UINT button;
    LPCSTR extension;
    LPCSTR pattern;
    LPCSTR filter;
    LPCSTR title;
    LPCSTR kind;
};

constexpr FileKind kFileKinds[] = {
    {ids::kChooseChannel, "SWC", "*.swc", "Channels (*.swc)|*.swc||", "Select Channel", "Channel"},
    {ids::kChooseGroup, "SWG", "*.swg", "Scan groups (*.swg)|*.swg||", "Select Group", "Group"},
    {ids::kChooseRange, "SWR", "*.swr", "Search ranges (*.swr)|*.swr||", "Select Search Range",
     "Search Range"},
};

constexpr UINT kLists[] = {ids::kChannelList, ids::kGroupList, ids::kRangeList};

CString DocumentPattern(LPCSTR pattern) {
    CString path = pattern;
    CScanApp::GetScanApp()->MakeDocPath(path);
    return path;
}

} // namespace

BEGIN_MESSAGE_MAP(CScanListEntryDlg, CDialog)
ON_CONTROL(LBN_SELCHANGE, ids::kChannelList, &CScanListEntryDlg::OnChannelChosen)
ON_CONTROL(LBN_SELCHANGE, ids::kGroupList, &CScanListEntryDlg::OnGroupChosen)
ON_CONTROL(LBN_SELCHANGE, ids::kRangeList, &CScanListEntryDlg::OnRangeChosen)
ON_CONTROL(LBN_DBLCLK, ids::kChannelList, &CScanListEntryDlg::OnListDoubleClick)
ON_CONTROL(LBN_DBLCLK, ids::kGroupList, &CScanListEntryDlg::OnListDoubleClick)
ON_CONTROL(LBN_DBLCLK, ids::kRangeList, &CScanListEntryDlg::OnListDoubleClick)
ON_EN_SETFOCUS(ids::kKind, &CScanListEntryDlg::OnKindFocus)
ON_BN_CLICKED(ids::kClear, &CScanListEntryDlg::OnClear)
ON_COMMAND_RANGE(ids::kChooseChannel, ids::kChooseGroup, &CScanListEntryDlg::OnChooseFile)
END_MESSAGE_MAP()

CScanListEntryDlg::CScanListEntryDlg() : CDialog(ids::kEntryDialog) {}

void CScanListEntryDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, ids::kRangeList, m_rangeList);
    DDX_Control(pDX, ids::kGroupList, m_groupList);
    DDX_Control(pDX, ids::kChannelList, m_channelList);
    DDX_Text(pDX, ids::kFileName, m_fileName);
    DDX_Text(pDX, ids::kKind, m_kind);
}

BOOL CScanListEntryDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    DlgDirListA(m_hWnd, DocumentPattern("*.swg"), ids::kGroupList, ids::kFolder, DDL_READWRITE);
    DlgDirListA(m_hWnd, DocumentPattern("*.swr"), ids::kRangeList, ids::kFolder, DDL_READWRITE);
    return TRUE;
}

void CScanListEntryDlg::TakeChosen(UINT listId, LPCSTR kind) {
    const int list = static_cast<int>(listId);
    const LRESULT selected = SendDlgItemMessage(list, LB_GETCURSEL);
    const LRESULT length =
        selected < 0 ? 0 : SendDlgItemMessage(list, LB_GETTEXTLEN, static_cast<WPARAM>(selected));
    // Room for the whole name, however long.
    std::string name(static_cast<std::size_t>(std::max<LRESULT>(length, 0)) + 1, '\0');
    DlgDirSelectExA(m_hWnd, name.data(), static_cast<int>(name.size()), list);
    SetDlgItemText(ids::kFileName, name.c_str());
    SetDlgItemText(ids::kKind, kind);
    for (const UINT other : kLists) {
        if (other != listId) {
            SendDlgItemMessage(static_cast<int>(other), LB_SETCURSEL, static_cast<WPARAM>(-1));
        }
    }
}

void CScanListEntryDlg::OnChannelChosen() {
    TakeChosen(ids::kChannelList, "Channel");
}

void CScanListEntryDlg::OnGroupChosen() {
    TakeChosen(ids::kGroupList, "Group");
}

void CScanListEntryDlg::OnRangeChosen() {
    TakeChosen(ids::kRangeList, "Search Range");
}

void CScanListEntryDlg::OnListDoubleClick() {
    OnOK();
}

void CScanListEntryDlg::OnKindFocus() {
    SendMessage(WM_NEXTDLGCTL, 0, 0);
}

void CScanListEntryDlg::OnClear() {
    SetDlgItemText(ids::kFileName, "");
    SetDlgItemText(ids::kKind, "Empty");
}

void CScanListEntryDlg::OnChooseFile(UINT nID) {
    for (const FileKind& file : kFileKinds) {
        if (file.button != nID) {
            continue;
        }
        CFileDialog dialog(TRUE, file.extension, DocumentPattern(file.pattern),
                           OFN_CREATEPROMPT | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, file.filter,
                           this);
        dialog.m_ofn.lpstrTitle = file.title;
        if (dialog.DoModal() == IDOK) {
            SetDlgItemText(ids::kFileName, dialog.GetPathName());
            SetDlgItemText(ids::kKind, file.kind);
        }
        return;
    }
}
