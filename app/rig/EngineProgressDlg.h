#pragma once
// The small timed dialog shown while a radio window restarts its engines: the radio's name and a
// progress bar that fills in 100 ticks of 200 ms, after which the dialog ends itself with kDone.
// Cancel ends it with IDCANCEL; Enter does not cut the wait short.

#include "platform/afx/CDialog.h"
#include "resources/ResourceIds.h"

#include <cstdint>

class CEngineProgressDlg : public CDialog {
    DECLARE_DYNAMIC(CEngineProgressDlg)

public:
    static constexpr UINT IDD = IDD_ENGINE_PROGRESS;
    static constexpr int kTextId = IDC_RADIO_NAME;
    static constexpr int kProgressId = IDC_ENGINE_PROGRESS;
    static constexpr UINT_PTR kTimerId = 1;
    static constexpr UINT kTickMs = 200;
    static constexpr std::uint32_t kTicks = 100;
    // The result when the wait has run its course: neither IDOK nor IDCANCEL, so that no button or
    // key can stand for it.
    static constexpr int kDone = 100;

    explicit CEngineProgressDlg(CWnd* pParent = nullptr);

    CString m_text;
    std::uint32_t m_ticks = 0;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnTimer(UINT_PTR nIDEvent);

    DECLARE_MESSAGE_MAP()
};
