#pragma once
// The front panel of a radio window. It shows the name of the radio it serves.
#include "platform/afx/CView.h"

class CRig;

class CRadioView : public CView {
    DECLARE_DYNCREATE(CRadioView)

public:
    // The radio, set by the radio window when it creates the view.
    CRig* m_rig = nullptr;

protected:
    void OnDraw(CDC* pDC) override;
};
