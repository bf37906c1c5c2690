#include "app/mainframe/CustomizePageTools.h"

#include "app/mainframe/UserTool.h"
#include "platform/afx/Ddx.h"
#include "platform/records/ToolkitMessages.h"
#include "platform/toolkit/CXTPImageManager.h"
#include "platform/win/sys/FileInfo.h"
#include "resources/ResourceIds.h"

#include <array>
#include <utility>

IMPLEMENT_DYNAMIC(CCustomizePageTools, CPropertyPage)

BEGIN_MESSAGE_MAP(CCustomizePageTools, CPropertyPage)
ON_CONTROL(LBN_SELCHANGE, IDC_TOOLS_LIST, &CCustomizePageTools::OnSelectionChange)
ON_EN_CHANGE(IDC_TOOLS_COMMAND, &CCustomizePageTools::OnEditChange)
ON_EN_CHANGE(IDC_TOOLS_ARGUMENTS, &CCustomizePageTools::OnEditChange)
ON_EN_CHANGE(IDC_TOOLS_DIRECTORY, &CCustomizePageTools::OnEditChange)
ON_CONTROL(EDITLIST_END_LABEL_EDIT, IDC_TOOLS_LIST, &CCustomizePageTools::OnLabelEditEnd)
ON_CONTROL(EDITLIST_CANCEL_LABEL_EDIT, IDC_TOOLS_LIST, &CCustomizePageTools::OnLabelEditCancel)
ON_CONTROL(EDITLIST_NEW_ITEM, IDC_TOOLS_LIST, &CCustomizePageTools::OnNewItem)
ON_CONTROL(EDITLIST_DELETE_ITEM, IDC_TOOLS_LIST, &CCustomizePageTools::OnDeleteItem)
ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {

constexpr LPCSTR kCommandFilter = "Executable (*.exe)|*.exe|Command (*.com)|*.com|Information "
                                  "(*.pif)|*.pif|Batch (*.bat;*.cmd)|*.bat; *.cmd|All Files "
                                  "(*.*)|*.*||";
constexpr UINT kIconFlags = SHGFI_ICON | SHGFI_SMALLICON | SHGFI_SHELLICONSIZE;
constexpr std::size_t kMaxPath = 4096;

// The labels and edits that only make sense with a tool selected.
constexpr std::array<UINT, 6> kToolControls{IDC_TOOLS_COMMAND_LABEL,   IDC_TOOLS_ARGUMENTS_LABEL,
                                            IDC_TOOLS_DIRECTORY_LABEL, IDC_TOOLS_COMMAND,
                                            IDC_TOOLS_ARGUMENTS,       IDC_TOOLS_DIRECTORY};

// The icon of the tool's program, looked up on the search path; 0 for none.
UINT AssignIcon(CUserTool& tool, UINT id) {
    std::string path(kMaxPath, '\0');
    const DWORD length = SearchPath(nullptr, tool.m_strCommand, nullptr,
                                    static_cast<DWORD>(path.size()), path.data(), nullptr);
    path = length > 0 && length < path.size() ? path.substr(0, length) : tool.m_strCommand.str();
    SHFILEINFO info{};
    if (!SHGetFileInfo(path.c_str(), 0, &info, sizeof info, kIconFlags) || !info.hIcon) {
        return 0;
    }
    XTPImageManager()->SetIcon(info.hIcon, id, CSize(0, 0), xtpImageNormal);
    DestroyIcon(info.hIcon);
    return id;
}

} // namespace

CCustomizePageTools::CCustomizePageTools() : CPropertyPage(IDD_CUSTOMIZE_TOOLS) {}

void CCustomizePageTools::DoDataExchange(CDataExchange* pDX) {
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TOOLS_LIST, m_listTools);
    DDX_Control(pDX, IDC_TOOLS_COMMAND, m_editCommand);
    DDX_Control(pDX, IDC_TOOLS_ARGUMENTS, m_editArguments);
    DDX_Control(pDX, IDC_TOOLS_DIRECTORY, m_editDirectory);
    DDX_Text(pDX, IDC_TOOLS_DIRECTORY, m_strInitialDirectory);
    DDX_Text(pDX, IDC_TOOLS_ARGUMENTS, m_strArguments);
    DDX_Text(pDX, IDC_TOOLS_COMMAND, m_strCommand);
}

