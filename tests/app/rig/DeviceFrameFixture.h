#pragma once
// Fixture for the device frame tests: an MDI main window, radio windows made of a device frame
// with command bars and a front panel that drains its rig's DTMF and history records as the radio
// view does, and two simulated radios.

#include "app/radiowindow/CommandBarsChildFrame.h"
#include "platform/afx/CMDIFrameWnd.h"
#include "platform/afx/CView.h"
#include "tests/app/rig/RigTest.h"

#include <functional>
#include <string>
#include <vector>

namespace hb::app::test {

// What the radio windows were told, kept past their end.
struct FrameLog {
    std::vector<UINT> commands;
    int framesDeleted = 0;
};
FrameLog& Frames();

class CTestPanel : public CView {
    DECLARE_DYNCREATE(CTestPanel)

public:
    void OnDraw(CDC*) override {}

    // The records drained, and the record messages received, in order.
    std::vector<std::string> dtmf;
    std::size_t histories = 0;
    std::vector<UINT> messages;
    // Called after each DTMF message is handled.
    std::function<void()> afterDtmf;
    // The panel asks its frame for a restart while it is being destroyed.
    bool restartOnDestroy = false;

protected:
    LRESULT OnDtmf(WPARAM, LPARAM);
    LRESULT OnHistory(WPARAM, LPARAM);
    void OnDestroy();

    DECLARE_MESSAGE_MAP()

private:
    CRig* Rig() const;
};

class CTestRadioFrame : public CCommandBarsChildFrame {
    DECLARE_DYNCREATE(CTestRadioFrame)

public:
    ~CTestRadioFrame() override;

    CTestPanel* Panel() const { return static_cast<CTestPanel*>(GetActiveView()); }

protected:
    void OnStop();
    void OnStart();
    // As the radio window does, the panel goes before the device frame gives up its rigs.
    void OnDestroy();

    DECLARE_MESSAGE_MAP()
};

class DeviceFrameTest : public RigTest {
protected:
    DeviceFrameTest();
    void TearDown() override;

    // A radio window on `rig` that owns it, with `rig2` as its second radio when given.
    CTestRadioFrame* Open(CRig* rig, CRig* rig2 = nullptr);
    // The engine of the rig, notifying the window's panel.
    static std::uint16_t Start(CRig* rig, CTestRadioFrame* frame);

    CMDIFrameWnd* main = nullptr;
    CRig* alpha = nullptr;
    CRig* bravo = nullptr;
};

} // namespace hb::app::test
