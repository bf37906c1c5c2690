#pragma once
#include "platform/afx/CFormView.h"

// The base of every form view of the program: once the form's controls have their data, the
// application styles them (CScanApp::ApplyVisualStyle).
class CEnhancedFormView : public CFormView {
    DECLARE_DYNAMIC(CEnhancedFormView)

public:
    explicit CEnhancedFormView(UINT nIDTemplate);

    void OnInitialUpdate() override;
};
