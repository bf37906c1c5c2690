#include "platform/tessary/app/ScanApp.h"

#include "platform/afx/CDocTemplate.h"
#include "platform/tessary/app/AppHooks.h"
#include "platform/tessary/model/Radio.h"
#include "platform/win/core/Hooks.h"
#include "platform/win/core/SystemInfo.h"
#include "platform/win/store/Folders.h"
#include "platform/win/sys/ModuleVersion.h"
#include "platform/win/sys/Modules.h"
#include "platform/win/sys/Paths.h"
#include "platform/win/sys/ProcessLauncher.h"
#include "platform/win/sys/ProgramPath.h"

#include <algorithm>
#include <string>

IMPLEMENT_DYNAMIC(CScanApp, CWinApp)

namespace {

std::string WithSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/') {
        folder += '/';
    }
    return folder;
}

// `path` completed in `folder` when it is relative; absolute and empty paths stay as they are.
void CompleteIn(const CString& folder, CString& path) {
    if (path.IsEmpty()) {
        return;
    }
    const std::string native = hb::win::NativePath(path.str());
    if (native.front() != '/') {
        path = folder + native.c_str();
    }
}

std::uint16_t VersionPart(int value) {
    return static_cast<std::uint16_t>(std::clamp(value, 0, 0xFFFF));
}

} // namespace

CScanApp::CScanApp(LPCSTR productName) : CWinApp(productName) {
    SetRegistryKey(kCompanyName);
    m_appFolder = WithSlash(hb::win::ApplicationFolder()).c_str();
    m_docFolder = WithSlash(hb::win::DocumentsFolder()).c_str();
    m_settingsFile = (WithSlash(hb::win::ConfigFolder()) + m_pszAppName + ".ini").c_str();
    OSVERSIONINFO version;
    version.dwOSVersionInfoSize = sizeof version;
    if (GetVersionEx(&version)) {
        m_windowsMajor = version.dwMajorVersion;
    }
    for (LOGFONT& font : m_fonts) {
        CScanApp::BuildStyleFont(font);
    }
    hb::tessary::SetTailorRadioHook([this](Radio* radio) { TailorRadioFunctions(radio); });
}

CScanApp::~CScanApp() {
    hb::tessary::SetTailorRadioHook({});
    FreeFonts();
}

CScanApp* CScanApp::GetScanApp() {
    return DYNAMIC_DOWNCAST(CScanApp, AfxGetApp());
}

void CScanApp::MakeDocPath(CString& path) const {
    CompleteIn(m_docFolder, path);
}

void CScanApp::RemoveDocPath(CString& path) const {
    const std::string native = hb::win::NativePath(path.str());
    if (!native.empty() && WithSlash(hb::win::PathFolder(native)) == m_docFolder.str()) {
        path = hb::win::PathFileName(native).c_str();
    }
}

void CScanApp::OrganizeFile(CString& path) const {
    if (hb::win::PathFolder(path.str()).empty()) {
        MakeDocPath(path);
    }
}

void CScanApp::MakeAppPath(CString& path) const {
    CompleteIn(m_appFolder, path);
}

int CScanApp::FileVersionCheck(LPCSTR name, int a, int b, int c, int d) {
    hb::win::ModuleVersion found;
    if (!name || !hb::win::ReadModuleVersion(hb::win::ModulePathFor(name), found)) {
        return 1;
    }
    const hb::win::ModuleVersion wanted{
        {VersionPart(a), VersionPart(b), VersionPart(c), VersionPart(d)}};
    return found < wanted ? 1 : 0;
}

int CScanApp::AppSetup(const product& info) {
    if (!info.maker || !SetupSettingsFile()) {
        return 0;
    }
    m_maker = info.maker;
    m_product = info;
    m_product.maker = m_maker.c_str();
    ReadSettings();
    LoadFonts();
    MakeFonts();
    LoadColors();
    return 1;
}

BOOL CScanApp::SetupSettingsFile() {
    m_docFolder = WithSlash(hb::win::DocumentsFolder()).c_str();
    m_settingsFile = (WithSlash(hb::win::ConfigFolder()) + m_pszAppName + ".ini").c_str();
    if (!hb::win::CreateFolders(hb::win::ConfigFolder()) ||
        !hb::win::CreateFolders(hb::win::DocumentsFolder())) {
        return FALSE;
    }
    CopySampleSettings();
    return TRUE;
}

