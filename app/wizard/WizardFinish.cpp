// Finish: what each task's last step makes, opens or transfers.
#include "app/rig/Rig.h"
#include "app/wizard/Wizard.h"
#include "app/wizard/WizardPages.h"
#include "platform/afx/CDocTemplate.h"
#include "platform/afx/CWinApp.h"
#include "platform/records/ObjectKind.h"
#include "platform/tessary/app/GroupDoc.h"
#include "platform/tessary/app/RosterDoc.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/tessary/model/Radio.h"
#include "platform/tessary/model/Roster.h"
#include "resources/ResourceIds.h"

namespace {

constexpr LPCSTR kSection = "Wizard";
constexpr UINT kResumeTimer = 2;
constexpr UINT kResumeInterval = 1000;

CScanApp& App() {
    return *CScanApp::GetScanApp();
}

} // namespace

BOOL CWizard::OnFinish(CPropertyPage* shown) {
    if (shown) {
        shown->UpdateData(TRUE);
    }
    return track == 1 ? FinishScanListSetup() : FinishGettingStarted();
}

BOOL CWizard::FinishScanListSetup() {
    switch (step) {
    case 1001:
    case 1011:
    case 1102:
    case 1112:
    case 1204:
    case 1301:
        if (!rig || scanListName.IsEmpty()) {
            return TRUE;
        }
        rig->m_opener = CRig::kCommandScanListFiles;
        OpenWithTemplate(IDR_RADIO, scanListName);
        return TRUE;
    case 1201:
        if (rig && !fileName.IsEmpty() && SaveNewGroup()) {
            OpenGroupWindow();
            SaveResumeState(8, step + 1);
        }
        return TRUE;
    default:
        return TRUE;
    }
}

BOOL CWizard::FinishGettingStarted() {
    switch (step) {
    case 1003:
        if (rig && !fileName.IsEmpty() && SaveNewGroup()) {
            OpenGroupWindow();
            App().WriteProfileStringA(kSection, "InitialGroupFile", fileName);
            SaveResumeState(4, 1010);
        }
        return TRUE;
    case 1011: {
        App().WriteProfileStringA(kSection, "InitialGroupFile", "");
        if (fileName.IsEmpty() || !rig) {
            return TRUE;
        }
        CRosterDoc list;
        RosterEntry& entry = *list.GetRoster()->entries().front();
        entry.active = RosterEntry::kOn;
        entry.tag = static_cast<std::uint32_t>(hb::records::ObjectKind::Group);
        entry.setFileName(fileName.str());
        CString path = rig->m_name + ".sws";
        App().MakeDocPath(path);
        if (list.OnSaveDocument(path)) {
            rig->m_opener = CRig::kCommandScanListFiles;
            OpenWithTemplate(IDR_RADIO, path);
        }
        return TRUE;
    }
    case 1301:
        if (rig && !fileName.IsEmpty() && SaveNewGroup()) {
            OpenGroupWindow();
        }
        return TRUE;
    case 1501:
    case 1801:
        if (rig) {
            rig->m_opener = step == 1501 ? IDR_BAND_SCOPE : IDR_SPECTRUM_ANALYZER;
            OpenWithTemplate(rig->m_opener, fileName);
        }
        return TRUE;
    case 1201:
        AfxGetMainWnd()->SendMessage(WM_COMMAND, ID_TOOLS_WEB_GRABBER);
        return TRUE;
    case 1600:
        AfxGetMainWnd()->SendMessage(WM_COMMAND, ID_TOOLS_AUDIO_PLAYER);
        return TRUE;
    case 1701:
        if (!PcToRadio(true)) {
            SetActivePage(8);
            return FALSE;
        }
        return TRUE;
    case 1901:
        if (rig && !fileName.IsEmpty() && SaveNewGroup()) {
            RadioToPc();
        }
        return TRUE;
    default:
        return TRUE;
    }
}

bool CWizard::SaveNewGroup() {
    if (!rig->m_radio) {
        return false;
    }
    CGroupDoc doc;
    doc.NewModelGroup(static_cast<std::uint8_t>(rig->m_radio->RadioTypeCode()));
    doc.SetModifiedFlag(TRUE);
    return doc.OnSaveDocument(fileName) != FALSE;
}

void CWizard::OpenGroupWindow() {
    OpenWithTemplate(IDR_GROUP, fileName);
}

void CWizard::SaveResumeState(int page, std::uint32_t resumeStep) {
    App().WriteProfileInt(kSection, "SavePage", page);
    App().WriteProfileInt(kSection, "SaveStep", static_cast<int>(resumeStep));
    App().WriteProfileInt(kSection, "SaveTrack", track);
    App().WriteProfileStringA(kSection, "SaveRig", rig->m_section);
    App().WriteProfileStringA(kSection, "SaveFileName", fileName);
    App().WriteProfileStringA(kSection, "SaveScanList", scanListName);
    if (CWnd* main = AfxGetMainWnd()) {
        main->SetTimer(kResumeTimer, kResumeInterval);
    }
}

void CWizard::OpenWithTemplate(UINT templateId, const CString& path) {
    if (path.IsEmpty()) {
        return;
    }
    CString full = path;
    App().MakeDocPath(full);
    for (POSITION pos = App().GetFirstDocTemplatePosition(); pos;) {
        CDocTemplate* docTemplate = App().GetNextDocTemplate(pos);
        if (docTemplate->m_nIDResource == templateId) {
            docTemplate->OpenDocumentFile(full, TRUE);
            return;
        }
    }
}
