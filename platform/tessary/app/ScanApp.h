#pragma once
// The application base of every program built on the core library: its settings in three scopes,
// its folders and settings file, diagnostics, start-up services, users, colours and fonts, window
// positions, and the hooks through which the library calls back into the program.
//
// Settings live in the registry store:
//   user     HKEY_CURRENT_USER\Software\Corvanta\<product>\<section>
//   suite    HKEY_CURRENT_USER\Software\Corvanta\Suite\<section>  (shared by the maker's programs)
//   machine  HKEY_LOCAL_MACHINE\Software\Corvanta\<product>\<section>  (read only)
// The private settings file is "<config folder>/<product>.ini", beside the registry files.

#include "platform/afx/CWinApp.h"
#include "platform/tessary/app/AppColors.h"
#include "platform/tessary/app/Product.h"
#include "platform/win/gdi/Fonts.h"

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

class CDocTemplate;
class CWnd;
class Radio;

class CScanApp : public CWinApp {
    DECLARE_DYNAMIC(CScanApp)

public:
    static constexpr LPCSTR kCompanyName = "Corvanta";
    static constexpr std::size_t kDeviceTableSize = 133;
    static constexpr BYTE kDeviceSupported = 0xFF;
    static constexpr int kFontCount = 4;

    // The settings are kept under the company's key in the product's name from here on.
    explicit CScanApp(LPCSTR productName);
    ~CScanApp() override;

    // The application object, or null when there is none or it is not a CScanApp.
    static CScanApp* GetScanApp();

