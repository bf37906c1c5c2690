#pragma once
// The base of the instrument racks: a bar made from a panel template whose buttons show the icon
// of their id when there is one and explain themselves with the first line of their string. A
// button command that the subclass does not handle goes on to the window that holds the bar.
// The holder creates the rack, destroys its window and deletes the object.

#include "platform/afx/CDialogBar.h"

class CRack : public CDialogBar {
    DECLARE_DYNAMIC(CRack)

public:
    CRack() = default;
    ~CRack() override = default;

    // The bar from the template, its controls bound (DoDataExchange) and styled, icons on the
    // buttons that have one, tooltips on. FALSE, with nothing bound, when the bar cannot be made.
    virtual BOOL Create(CWnd* parent, UINT templateId, UINT style, UINT barId);
    virtual void OnDestroy();
    // The tip of the control under the mouse: the first line of the string of its id.
    virtual BOOL OnToolTipText(UINT id, NMHDR* pNMHDR, LRESULT* pResult);
    // Posts the command to the holder with the bar's handle; the bar keeps the focus.
    virtual void PostCommandToParent(UINT id);

    // A control whose command has no handler stays enabled.
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

    DECLARE_MESSAGE_MAP()

protected:
    // The rack itself binds nothing; subclasses bind their controls.
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void ShowButtonIcons();
};
