#pragma once
#include "platform/afx/CObject.h"
#include "platform/afx/CString.h"

// What the command line asks of the application at start. The first argument that is not a flag
// ("-x" or "/x") is a file to open; flags are for derived classes to interpret.
class CCommandLineInfo : public CObject {
public:
    enum { FileNew = 0, FileOpen = 1, FileNothing = -1 };

    CCommandLineInfo() = default;

    // `pszParam` without its '-' or '/' when bFlag.
    virtual void ParseParam(LPCSTR pszParam, BOOL bFlag, BOOL bLast);

    int m_nShellCommand = FileNew;
    CString m_strFileName;
};
