#include "platform/tessary/app/Log.h"

#include "platform/win/core/Window.h"

IMPLEMENT_DYNAMIC(CLog, CDialog)

CLog::CLog(UINT nIDTemplate) : CDialog(nIDTemplate, nullptr) {}

void CLog::Start(LPCSTR name) {
    m_name = name ? name : "";
    m_active = TRUE;
}

void CLog::Stop() {
    m_active = FALSE;
}

void CLog::OnTimer() {}

void CLog::SetCaption(LPCSTR caption) {
    m_caption = caption ? caption : "";
    if (::IsWindow(m_hWnd)) {
        SetWindowText(m_caption);
    }
}

BOOL CLog::OnInitDialog() {
    const BOOL result = CDialog::OnInitDialog();
    if (!m_caption.IsEmpty()) {
        SetWindowText(m_caption);
    }
    return result;
}
