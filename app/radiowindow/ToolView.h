#pragma once
// The radio window's strip of four large buttons: start, reset, stop and lock out. It holds no
// logic: each button runs the radio window's own handler of the same command, and does nothing
// in any other frame.
#include "platform/tessary/app/EnhancedFormView.h"
#include "platform/toolkit/CXTPButton.h"
#include "resources/ResourceIds.h"

class CRadioFrame;

class CToolView : public CEnhancedFormView {
    DECLARE_DYNCREATE(CToolView)

public:
    static constexpr UINT IDD = IDD_TOOL_VIEW;

    CToolView();

    void OnInitialUpdate() override;

    CXTPButton m_start;
    CXTPButton m_reset;
    CXTPButton m_stop;
    CXTPButton m_lockOut;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnStart();
    void OnReset();
    void OnStop();
    void OnLockOut();

    DECLARE_MESSAGE_MAP()

private:
    // The radio window the view is in, or null.
    CRadioFrame* RadioFrame() const;
};
