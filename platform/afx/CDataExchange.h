#pragma once
#include "platform/win/WinTypes.h"

class CWnd;

namespace hb::afx {

// Thrown by CDataExchange::Fail and caught by UpdateData.
struct DataExchangeFailure {};

} // namespace hb::afx

// One pass of a window's DoDataExchange: loading its controls from its members, or saving and
// validating what the user entered.
class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

    // The dialog's control, kept as the one to return to should the field fail; null, reported
    // as a failure, when the dialog has no such control.
    HWND PrepareCtrl(int nIDC);
    // Ends the pass: the focus goes back to the last prepared control and UpdateData returns
    // FALSE.
    [[noreturn]] void Fail();

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;

private:
    HWND m_hWndLastControl{};
};
