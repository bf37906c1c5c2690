// The running application: the message loop's hooks, the application-wide commands, and the exit
// step.
#include "app/HalbridgeApp.h"
#include "app/HfFreqDisplayDlg.h"
#include "app/mainframe/UserTool.h"
#include "app/rig/Rig.h"
#include "app/wizard/Wizard.h"
#include "platform/afx/CCmdUI.h"
#include "platform/afx/CDocument.h"
#include "platform/afx/CFrameWnd.h"
#include "platform/afx/CMultiDocTemplate.h"
#include "platform/afx/res/ResourceLoading.h"
#include "platform/tessary/audio/AudioLog.h"
#include "platform/win/core/Hooks.h"
#include "platform/win/core/MessageBox.h"
#include "platform/win/store/Registry.h"
#include "platform/win/sys/Shell.h"
#include "resources/ResourceIds.h"

namespace {

constexpr LPCSTR kSource = "Orvane";

// The main frame's timer that cycles its windows; input holds it off.
constexpr UINT_PTR kShowTimer = 1;
constexpr UINT kShowInterval = 5000;

// The main frame's command that closes its Volume pane.
constexpr UINT kCloseVolumePane = 29593;

constexpr LPCSTR kReaderDownload = "https://get.adobe.com/reader/";

// A key press, or the mouse moved or clicked (the wheel does not count).
bool IsUserInput(UINT message) {
    return message == WM_KEYDOWN || (message >= WM_MOUSEMOVE && message <= WM_MBUTTONDBLCLK);
}

} // namespace

// What the analyzer and the band scope commands differ in.
struct CHalbridgeApp::SweepOpener {
    LPCSTR title;
    UINT opener;
    LPCSTR extension;
    LPCSTR fileEntry;
    CMultiDocTemplate* CHalbridgeApp::*pTemplate;
};

BOOL CHalbridgeApp::OnIdle(LONG lCount) {
    if (!m_pMainWnd) {
        PostQuitMessage(0);
        return TRUE;
    }
    return CScanApp::OnIdle(lCount);
}

BOOL CHalbridgeApp::PreTranslateMessage(MSG* pMsg) {
    if (IsUserInput(pMsg->message) && m_pMainWnd && m_pMainWnd->m_hWnd &&
        m_pMainWnd->KillTimer(kShowTimer)) {
        m_pMainWnd->SetTimer(kShowTimer, kShowInterval, nullptr);
    }
    return CScanApp::PreTranslateMessage(pMsg);
}

int CHalbridgeApp::ExitInstance() {
    Trace(kSource, __LINE__);
    WSACleanup();
    Trace(kSource, __LINE__);
    CRig::DeleteAll();
    hb::app::UserTools().clear();
    Trace(kSource, __LINE__);
    // Only after the rigs: their windows' forms come from the resource library.
    if (m_resourceModule) {
        AfxFreeLibrary(m_resourceModule);
        m_resourceModule = {};
    }
    Trace(kSource, __LINE__);
    const int code = CScanApp::ExitInstance();
    return m_startupFailed ? kStartupFailed : code;
}

void CHalbridgeApp::NewDocument(CMultiDocTemplate* pTemplate) {
    if (ParsePathName() == 0 && pTemplate) {
        pTemplate->OpenDocumentFile(nullptr, TRUE);
    }
}

void CHalbridgeApp::OnFileNewGroup() {
    Trace(kSource, __LINE__);
    NewDocument(m_groupTemplate);
}

void CHalbridgeApp::OnFileNewRange() {
    Trace(kSource, __LINE__);
    NewDocument(m_rangeTemplate);
}

void CHalbridgeApp::OpenSweepWindow(const SweepOpener& opener) {
    CRig* rig = CRig::SelectRig(opener.title, CRig::kNoWizardOffer, 0);
    if (!rig) {
        return;
    }
    if (rig->IsOpen()) {
        MessageBeep(MB_ICONASTERISK);
        return;
    }
    rig->m_opener = opener.opener;
    CString path =
        GetProfileStringA(rig->m_section, opener.fileEntry, rig->m_name + opener.extension);
    MakeDocPath(path);
    CMultiDocTemplate* pTemplate = this->*opener.pTemplate;
    if (!pTemplate) {
        return;
    }
    // The radio's first sweep has no file yet: it starts on new settings that are saved there.
    if (GetFileAttributes(path) == INVALID_FILE_ATTRIBUTES) {
        if (CDocument* doc = pTemplate->OpenDocumentFile(nullptr, TRUE)) {
            doc->SetPathName(path, FALSE);
        }
        return;
    }
    pTemplate->OpenDocumentFile(path, TRUE);
}

void CHalbridgeApp::OnSpectrumAnalyzer() {
    Trace(kSource, __LINE__);
    OpenSweepWindow({"Spectrum Analysis", IDR_SPECTRUM_ANALYZER, ".swa", "SpectrumAnalyzerFile",
                     &CHalbridgeApp::m_analyzerTemplate});
}

void CHalbridgeApp::OnBandScope() {
    Trace(kSource, __LINE__);
    OpenSweepWindow({"Band Scope", IDR_BAND_SCOPE, ".swv", "BandScopeFile",
                     &CHalbridgeApp::m_bandScopeTemplate});
}

