#include "platform/afx/CWinApp.h"

#include "platform/afx/CCommandLineInfo.h"
#include "platform/afx/CDocTemplate.h"
#include "platform/afx/CDocument.h"
#include "platform/afx/CFileDialog.h"
#include "platform/afx/CFrameWnd.h"
#include "platform/afx/CView.h"
#include "platform/afx/Reset.h"
#include "platform/afx/res/AfxIds.h"
#include "platform/afx/res/ResourceLoading.h"
#include "platform/win/sys/Paths.h"
#include "platform/win/sys/ProgramPath.h"

IMPLEMENT_DYNAMIC(CWinApp, CCmdTarget)

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
ON_COMMAND(ID_APP_EXIT, &CWinApp::OnAppExit)
END_MESSAGE_MAP()

namespace {

CWinApp* g_app = nullptr;

bool IsFlag(const std::string& argument) {
    if (argument.size() < 2) {
        return false;
    }
    if (argument[0] == '-') {
        return true;
    }
    // A path may start with '/' too.
    return argument[0] == '/' && argument.find_first_of("/\\.", 1) == std::string::npos;
}

} // namespace

std::vector<std::string> hb::afx::SplitCommandLine(LPCSTR line) {
    std::vector<std::string> arguments;
    std::string current;
    bool quoted = false;
    bool inArgument = false;
    for (const char* p = line; p && *p; ++p) {
        if (*p == '"') {
            quoted = !quoted;
            inArgument = true;
        } else if (!quoted && (*p == ' ' || *p == '\t')) {
            if (inArgument) {
                arguments.push_back(std::move(current));
                current.clear();
                inArgument = false;
            }
        } else {
            current += *p;
            inArgument = true;
        }
    }
    if (inArgument) {
        arguments.push_back(std::move(current));
    }
    return arguments;
}

CWinApp::CWinApp(LPCSTR lpszAppName)
    : m_hInstance(AfxGetInstanceHandle()),
      m_exeName(hb::win::PathStem(hb::win::ProgramFilePath())) {
    m_appName = lpszAppName ? lpszAppName : m_exeName;
    m_pszAppName = m_appName.c_str();
    m_pszExeName = m_exeName.c_str();
    m_lpCmdLine = m_commandLine.data();
    g_app = this;
}

CWinApp::~CWinApp() {
    for (CDocTemplate* pTemplate : m_templates) {
        delete pTemplate;
    }
    if (g_app == this) {
        g_app = nullptr;
    }
}

BOOL CWinApp::InitInstance() {
    return TRUE;
}

int CWinApp::Run() {
    bool idle = true;
    LONG count = 0;
    for (;;) {
        MSG msg;
        while (idle && !::PeekMessage(&msg, HWND{}, 0, 0, PM_NOREMOVE)) {
            idle = OnIdle(count++) != FALSE;
        }
        if (!PumpMessage()) {
            return ExitInstance();
        }
        idle = true;
        count = 0;
    }
}

BOOL CWinApp::OnIdle(LONG lCount) {
    if (lCount <= 0) {
        if (m_pMainWnd && m_pMainWnd->m_hWnd) {
            m_pMainWnd->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
            m_pMainWnd->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
        }
        return TRUE;
    }
    hb::afx::DeleteTempMap();
    return FALSE;
}

int CWinApp::ExitInstance() {
    return m_nQuitCode;
}

BOOL CWinApp::PreTranslateMessage(MSG* pMsg) {
    return CWnd::WalkPreTranslateTree(m_pMainWnd ? m_pMainWnd->m_hWnd : HWND{}, pMsg);
}

BOOL CWinApp::PumpMessage() {
    MSG msg;
    if (!::GetMessage(&msg, HWND{}, 0, 0)) {
        m_nQuitCode = static_cast<int>(msg.wParam);
        return FALSE;
    }
    if (!PreTranslateMessage(&msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
    }
    return TRUE;
}

void CWinApp::ParseCommandLine(CCommandLineInfo& rCmdInfo) {
    const std::vector<std::string> arguments = hb::afx::SplitCommandLine(m_lpCmdLine);
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const bool flag = IsFlag(arguments[i]);
        rCmdInfo.ParseParam(arguments[i].c_str() + (flag ? 1 : 0), flag, i + 1 == arguments.size());
    }
}

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo& rCmdInfo) {
    switch (rCmdInfo.m_nShellCommand) {
    case CCommandLineInfo::FileNew:
        if (!OnCmdMsg(ID_FILE_NEW, CN_COMMAND, nullptr, nullptr)) {
            OnFileNew();
        }
        return m_pMainWnd != nullptr;
    case CCommandLineInfo::FileOpen:
        return OpenDocumentFile(rCmdInfo.m_strFileName) != nullptr;
    default:
        return TRUE;
    }
}

