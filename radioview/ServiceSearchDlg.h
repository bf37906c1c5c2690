#pragma once
// Asks which service a trunk-tracking scanner searches. The radio's type decides the buttons'
// names; the choice is the 0-based button, -1 when none is chosen.
#include "platform/afx/CDialog.h"
#include "resources/ResourceIds.h"

class Radio;

class CServiceSearchDlg : public CDialog {
    DECLARE_DYNAMIC(CServiceSearchDlg)

public:
    static constexpr UINT IDD = IDD_SERVICE_SEARCH;
    static constexpr int kServices = 9;

    explicit CServiceSearchDlg(const Radio* radio, CWnd* pParent = nullptr);

    int m_selection = -1;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    const Radio* m_radio;
};
