#include "platform/afx/Input.h"
#include "platform/afx/ModalScript.h"
#include "platform/tessary/app/ColorChoiceDialog.h"
#include "platform/tessary/app/FontChoiceDialog.h"
#include "platform/tessary/app/IdFormat.h"
#include "platform/tessary/app/IdFormatDialog.h"
#include "platform/tessary/app/RadioBankSettings.h"
#include "platform/tessary/model/Format.h"
#include "platform/tessary/model/Group.h"
#include "platform/tessary/model/Radio.h"
#include "platform/win/core/Hooks.h"
#include "tests/platform/tessary/app/ScanAppTest.h"

#include <functional>
#include <string>

namespace hb::tessary::test {
namespace {

// The choosers without hooks: their dialogs, driven through the modal script as a user would.
class ChooserDialogTest : public ScanAppTest {
protected:
    void SetUp() override {
        ScanAppTest::SetUp();
        ASSERT_EQ(app.AppSetup(kProduct), 1);
    }

    // Runs `script` in the dialog of class `className`, then presses `button`.
    static void Script(const char* className, std::function<void(HWND)> script, int button) {
        hb::afx::SetModalScript(className, [script, button](CDialog& dialog) {
            script(dialog.m_hWnd);
            hb::afx::ClickButton(dialog.m_hWnd, button);
        });
    }

    // A mouse click on the control, so that check boxes and radio buttons change as they would.
    static void Click(HWND dialog, UINT id) {
        ::SendMessage(::GetDlgItem(dialog, static_cast<int>(id)), BM_CLICK, 0, 0);
    }

    static std::string Caption(HWND window) {
        char text[64] = {};
        ::GetWindowText(window, text, sizeof text);
        return text;
    }

    static std::string Text(HWND dialog, UINT id) {
        return Caption(::GetDlgItem(dialog, static_cast<int>(id)));
    }

    static bool Checked(HWND dialog, UINT id) {
        return ::SendMessage(::GetDlgItem(dialog, static_cast<int>(id)), BM_GETCHECK, 0, 0) ==
               BST_CHECKED;
    }

    static void Select(HWND dialog, UINT id, const char* text) {
        ::SendMessage(::GetDlgItem(dialog, static_cast<int>(id)), CB_SELECTSTRING,
                      static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text));
    }

