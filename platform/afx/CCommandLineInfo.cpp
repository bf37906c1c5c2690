#include "platform/afx/CCommandLineInfo.h"

void CCommandLineInfo::ParseParam(LPCSTR pszParam, BOOL bFlag, BOOL) {
    if (!bFlag && m_strFileName.IsEmpty()) {
        m_strFileName = pszParam;
        if (m_nShellCommand == FileNew) {
            m_nShellCommand = FileOpen;
        }
    }
}
