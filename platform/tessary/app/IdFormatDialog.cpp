#include "platform/tessary/app/IdFormatDialog.h"

#include "platform/records/UserId.h"
#include "platform/tessary/app/DialogButtons.h"
#include "platform/tessary/model/Format.h"

#include <string>

IMPLEMENT_DYNAMIC(CIdFormatDialog, CDialog)

namespace {

using hb::records::UserId;

constexpr const char* kStyleNames[CIdFormatDialog::kStyleCount] = {"Decimal", "Hexadecimal",
                                                                   "As the radio shows it"};

UserId ExampleId(std::uint8_t kind, std::uint32_t value) {
    UserId id;
    id.set(UserId::kKind, kind);
    id.set(UserId::kValue, value);
    return id;
}

// The example as format_user shows it in `style`; the current style is left as it was.
std::string Example(int (*styleOf)(int), int style, const UserId& id) {
    const int previous = styleOf(style);
    std::string text = format_user(id);
    styleOf(previous);
    const std::size_t start = text.find_first_not_of(' ');
    return start == std::string::npos ? std::string{} : text.substr(start);
}

void AddGroup(hb::afx::DialogTemplate& dialog, const char* caption, UINT first, int top,
              int (*styleOf)(int), const UserId& example) {
    dialog.controls.push_back({.className = "Button",
                               .text = caption,
                               .style = WS_VISIBLE | WS_GROUP | BS_GROUPBOX,
                               .x = 7,
                               .y = top,
                               .cx = 166,
                               .cy = 52});
    for (int style = 0; style < CIdFormatDialog::kStyleCount; ++style) {
        const std::string label =
            std::string(kStyleNames[style]) + ": " + Example(styleOf, style, example);
        dialog.controls.push_back(
            {.id = first + static_cast<UINT>(style),
             .className = "Button",
             .text = label,
             .style = WS_VISIBLE | WS_TABSTOP | BS_AUTORADIOBUTTON | (style == 0 ? WS_GROUP : 0),
             .x = 15,
             .y = top + 11 + style * 13,
             .cx = 150,
             .cy = 10});
    }
}

hb::afx::DialogTemplate MakeTemplate() {
    hb::afx::DialogTemplate dialog{.caption = "Trunking ID Code Format",
                                   .style = WS_POPUP | WS_CAPTION | WS_SYSMENU,
                                   .cx = 180,
                                   .cy = 140,
                                   .fontName = "MS Sans Serif",
                                   .fontSize = 8};
    AddGroup(dialog, "Motorola", CIdFormatDialog::IDC_MOTOROLA_FIRST, 7, format_motorola_style,
             ExampleId(hb::records::kIdKindMotorolaTypeII, 0x4B30));
    AddGroup(dialog, "EDACS", CIdFormatDialog::IDC_EDACS_FIRST, 63, format_edacs_style,
             ExampleId(hb::records::kIdKindEdacs, 1234));
    hb::tessary::AddOkCancel(dialog, 120);
    return dialog;
}

bool ValidStyle(int style) {
    return style >= 0 && style < CIdFormatDialog::kStyleCount;
}

int CheckedStyle(const CWnd& dialog, UINT first, int fallback) {
    for (int style = 0; style < CIdFormatDialog::kStyleCount; ++style) {
        if (dialog.IsDlgButtonChecked(static_cast<int>(first) + style) == BST_CHECKED) {
            return style;
        }
    }
    return fallback;
}

const hb::afx::DialogTemplate& Template() {
    static const hb::afx::DialogTemplate dialog = MakeTemplate();
    return dialog;
}

} // namespace

CIdFormatDialog::CIdFormatDialog(const hb::tessary::IdFormats& formats, CWnd* pParentWnd)
    : CDialog(&Template(), pParentWnd), m_formats(formats) {}

BOOL CIdFormatDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    if (ValidStyle(m_formats.motorola)) {
        CheckDlgButton(static_cast<int>(IDC_MOTOROLA_FIRST) + m_formats.motorola, BST_CHECKED);
    }
    if (ValidStyle(m_formats.edacs)) {
        CheckDlgButton(static_cast<int>(IDC_EDACS_FIRST) + m_formats.edacs, BST_CHECKED);
    }
    return TRUE;
}

void CIdFormatDialog::OnOK() {
    m_formats.motorola = CheckedStyle(*this, IDC_MOTOROLA_FIRST, m_formats.motorola);
    m_formats.edacs = CheckedStyle(*this, IDC_EDACS_FIRST, m_formats.edacs);
    CDialog::OnOK();
}