void CWinApp::AddDocTemplate(CDocTemplate* pTemplate) {
    m_templates.push_back(pTemplate);
}

POSITION CWinApp::GetFirstDocTemplatePosition() const {
    return hb::afx::FirstPosition(m_templates);
}

CDocTemplate* CWinApp::GetNextDocTemplate(POSITION& rPos) const {
    return hb::afx::NextAt(m_templates, rPos);
}

CDocument* CWinApp::OpenDocumentFile(LPCSTR lpszFileName) {
    CDocTemplate* best = nullptr;
    CDocTemplate::Confidence bestMatch = CDocTemplate::noAttempt;
    CDocument* open = nullptr;
    for (CDocTemplate* pTemplate : m_templates) {
        CDocument* match = nullptr;
        const CDocTemplate::Confidence confidence = pTemplate->MatchDocType(lpszFileName, match);
        if (confidence > bestMatch) {
            best = pTemplate;
            bestMatch = confidence;
            open = match;
        }
    }
    if (open) {
        POSITION pos = open->GetFirstViewPosition();
        if (CFrameWnd* frame = pos ? open->GetNextView(pos)->GetParentFrame() : nullptr) {
            frame->ActivateFrame();
        }
        return open;
    }
    return best ? best->OpenDocumentFile(lpszFileName) : nullptr;
}

void CWinApp::OnFileNew() {
    if (!m_templates.empty()) {
        m_templates.front()->OpenDocumentFile(nullptr);
    }
}

void CWinApp::OnFileOpen() {
    CString fileName;
    if (DoPromptFileName(fileName, 0, 0, TRUE, nullptr)) {
        OpenDocumentFile(fileName);
    }
}

void CWinApp::OnAppExit() {
    if (m_pMainWnd) {
        m_pMainWnd->SendMessage(WM_CLOSE);
    }
}

BOOL CWinApp::DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags,
                               BOOL bOpenFileDialog, CDocTemplate* pTemplate) {
    CString filter;
    CString extension;
    CString name;
    if (pTemplate && pTemplate->GetDocString(name, CDocTemplate::filterName) &&
        pTemplate->GetDocString(extension, CDocTemplate::filterExt)) {
        filter = name + "|*" + extension + "|";
    }
    filter += "All Files (*.*)|*.*||";
    CString title;
    if (nIDSTitle == 0 || !title.LoadString(nIDSTitle)) {
        title = bOpenFileDialog ? "Open" : "Save As";
    }
    CFileDialog dialog(bOpenFileDialog, extension.IsEmpty() ? nullptr : extension.GetString(),
                       fileName.IsEmpty() ? nullptr : fileName.GetString(),
                       lFlags | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, filter, m_pMainWnd);
    dialog.m_ofn.lpstrTitle = title;
    if (dialog.DoModal() != IDOK) {
        return FALSE;
    }
    fileName = dialog.GetPathName();
    return TRUE;
}

BOOL CWinApp::SaveAllModified() {
    for (CDocTemplate* pTemplate : m_templates) {
        for (POSITION pos = pTemplate->GetFirstDocPosition(); pos;) {
            if (!pTemplate->GetNextDoc(pos)->SaveModified()) {
                return FALSE;
            }
        }
    }
    return TRUE;
}

void CWinApp::CloseAllDocuments(BOOL) {
    for (CDocTemplate* pTemplate : m_templates) {
        std::vector<CDocument*> documents;
        for (POSITION pos = pTemplate->GetFirstDocPosition(); pos;) {
            documents.push_back(pTemplate->GetNextDoc(pos));
        }
        for (CDocument* doc : documents) {
            // Closing one document may have closed another.
            bool open = false;
            for (POSITION pos = pTemplate->GetFirstDocPosition(); pos && !open;) {
                open = pTemplate->GetNextDoc(pos) == doc;
            }
            if (open) {
                doc->OnCloseDocument();
            }
        }
    }
}

HICON CWinApp::LoadIcon(UINT nIDResource) const {
    const LPCSTR name = MAKEINTRESOURCE(nIDResource);
    return ::LoadIcon(AfxFindResourceHandle(name, RT_GROUP_ICON), name);
}

void CWinApp::EnableShellOpen() {}

void CWinApp::RegisterShellFileTypes(BOOL) {}

CWinApp* AfxGetApp() {
    return g_app;
}

CWnd* AfxGetMainWnd() {
    return g_app ? g_app->m_pMainWnd : nullptr;
}
