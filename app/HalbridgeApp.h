#pragma once
// The application: it brings the program up (companion checks, settings, document templates, one
// rig per configured radio, the main frame), carries the application-wide commands while the
// program runs, and takes everything down again in the exit step.

#include "platform/tessary/app/ScanApp.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <string>

class CFont;
class CMultiDocTemplate;
class CRadioConfig;
class CXTButton;
class CXTPButton;
class CXTPCommandBars;
class CiAnalogDisplayX;
class CiAnalogOutputX;
class CiAngularGaugeX;
class CiEditX;
class CiKnobX;
class CiLabelX;
class CiLedBarX;
class CiLedRectangleX;
class CiModeComboBoxX;
class CiPanelX;
class CiSevenSegmentAnalogX;
class CiSevenSegmentClockSMPTEX;
class CiSevenSegmentClockX;
class CiSevenSegmentIntegerX;
class CiSliderX;
class CiSwitchLedX;
class CiSwitchQuadX;
class CiSwitchSliderX;
class CiSwitchToggleX;

class CHalbridgeApp : public CScanApp {
public:
    static constexpr UINT kMainResource = 27000;
    // The setup wizard's command of the main frame.
    static constexpr UINT kWizardCommand = 28571;
    // RunConfiguration's modes; any other mode is the start-up check.
    static constexpr BYTE kConfigurationMenu = 0;
    static constexpr BYTE kRadioConfiguration = 1;
    static constexpr BYTE kStartupCheck = 0xFF;

    CHalbridgeApp();

    // The exit status of a start-up that ended early on a failure.
    static constexpr int kStartupFailed = 1;

    // The running application, or null when there is none.
    static CHalbridgeApp* Get();

    // Start-up: TRUE when the main window is up. Every failure ends start-up with one line on the
    // standard error naming its cause, and the exit step then returns kStartupFailed. A stop asked
    // for ends start-up at its next step, and is no failure.
    BOOL InitInstance() override;
    // When the queue is empty: without a main window the loop is told to quit.
    BOOL OnIdle(LONG lCount) override;
    // Keyboard and mouse input holds off the main frame's cycling of its windows.
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // Destroys the rigs (saving their sweep settings), then frees the resource library.
    int ExitInstance() override;

    // From any thread: the program is to end in order (a signal asked for it).
    void RequestStop();
    bool StopRequested() const;

    // Each clears the rig selection first, so that the window opened chooses its own rig.
    CDocument* OpenDocumentFile(LPCSTR lpszFileName) override;
    void OnFileOpen() override;
    void OnFileOpen(CDocTemplate* pTemplate) override;

    void CopySampleSettings() override;
    void BuildDeviceTable() override;
    void TailorRadioFunctions(Radio* radio) override;

    // 0 with the menu; the radio configuration dialog's result with the radio configuration;
    // for the start-up check 0 when the engine accepts the configuration and 1 when start-up
    // must stop.
    virtual int RunConfiguration(LPCSTR settingsFile, BYTE mode);
    // Destroys the rigs that are not permanent and makes one for each usable radio entry.
    virtual void LoadRadios();
    // One database template per installed database format.
    virtual void AddDatabaseTemplates();
    // Places `id` after `after` on the function page, unless it is there already, `after` is not,
    // or the page is full.
    virtual void InsertRadioFunction(Radio* radio, std::size_t page, WORD id, WORD after);
    virtual void RemoveRadioFunction(Radio* radio, std::size_t page, std::size_t index);

    // The colour set of the current theme goes into the colour table and the suite's "Colors",
    // in the normal colour mode at depth 32 or more; another colour mode drops the style first.
    void AdjustColors(BYTE depth) override;
    // -13 pixels, normal weight: "Tahoma" under a theme, "Arial" without.
    void BuildStyleFont(LOGFONT& font) override;
    // The command bars' own fixed look; the style and the theme go back to 0.
    void ResetCommandBarTheme(CXTPCommandBars* bars);

