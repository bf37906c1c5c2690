#pragma once
// Fixture for the setup wizard: the program started with its radios, and the wizard run the way
// the program runs it, driven by a modal script through its buttons and pages.
#include "app/wizard/Wizard.h"
#include "app/wizard/WizardPages.h"
#include "platform/afx/Input.h"
#include "platform/afx/ModalScript.h"
#include "platform/tessary/model/File.h"
#include "programming/Loader.h"
#include "resources/ResourceIds.h"
#include "tests/app/ProgramTest.h"
#include "tests/app/programming/TransferRefusal.h"

#include <functional>
#include <string>

namespace hb::app::test {

// One receiver (type 42, wide coverage up to 2000 MHz).
inline constexpr const char* kOneReceiver = "[Radios]\nRadio#1=Receiver\n"
                                            "[Receiver]\nType=42\nPort=SIM\n";
// One scanner that keeps its memory by trunk system.
inline constexpr const char* kOneSystemScanner = "[Radios]\nRadio#1=Dma\n"
                                                 "[Dma]\nType=105\nPort=SIM\n";

class WizardTest : public ProgramTest {
protected:
    using Script = std::function<void(CWizard&)>;

    // The real resource library: the wizard ends in radio windows, which show its forms.
    void StartWith(const std::string& settings) {
        Settings(settings);
        UseResourceLibrary();
        ASSERT_EQ(Start(), std::nullopt);
    }
    // Runs the wizard as the program does; the script drives it once it shows. DoModal's result.
    int Run(int mode, CRig* rig, Script script) {
        hb::afx::SetModalScript(
            "CWizard", [script](CDialog& dialog) { script(dynamic_cast<CWizard&>(dialog)); });
        CWizard wizard(mode, &Main(), rig);
        return wizard.DoModal();
    }
    // Leaves the wizard through Cancel when the script left it open.
    static void Cancel(CWizard& wizard) { Press(wizard, IDCANCEL); }

    static void Press(CWizard& wizard, int id) {
        PumpUntilIdle();
        EXPECT_TRUE(hb::afx::ClickButton(wizard.m_hWnd, id)) << "button " << id;
        PumpUntilIdle();
    }
    static void Next(CWizard& wizard) { Press(wizard, ID_WIZNEXT); }
    static void Back(CWizard& wizard) { Press(wizard, ID_WIZBACK); }
    static void Finish(CWizard& wizard) { Press(wizard, ID_WIZFINISH); }
    // Picks choice n (0 to 4) of the choice page.
    static void Choose(CWizard& wizard, int n) {
        wizard.Page(1)->CheckDlgButton(static_cast<int>(IDC_WIZARD_CHOICE_1) + n, BST_CHECKED);
    }
    static void Type(CWizard& wizard, const char* name) {
        wizard.GetActivePage()->SetDlgItemText(IDC_WIZARD_FILE_NAME, name);
    }
    static std::string Title(const CWizard& wizard) {
        return static_cast<CWizardPageBase*>(wizard.GetActivePage())->m_titleText.str();
    }
    static std::string Subtitle(const CWizard& wizard) {
        return static_cast<CWizardPageBase*>(wizard.GetActivePage())->m_subtitleText.str();
    }
    static std::string Body(const CWizard& wizard) {
        return static_cast<CWizardPageBase*>(wizard.GetActivePage())->m_body.str();
    }
    // The enabled wizard buttons, as PSWIZB flags.
    static DWORD Buttons(const CWizard& wizard) {
        PumpUntilIdle();
        DWORD flags = 0;
        const std::pair<int, DWORD> buttons[] = {
            {ID_WIZBACK, PSWIZB_BACK}, {ID_WIZNEXT, PSWIZB_NEXT}, {ID_WIZFINISH, PSWIZB_FINISH}};
        for (const auto& [id, flag] : buttons) {
            const CWnd* button = wizard.GetDlgItem(id);
            if (button && button->IsWindowVisible() && button->IsWindowEnabled()) {
                flags |= flag;
            }
        }
        return flags;
    }
    // The file's object when it is a T.
    template <class T>
    static std::unique_ptr<T> ReadRoot(const std::string& path) {
        File file(path);
        std::unique_ptr<Object> root = file.release();
        return std::unique_ptr<T>(dynamic_cast<T*>(root.get()) ? static_cast<T*>(root.release())
                                                               : nullptr);
    }
    // The sheet is on the page, and the step machine at the step.
    static void ExpectAt(const CWizard& wizard, int page, std::uint32_t step) {
        EXPECT_EQ(wizard.GetActiveIndex(), page);
        EXPECT_EQ(wizard.step, step);
    }
};

} // namespace hb::app::test
