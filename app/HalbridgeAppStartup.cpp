// Start-up: the companion files, the settings, the global tables, the document templates, the
// configured radios and the main frame, in that order.
#include "app/HalbridgeApp.h"
#include "app/mainframe/MainFrame.h"
#include "app/radiowindow/RadioFrame.h"
#include "app/rig/Rig.h"
#include "audio/AudioPlayerFrame.h"
#include "audio/AudioView.h"
#include "platform/afx/AppInit.h"
#include "platform/afx/CCommandLineInfo.h"
#include "platform/afx/CMultiDocTemplate.h"
#include "platform/afx/res/ResourceLoading.h"
#include "platform/engine/EngineApi.h"
#include "platform/engine/GlobalRadioConfig.h"
#include "platform/tessary/app/DbaseDoc.h"
#include "platform/tessary/app/DbaseView.h"
#include "platform/tessary/app/GenericDoc.h"
#include "platform/tessary/app/GenericFrame.h"
#include "platform/tessary/app/RangeDoc.h"
#include "platform/tessary/app/RosterDoc.h"
#include "platform/tessary/app/TemplateClasses.h"
#include "platform/tessary/audio/Mixer.h"
#include "platform/tessary/model/Format.h"
#include "platform/tessary/model/Radio.h"
#include "platform/toolkit/CXTAuxData.h"
#include "platform/win/core/NoCase.h"
#include "platform/win/core/SystemInfo.h"
#include "platform/win/store/Folders.h"
#include "platform/win/store/PrivateProfile.h"
#include "platform/win/store/Registry.h"
#include "platform/win/sys/Files.h"
#include "platform/win/sys/ModuleVersion.h"
#include "platform/win/sys/Modules.h"
#include "platform/win/sys/Paths.h"
#include "programming/DbaseFrame.h"
#include "programming/GroupFrame.h"
#include "programming/GroupView.h"
#include "programming/RangeFrame.h"
#include "programming/RangeView.h"
#include "radioview/RadioView.h"
#include "resources/ResourceIds.h"
#include "spectrum/RFAnalyzerFrame.h"
#include "spectrum/RFAnalyzerView.h"
#include "spectrum/RFBandScopeView.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>

namespace {

constexpr LPCSTR kSource = "Orvane";

constexpr product kProduct{"Corvanta", {9, 1, 4, 17}, {0x4842, 0x0050}};

// The window style of the main frame: an overlapped window whose title follows its document.
constexpr DWORD kMainFrameStyle = 0x00CF8000;

struct Companion {
    LPCSTR name;
    int version[4];
    // Loaded by name right after its check, and kept.
    HMODULE CHalbridgeApp::*module = nullptr;
};

constexpr std::size_t kRadioEntries = 10;
// A radio name holds at most 19 characters.
constexpr DWORD kRadioNameSize = 20;
// Kinds of radio the program drives: radio control, sweeps, driven by the engine.
constexpr std::uint32_t kDrivenRadio =
    Radio::kFeatureControl | Radio::kFeatureSweep | Radio::kFeatureDriven;

constexpr BYTE kSupportedTypes[] = {1,   2,   17,  35,  42,  43,  45,  46,  51, 62, 63,
                                    64,  70,  71,  74,  75,  89,  90,  91,  92, 95, 99,
                                    105, 109, 110, 111, 112, 113, 115, 130, 131};

constexpr LPCSTR kDatabaseFormats = "SOFTWARE\\Microsoft\\Jet\\4.0\\ISAM Formats";
// A format's name holds at most 99 characters, its engine value 100 bytes.
constexpr DWORD kFormatNameSize = 100;
constexpr DWORD kFormatEngineSize = 100;

// The slot of a database format's template, by the format's name; -1 for other formats.
int DatabaseSlot(const std::string& format) {
    constexpr LPCSTR kNamed[] = {"Xbase", "Excel", "Lotus", "Paradox"};
    for (int slot = 0; slot < 4; ++slot) {
        if (hb::win::EqualNoCase(format, kNamed[slot])) {
            return slot;
        }
    }
    return hb::win::EqualNoCase(format.substr(0, 3), "Jet") ? 4 : -1;
}

constexpr UINT kDatabaseTemplateIds[] = {IDR_DATABASE_XBASE, IDR_DATABASE_EXCEL, IDR_DATABASE_LOTUS,
                                         IDR_DATABASE_PARADOX, IDR_DATABASE_JET};

template <class Part>
std::string VersionText(const std::array<Part, 4>& parts) {
    return std::to_string(parts[0]) + "." + std::to_string(parts[1]) + "." +
           std::to_string(parts[2]) + "." + std::to_string(parts[3]);
}

// The name of the radio of entry `number` of the settings' radio list; empty when there is none.
CString RadioEntry(const CString& settings, unsigned number) {
    CString key;
    key.Format("Radio#%u", number);
    char name[kRadioNameSize] = {};
    GetPrivateProfileString("Radios", key, "", name, sizeof name, settings);
    return name;
}

// The settings or documents folder that cannot be made, and why.
std::string FolderProblem() {
    for (const std::string& folder : {hb::win::ConfigFolder(), hb::win::DocumentsFolder()}) {
        if (!hb::win::CreateFolders(folder)) {
            return "the folder " + folder + " cannot be created (" + std::strerror(errno) + ")";
        }
    }
    return "the settings cannot be set up";
}

// A file named on the command line is taken from the folder the user started the program in.
CString FromStartFolder(const CString& path) {
    const std::string native = hb::win::NativePath(path.str());
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::current_path(error);
    if (native.empty() || native.front() == '/' || error) {
        return path;
    }
    return hb::win::PathJoin(folder.string(), native).c_str();
}

} // namespace

