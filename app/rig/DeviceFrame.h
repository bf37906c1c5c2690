#pragma once
// The MDI child frame of the windows that hold radios. It keeps the window's rig and the second
// rig of a Multi-Radio pair (set by the derived frame when it is created, given up when the window
// goes), mutes the radio's audio logger while another window is active, and can stop the
// window's engines and wait for them to settle.

#include "platform/tessary/app/GenericFrame.h"

#include <array>
#include <cstdint>

class CRig;

class CDeviceFrame : public CGenericFrame {
    DECLARE_DYNCREATE(CDeviceFrame)

public:
    static constexpr UINT_PTR kTimerId = 1;
    static constexpr UINT kTimerMs = 1000;
    static constexpr std::uint8_t kCheckPending = 0xFF;

    ~CDeviceFrame() override;

    // Stops the engines this window owns, each with the stop pair, and lets the active view drain
    // their DTMF and history records while it waits, up to 22 passes of 10 ms, for the engine to
    // report "stopped". An engine is watched for 13 passes at least.
    void StopDevices();

    // GetTickCount when an engine check was asked for; 0 for none.
    std::uint32_t m_check_time = 0;
    CRig* m_rig = nullptr;
    CRig* m_rig2 = nullptr;
    // kCheckPending while an engine check is pending.
    std::uint8_t m_check_mark = 0;
    // The start, upload and timer state bytes of the derived frame.
    std::array<std::uint8_t, 3> m_state{};

protected:
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
    void OnDestroy();
    void OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd);

    DECLARE_MESSAGE_MAP()

private:
    void StopEngine(CRig& rig);
};
