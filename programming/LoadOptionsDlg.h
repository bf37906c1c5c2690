#pragma once
// The confirmation some radios ask for before a transfer; only OK goes on.
#include "platform/afx/CDialog.h"

class CLoadOptionsDlg : public CDialog {
public:
    explicit CLoadOptionsDlg(CWnd* parent = nullptr);
};