BOOL CHalbridgeApp::InitInstance() {
    if (!NextStep(__LINE__)) {
        return FALSE;
    }
    InitCommonControls();
    AfxOleInit();
    AfxEnableControlContainer();
    AfxInitRichEdit();

    if (!NextStep(__LINE__)) {
        return FALSE;
    }
    if (!CheckCompanions()) {
        return FALSE;
    }

    if (!NextStep(__LINE__)) {
        return FALSE;
    }
    if (ResetRequested()) {
        SYSTEM_INFO system;
        GetSystemInfo(&system);
        CString key;
        key.Format(system.wProcessorArchitecture == PROCESSOR_ARCHITECTURE_INTEL
                       ? "Software\\%s\\%s"
                       : "Software\\Wow6432Node\\%s\\%s",
                   GetCompanyName(), GetProductName());
        DeleteRegTree(HKEY_CURRENT_USER, key);
        return FALSE;
    }

    if (!NextStep(__LINE__)) {
        return FALSE;
    }
    if (!AppSetup(kProduct)) {
        return EndStartup(FolderProblem());
    }
    if (!NextStep(__LINE__)) {
        return FALSE;
    }
    const product& info = GetProduct();
    scan_set_product_info(info.ids[0], info.ids[1], info.version[0], info.version[1],
                          info.version[2], info.version[3], 0, 255, 0);
    if (!NextStep(__LINE__)) {
        return FALSE;
    }
    Logout(2);

    if (!NextStep(__LINE__)) {
        return FALSE;
    }
    CFont font;
    font.CreateFontIndirect(&GetLogFont());
    XTAuxData().SetGlobalFont(&font);
    if (!NextStep(__LINE__)) {
        return FALSE;
    }
    BuildDeviceTable();
    if (!NextStep(__LINE__)) {
        return FALSE;
    }
    CGlobalRadioConfig::EnumerateLocalComPorts();
    if (!NextStep(__LINE__)) {
        return FALSE;
    }
    CMixer::BuildAudioDeviceList(1);

    if (!NextStep(__LINE__)) {
        return FALSE;
    }
    if (RunConfiguration(GetSettingsFile(), kStartupCheck) != 0) {
        return EndStartup(std::string("the radio configuration in ") + GetSettingsFile().str() +
                          " is not complete and was not completed");
    }
    if (!NextStep(__LINE__)) {
        return FALSE;
    }
    SetFontDialogTitle(0, "Select Default Font");
    SetFontDialogTitle(1, "Select Grid Font");
    SetFontDialogTitle(2, "Select History List Font");
    SetFontDialogTitle(3, "Select Tactical Display Font");

    if (!NextStep(__LINE__)) {
        return FALSE;
    }
    CCommandLineInfo commandLine;
    ParseCommandLine(commandLine);
    SetMasterMenu(kMainResource);
    if (!NextStep(__LINE__)) {
        return FALSE;
    }
    AddDocumentTemplates();
    if (!NextStep(__LINE__)) {
        return FALSE;
    }
    AddDatabaseTemplates();
    if (!NextStep(__LINE__)) {
        return FALSE;
    }
    LoadRadios();
    if (!NextStep(__LINE__)) {
        return FALSE;
    }
    format_edacs_style(GetProfileIntA("Settings", "EDACSIDFormat", 0));
    format_motorola_style(GetProfileIntA("Settings", "MotorolaIDFormat", 0));
    m_compactView = GetProfileIntA("Settings", "UseCompactView", m_compactView);

    if (!NextStep(__LINE__)) {
        return FALSE;
    }
    auto* frame = new CMainFrame;
    // A frame that fails to load has deleted itself.
    if (!frame->LoadFrame(kMainResource, kMainFrameStyle, nullptr, nullptr)) {
        return EndStartup("the main window cannot be created");
    }
    m_pMainWnd = frame;
    if (!NextStep(__LINE__)) {
        return FALSE;
    }
    if (IsAdminUser()) {
        frame->SetTitle(frame->GetTitleText() + " (Administrator)");
        frame->DelayUpdateFrameTitle();
    }

    if (!NextStep(__LINE__)) {
        return FALSE;
    }
    frame->DragAcceptFiles(TRUE);
    EnableShellOpen();
    if (!NextStep(__LINE__)) {
        return FALSE;
    }
    // Only a file to open: a new empty document at start-up would be of no use.
    if (commandLine.m_nShellCommand == CCommandLineInfo::FileOpen) {
        commandLine.m_strFileName = FromStartFolder(commandLine.m_strFileName);
        MakeDocPath(commandLine.m_strFileName);
    } else {
        commandLine.m_nShellCommand = CCommandLineInfo::FileNothing;
    }
    if (!NextStep(__LINE__)) {
        return FALSE;
    }
    frame->ShowWindow(m_nCmdShow);
    RestoreWindowPosition(frame, "MainWindow");

    if (!NextStep(__LINE__)) {
        return FALSE;
    }
    if (!ProcessShellCommand(commandLine)) {
        return EndStartup(std::string("cannot open ") + commandLine.m_strFileName.str());
    }
    if (!NextStep(__LINE__)) {
        return FALSE;
    }
    m_started = TRUE;
    if (!NextStep(__LINE__)) {
        return FALSE;
    }
    if (GetProfileIntA("Wizard", "ShowAtStartup", 1) != 0) {
        frame->PostMessage(WM_COMMAND, kWizardCommand, 0);
    }
    if (!NextStep(__LINE__)) {
        return FALSE;
    }
    return TRUE;
}