    // User scope. A read gives the default when the value is absent or of another type. A write
    // that cannot reach the settings file tells the user so, once per run, naming the file and
    // the reason.
    BOOL WriteProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue) override;
    BOOL WriteProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszValue) override;
    BOOL WriteProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, BYTE* pData,
                            UINT nBytes) override;
    int GetProfileIntA(LPCSTR section, LPCSTR entry, int defaultValue);
    CString GetProfileStringA(LPCSTR section, LPCSTR entry, LPCSTR defaultValue = nullptr);
    BOOL WriteProfileStringA(LPCSTR section, LPCSTR entry, LPCSTR value);
    // Reads a REG_BINARY value of a key (GetSectionKey) only when it holds exactly `size` bytes;
    // otherwise FALSE and `data` is left as it was.
    static BOOL ReadBinaryValue(HKEY key, LPCSTR name, void* data, DWORD size);

    // Suite scope; writes as the user scope's.
    int GetSuiteProfileInt(LPCSTR section, LPCSTR entry, int defaultValue);
    CString GetSuiteProfileString(LPCSTR section, LPCSTR entry, LPCSTR defaultValue = nullptr);
    BOOL WriteSuiteProfileInt(LPCSTR section, LPCSTR entry, int value);
    BOOL WriteSuiteProfileString(LPCSTR section, LPCSTR entry, LPCSTR value);

    // Machine scope.
    int GetMachineProfileInt(LPCSTR section, LPCSTR entry, int defaultValue);

    // The program's folder and the documents folder, each ending in '/', and the settings file.
    const CString& GetAppFolder() const { return m_appFolder; }
    const CString& GetDocFolder() const { return m_docFolder; }
    const CString& GetSettingsFile() const { return m_settingsFile; }
    // In place: a relative name becomes a path in the documents folder; absolute paths and empty
    // names stay as they are. Both '\' and '/' separate folders.
    void MakeDocPath(CString& path) const;
    // In place: a file directly in the documents folder becomes its bare name.
    void RemoveDocPath(CString& path) const;
    // In place: a bare file name becomes that file in the documents folder; a path that names a
    // folder stays as it is. The case is kept.
    void OrganizeFile(CString& path) const;
    // In place: a relative name becomes a path in the program's folder.
    void MakeAppPath(CString& path) const;
    // Non-zero refuses a new document or a radio choice; 0 unless a test sets otherwise.
    int ParsePathName() const { return m_parsePathName; }
    void SetParsePathNameResult(int result) { m_parsePathName = result; }
    // The file being opened through the application, empty otherwise.
    const CString& GetPathName() const { return m_pathName; }

    // Appends "time source(line)" to the file HB_TRACE names; nothing when it is not set.
    static void Trace(LPCSTR source, int line);
    // Records the call (see AppHooks.h), then shows a box of `type` over the main window.
    void ErrorMessage(LPCSTR who, LPCSTR title, LPCSTR source, int ref, std::uint16_t status,
                      std::uint32_t type = 0x10, int reserved = 0);

    // Non-zero when the companion file is missing, has no version record or is older than
    // a.b.c.d. The file is read, not loaded.
    int FileVersionCheck(LPCSTR name, int a, int b, int c, int d);
    // Stores the product, prepares the folders and the settings file and reads the settings;
    // 0 when the folders cannot be made.
    int AppSetup(const product& info);
    const product& GetProduct() const { return m_product; }
    // Makes the config and documents folders and settles the settings file's path; FALSE when a
    // folder cannot be made.
    virtual BOOL SetupSettingsFile();
    // The program fills in a missing settings file here; nothing by default.
    virtual void CopySampleSettings();
    // Nothing to show here.
    virtual void SplashScreen(int mode, UINT bitmapId);
    // The program fills m_deviceTable here; nothing by default.
    virtual void BuildDeviceTable();
    void Logout(int level);
    // Deletes the key and everything below it; an empty path is refused.
    LONG DeleteRegTree(HKEY root, LPCSTR path);
    void SetMasterMenu(UINT id) { m_masterMenu = id; }
    UINT GetMasterMenu() const { return m_masterMenu; }
    void SetFontDialogTitle(int index, LPCSTR title);
    CString GetFontDialogTitle(int index) const;

    // Users. Non-zero from AccessCheck refuses the operation.
    BOOL IsAdminUser() const { return m_admin; }
    int AccessCheck(int level, int line, LPCSTR source);
    BOOL IsUserAccountControlOn() const { return m_userAccountControl; }
    void SetAdminUser(bool admin) { m_admin = admin; }
    void SetUserAccountControlOn(bool on) { m_userAccountControl = on; }
    void SetAccessResult(int level, int result) { m_access[level] = result; }

    // The colour table; an index out of range reads 0 and is not written.
    COLORREF Color(int index) const;
    void SetColor(int index, COLORREF color);
    // 0 normal, 1 red, 2 green (the "Settings"/"DisplayColorMode" user setting).
    int GetDisplayColorMode() const { return m_displayColorMode; }
    void SetDisplayColorMode(int mode);
    hb::tessary::NamedColors& Colors() { return m_namedColors; }
    const hb::tessary::NamedColors& Colors() const { return m_namedColors; }
    // The table as stored: the defaults with the stored "Colors" suite values over them.
    virtual void AdjustColors(BYTE depth);
    // Lets the user choose one table entry (colour dialog) and stores it.
    void AdjustColorEntry(BYTE index);
    // Forgets the stored colours, then AdjustColors with the last depth.
    void ResetColors();

    // The four fonts: 0 default (the application's font description), 1 grid, 2 history list,
    // 3 tactical display.
    const LOGFONT& GetLogFont() const { return m_fonts[0]; }
    const LOGFONT& GetFontDescription(int index) const;
    // Made from the default font: as it is, and bold.
    HFONT GetListFont() const { return m_listFont; }
    HFONT GetCaptionFont() const { return m_captionFont; }
    // Lets the user choose font `index` (font dialog with its title) and stores it.
    void SelectFont(int index);
    // The default font when none is stored.
    virtual void BuildStyleFont(LOGFONT& font);
    // Styles the child windows of a form; nothing by default.
    virtual void ApplyVisualStyle(CWnd* parent);

    // "left,top,right,bottom,maximized" under "WindowPositions"/`name`. A minimised window keeps
    // what was stored; a maximised one keeps its stored normal rectangle.
    void SaveWindowPosition(CWnd* wnd, LPCSTR name);
    // FALSE when nothing usable is stored (a top-level window must stay on the screen).
    BOOL RestoreWindowPosition(CWnd* wnd, LPCSTR name);

    // The name is completed with MakeDocPath, and is the current path name while it opens.
    CDocument* OpenDocumentFile(LPCSTR lpszFileName) override;
    virtual void OnFileOpen();
    // Asks for a file of the template and opens it; a null template only beeps.
    virtual void OnFileOpen(CDocTemplate* pTemplate);
    // Frees the fonts.
    int ExitInstance() override;

    // Operations that have nothing to do here; each call is recorded (see AppHooks.h).
    void ChangeRadioFilesDirectory();
    void GlobalAudioSettings();
    void SetupRadioDir();
    void SetupRadioDirDefaults();
    // Answers from the device support table.
    BOOL IsDeviceSupported(int type);

    // Every new Radio passes here; nothing by default.
    virtual void TailorRadioFunctions(Radio* radio);
    // Empty hooks the program may fill in.
    virtual void SortDocFileHook(LPARAM a, LPARAM b, LPARAM c);
    virtual void RestrictRadioTypeHook(LPCSTR text, LPARAM a, LPARAM b, LPARAM c);

    LPCSTR GetProductName() const { return m_pszAppName; }
    LPCSTR GetCompanyName() const { return kCompanyName; }
    DWORD GetWindowsMajorVersion() const { return m_windowsMajor; }

    // Long work: a busy period shows the wait cursor and its text on the main frame's status bar
    // until it ends; periods nest, the outermost one counts. Suspend lets the one message pump
    // run once over what is due, so windows paint and timers tick during the work.
    BOOL IsBusyPeriod() const { return m_busyDepth > 0; }
    void BusyPeriodStart(CWnd* frame, UINT id, LPCSTR title, LPCSTR text);
    void BusyPeriodEnd();
    int Suspend(int caller);
    // Every busy period started, as "id title: text", for tests.
    const std::vector<std::string>& BusyPeriodLog() const { return m_busyPeriodLog; }

    // Read-only to the program; tests set them.
    BOOL IsAudioLoggingUnavailable() const { return m_audioUnavailable; }
    BOOL IsForcedSimpleMode() const { return m_forcedSimpleMode; }
    void SetAudioLoggingUnavailable(bool unavailable) { m_audioUnavailable = unavailable; }
    void SetForcedSimpleMode(bool forced) { m_forcedSimpleMode = forced; }

    // 0xFF for each supported RadioTypeCode.
    std::array<BYTE, kDeviceTableSize> m_deviceTable{};
    BOOL m_started = FALSE;
    BOOL m_simpleMode = FALSE;
    BOOL m_muteInactive = FALSE;
    BOOL m_muteWhenMinimized = FALSE;

