#include "app/wizard/WizardPages.h"

#include "platform/afx/CDataExchange.h"
#include "platform/afx/CFileDialog.h"
#include "platform/afx/Ddx.h"
#include "platform/tessary/app/ScanApp.h"
#include "resources/ResourceIds.h"

namespace {

constexpr LPCSTR kSection = "Wizard";
constexpr LPCSTR kShowAtStartup = "ShowAtStartup";

constexpr LPCSTR kGroupFilter = "Group files (*.swg)|*.swg||";
constexpr LPCSTR kProfileFilter = "DMA Profiles (*.sxr)|*.sxr||";

constexpr UINT Template(UINT page) {
    return IDD_WIZARD_PAGE_0 + page;
}

} // namespace

IMPLEMENT_DYNCREATE(CWizardPage0, CWizardPageBase)
IMPLEMENT_DYNCREATE(CWizardPage1, CWizardPageBase)
IMPLEMENT_DYNAMIC(CWizardFilePage, CWizardPageBase)
IMPLEMENT_DYNCREATE(CWizardPage2, CWizardFilePage)
IMPLEMENT_DYNCREATE(CWizardPage3, CWizardPageBase)
IMPLEMENT_DYNCREATE(CWizardPage4, CWizardPageBase)
IMPLEMENT_DYNCREATE(CWizardPage5, CWizardFilePage)
IMPLEMENT_DYNCREATE(CWizardPage6, CWizardPageBase)
IMPLEMENT_DYNCREATE(CWizardPage7, CWizardPageBase)
IMPLEMENT_DYNCREATE(CWizardPage8, CWizardPageBase)
IMPLEMENT_DYNCREATE(CWizardPage9, CWizardPageBase)
IMPLEMENT_DYNCREATE(CWizardPage10, CWizardFilePage)
IMPLEMENT_DYNCREATE(CWizardPage11, CWizardFilePage)

BEGIN_MESSAGE_MAP(CWizardPage0, CWizardPageBase)
ON_BN_CLICKED(IDC_WIZARD_SHOW_AT_STARTUP, &CWizardPage0::OnShowAtStartup)
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CWizardFilePage, CWizardPageBase)
ON_BN_CLICKED(IDC_WIZARD_BROWSE, &CWizardFilePage::OnBrowse)
END_MESSAGE_MAP()

// ---- Page 0.

CWizardPage0::CWizardPage0() : CWizardPageBase(Template(0)) {}

void CWizardPage0::DoDataExchange(CDataExchange* pDX) {
    CWizardPageBase::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_WIZARD_SHOW_AT_STARTUP, showAtStartup);
}

BOOL CWizardPage0::OnSetActive() {
    showAtStartup = static_cast<int>(AfxGetApp()->GetProfileInt(kSection, kShowAtStartup, 1));
    return CWizardPageBase::OnSetActive();
}

// The choice is kept at once, whatever the user does with the wizard afterwards.
void CWizardPage0::OnShowAtStartup() {
    UpdateData(TRUE);
    AfxGetApp()->WriteProfileInt(kSection, kShowAtStartup, showAtStartup);
}

// ---- Page 1.

CWizardPage1::CWizardPage1() : CWizardPageBase(Template(1)) {}

void CWizardPage1::DoDataExchange(CDataExchange* pDX) {
    CWizardPageBase::DoDataExchange(pDX);
    DDX_Radio(pDX, IDC_WIZARD_CHOICE_1, choice);
}

BOOL CWizardPage1::OnSetActive() {
    CWizardPageBase::OnSetActive();
    for (UINT n = 0; n < kChoices; ++n) {
        CWnd* button = GetDlgItem(static_cast<int>(IDC_WIZARD_CHOICE_1 + n));
        if (!button) {
            continue;
        }
        CheckDlgButton(static_cast<int>(IDC_WIZARD_CHOICE_1 + n), BST_UNCHECKED);
        button->ShowWindow(choiceShown[n] > 0 ? SW_SHOW : SW_HIDE);
        button->SetWindowText(choiceText[n]);
    }
    return TRUE;
}

// ---- The file pages.

CWizardFilePage::CWizardFilePage(UINT nIDTemplate, Kind kind)
    : CWizardPageBase(nIDTemplate), m_kind(kind) {}

void CWizardFilePage::DoDataExchange(CDataExchange* pDX) {
    CWizardPageBase::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_WIZARD_FILE_NAME, fileName);
}

void CWizardFilePage::OnBrowse() {
    CScanApp* app = CScanApp::GetScanApp();
    CString initial = CString("*.") + CString(m_kind.extension).MakeLower();
    app->MakeDocPath(initial);
    CFileDialog dialog(m_kind.newFile ? FALSE : TRUE, m_kind.extension, initial, OFN_HIDEREADONLY,
                       m_kind.filter, this);
    dialog.m_ofn.lpstrTitle = m_kind.title;
    if (dialog.DoModal() != IDOK) {
        return;
    }
    CString chosen = dialog.GetPathName();
    app->RemoveDocPath(chosen);
    fileName = chosen;
    UpdateData(FALSE);
}

CWizardPage2::CWizardPage2()
    : CWizardFilePage(Template(2), {true, "SWG", "Select New Group", kGroupFilter}) {}

CWizardPage5::CWizardPage5()
    : CWizardFilePage(Template(5), {false, "SWG", "Select Existing Group", kGroupFilter}) {}

CWizardPage10::CWizardPage10()
    : CWizardFilePage(Template(10), {false, "SXR", "Select Existing DMA Profile", kProfileFilter}) {
}

CWizardPage11::CWizardPage11()
    : CWizardFilePage(Template(11), {true, "SXR", "Select New DMA Profile", kProfileFilter}) {}

// ---- Page 3.

CWizardPage3::CWizardPage3() : CWizardPageBase(Template(3)) {}

void CWizardPage3::DoDataExchange(CDataExchange* pDX) {
    CWizardPageBase::DoDataExchange(pDX);
    DDX_ControlIfPresent(pDX, IDC_WIZARD_START, m_start);
    DDX_ControlIfPresent(pDX, IDC_WIZARD_STEP, m_step);
    DDX_ControlIfPresent(pDX, IDC_WIZARD_END, m_end);
    const std::pair<CiAnalogOutputX*, double*> entries[] = {
        {&m_start, &start}, {&m_step, &step}, {&m_end, &end}};
    for (const auto& [control, value] : entries) {
        if (!control->GetSafeHwnd()) {
            continue;
        }
        if (pDX->m_bSaveAndValidate) {
            *value = control->GetValue();
        } else {
            control->SetValue(*value);
        }
    }
}

// ---- The pages of text alone.

CWizardPage4::CWizardPage4() : CWizardPageBase(Template(4)) {}
CWizardPage6::CWizardPage6() : CWizardPageBase(Template(6)) {}
CWizardPage7::CWizardPage7() : CWizardPageBase(Template(7)) {}
CWizardPage8::CWizardPage8() : CWizardPageBase(Template(8)) {}

// ---- Page 9.

CWizardPage9::CWizardPage9() : CWizardPageBase(Template(9)) {}

void CWizardPage9::DoDataExchange(CDataExchange* pDX) {
    CWizardPageBase::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_WIZARD_TEXT, text);
    DDX_Text(pDX, IDC_WIZARD_TOOL_BAR_LINE, toolBarLine);
    DDX_Text(pDX, IDC_WIZARD_FINISH_LINE, finishLine);
}
