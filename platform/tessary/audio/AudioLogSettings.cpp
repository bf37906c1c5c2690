#include "platform/tessary/audio/AudioLogSettings.h"

#include "platform/afx/Ddx.h"
#include "platform/tessary/app/DialogButtons.h"

IMPLEMENT_DYNAMIC(CAudioLogSettings, CDialog)

namespace {

const hb::afx::DialogTemplate& Template() {
    static const hb::afx::DialogTemplate dialog = [] {
        hb::afx::DialogTemplate made{
            .id = 0,
            .caption = "Audio Logger Settings",
            .style = WS_POPUP | WS_CAPTION | WS_SYSMENU,
            .cx = 200,
            .cy = 70,
            .fontName = "MS Sans Serif",
            .fontSize = 8,
            .controls =
                {
                    {.id = 0xFFFF,
                     .className = "Static",
                     .text = "Stop recording below this free disk space (MB):",
                     .style = WS_VISIBLE,
                     .x = 7,
                     .y = 9,
                     .cx = 150,
                     .cy = 8},
                    {.id = CAudioLogSettings::IDC_MIN_DISK_SPACE,
                     .className = "Edit",
                     .style = WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_NUMBER,
                     .x = 158,
                     .y = 7,
                     .cx = 35,
                     .cy = 12},
                    {.id = CAudioLogSettings::IDC_AUTO_GAIN,
                     .className = "Button",
                     .text = "Raise quiet audio automatically",
                     .style = WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX,
                     .x = 7,
                     .y = 27,
                     .cx = 186,
                     .cy = 10},
                },
        };
        hb::tessary::AddOkCancel(made, 49);
        return made;
    }();
    return dialog;
}

} // namespace

CAudioLogSettings::CAudioLogSettings(CWnd* pParentWnd) : CDialog(&Template(), pParentWnd) {}

void CAudioLogSettings::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_MIN_DISK_SPACE, m_minDiskSpace);
    DDX_Check(pDX, IDC_AUTO_GAIN, m_autoGain);
}
