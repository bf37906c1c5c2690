#include "audio/ManifestPaintManager.h"

#include "platform/tessary/app/ScanApp.h"
#include "platform/win/gdi/Objects.h"

CManifestPaintManager::CManifestPaintManager() {
    m_bShadeSortColumn = TRUE;
}

void CManifestPaintManager::RefreshMetrics() {
    CXTPReportPaintManager::RefreshMetrics();
    m_clrGroupShadeBack = kShade;
    m_clrSortShade = kShade;
    m_clrGroupShadeBorder = 0;
    const CScanApp* app = CScanApp::GetScanApp();
    if (!app) {
        return;
    }
    LOGFONT text = app->GetLogFont();
    SetTextFont(text);
    LOGFONT caption{};
    if (::GetObject(app->GetCaptionFont(), sizeof caption, &caption) > 0) {
        caption.lfWeight = FW_BOLD;
        SetCaptionFont(caption);
    }
}