BOOL CCustomizePageTools::OnInitDialog() {
    m_bShowingStrings = true;
    CPropertyPage::OnInitDialog();
    m_bShowingStrings = false;
    m_editCommand.SetDlgStyle(BES_XT_CHOOSEFILE);
    m_editCommand.SetDlgTitle("Browse");
    m_editCommand.SetDlgFilter(kCommandFilter);
    m_listTools.SetListEditStyle(" &Menu contents:", 0);
    m_editArguments.SetDlgStyle(BES_XT_CHOOSEFILE);
    m_editDirectory.SetDlgStyle(BES_XT_CHOOSEDIR);
    for (const auto& tool : hb::app::UserTools()) {
        auto copy = std::make_unique<CUserTool>();
        copy->CopyFrom(*tool);
        const int index = m_listTools.AddString(copy->m_strTitle);
        m_listTools.SetItemData(index, reinterpret_cast<DWORD_PTR>(copy.release()));
    }
    m_listTools.SetCurSel(0);
    ShowSelection();
    return TRUE;
}

CUserTool* CCustomizePageTools::ToolAt(int index) const {
    if (index < 0 || index >= m_listTools.GetCount()) {
        return nullptr;
    }
    const DWORD_PTR data = m_listTools.GetItemData(index);
    return data == static_cast<DWORD_PTR>(LB_ERR) ? nullptr : reinterpret_cast<CUserTool*>(data);
}

void CCustomizePageTools::ShowStrings() {
    m_bShowingStrings = true;
    UpdateData(FALSE);
    m_bShowingStrings = false;
}

void CCustomizePageTools::EnableControls(BOOL bEnable) {
    for (const UINT id : kToolControls) {
        if (CWnd* control = GetDlgItem(static_cast<int>(id))) {
            control->EnableWindow(bEnable);
        }
    }
}

void CCustomizePageTools::ShowSelection() {
    const CUserTool* tool = ToolAt(m_listTools.GetCurSel());
    if (!tool) {
        m_strInitialDirectory.Empty();
        m_strArguments.Empty();
        m_strCommand.Empty();
        EnableControls(FALSE);
        ShowStrings();
        return;
    }
    m_strInitialDirectory = tool->m_strInitialDirectory;
    m_strArguments = tool->m_strArguments;
    m_strCommand = tool->m_strCommand;
    EnableControls(TRUE);
    ShowStrings();
}

void CCustomizePageTools::OnSelectionChange() {
    ShowSelection();
}

void CCustomizePageTools::OnEditChange() {
    if (m_bShowingStrings) {
        return;
    }
    UpdateData(TRUE);
    if (CUserTool* tool = ToolAt(m_listTools.GetCurSel())) {
        tool->m_strCommand = m_strCommand;
        tool->m_strArguments = m_strArguments;
        tool->m_strInitialDirectory = m_strInitialDirectory;
    }
}

void CCustomizePageTools::OnLabelEditEnd() {
    const int index = m_listTools.GetCurrentIndex();
    if (CUserTool* tool = ToolAt(index)) {
        m_listTools.GetText(index, tool->m_strTitle);
    }
    m_listTools.SetCurSel(index);
}

void CCustomizePageTools::OnLabelEditCancel() {
    m_listTools.SetCurSel(m_listTools.GetCurrentIndex());
}

void CCustomizePageTools::OnNewItem() {
    const int index = m_listTools.GetCurrentIndex();
    auto tool = std::make_unique<CUserTool>();
    m_listTools.GetText(index, tool->m_strTitle);
    m_listTools.SetCurSel(index);
    m_strInitialDirectory.Empty();
    m_strArguments.Empty();
    m_strCommand.Empty();
    m_listTools.SetItemData(index, reinterpret_cast<DWORD_PTR>(tool.release()));
    EnableControls(TRUE);
    ShowStrings();
}

void CCustomizePageTools::OnDeleteItem() {
    // The item going is the one named by the list, which need not be the selected one.
    const int index = m_listTools.GetCurrentIndex();
    delete ToolAt(index);
    m_listTools.SetItemData(index, 0);
}

void CCustomizePageTools::Apply() {
    CUserToolList& tools = hb::app::UserTools();
    tools.clear();
    for (int index = 0; index < m_listTools.GetCount(); ++index) {
        CUserTool* copy = ToolAt(index);
        if (!copy) {
            continue;
        }
        m_listTools.SetItemData(index, 0);
        tools.emplace_back(copy);
    }
    m_listTools.ResetContent();
    UINT nextIcon = kFirstIconId;
    for (const auto& tool : tools) {
        tool->m_nIconId = AssignIcon(*tool, nextIcon);
        if (tool->m_nIconId != 0) {
            ++nextIcon;
        }
    }
    hb::app::SaveUserTools();
}

void CCustomizePageTools::OnDestroy() {
    Apply();
    CPropertyPage::OnDestroy();
}
