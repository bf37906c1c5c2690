#include "platform/tessary/app/EnhancedFormView.h"

#include "platform/tessary/app/ScanApp.h"

IMPLEMENT_DYNAMIC(CEnhancedFormView, CFormView)

CEnhancedFormView::CEnhancedFormView(UINT nIDTemplate) : CFormView(nIDTemplate) {}

void CEnhancedFormView::OnInitialUpdate() {
    CFormView::OnInitialUpdate();
    if (CScanApp* app = CScanApp::GetScanApp()) {
        app->ApplyVisualStyle(this);
    }
}
