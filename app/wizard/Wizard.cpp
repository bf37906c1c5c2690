#include "app/wizard/Wizard.h"

#include "app/rig/Rig.h"
#include "app/wizard/WizardPages.h"
#include "platform/afx/CRuntimeClass.h"
#include "platform/tessary/app/RosterDoc.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/tessary/model/File.h"
#include "platform/tessary/model/Range.h"
#include "platform/tessary/model/Roster.h"
#include "platform/win/core/Hooks.h"
#include "platform/win/core/MessageBox.h"

#include <cstdio>
#include <string>

IMPLEMENT_DYNAMIC(CWizard, CPropertySheet)

namespace {

constexpr LPCSTR kSection = "Wizard";

CScanApp& App() {
    return *CScanApp::GetScanApp();
}

} // namespace

CWizard::CWizard(int mode, CWnd* parent, CRig* chosen) : CPropertySheet("", parent, 0) {
    SetWizardMode();
    for (int n = 0; n < kPageCount; ++n) {
        const std::string name = "CWizardPage" + std::to_string(n);
        m_pages[n].reset(static_cast<CWizardPageBase*>(CRuntimeClass::CreateObject(name.c_str())));
        AddPage(m_pages[n].get());
    }
    int first = 0;
    switch (mode) {
    case kModeStart:
        break;
    case kModeScanList:
        track = 1;
        rig = chosen;
        first = 8;
        break;
    case kModeResume:
        step = static_cast<std::uint32_t>(App().GetProfileIntA(kSection, "SaveStep", 0));
        track = App().GetProfileIntA(kSection, "SaveTrack", 0);
        fileName = App().GetProfileStringA(kSection, "SaveFileName", "");
        scanListName = App().GetProfileStringA(kSection, "SaveScanList", "");
        rig = CRig::FindByName(App().GetProfileStringA(kSection, "SaveRig", ""));
        first = App().GetProfileIntA(kSection, "SavePage", 0);
        if (first < 0 || first >= kPageCount) {
            first = 0;
        }
        break;
    default:
        track = mode;
        break;
    }
    SetActivePage(first);
}

CWizard::~CWizard() {
    AbandonSweep();
}

CWizardPageBase* CWizard::Page(int number) const {
    return number >= 0 && number < kPageCount ? m_pages[number].get() : nullptr;
}

CString CWizard::Expand(const char* text) const {
    std::string expanded = text ? text : "";
    const std::pair<std::string, std::string> fields[] = {
        {"{P}", App().GetProductName()}, {"{S}", rig ? rig->m_section.str() : std::string()}};
    for (const auto& [field, value] : fields) {
        for (std::size_t at = expanded.find(field); at != std::string::npos;
             at = expanded.find(field, at + value.size())) {
            expanded.replace(at, field.size(), value);
        }
    }
    return expanded.c_str();
}

int CWizard::UseGroupAsScanList(CString file, UINT objectKind) {
    scanListName.Empty();
    if (!rig) {
        // Nothing can take the file: the user must go back or cancel.
        MessageBeep(MB_ICONASTERISK);
        return 1;
    }
    CRosterDoc doc;
    RosterEntry& entry = *doc.GetRoster()->entries().front();
    CString path = file;
    App().MakeDocPath(path);
    entry.active = RosterEntry::kOn;
    entry.setFileName(path.str());
    entry.tag = objectKind;
    doc.SetModifiedFlag(TRUE);
    CString listPath = rig->m_section + ".sws";
    App().MakeDocPath(listPath);
    if (doc.OnSaveDocument(listPath)) {
        CString loaded = listPath;
        if (rig->LoadScanList(CRig::kCommandScanListFiles, &loaded) == 0) {
            scanListName = listPath;
            return 0;
        }
    }
    MessageBeep(MB_ICONASTERISK);
    CString bare = file;
    App().RemoveDocPath(bare);
    char text[1024];
    std::snprintf(text, sizeof text,
                  "%s is unable to use %s because this group is empty, or is not set up for the "
                  "same type of radio. Please select a different group, or press CANCEL.",
                  App().GetProductName(), bare.GetString());
    MessageBox(m_hWnd, text, "Unable to Use Group File", MB_ICONHAND);
    return 1;
}

void CWizard::AbandonSweep() {
    if (sweepFile) {
        sweepFile->abandon();
        delete sweepFile;
        sweepFile = nullptr;
    }
    m_newRange.reset();
}
