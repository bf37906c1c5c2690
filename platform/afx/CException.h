#pragma once
#include "platform/afx/CObject.h"
#include "platform/afx/CString.h"

// What the class library throws when an operation cannot be carried out; caught by reference.
class CException : public CObject {
    DECLARE_DYNAMIC(CException)

public:
    explicit CException(LPCSTR lpszReason = "") : m_strReason(lpszReason) {}

    // Why the operation failed, for a log or a box.
    const CString& GetReason() const { return m_strReason; }

private:
    CString m_strReason;
};
