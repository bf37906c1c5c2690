#include "platform/tessary/app/FontChoiceDialog.h"

#include "platform/afx/Ddx.h"
#include "platform/tessary/app/DialogButtons.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>

IMPLEMENT_DYNAMIC(CFontChoiceDialog, CDialog)

namespace {

// The faces the screen draws with faces of the same widths, so text laid out for them fits.
constexpr std::array kFaces = {"Arial", "Courier New", "Tahoma", "Times New Roman"};
constexpr std::array kSizes = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 28, 36};
// Heights are pixels of a 96-dpi screen.
constexpr int kPixelsPerInch = 96;
constexpr int kPointsPerInch = 72;

int PointsOf(LONG height) {
    const int pixels = std::abs(static_cast<int>(height));
    return (pixels * kPointsPerInch + kPixelsPerInch / 2) / kPixelsPerInch;
}

LONG HeightOf(int points) {
    return -static_cast<LONG>((points * kPixelsPerInch + kPointsPerInch / 2) / kPointsPerInch);
}

hb::afx::DialogControl Label(const char* text, int y) {
    return {.className = "Static",
            .text = text,
            .style = WS_VISIBLE | SS_LEFT,
            .x = 7,
            .y = y + 2,
            .cx = 30,
            .cy = 8};
}

hb::afx::DialogControl Check(UINT id, const char* text, int x) {
    return {.id = id,
            .className = "Button",
            .text = text,
            .style = WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX,
            .x = x,
            .y = 45,
            .cx = 50,
            .cy = 10};
}

hb::afx::DialogTemplate MakeTemplate() {
    hb::afx::DialogTemplate dialog{
        .style = WS_POPUP | WS_CAPTION | WS_SYSMENU,
        .cx = 170,
        .cy = 85,
        .fontName = "MS Sans Serif",
        .fontSize = 8,
        .controls = {
            Label("Font:", 7),
            {.id = CFontChoiceDialog::IDC_FACE,
             .className = "ComboBox",
             .style = WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
             .x = 40,
             .y = 7,
             .cx = 123,
             .cy = 80},
            Label("Size:", 25),
            {.id = CFontChoiceDialog::IDC_SIZE,
             .className = "ComboBox",
             .style = WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
             .x = 40,
             .y = 25,
             .cx = 40,
             .cy = 80},
            Check(CFontChoiceDialog::IDC_BOLD, "Bold", 40),
            Check(CFontChoiceDialog::IDC_ITALIC, "Italic", 95),
        }};
    hb::tessary::AddOkCancel(dialog, 64);
    return dialog;
}

const hb::afx::DialogTemplate& Template() {
    static const hb::afx::DialogTemplate dialog = MakeTemplate();
    return dialog;
}

} // namespace

CFontChoiceDialog::CFontChoiceDialog(std::string title, const LOGFONT& font, CWnd* pParentWnd)
    : CDialog(&Template(), pParentWnd), m_title(std::move(title)), m_font(font) {}

void CFontChoiceDialog::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_FACE, m_faces);
    DDX_Control(pDX, IDC_SIZE, m_sizes);
}

BOOL CFontChoiceDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(m_title.c_str());
    for (const char* face : kFaces) {
        m_faces.AddString(face);
    }
    // A face stored from elsewhere stays on offer, so OK keeps it.
    if (m_font.lfFaceName[0] && m_faces.FindStringExact(-1, m_font.lfFaceName) < 0) {
        m_faces.AddString(m_font.lfFaceName);
    }
    m_faces.SetCurSel(m_faces.FindStringExact(-1, m_font.lfFaceName));
    const int points = PointsOf(m_font.lfHeight);
    for (const int size : kSizes) {
        m_sizes.AddString(std::to_string(size).c_str());
    }
    if (m_sizes.FindStringExact(-1, std::to_string(points).c_str()) < 0) {
        m_sizes.AddString(std::to_string(points).c_str());
    }
    m_sizes.SetCurSel(m_sizes.FindStringExact(-1, std::to_string(points).c_str()));
    CheckDlgButton(static_cast<int>(IDC_BOLD), m_font.lfWeight >= FW_SEMIBOLD ? BST_CHECKED : 0);
    CheckDlgButton(static_cast<int>(IDC_ITALIC), m_font.lfItalic ? BST_CHECKED : 0);
    return TRUE;
}

void CFontChoiceDialog::OnOK() {
    if (m_faces.GetCurSel() >= 0) {
        CString face;
        m_faces.GetLBText(m_faces.GetCurSel(), face);
        std::snprintf(m_font.lfFaceName, LF_FACESIZE, "%s", static_cast<LPCSTR>(face));
    }
    if (m_sizes.GetCurSel() >= 0) {
        CString size;
        m_sizes.GetLBText(m_sizes.GetCurSel(), size);
        const int points = std::atoi(size);
        if (points != PointsOf(m_font.lfHeight)) {
            m_font.lfHeight = HeightOf(points);
        }
    }
    const bool bold = IsDlgButtonChecked(static_cast<int>(IDC_BOLD)) == BST_CHECKED;
    if (bold != (m_font.lfWeight >= FW_SEMIBOLD)) {
        m_font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    }
    m_font.lfItalic = IsDlgButtonChecked(static_cast<int>(IDC_ITALIC)) == BST_CHECKED ? 1 : 0;
    CDialog::OnOK();
}
