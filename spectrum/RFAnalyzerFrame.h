#pragma once
// The window of the spectrum analyzer and of the band scope. It passes the rig's stop and start
// on to its view, so that a display the user paused stays paused when the rig comes back; it can
// dock an audio recorder for the radio, and it gives the rig and the recorder up when it closes.
#include "platform/tessary/app/MDIChildFrame.h"

#include <cstdint>

class CAudioRack;

class CRFAnalyzerFrame : public CMDIChildFrame {
    DECLARE_DYNCREATE(CRFAnalyzerFrame)

public:
    static constexpr UINT kRackId = 27460;
    static constexpr DWORD kRackStyle = 0x50402830;
    static constexpr DWORD kRackDocking = 0xA040;

    ~CRFAnalyzerFrame() override;

    // Docks a recorder for the radio whose owner this frame is; nothing without one.
    virtual void CreateAudioRack();

    CAudioRack* m_rack = nullptr;
    // Set when the view was running as the rig stopped it: the next start resumes it.
    std::uint8_t m_restart = 0;

protected:
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
    // The rig's stop and start reach the relays before the view, which handles the same ids.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnSize(UINT nType, int cx, int cy);
    void OnDestroy();
    void OnStop();
    void OnStart();

    DECLARE_MESSAGE_MAP()
};
