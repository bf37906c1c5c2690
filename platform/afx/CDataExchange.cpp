#include "platform/afx/CDataExchange.h"

#include "platform/afx/CWnd.h"

#include <string>

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

HWND CDataExchange::PrepareCtrl(int nIDC) {
    const HWND control = ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC);
    if (!control) {
        hb::win::ReportFailure("data exchange: the dialog has no control " + std::to_string(nIDC));
        return {};
    }
    m_hWndLastControl = control;
    return control;
}

void CDataExchange::Fail() {
    if (m_bSaveAndValidate && ::IsWindow(m_hWndLastControl)) {
        ::SetFocus(m_hWndLastControl);
    }
    throw hb::afx::DataExchangeFailure{};
}
