#include "radioview/MiniStatusWnd.h"

IMPLEMENT_DYNAMIC(CMiniStatusWnd, CWnd)

void CMiniStatusWnd::SetStatus(const CString& line, const BYTE*, const BYTE*, CRig*, BYTE) {
    m_statusLine = line;
}
