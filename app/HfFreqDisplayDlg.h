#pragma once
// Asks whether frequencies of the HF range are shown in kHz or in MHz.
#include "platform/afx/CDialog.h"

class CHfFreqDisplayDlg : public CDialog {
    DECLARE_DYNAMIC(CHfFreqDisplayDlg)

public:
    static constexpr UINT IDD = 27482;
    // The first button of the unit group: kHz; the one after it is MHz.
    static constexpr int kUnitGroup = 27792;

    explicit CHfFreqDisplayDlg(CWnd* pParent = nullptr);

    // The selected button of the group: 0 kHz, 1 MHz, -1 none.
    int m_unit = -1;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
