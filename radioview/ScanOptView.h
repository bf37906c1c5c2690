#pragma once
// A form view of scan options. No window of the program opens it; it is made by name only.
#include "platform/tessary/app/EnhancedFormView.h"
#include "resources/ResourceIds.h"

class CScanOptView : public CEnhancedFormView {
    DECLARE_DYNCREATE(CScanOptView)

public:
    static constexpr UINT IDD = IDD_SCAN_OPT_VIEW;

    CScanOptView();
};
