#pragma once
#include "platform/afx/CControlBar.h"

// A control bar laid out by a dialog template found down the resource chain. Its controls
// report to the bar itself; their states follow the commands of their ids when the program is
// idle.
class CDialogBar : public CControlBar {
    DECLARE_DYNAMIC(CDialogBar)

public:
    // A child of the parent made from the template named by id (MAKEINTRESOURCE), with the
    // template's size and controls. `nStyle` carries the window's style in its high bits and the
    // bar's CBRS_* bits. FALSE, and no window, when the template is missing or a control cannot be
    // made.
    virtual BOOL Create(CWnd* pParentWnd, LPCSTR lpszTemplateName, UINT nStyle, UINT nID);

    // Each child control with an id is updated through its command: enabled, checked or retitled
    // by the command's update handler on the route from `pTarget`.
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    // The template's size, whichever way the bar lies.
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;

    // The template's size in pixels; zero before Create.
    CSize m_sizeDefault;
};
