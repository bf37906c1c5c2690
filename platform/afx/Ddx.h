#pragma once
// Data exchange between a dialog's controls and its members, for DoDataExchange.
#include "platform/afx/CString.h"
#include "platform/win/WinTypes.h"

class CDataExchange;
class CTime;
class CWnd;

// Subclasses the control into `rControl` the first time; the control must exist.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
// The same when the dialog has the control; otherwise `rControl` stays unbound (and inert).
void DDX_ControlIfPresent(CDataExchange* pDX, int nIDC, CWnd& rControl);
// A check box's state: 0, 1 or 2.
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
// The index of the checked radio button of the group that starts at `nIDC` and runs to the next
// WS_GROUP control; -1 for none.
void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
// A text field. A number that does not parse tells the user and fails the exchange.
void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value);
void DDX_Text(CDataExchange* pDX, int nIDC, long& value);
void DDX_Text(CDataExchange* pDX, int nIDC, double& value);
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
// A date picker's date and time, as local time.
void DDX_DateTimeCtrl(CDataExchange* pDX, int nIDC, CTime& value);
