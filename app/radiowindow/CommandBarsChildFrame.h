#pragma once
// The device frame with command bars of its own, for the radio window: the bars are made by
// runtime class with this frame as their site, kept in the profile under a name (options, bar
// state and shortcuts), and deleted with the frame.

#include "app/rig/DeviceFrame.h"

class CXTPCommandBars;

class CCommandBarsChildFrame : public CDeviceFrame {
    DECLARE_DYNCREATE(CCommandBarsChildFrame)

public:
    ~CCommandBarsChildFrame() override;

    // Command bars of the class (CXTPCommandBars or derived) in place of any before; FALSE when
    // they cannot be made, and then the frame has none.
    BOOL InitCommandBars(CRuntimeClass* pCommandBarsClass);
    CXTPCommandBars* GetCommandBars() const { return m_pCommandBars; }
    void LoadCommandBars(LPCSTR lpszProfileName);
    void SaveCommandBars(LPCSTR lpszProfileName);

private:
    CXTPCommandBars* m_pCommandBars = nullptr;
};
