#pragma once
// The window of a group document: the "Group Tools" bar, whose place is kept under
// "GroupToolBar", and the memory transfers between the group and the radio.
#include "platform/afx/CToolBar.h"
#include "platform/tessary/app/MDIChildFrame.h"

#include <array>

// Asks the group window to fill its group from the radio (wParam: the model's argument).
inline constexpr UINT WM_GROUP_TRANSFER_REQUEST = 0x7D14;

class CGroupFrame : public CMDIChildFrame {
    DECLARE_DYNCREATE(CGroupFrame)

public:
    CToolBar m_wndToolBar;
    // Read by the radio model, which is handed the frame in its own transfer.
    DWORD m_dwValue = 0;
    std::array<BYTE, 4150> m_workArea{};
    BYTE m_bHFDisplay = 0;

protected:
    // FALSE, failing the window, when its bar cannot be made.
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
    void OnDestroy();
    void OnRadioToPC();
    void OnPCToRadio();
    void OnNoCommand() {}
    LRESULT OnGroupTransferRequest(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()
};