bool CHalbridgeApp::CheckCompanions() {
    static constexpr Companion kCompanions[] = {
        {"iPlotLibrary.ocx", {3, 0, 6, 606}},
        {"iProfessionalLibrary.ocx", {3, 0, 6, 401}},
        {"isAnalogLibrary.ocx", {3, 0, 6, 548}},
        {"isDigitalLibrary.ocx", {3, 0, 6, 376}},
        {"Tessary.DLL", {9, 1, 4, 17}},
        {"ENGINE.DLL", {9, 1, 4, 17}},
        {"xtp.dll", {13, 4, 0, 0}},
        {"Brisko.DLL", {9, 1, 4, 17}, &CHalbridgeApp::m_companionModule},
        {"Pellam.DLL", {9, 1, 4, 17}, &CHalbridgeApp::m_resourceModule},
    };
    for (const Companion& companion : kCompanions) {
        const int* v = companion.version;
        const std::string path = hb::win::ModulePathFor(companion.name);
        if (FileVersionCheck(companion.name, v[0], v[1], v[2], v[3]) != 0) {
            hb::win::ModuleVersion found;
            return EndStartup("the companion file " + path +
                              (hb::win::ReadModuleVersion(path, found)
                                   ? " is version " + VersionText(found.parts) + ", older than " +
                                         VersionText(std::array{v[0], v[1], v[2], v[3]})
                                   : " is missing or carries no version"));
        }
        if (companion.module) {
            this->*companion.module = AfxLoadLibrary(companion.name);
            if (!(this->*companion.module)) {
                return EndStartup("the library " + path + " cannot be loaded");
            }
        }
    }
    return true;
}

