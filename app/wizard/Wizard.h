#pragma once
// The setup wizard: a property sheet in wizard mode over twelve fixed pages. The pages are only
// containers; the sheet keeps a track and a step code, and its step machine decides for every
// step which page shows what, what Next, Back and Finish do, and which files are made, opened or
// transferred. A task that lets the user edit a group ends the wizard, leaves its place in the
// profile section "Wizard", and the main frame resumes it when the group window closes.
//
// Ownership: the sheet owns its pages and the sweep file of the band and spectrum steps; an open
// sweep file is abandoned (never stored) when the sheet goes.
#include "platform/afx/CPropertySheet.h"

#include <array>
#include <cstdint>
#include <memory>

class CRig;
class CWizardPageBase;
class File;
class Range;
struct WizardStepText;

class CWizard : public CPropertySheet {
    DECLARE_DYNAMIC(CWizard)

public:
    static constexpr int kPageCount = 12;
    // Modes other than these set the track and start at the beginning.
    static constexpr int kModeResume = -1;
    static constexpr int kModeStart = 0;
    static constexpr int kModeScanList = 1;

    // Mode 0 starts at the welcome page, 1 sets up the scan list of `rig` on track 1, -1 resumes
    // where the profile says.
    CWizard(int mode, CWnd* parent, CRig* rig);
    ~CWizard() override;

    virtual void ShowStep(CPropertyPage* page);
    // The template of the page to show next, -1 to stay, 0 for the next page in order.
    virtual LRESULT OnNext(CPropertyPage* page);
    virtual LRESULT OnBack(CPropertyPage* page);
    // TRUE closes the sheet.
    virtual BOOL OnFinish(CPropertyPage* page);
    // 0 when the radio takes a scan list of the one file; 1 (after telling the user) when not.
    virtual int UseGroupAsScanList(CString file, UINT objectKind);

    CWizardPageBase* Page(int number) const;

    CString fileName;
    CString scanListName;
    CRig* rig = nullptr;
    File* sweepFile = nullptr;
    std::int32_t track = 0;
    std::uint32_t step = 0;

private:
    // Showing.
    void ShowTexts(CWizardPageBase& page, const WizardStepText& text);
    void ShowButtons();
    void ShowIcon(CWizardPageBase& page, UINT icon);
    void ShowSweepRange(CWizardPageBase& page);
    void ShowExampleScanList(CWizardPageBase& page);
    CString Expand(const char* text) const;

    // Next.
    LRESULT NextOnGettingStarted(CWizardPageBase& page);
    LRESULT NextOnScanListSetup(CWizardPageBase& page);
    bool CheckFileName(CWizardPageBase& page);
    bool CheckSweepRange(CWizardPageBase& page);
    int ChoiceOf(CWizardPageBase& page) const;
    // "PC to Radio" from `fileName`; false when the group is not for the radio (then step 100).
    bool PcToRadio(bool checkType);
    void RadioToPc();
    void AbandonSweep();

    // Finish.
    BOOL FinishGettingStarted();
    BOOL FinishScanListSetup();
    // A new group of the radio's type saved to `fileName`; true when it was.
    bool SaveNewGroup();
    void OpenGroupWindow();
    void SaveResumeState(int page, std::uint32_t resumeStep);
    void OpenWithTemplate(UINT templateId, const CString& path);

    std::array<std::unique_ptr<CWizardPageBase>, kPageCount> m_pages;
    // The range the sweep file is to store, when the file held none.
    std::unique_ptr<Range> m_newRange;
};