void CHalbridgeApp::OnRadioControl() {
    Trace(kSource, __LINE__);
    constexpr BYTE kOfferWizard = 1;
    CRig* rig = CRig::SelectRig("Radio Control", kOfferWizard, 0);
    if (!rig) {
        return;
    }
    if (rig->IsOpen()) {
        MessageBeep(MB_ICONASTERISK);
        return;
    }
    if (rig->m_setup_wizard == 0) {
        CString path;
        if (rig->LoadScanList(CRig::kCommandScanListFiles, &path) == 0) {
            rig->m_opener = CRig::kCommandScanListFiles;
            if (m_radioTemplate) {
                m_radioTemplate->OpenDocumentFile(path, TRUE);
            }
            return;
        }
    }
    // The radio still wants its set-up, or its scan list is of no use.
    rig->m_wizard_requested = 1;
    constexpr int kRadioMode = 1;
    CWizard wizard(kRadioMode, m_pMainWnd, rig);
    if (wizard.DoModal() != IDCANCEL) {
        rig->m_setup_wizard = 0;
        WriteProfileInt(rig->m_section, "SetupWizard", 0);
    }
}

void CHalbridgeApp::OnWindowsVolume() {
    Trace(kSource, __LINE__);
    WinExec(GetWindowsMajorVersion() < 6 ? "SNDVOL32.EXE" : "SNDVOL.EXE", SW_SHOW);
}

void CHalbridgeApp::OnWindowsRecording() {
    Trace(kSource, __LINE__);
    if (GetWindowsMajorVersion() < 6) {
        WinExec("SNDVOL32.EXE /RECORD", SW_SHOW);
        return;
    }
    MessageBox(m_pMainWnd ? m_pMainWnd->m_hWnd : HWND{},
               "To view or change record settings for sound devices, use the recording tab of the "
               "sound settings found in the Windows control panel.",
               "Audio Recording Controls", MB_OK | MB_ICONINFORMATION);
}

void CHalbridgeApp::OnConfiguration() {
    Trace(kSource, __LINE__);
    auto* frame = DYNAMIC_DOWNCAST(CFrameWnd, m_pMainWnd);
    if (frame && frame->GetActiveFrame() != frame) {
        MessageBeep(MB_ICONASTERISK);
        MessageBox(frame->m_hWnd,
                   "You must close all windows before you can enter the configuration mode.",
                   "Close All Windows", MB_ICONASTERISK);
        return;
    }
    if (AccessCheck(2, __LINE__, kSource) != 0) {
        return;
    }
    RunConfiguration(GetSettingsFile(), kConfigurationMenu);
    LoadRadios();
    if (m_pMainWnd) {
        m_pMainWnd->SendMessage(WM_COMMAND, kCloseVolumePane);
    }
}

void CHalbridgeApp::OnRadioFilesDirectory() {
    Trace(kSource, __LINE__);
    ChangeRadioFilesDirectory();
}

void CHalbridgeApp::OnHfFreqDisplay() {
    Trace(kSource, __LINE__);
    CHfFreqDisplayDlg dialog;
    dialog.m_unit = GetProfileIntA("Settings", "HFFreqDisplayMHz", 1) > 0 ? 1 : 0;
    if (dialog.DoModal() == IDOK) {
        WriteProfileInt("Settings", "HFFreqDisplayMHz", dialog.m_unit);
    }
}

void CHalbridgeApp::OnResetColors() {
    Trace(kSource, __LINE__);
    ResetColors();
}

void CHalbridgeApp::OnColorEntry(UINT nID) {
    Trace(kSource, __LINE__);
    AdjustColorEntry(static_cast<BYTE>(nID - ID_COLOR_FIRST));
}

void CHalbridgeApp::OnSelectFont(UINT nID) {
    Trace(kSource, __LINE__);
    SelectFont(static_cast<int>(nID - ID_FONT_DEFAULT));
}

void CHalbridgeApp::OnMasterMute() {
    CAudioLog::MasterMute(CAudioLog::al_monitor_master_mute ? 0 : 1);
}

void CHalbridgeApp::OnUpdateMasterMute(CCmdUI* pCmdUI) {
    // Pressed while the monitors are heard.
    pCmdUI->SetCheck(CAudioLog::al_monitor_master_mute ? 0 : 1);
}

void CHalbridgeApp::OnFileOpenAny() {
    Trace(kSource, __LINE__);
    OnFileOpen();
}

void CHalbridgeApp::OnUserManual() {
    Trace(kSource, __LINE__);
    const HWND owner = m_pMainWnd ? m_pMainWnd->m_hWnd : HWND{};
    HKEY viewer;
    if (RegOpenKeyEx(HKEY_CLASSES_ROOT, ".pdf", 0, KEY_READ, &viewer) == ERROR_SUCCESS) {
        RegCloseKey(viewer);
        CString path = "Halbridge Pro User Manual.pdf";
        MakeAppPath(path);
        ShellExecute(owner, "open", path, "", "", SW_SHOWNORMAL);
        return;
    }
    MessageBeep(MB_ICONASTERISK);
    CString text;
    text.Format(
        "The %s user manual requires Adobe Reader to view, but Adobe Reader is not "
        "installed. Press YES to go to the Adobe Reader web site to download a free copy of "
        "Adobe Reader. If this product was delivered on a CD, there is a copy of Adobe "
        "Reader on the CD.",
        GetProductName());
    if (MessageBox(HWND{}, text, "Adobe Reader Not Installed", MB_YESNO | MB_ICONEXCLAMATION) ==
        IDYES) {
        ShellExecute(owner, "open", kReaderDownload, "", "", SW_SHOWNORMAL);
    }
}

void CHalbridgeApp::OnIgnoredCommand() {
    Trace(kSource, __LINE__);
}