    // Gives each child of the parent, by its window class, the colours, font and borders of the
    // colour table, the style, the theme and the display colour mode.
    void ApplyVisualStyle(CWnd* parent) override;
    // One per kind of control. A null control, or one without a window, is left alone. A font,
    // when given, goes to the button with a redraw.
    virtual void ApplyLedRectangleStyle(CiLedRectangleX* control);
    virtual void ApplyKnobStyle(CiKnobX* control);
    virtual void ApplyEditStyle(CiEditX* control);
    virtual void ApplyPanelStyle(CiPanelX* control);
    virtual void ApplyLabelStyle(CiLabelX* control);
    virtual void ApplyClockStyle(CiSevenSegmentClockX* control);
    virtual void ApplyClockSMPTEStyle(CiSevenSegmentClockSMPTEX* control);
    virtual void ApplyAngularGaugeStyle(CiAngularGaugeX* control);
    virtual void ApplyLedBarStyle(CiLedBarX* control);
    virtual void ApplySwitchToggleStyle(CiSwitchToggleX* control);
    virtual void ApplySwitchSliderStyle(CiSwitchSliderX* control);
    virtual void ApplySwitchQuadStyle(CiSwitchQuadX* control);
    virtual void ApplyStyleButtonTheme(CXTPButton* button, CFont* font);
    virtual void ApplyXTButtonStyle(CXTButton* button, CFont* font);
    virtual void ApplyButtonTheme(CXTPButton* button, CFont* font);
    virtual void ApplySliderStyle(CiSliderX* control);
    virtual void ApplySwitchLedStyle(CiSwitchLedX* control);
    virtual void ApplyAnalogOutputStyle(CiAnalogOutputX* control);
    virtual void ApplyAnalogDisplayStyle(CiAnalogDisplayX* control);
    virtual void ApplyModeComboBoxStyle(CiModeComboBoxX* control);
    virtual void ApplySevenSegmentAnalogStyle(CiSevenSegmentAnalogX* control);
    virtual void ApplySevenSegmentIntegerStyle(CiSevenSegmentIntegerX* control);

    // The visual style (0 or 1) and theme (0 to 3) that choose colours, fonts and button looks.
    int m_visualStyle = 0;
    int m_visualTheme = 0;
    // "Settings"/"UseCompactView" as read at start-up.
    BOOL m_compactView = FALSE;
    // Set when the configuration menu has run; the volume view rebuilds its rows and clears it.
    BOOL m_mixerRebuild = FALSE;

protected:
    void OnFileNewGroup();
    void OnFileNewRange();
    void OnSpectrumAnalyzer();
    void OnBandScope();
    void OnRadioControl();
    void OnWindowsVolume();
    void OnWindowsRecording();
    void OnConfiguration();
    void OnRadioFilesDirectory();
    void OnHfFreqDisplay();
    void OnResetColors();
    void OnColorEntry(UINT nID);
    void OnSelectFont(UINT nID);
    void OnMasterMute();
    void OnUpdateMasterMute(CCmdUI* pCmdUI);
    void OnFileOpenAny();
    void OnUserManual();
    // The commands that are enabled and do nothing here.
    void OnIgnoredCommand();

    DECLARE_MESSAGE_MAP()

private:
    struct SweepOpener;

    // The version checks in their order, loading the two libraries right after their own checks.
    bool CheckCompanions();
    // "-reset" as a whole argument: the program's settings tree is deleted.
    bool ResetRequested() const;
    void AddDocumentTemplates();
    void NewDocument(CMultiDocTemplate* pTemplate);
    void OpenSweepWindow(const SweepOpener& opener);
    int CheckConfiguration(LPCSTR settingsFile, CRadioConfig& radios);
    // Traces the start-up step; false when start-up is to go no further.
    bool NextStep(int line);
    // FALSE, for InitInstance to return, after saying why start-up ends.
    BOOL EndStartup(const std::string& cause);

    CMultiDocTemplate* m_groupTemplate = nullptr;
    CMultiDocTemplate* m_rangeTemplate = nullptr;
    CMultiDocTemplate* m_radioTemplate = nullptr;
    CMultiDocTemplate* m_scannerManagerTemplate = nullptr;
    CMultiDocTemplate* m_programmingManagerTemplate = nullptr;
    CMultiDocTemplate* m_webGrabberTemplate = nullptr;
    CMultiDocTemplate* m_analyzerTemplate = nullptr;
    CMultiDocTemplate* m_audioPlayerTemplate = nullptr;
    CMultiDocTemplate* m_bandScopeTemplate = nullptr;
    // Xbase, Excel, Lotus, Paradox and Jet, each made once.
    std::array<CMultiDocTemplate*, 5> m_databaseTemplates{};
    HMODULE m_companionModule;
    HMODULE m_resourceModule;
    bool m_startupFailed = false;
    std::atomic<bool> m_stopRequested{false};
};