    static std::string Selected(HWND dialog, UINT id) {
        const HWND combo = ::GetDlgItem(dialog, static_cast<int>(id));
        const auto at = static_cast<WPARAM>(::SendMessage(combo, CB_GETCURSEL, 0, 0));
        char text[64] = {};
        ::SendMessage(combo, CB_GETLBTEXT, at, reinterpret_cast<LPARAM>(text));
        return text;
    }
};

TEST_F(ChooserDialogTest, IdFormatsShowTheCurrentStylesWithExamplesAndOkStoresTheChosenOnes) {
    format_motorola_style(1);
    std::string caption;
    std::vector<std::string> labels;
    bool motorolaHex = false;
    bool edacsPlain = false;
    Script(
        "CIdFormatDialog",
        [&](HWND dialog) {
            caption = Caption(dialog);
            for (UINT first :
                 {CIdFormatDialog::IDC_MOTOROLA_FIRST, CIdFormatDialog::IDC_EDACS_FIRST}) {
                for (UINT style = 0; style < CIdFormatDialog::kStyleCount; ++style) {
                    labels.push_back(Text(dialog, first + style));
                }
            }
            motorolaHex = Checked(dialog, CIdFormatDialog::IDC_MOTOROLA_FIRST + 1);
            edacsPlain = Checked(dialog, CIdFormatDialog::IDC_EDACS_FIRST);
            Click(dialog, CIdFormatDialog::IDC_MOTOROLA_FIRST + 2);
            Click(dialog, CIdFormatDialog::IDC_EDACS_FIRST + 1);
        },
        IDOK);
    scan_select_id_format();
    EXPECT_EQ(caption, "Trunking ID Code Format");
    EXPECT_EQ(labels, (std::vector<std::string>{
                          "Decimal: 19248", "Hexadecimal: 4B3", "As the radio shows it: 801203",
                          "Decimal: 1234", "Hexadecimal: 4D2", "As the radio shows it: 9.102"}));
    EXPECT_TRUE(motorolaHex);
    EXPECT_TRUE(edacsPlain);
    EXPECT_EQ(format_motorola_style(255), 2);
    EXPECT_EQ(format_edacs_style(255), 1);
    EXPECT_EQ(app.GetProfileIntA("Settings", "MotorolaIDFormat", -1), 2);
    EXPECT_EQ(app.GetProfileIntA("Settings", "EDACSIDFormat", -1), 1);

    // Cancel after changing both groups changes nothing.
    Script(
        "CIdFormatDialog",
        [](HWND dialog) {
            Click(dialog, CIdFormatDialog::IDC_MOTOROLA_FIRST);
            Click(dialog, CIdFormatDialog::IDC_EDACS_FIRST + 2);
        },
        IDCANCEL);
    scan_select_id_format();
    EXPECT_EQ(format_motorola_style(255), 2);
    EXPECT_EQ(format_edacs_style(255), 1);
    EXPECT_EQ(app.GetProfileIntA("Settings", "MotorolaIDFormat", -1), 2);
    EXPECT_EQ(app.GetProfileIntA("Settings", "EDACSIDFormat", -1), 1);
}

TEST_F(ChooserDialogTest, AColourCellBecomesTheCurrentColourAndOkStoresIt) {
    const COLORREF red = CColorChoiceDialog::kBasicColors[9];
    ASSERT_EQ(red, RGB(255, 0, 0));
    std::string caption;
    Script(
        "CColorChoiceDialog",
        [&](HWND dialog) {
            caption = Caption(dialog);
            Click(dialog, CColorChoiceDialog::IDC_BASIC_FIRST + 9);
        },
        IDOK);
    app.AdjustColorEntry(4);
    EXPECT_EQ(caption, "Color 4");
    EXPECT_EQ(app.Color(4), red);
    EXPECT_EQ(app.GetSuiteProfileInt("Colors", "Color4", -1), static_cast<int>(red));

    // The entry's colour is checked when it is a basic one; Cancel keeps it.
    std::vector<bool> redChecked;
    Script(
        "CColorChoiceDialog",
        [&](HWND dialog) {
            redChecked.push_back(Checked(dialog, CColorChoiceDialog::IDC_BASIC_FIRST + 9));
            Click(dialog, CColorChoiceDialog::IDC_BASIC_FIRST + 12);
        },
        IDCANCEL);
    app.AdjustColorEntry(4);
    app.AdjustColorEntry(5);
    EXPECT_EQ(redChecked, (std::vector<bool>{true, false}));
    EXPECT_EQ(app.Color(4), red);
    EXPECT_EQ(app.Color(5), kDefaultColors[5]);
    EXPECT_EQ(app.GetSuiteProfileInt("Colors", "Color5", -1), -1);
}

TEST_F(ChooserDialogTest, AFontIsChosenByFaceSizeAndStyleUnderTheCallersTitle) {
    app.SetFontDialogTitle(0, "Select Default Font");
    std::string caption;
    std::string face;
    std::string size;
    Script(
        "CFontChoiceDialog",
        [&](HWND dialog) {
            caption = Caption(dialog);
            face = Selected(dialog, CFontChoiceDialog::IDC_FACE);
            size = Selected(dialog, CFontChoiceDialog::IDC_SIZE);
            Select(dialog, CFontChoiceDialog::IDC_FACE, "Courier New");
            Select(dialog, CFontChoiceDialog::IDC_SIZE, "12");
            Click(dialog, CFontChoiceDialog::IDC_BOLD);
            Click(dialog, CFontChoiceDialog::IDC_ITALIC);
        },
        IDOK);
    const HFONT listFont = app.GetListFont();
    app.SelectFont(0);
    EXPECT_EQ(caption, "Select Default Font");
    EXPECT_EQ(face, "Arial");
    EXPECT_EQ(size, "10");
    EXPECT_STREQ(app.GetLogFont().lfFaceName, "Courier New");
    EXPECT_EQ(app.GetLogFont().lfHeight, -16);
    EXPECT_EQ(app.GetLogFont().lfWeight, FW_BOLD);
    EXPECT_EQ(app.GetLogFont().lfItalic, 1);
    EXPECT_NE(app.GetListFont(), listFont);

    CRecordingApp next;
    ASSERT_EQ(next.AppSetup(kProduct), 1);
    EXPECT_STREQ(next.GetLogFont().lfFaceName, "Courier New");
    EXPECT_EQ(next.GetLogFont().lfHeight, -16);

    // Cancel after changing everything keeps the font and what is stored.
    const std::string stored = app.GetProfileStringA("Fonts", "Font1").str();
    Script(
        "CFontChoiceDialog",
        [](HWND dialog) {
            Select(dialog, CFontChoiceDialog::IDC_FACE, "Times New Roman");
            Click(dialog, CFontChoiceDialog::IDC_BOLD);
        },
        IDCANCEL);
    app.SelectFont(1);
    EXPECT_STREQ(app.GetFontDescription(1).lfFaceName, "Arial");
    EXPECT_EQ(app.GetFontDescription(1).lfWeight, FW_NORMAL);
    EXPECT_EQ(app.GetProfileStringA("Fonts", "Font1").str(), stored);
}

TEST_F(ChooserDialogTest, OkUnchangedKeepsAForeignFaceAndAnOddHeightExactly) {
    LOGFONT font{};
    font.lfHeight = -15;
    font.lfWeight = 500;
    std::snprintf(font.lfFaceName, LF_FACESIZE, "%s", "Verdana");
    hb::afx::SetModalScript("CFontChoiceDialog",
                            [](CDialog& dialog) { hb::afx::ClickButton(dialog.m_hWnd, IDOK); });
    CFontChoiceDialog dialog("Select Font", font);
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_STREQ(dialog.Font().lfFaceName, "Verdana");
    EXPECT_EQ(dialog.Font().lfHeight, -15);
    EXPECT_EQ(dialog.Font().lfWeight, 500);
}

TEST_F(ChooserDialogTest, WithoutADisplayOrScriptEachChooserEndsAtOnceWithNothingChanged) {
    hb::win::SetStrictMode(false);
    format_edacs_style(2);
    app.SelectFont(0);
    app.AdjustColorEntry(4);
    scan_select_id_format();
    EXPECT_STREQ(app.GetLogFont().lfFaceName, "Arial");
    EXPECT_EQ(app.GetLogFont().lfHeight, -13);
    EXPECT_EQ(app.Color(4), kDefaultColors[4]);
    EXPECT_EQ(format_edacs_style(255), 2);
    EXPECT_EQ(format_motorola_style(255), 0);
    ASSERT_EQ(hb::afx::ModalLog().size(), 3u);
    for (const hb::afx::ModalRecord& record : hb::afx::ModalLog()) {
        EXPECT_EQ(record.result, IDOK) << record.className;
    }
}

TEST_F(ChooserDialogTest, BankSettingsShowTheBanksTrunkSystemAndOkStoresTheChoice) {
    const auto radio = Radio::CreateRadio(17);
    Group group;
    group.setName("County");
    Bank& bank = group.addBank(std::make_unique<Bank>());
    bank.number = 2;
    bank.trunkType = 9;
    bank.fleetMap = {0x1C, 4, 4, 4, 4, 4, 4, 15};
    std::string title;
    std::vector<std::string> shown;
    Script(
        "CRadioBankSettings",
        [&](HWND dialog) {
            title = Text(dialog, CRadioBankSettings::IDC_BANK_NAME);
            shown.push_back(Selected(dialog, CRadioBankSettings::IDC_TRUNK_TYPE));
            for (UINT block = 0; block < 8; ++block) {
                shown.push_back(Selected(dialog, CRadioBankSettings::IDC_BLOCK_FIRST + block));
            }
            Select(dialog, CRadioBankSettings::IDC_BLOCK_FIRST + 1, "13");
        },
        IDCANCEL);
    EXPECT_EQ(radio->BankSettings(&group, bank, nullptr), 0);
    EXPECT_EQ(title, "County, Bank 2");
    // A type the list does not name, and a size code's high bits, are shown as they count.
    EXPECT_EQ(shown,
              (std::vector<std::string>{"Trunk type 9", "12", "4", "4", "4", "4", "4", "4", "15"}));
    EXPECT_EQ(bank.fleetMap[1], 4);
    EXPECT_EQ(bank.trunkType, 9);

    Script(
        "CRadioBankSettings",
        [](HWND dialog) {
            Select(dialog, CRadioBankSettings::IDC_TRUNK_TYPE, "Motorola Type I");
            Select(dialog, CRadioBankSettings::IDC_BLOCK_FIRST + 1, "13");
        },
        IDOK);
    EXPECT_EQ(radio->BankSettings(&group, bank, nullptr), 1);
    EXPECT_EQ(bank.trunkType, 1);
    EXPECT_EQ(bank.fleetMap, (std::array<std::uint8_t, 8>{12, 13, 4, 4, 4, 4, 4, 15}));
}

TEST_F(ChooserDialogTest, AHookStillAnswersBeforeTheDialog) {
    SetIdFormatChooser([](IdFormats& formats) {
        formats.edacs = 2;
        return true;
    });
    scan_select_id_format();
    EXPECT_EQ(format_edacs_style(255), 2);
    EXPECT_TRUE(hb::afx::ModalLog().empty());
}

} // namespace
} // namespace hb::tessary::test
