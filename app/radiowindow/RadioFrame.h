#pragma once
// The window of one radio, opened on the radio's scan list. It chooses the rig it serves, claims
// it for as long as it is open (the device frame gives it up when the window goes) and shows the
// radio's front panel.
#include "app/radiowindow/CommandBarsChildFrame.h"

class CRadioFrame : public CCommandBarsChildFrame {
    DECLARE_DYNCREATE(CRadioFrame)

protected:
    // FALSE when no rig can be served or the rig cannot be claimed.
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;

private:
    // The rigs the window is opened for: the selection, else the rig named like the scan list
    // file, else the user's choice.
    bool ChooseRigs();
};