bool CHalbridgeApp::NextStep(int line) {
    Trace(kSource, line);
    return !StopRequested();
}

BOOL CHalbridgeApp::EndStartup(const std::string& cause) {
    // A stop asked for is no failure: whatever cut start-up short is its doing.
    if (!StopRequested()) {
        std::cerr << "halbridge: start-up ended: " << cause << std::endl;
        m_startupFailed = true;
    }
    return FALSE;
}

void CHalbridgeApp::RequestStop() {
    m_stopRequested = true;
}

bool CHalbridgeApp::StopRequested() const {
    return m_stopRequested;
}

bool CHalbridgeApp::ResetRequested() const {
    for (const std::string& argument : hb::afx::SplitCommandLine(m_lpCmdLine)) {
        if (hb::win::EqualNoCase(argument, "-reset")) {
            return true;
        }
    }
    return false;
}

void CHalbridgeApp::BuildDeviceTable() {
    m_deviceTable.fill(0);
    for (const BYTE type : kSupportedTypes) {
        m_deviceTable[type] = kDeviceSupported;
    }
}

void CHalbridgeApp::CopySampleSettings() {
    const CString& settings = GetSettingsFile();
    if (GetFileAttributes(settings) != INVALID_FILE_ATTRIBUTES) {
        return;
    }
    char program[512] = {};
    const DWORD length = GetModuleFileName(HMODULE(m_hInstance), program, sizeof program);
    const std::string name = length > 0 && length < sizeof program
                                 ? std::string(program)
                                 : std::string(GetProductName()) + ".ini";
    const CString samples = GetAppFolder() + "Samples/";
    if (!CopyFile(samples + hb::win::PathStem(name).c_str() + ".ini", settings, TRUE)) {
        return;
    }
    // Each sample radio comes with a group and a scan list; a file of the same name in the
    // documents folder is the user's and stays. A radio with both files needs no set-up, one
    // without them keeps it, so Radio Control still offers the wizard.
    for (unsigned number = 1; number <= kRadioEntries; ++number) {
        const CString radio = RadioEntry(settings, number);
        if (radio.IsEmpty()) {
            continue;
        }
        bool ready = true;
        for (const LPCSTR extension : {".swg", ".sws"}) {
            CString target = radio + extension;
            MakeDocPath(target);
            if (!CopyFile(samples + radio + extension, target, TRUE) &&
                GetFileAttributes(target) == INVALID_FILE_ATTRIBUTES) {
                ready = false;
            }
        }
        if (ready) {
            WriteProfileInt(radio, "SetupWizard", 0);
        }
    }
    // The files a new radio's default scan list is made from, under the same rule.
    for (const LPCSTR name : CRig::SampleLists()) {
        CString target = name;
        MakeDocPath(target);
        CopyFile(samples + name, target, TRUE);
    }
}

