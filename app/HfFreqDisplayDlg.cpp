#include "app/HfFreqDisplayDlg.h"

#include "platform/afx/Ddx.h"

IMPLEMENT_DYNAMIC(CHfFreqDisplayDlg, CDialog)

CHfFreqDisplayDlg::CHfFreqDisplayDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

void CHfFreqDisplayDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Radio(pDX, kUnitGroup, m_unit);
}
