// Showing a step: the page's texts, choices, icon and range, and the sheet's buttons.
#include "app/rig/Rig.h"
#include "app/wizard/Wizard.h"
#include "app/wizard/WizardPages.h"
#include "app/wizard/WizardTexts.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/tessary/model/File.h"
#include "platform/tessary/model/Range.h"
#include "platform/win/controls/ControlMessages.h"
#include "resources/ResourceIds.h"

#include <algorithm>

namespace {

constexpr std::uint32_t kMismatchStep = 100;

// The steps whose page ends a task: Back and Finish.
constexpr std::uint32_t kLastStepsOfTrack0[] = {1003, 1011, 1201, 1301, 1501,
                                                1600, 1701, 1801, 1901};
constexpr std::uint32_t kLastStepsOfTrack1[] = {1001, 1011, 1102, 1112, 1201, 1204, 1301};

struct SweepDefault {
    std::uint32_t step;
    const char* name;
    std::uint32_t lower;
    std::uint32_t upper;
};
constexpr SweepDefault kSweepDefaults[] = {
    {1500, "UHF Police Band", 460'000'000, 460'625'000},
    {1800, "NOAA Weather", 162'400'000, 162'550'000},
};
constexpr std::uint32_t kSweepStep = 25'000;

constexpr double kHzPerMHz = 1'000'000.0;
constexpr double kHzPerKHz = 1'000.0;

template <std::size_t N>
bool Holds(const std::uint32_t (&steps)[N], std::uint32_t step) {
    return std::find(std::begin(steps), std::end(steps), step) != std::end(steps);
}

} // namespace

void CWizard::ShowStep(CPropertyPage* shown) {
    auto* page = dynamic_cast<CWizardPageBase*>(shown);
    if (!page) {
        return;
    }
    SetWindowText(CString(CScanApp::GetScanApp()->GetProductName()) + " Wizard");
    const WizardStepText* text = FindWizardStepText(track, step);
    if (text && text->rigTitle && (track == 0 || !rig)) {
        rig = CRig::SelectRig(text->rigTitle, CRig::kNoWizardOffer, 0);
        if (!rig && track == 1) {
            // Without a radio there is no scan list to set up.
            EndDialog(IDCANCEL);
            return;
        }
    }
    if (text) {
        ShowTexts(*page, *text);
    }
    if (track == 0 && (step == 1500 || step == 1800)) {
        ShowSweepRange(*page);
    }
    if (track == 1 && step == 1300) {
        ShowExampleScanList(*page);
    }
    if (track == 1 && (step == 1204 || step == 1301) && rig) {
        scanListName = rig->m_section + ".sws";
    }
    ShowButtons();
    page->UpdateData(FALSE);
}

void CWizard::ShowTexts(CWizardPageBase& page, const WizardStepText& text) {
    page.m_titleText = Expand(text.title);
    page.m_subtitleText = Expand(text.subtitle);
    if (auto* tools = dynamic_cast<CWizardPage9*>(&page)) {
        tools->text = Expand(text.body);
        tools->toolBarLine = Expand(text.toolBarLine);
        tools->finishLine = Expand(text.finishLine);
        ShowIcon(page, text.icon);
        return;
    }
    page.m_body = Expand(text.body);
    if (auto* choices = dynamic_cast<CWizardPage1*>(&page)) {
        for (std::size_t n = 0; n < CWizardPage1::kChoices; ++n) {
            const char* choice = text.choices[n];
            if (track == 1 && step == 3 && n == 2 && rig && rig->m_trunk) {
                choice = "Create a new group file and enter frequencies manually.";
            }
            choices->choiceText[n] = Expand(choice);
            choices->choiceShown[n] = choice ? 1 : 0;
        }
    }
}

void CWizard::ShowIcon(CWizardPageBase& page, UINT icon) {
    const HICON handle = icon ? AfxGetApp()->LoadIcon(icon) : HICON{};
    page.SendDlgItemMessage(IDC_WIZARD_ICON, STM_SETICON,
                            static_cast<WPARAM>(hb::win::ParamFromHandle(handle)));
}

void CWizard::ShowButtons() {
    DWORD buttons = PSWIZB_BACK | PSWIZB_NEXT;
    if (step == 0) {
        buttons = PSWIZB_NEXT;
    } else if (step == kMismatchStep) {
        buttons = PSWIZB_FINISH;
    } else if ((track == 0 && Holds(kLastStepsOfTrack0, step)) ||
               (track == 1 && Holds(kLastStepsOfTrack1, step))) {
        buttons = PSWIZB_BACK | PSWIZB_FINISH;
    }
    PostMessage(PSM_SETWIZBUTTONS, 0, static_cast<LPARAM>(buttons));
}

void CWizard::ShowSweepRange(CWizardPageBase& page) {
    auto* range = dynamic_cast<CWizardPage3*>(&page);
    const bool band = step == 1500;
    for (const UINT id : {IDC_WIZARD_STEP, IDC_WIZARD_STEP_LABEL}) {
        if (CWnd* control = page.GetDlgItem(static_cast<int>(id))) {
            control->ShowWindow(band ? SW_SHOW : SW_HIDE);
        }
    }
    if (!rig || !range) {
        return;
    }
    // A file left open by an earlier showing is dropped unstored.
    AbandonSweep();
    fileName = rig->m_name + ".swa";
    CScanApp::GetScanApp()->MakeDocPath(fileName);
    sweepFile = new File(fileName.str());
    auto* stored = dynamic_cast<Range*>(sweepFile->root());
    if (!stored) {
        const SweepDefault& seed = band ? kSweepDefaults[0] : kSweepDefaults[1];
        sweepFile->abandon();
        delete sweepFile;
        m_newRange = std::make_unique<Range>();
        m_newRange->setName(seed.name);
        m_newRange->setLimits(seed.lower, seed.upper, kSweepStep);
        sweepFile = new File(fileName.str(), m_newRange.get());
        stored = m_newRange.get();
    }
    range->start = stored->lower() / kHzPerMHz;
    range->end = stored->upper() / kHzPerMHz;
    range->step = stored->step() / kHzPerKHz;
}

void CWizard::ShowExampleScanList(CWizardPageBase& page) {
    if (!rig) {
        return;
    }
    CString report;
    rig->CreateDefaultScanList(&report);
    page.m_body += report + "\nThese files contain frequencies that should yield traffic in most "
                            "areas.";
}
