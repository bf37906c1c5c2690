#pragma once
// The setup wizard's twelve pages, CWizardPage0 to CWizardPage11 on templates 28551 to 28562. The
// sheet makes them by class name and fills their members for each step.
#include "app/wizard/WizardPageBase.h"
#include "platform/instruments/CiAnalogOutputX.h"

#include <array>

// Welcome, with the start-up check box.
class CWizardPage0 : public CWizardPageBase {
    DECLARE_DYNCREATE(CWizardPage0)

public:
    CWizardPage0();
    BOOL OnSetActive() override;

    int showAtStartup = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnShowAtStartup();
    DECLARE_MESSAGE_MAP()
};

// Up to five choices.
class CWizardPage1 : public CWizardPageBase {
    DECLARE_DYNCREATE(CWizardPage1)

public:
    static constexpr std::size_t kChoices = 5;

    CWizardPage1();
    BOOL OnSetActive() override;

    std::array<CString, kChoices> choiceText;
    // Positive: the choice is shown.
    std::array<int, kChoices> choiceShown{1, 1, 1, 1, 1};
    // -1: none chosen.
    int choice = -1;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};

// A file name with a browse button: a new or an existing group file or DMA profile.
class CWizardFilePage : public CWizardPageBase {
    DECLARE_DYNAMIC(CWizardFilePage)

public:
    struct Kind {
        bool newFile;
        // Without the dot, in capitals, as the browse dialog takes it.
        const char* extension;
        const char* title;
        const char* filter;
    };

    CWizardFilePage(UINT nIDTemplate, Kind kind);
    const Kind& FileKind() const { return m_kind; }

    CString fileName;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnBrowse();
    DECLARE_MESSAGE_MAP()

private:
    Kind m_kind;
};

class CWizardPage2 : public CWizardFilePage {
    DECLARE_DYNCREATE(CWizardPage2)

public:
    CWizardPage2();
};

// A sweep range: start and end in MHz, the step in kHz.
class CWizardPage3 : public CWizardPageBase {
    DECLARE_DYNCREATE(CWizardPage3)

public:
    CWizardPage3();

    double start = 0;
    double end = 0;
    double step = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    CiAnalogOutputX m_start;
    CiAnalogOutputX m_step;
    CiAnalogOutputX m_end;
};

class CWizardPage4 : public CWizardPageBase {
    DECLARE_DYNCREATE(CWizardPage4)

public:
    CWizardPage4();
};

class CWizardPage5 : public CWizardFilePage {
    DECLARE_DYNCREATE(CWizardPage5)

public:
    CWizardPage5();
};

// Pages 6 and 7 have no controls, and no step shows them.
class CWizardPage6 : public CWizardPageBase {
    DECLARE_DYNCREATE(CWizardPage6)

public:
    CWizardPage6();
};

class CWizardPage7 : public CWizardPageBase {
    DECLARE_DYNCREATE(CWizardPage7)

public:
    CWizardPage7();
};

class CWizardPage8 : public CWizardPageBase {
    DECLARE_DYNCREATE(CWizardPage8)

public:
    CWizardPage8();
};

// The last step of a task: the tool-bar button that does the same, with its icon.
class CWizardPage9 : public CWizardPageBase {
    DECLARE_DYNCREATE(CWizardPage9)

public:
    CWizardPage9();

    CString text;
    CString toolBarLine;
    CString finishLine;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};

class CWizardPage10 : public CWizardFilePage {
    DECLARE_DYNCREATE(CWizardPage10)

public:
    CWizardPage10();
};

class CWizardPage11 : public CWizardFilePage {
    DECLARE_DYNCREATE(CWizardPage11)

public:
    CWizardPage11();
};
