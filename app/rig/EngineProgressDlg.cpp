#include "app/rig/EngineProgressDlg.h"

#include "platform/win/controls/CommonControls.h"

IMPLEMENT_DYNAMIC(CEngineProgressDlg, CDialog)

BEGIN_MESSAGE_MAP(CEngineProgressDlg, CDialog)
ON_WM_TIMER()
END_MESSAGE_MAP()

CEngineProgressDlg::CEngineProgressDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

BOOL CEngineProgressDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetDlgItemText(kTextId, m_text);
    m_ticks = 0;
    SetTimer(kTimerId, kTickMs);
    return TRUE;
}

// Only the ticks end the wait.
void CEngineProgressDlg::OnOK() {}

void CEngineProgressDlg::OnTimer(UINT_PTR nIDEvent) {
    CDialog::OnTimer(nIDEvent);
    ++m_ticks;
    SendDlgItemMessage(kProgressId, PBM_SETPOS, m_ticks);
    if (m_ticks >= kTicks) {
        EndDialog(kDone);
    }
}