void CScanApp::CopySampleSettings() {}

void CScanApp::SplashScreen(int, UINT) {}

void CScanApp::BuildDeviceTable() {}

void CScanApp::ReadSettings() {
    m_simpleMode = GetProfileIntA("Settings", "UseSimpleMode", 0) != 0;
    m_muteInactive = GetProfileIntA("Settings", "MuteInactive", 0) != 0;
    m_muteWhenMinimized = GetProfileIntA("Settings", "MuteWhenMinimized", 0) != 0;
    SetDisplayColorMode(GetProfileIntA("Settings", "DisplayColorMode", 0));
    // Machine-wide policies an administrator may set.
    m_forcedSimpleMode = GetMachineProfileInt("Settings", "ForceSimpleMode", 0) != 0;
    m_audioUnavailable = GetMachineProfileInt("Settings", "DisableAudioLogging", 0) != 0;
    hb::win::SetMixerCommandsKey(std::string("Software\\") + kCompanyName + "\\" + m_pszAppName +
                                 "\\Settings");
}

void CScanApp::Logout(int level) {
    hb::tessary::detail::RecordStubCall("Logout(" + std::to_string(level) + ")");
}

LONG CScanApp::DeleteRegTree(HKEY root, LPCSTR path) {
    // An empty path would empty the whole root.
    if (!path || !*path) {
        return static_cast<LONG>(ERROR_INVALID_PARAMETER);
    }
    return static_cast<LONG>(RegDeleteTree(root, path));
}

void CScanApp::SetFontDialogTitle(int index, LPCSTR title) {
    if (index >= 0 && index < kFontCount) {
        m_fontTitles[index] = title ? title : "";
    }
}

CString CScanApp::GetFontDialogTitle(int index) const {
    return index >= 0 && index < kFontCount ? m_fontTitles[index] : CString();
}

int CScanApp::AccessCheck(int level, int line, LPCSTR source) {
    Trace(source, line);
    const auto it = m_access.find(level);
    return it == m_access.end() ? 0 : it->second;
}

CDocument* CScanApp::OpenDocumentFile(LPCSTR lpszFileName) {
    CString path = lpszFileName ? lpszFileName : "";
    MakeDocPath(path);
    m_pathName = path;
    CDocument* doc = CWinApp::OpenDocumentFile(path);
    m_pathName.Empty();
    return doc;
}

void CScanApp::OnFileOpen() {
    CWinApp::OnFileOpen();
}

void CScanApp::OnFileOpen(CDocTemplate* pTemplate) {
    if (!pTemplate) {
        MessageBeep(MB_ICONASTERISK);
        return;
    }
    CString path;
    if (!DoPromptFileName(path, 0, 0, TRUE, pTemplate)) {
        return;
    }
    MakeDocPath(path);
    m_pathName = path;
    pTemplate->OpenDocumentFile(path);
    m_pathName.Empty();
}

int CScanApp::ExitInstance() {
    FreeFonts();
    return CWinApp::ExitInstance();
}

void CScanApp::ChangeRadioFilesDirectory() {
    hb::tessary::detail::RecordStubCall("ChangeRadioFilesDirectory()");
}

void CScanApp::GlobalAudioSettings() {
    hb::tessary::detail::RecordStubCall("GlobalAudioSettings()");
}

void CScanApp::SetupRadioDir() {
    hb::tessary::detail::RecordStubCall("SetupRadioDir()");
}

void CScanApp::SetupRadioDirDefaults() {
    hb::tessary::detail::RecordStubCall("SetupRadioDirDefaults()");
}

BOOL CScanApp::IsDeviceSupported(int type) {
    hb::tessary::detail::RecordStubCall("IsDeviceSupported(" + std::to_string(type) + ")");
    return type >= 0 && static_cast<std::size_t>(type) < kDeviceTableSize &&
           m_deviceTable[static_cast<std::size_t>(type)] == kDeviceSupported;
}

void CScanApp::TailorRadioFunctions(Radio*) {}

void CScanApp::SortDocFileHook(LPARAM, LPARAM, LPARAM) {}

void CScanApp::RestrictRadioTypeHook(LPCSTR, LPARAM, LPARAM, LPARAM) {}
