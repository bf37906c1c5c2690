#pragma once
// The logger's own settings dialog: the free disk space below which recording stops, and the
// automatic gain control. The values go to the logger's profile section when the user presses OK.

#include "platform/afx/CDialog.h"

class CAudioLogSettings : public CDialog {
    DECLARE_DYNAMIC(CAudioLogSettings)

public:
    // Control ids of the dialog, for its script in tests.
    enum : UINT {
        IDC_MIN_DISK_SPACE = 1001,
        IDC_AUTO_GAIN = 1002,
    };

    explicit CAudioLogSettings(CWnd* pParentWnd = nullptr);

    // In megabytes, 0 or more.
    int m_minDiskSpace = 0;
    int m_autoGain = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
