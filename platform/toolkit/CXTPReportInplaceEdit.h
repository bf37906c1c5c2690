#pragma once
// The edit a report control opens over a cell: Enter hands the text to the control, Escape and
// leaving the edit drop it.
#include "platform/afx/CEdit.h"

class CXTPReportControl;

class CXTPReportInplaceEdit : public CEdit {
public:
    explicit CXTPReportInplaceEdit(CXTPReportControl& control) : m_control(control) {}

protected:
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnKillFocus(CWnd* pNewWnd);

    DECLARE_MESSAGE_MAP()

private:
    CXTPReportControl& m_control;
};
