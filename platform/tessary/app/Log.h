#pragma once
#include "platform/afx/CDialog.h"
#include "platform/afx/CString.h"

// The logging dialog an activity log is built on. Its owner starts a logging run with the radio's
// name, ticks it from its timer and stops it when it goes; the dialog itself, shown with DoModal,
// carries the log's caption as its title.
class CLog : public CDialog {
    DECLARE_DYNAMIC(CLog)

public:
    // No parent: the log belongs to a window but is not its child.
    explicit CLog(UINT nIDTemplate);

    void Start(LPCSTR name);
    void Stop();
    // The owner's periodic tick; a run keeps nothing that needs it yet.
    void OnTimer();

    BOOL IsActive() const { return m_active; }
    const CString& GetName() const { return m_name; }
    // Shown as the dialog's title whenever it is open (the template's title until one is set).
    void SetCaption(LPCSTR caption);
    const CString& GetCaption() const { return m_caption; }

    BOOL OnInitDialog() override;

private:
    BOOL m_active = FALSE;
    CString m_name;
    CString m_caption;
};
