#pragma once
#include "platform/afx/CWnd.h"
#include "platform/afx/res/DialogTemplate.h"

// Asks a dialog for its default button: MAKELONG(id, DC_HASDEFID), or 0 when it has none.
inline constexpr UINT DM_GETDEFID = WM_USER + 0;
inline constexpr WORD DC_HASDEFID = 0x534B;

// A dialog made from a template. Enter presses the default button (IDOK when there is none) and
// Esc IDCANCEL; closing the window is IDCANCEL too.
class CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)

public:
    // The template is looked up by id (hb::afx::FindDialogTemplate) when the dialog runs.
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    explicit CDialog(const hb::afx::DialogTemplate* pTemplate, CWnd* pParentWnd = nullptr);

    // Creates the dialog with its owner (the parent's top-level window) disabled, initialises it,
    // runs its modal script (see ModalScript.h) and then its own message loop until EndDialog;
    // re-enables the owner, destroys the dialog and returns EndDialog's result. -1 when the
    // dialog cannot be created; IDCANCEL when the loop ends on WM_QUIT (which stays posted for
    // the loops outside) or the window goes away without EndDialog.
    virtual int DoModal();
    // A child of the parent made from the template (its caption and WS_DISABLED dropped), then
    // initialised; FALSE when it cannot be made.
    BOOL CreateChild(CWnd* pParentWnd);
    void EndDialog(int nResult);
    // UpdateData(FALSE). TRUE gives the focus to the first tab stop.
    virtual BOOL OnInitDialog();
    // UpdateData(TRUE), and EndDialog(IDOK) only when it succeeded.
    virtual void OnOK();
    virtual void OnCancel();
    BOOL PreTranslateMessage(MSG* pMsg) override;

    UINT GetTemplateId() const;
    // The template given, or the one of the id; null when there is none.
    const hb::afx::DialogTemplate* FindTemplate() const;
    // Whether EndDialog has been called since the dialog began to run.
    bool IsEnded() const { return m_bEnded; }

    DECLARE_MESSAGE_MAP()

protected:
    // The template the dialog is made from from now on.
    void SetTemplate(const hb::afx::DialogTemplate* pTemplate);

private:
    LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);
    BOOL CreateFromTemplate(const hb::afx::DialogTemplate& dialog, HWND owner);
    int RunModal();

    UINT m_nIDTemplate = 0;
    const hb::afx::DialogTemplate* m_pTemplate = nullptr;
    CWnd* m_pParentWnd = nullptr;
    int m_nModalResult = -1;
    bool m_bEnded = false;
};
