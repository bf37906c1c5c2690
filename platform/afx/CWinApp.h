#pragma once
#include "platform/afx/CCmdTarget.h"
#include "platform/afx/CString.h"
#include "platform/afx/Position.h"
#include "platform/win/store/Registry.h"

#include <optional>
#include <string>
#include <vector>

class CCommandLineInfo;
class CDocTemplate;
class CDocument;
class CWnd;
class CWinApp;

namespace hb::afx {
std::optional<int> StartApplication(CWinApp& app, const std::string& commandLine, int nCmdShow);
// The arguments of a command line: separated by white space, double quotes group.
std::vector<std::string> SplitCommandLine(LPCSTR line);
} // namespace hb::afx

// The one application object: it holds the main window and the document templates, runs the
// message loop, and keeps the settings under HKEY_CURRENT_USER\Software\<registry key>\<name>.
// Commands that no window handles end here.
class CWinApp : public CCmdTarget {
    DECLARE_DYNAMIC(CWinApp)

public:
    // Becomes the object AfxGetApp returns. Without a name the program's file name (without
    // folder and extension) is the application's name.
    explicit CWinApp(LPCSTR lpszAppName = nullptr);
    // Deletes the templates; AfxGetApp returns null after.
    ~CWinApp() override;

    // TRUE to run the message loop. FALSE ends the program: the main window, if any, is
    // destroyed and ExitInstance runs.
    virtual BOOL InitInstance();
    // The message loop: while the queue is empty OnIdle(0), OnIdle(1), ... until it returns
    // FALSE; then one message through PumpMessage. Ends on WM_QUIT with ExitInstance's result.
    virtual int Run();
    // 0: the CCmdUI pass (WM_IDLEUPDATECMDUI to the main window and its descendants), TRUE for
    // more; 1: the temporary window objects are freed, FALSE.
    virtual BOOL OnIdle(LONG lCount);
    // Returns the WM_QUIT exit code.
    virtual int ExitInstance();
    // Every message of the loop: offered to the windows from its target up to the main window.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // GetMessage, PreTranslateMessage, TranslateMessage and DispatchMessage; FALSE on WM_QUIT.
    BOOL PumpMessage();

    // Splits m_lpCmdLine into arguments (white space; double quotes group) and hands them to
    // ParseParam. "-x" is a flag; so is "/x" when it holds no other separator and no '.'.
    void ParseCommandLine(CCommandLineInfo& rCmdInfo);
    // FileNew: ID_FILE_NEW (or OnFileNew), TRUE when there is a main window; FileOpen:
    // OpenDocumentFile; FileNothing: nothing. FALSE ends the start.
    BOOL ProcessShellCommand(CCommandLineInfo& rCmdInfo);

    // The application owns the template from then on.
    void AddDocTemplate(CDocTemplate* pTemplate);
    POSITION GetFirstDocTemplatePosition() const;
    CDocTemplate* GetNextDocTemplate(POSITION& rPos) const;
    // By the template that suits the file best; a document already open on it is activated
    // instead. Null when it cannot be opened.
    virtual CDocument* OpenDocumentFile(LPCSTR lpszFileName);
    // A new document of the first template.
    void OnFileNew();
    // Asks for a file (DoPromptFileName) and opens it.
    void OnFileOpen();
    // Closes the main window.
    void OnAppExit();
    // The file dialog (CFileDialog) with the template's filter and extension, then all files;
    // FALSE when cancelled.
    virtual BOOL DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags,
                                  BOOL bOpenFileDialog, CDocTemplate* pTemplate);
    // SaveModified on every document; FALSE as soon as one refuses.
    BOOL SaveAllModified();
    void CloseAllDocuments(BOOL bEndSession);

    HICON LoadIcon(UINT nIDResource) const;

    // The settings go under HKEY_CURRENT_USER\Software\<lpszRegistryKey>\<application name>.
    // Without a registry key the profile reads give the defaults and the writes fail.
    void SetRegistryKey(LPCSTR lpszRegistryKey);
    // Opened or created; the caller closes them. Null without a registry key.
    HKEY GetAppRegistryKey();
    HKEY GetSectionKey(LPCSTR lpszSection);
    virtual UINT GetProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault);
    virtual CString GetProfileString(LPCSTR lpszSection, LPCSTR lpszEntry,
                                     LPCSTR lpszDefault = nullptr);
    // *ppData is a new[] copy the caller deletes; FALSE (null, 0) when there is no such value.
    virtual BOOL GetProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, BYTE** ppData,
                                  UINT* pBytes);
    virtual BOOL WriteProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue);
    // No value deletes the entry, no entry the whole section.
    virtual BOOL WriteProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszValue);
    virtual BOOL WriteProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, BYTE* pData, UINT nBytes);

    // Nothing to do without a shell.
    void EnableShellOpen();
    void RegisterShellFileTypes(BOOL bCompat = FALSE);

    CWnd* m_pMainWnd = nullptr;
    HINSTANCE m_hInstance;
    // The command line, writable in place.
    LPSTR m_lpCmdLine;
    int m_nCmdShow = SW_SHOWNORMAL;
    LPCSTR m_pszAppName;
    LPCSTR m_pszExeName;
    LPCSTR m_pszRegistryKey = nullptr;
    LPCSTR m_pszProfileName = nullptr;

    DECLARE_MESSAGE_MAP()

private:
    friend std::optional<int>
    hb::afx::StartApplication(CWinApp& app, const std::string& commandLine, int nCmdShow);

    // The section's key, created or only opened; null when there is none.
    HKEY OpenSection(LPCSTR lpszSection, bool create);

    std::string m_appName;
    std::string m_exeName;
    std::string m_registryKey;
    std::string m_profileName;
    std::string m_commandLine;
    std::vector<CDocTemplate*> m_templates;
    int m_nQuitCode = 0;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