private:
    static std::string SuiteKey(LPCSTR section);
    // `written`, after telling the user of the first settings file that could not be written.
    BOOL Saved(BOOL written);
    void ReadSettings();
    void LoadFonts();
    void MakeFonts();
    void FreeFonts();
    void LoadColors();

    product m_product{};
    std::string m_maker;
    CString m_appFolder;
    CString m_docFolder;
    CString m_settingsFile;
    CString m_pathName;
    CString m_fontTitles[kFontCount];
    LOGFONT m_fonts[kFontCount]{};
    HFONT m_listFont{};
    HFONT m_captionFont{};
    hb::tessary::ColorTable m_colors = hb::tessary::kDefaultColors;
    hb::tessary::NamedColors m_namedColors;
    BYTE m_colorDepth = 32;
    int m_displayColorMode = hb::tessary::kDisplayColorNormal;
    int m_parsePathName = 0;
    UINT m_masterMenu = 0;
    DWORD m_windowsMajor = 0;
    bool m_admin = false;
    bool m_userAccountControl = false;
    bool m_saveFailureShown = false;
    std::map<int, int> m_access;
    BOOL m_audioUnavailable = FALSE;
    BOOL m_forcedSimpleMode = FALSE;
    int m_busyDepth = 0;
    std::vector<std::string> m_busyPeriodLog;
};