void CHalbridgeApp::AddDocumentTemplates() {
    struct Row {
        UINT id;
        CRuntimeClass* document;
        CRuntimeClass* frame;
        CRuntimeClass* view;
        CMultiDocTemplate* CHalbridgeApp::*slot;
    };
    const Row rows[] = {
        {IDR_GROUP, RUNTIME_CLASS(CGroupDoc), RUNTIME_CLASS(CGroupFrame), RUNTIME_CLASS(CGroupView),
         &CHalbridgeApp::m_groupTemplate},
        {IDR_RANGE, RUNTIME_CLASS(CRangeDoc), RUNTIME_CLASS(CRangeFrame), RUNTIME_CLASS(CRangeView),
         &CHalbridgeApp::m_rangeTemplate},
        {IDR_RADIO, RUNTIME_CLASS(CRosterDoc), RUNTIME_CLASS(CRadioFrame),
         RUNTIME_CLASS(CRadioView), &CHalbridgeApp::m_radioTemplate},
        {IDR_SCANNER_MANAGER, RUNTIME_CLASS(CGenericDoc), RUNTIME_CLASS(CGenericFrame),
         RUNTIME_CLASS(CPRO96VFolderView), &CHalbridgeApp::m_scannerManagerTemplate},
        {IDR_PROGRAMMING_MANAGER, RUNTIME_CLASS(CGenericDoc), RUNTIME_CLASS(CGenericFrame),
         RUNTIME_CLASS(CLoadMgrHistView), &CHalbridgeApp::m_programmingManagerTemplate},
        {IDR_WEB_GRABBER, RUNTIME_CLASS(CGenericDoc), RUNTIME_CLASS(CWebGrabberFrame),
         RUNTIME_CLASS(CWebGrabberView), &CHalbridgeApp::m_webGrabberTemplate},
        {IDR_SPECTRUM_ANALYZER, RUNTIME_CLASS(CSweepDoc), RUNTIME_CLASS(CRFAnalyzerFrame),
         RUNTIME_CLASS(CRFAnalyzerView), &CHalbridgeApp::m_analyzerTemplate},
        {IDR_AUDIO_PLAYER, RUNTIME_CLASS(CGenericDoc), RUNTIME_CLASS(CAudioPlayerFrame),
         RUNTIME_CLASS(CAudioView), &CHalbridgeApp::m_audioPlayerTemplate},
        {IDR_BAND_SCOPE, RUNTIME_CLASS(CSweepDoc), RUNTIME_CLASS(CRFAnalyzerFrame),
         RUNTIME_CLASS(CRFBandScopeView), &CHalbridgeApp::m_bandScopeTemplate},
    };
    for (const Row& row : rows) {
        auto* pTemplate = new CMultiDocTemplate(row.id, row.document, row.frame, row.view);
        this->*row.slot = pTemplate;
        AddDocTemplate(pTemplate);
    }
}

void CHalbridgeApp::AddDatabaseTemplates() {
    HKEY formats;
    if (RegOpenKeyEx(HKEY_LOCAL_MACHINE, kDatabaseFormats, 0, KEY_READ, &formats) !=
        ERROR_SUCCESS) {
        return;
    }
    char name[kFormatNameSize] = {};
    for (DWORD index = 0; RegEnumKey(formats, index, name, sizeof name) == ERROR_SUCCESS; ++index) {
        HKEY format;
        if (RegOpenKeyEx(formats, name, 0, KEY_READ, &format) != ERROR_SUCCESS) {
            continue;
        }
        BYTE engine[kFormatEngineSize] = {};
        DWORD size = sizeof engine;
        const bool installed =
            RegQueryValueEx(format, "Engine", nullptr, nullptr, engine, &size) == ERROR_SUCCESS;
        RegCloseKey(format);
        const int slot = DatabaseSlot(name);
        if (!installed || slot < 0 || m_databaseTemplates[static_cast<std::size_t>(slot)]) {
            continue;
        }
        auto* pTemplate =
            new CMultiDocTemplate(kDatabaseTemplateIds[slot], RUNTIME_CLASS(CDbaseDoc),
                                  RUNTIME_CLASS(CDbaseFrame), RUNTIME_CLASS(CDbaseView));
        m_databaseTemplates[static_cast<std::size_t>(slot)] = pTemplate;
        AddDocTemplate(pTemplate);
    }
    RegCloseKey(formats);
}

void CHalbridgeApp::LoadRadios() {
    CRig::DeleteTransient();
    const CString& settings = GetSettingsFile();
    for (unsigned number = 1; number <= kRadioEntries; ++number) {
        const CString name = RadioEntry(settings, number);
        // A permanent rig survives the reload and keeps its entry.
        if (name.IsEmpty() || CRig::FindByName(name)) {
            continue;
        }
        const int type = GetPrivateProfileInt(name, "Type", 0, settings);
        std::unique_ptr<Radio> radio = Radio::CreateRadio(static_cast<BYTE>(type & 0xFF));
        if (!radio || !(radio->features() & kDrivenRadio)) {
            continue;
        }
        auto* rig = new CRig(name, number, radio.release());
        const LPCSTR icon = MAKEINTRESOURCE(IDI_RADIO_1 + (number - 1) % IDI_RADIO_COUNT);
        rig->m_icon = ::LoadIcon(AfxFindResourceHandle(icon, RT_GROUP_ICON), icon).id();
    }
}
