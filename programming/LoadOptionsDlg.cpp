#include "programming/LoadOptionsDlg.h"

#include "resources/program/TransferIds.h"

CLoadOptionsDlg::CLoadOptionsDlg(CWnd* parent)
    : CDialog(hb::resources::transfer::kOptionsDialog, parent) {}
