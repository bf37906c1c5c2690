#include "app/radiowindow/ToolView.h"

#include "app/radiowindow/RadioFrame.h"
#include "platform/afx/Ddx.h"

IMPLEMENT_DYNCREATE(CToolView, CEnhancedFormView)

BEGIN_MESSAGE_MAP(CToolView, CEnhancedFormView)
ON_COMMAND(ID_RADIO_LOCK_OUT, &CToolView::OnLockOut)
ON_COMMAND(ID_RADIO_STOP, &CToolView::OnStop)
ON_COMMAND(IDC_KEY_RESET, &CToolView::OnReset)
ON_COMMAND(ID_RADIO_START, &CToolView::OnStart)
END_MESSAGE_MAP()

namespace {

constexpr CSize kImageSize{32, 32};

} // namespace

CToolView::CToolView() : CEnhancedFormView(IDD) {}

void CToolView::DoDataExchange(CDataExchange* pDX) {
    CEnhancedFormView::DoDataExchange(pDX);
    DDX_Control(pDX, ID_RADIO_START, m_start);
    DDX_Control(pDX, IDC_KEY_RESET, m_reset);
    DDX_Control(pDX, ID_RADIO_STOP, m_stop);
    DDX_Control(pDX, ID_RADIO_LOCK_OUT, m_lockOut);
}

void CToolView::OnInitialUpdate() {
    CEnhancedFormView::OnInitialUpdate();
    m_start.SetIcon(kImageSize, IDI_PLAYER_PLAY);
    m_reset.SetIcon(kImageSize, IDC_KEY_RESET);
    m_stop.SetIcon(kImageSize, IDI_KEY_HOLD);
    m_lockOut.SetIcon(kImageSize, ID_RADIO_LOCK_OUT);
}

CRadioFrame* CToolView::RadioFrame() const {
    return DYNAMIC_DOWNCAST(CRadioFrame, GetParentFrame());
}

void CToolView::OnStart() {
    if (CRadioFrame* frame = RadioFrame()) {
        frame->OnRadioStart();
    }
}

void CToolView::OnReset() {
    if (CRadioFrame* frame = RadioFrame()) {
        frame->OnRackCommand();
    }
}

void CToolView::OnStop() {
    if (CRadioFrame* frame = RadioFrame()) {
        frame->OnRadioStop();
    }
}

void CToolView::OnLockOut() {
    if (CRadioFrame* frame = RadioFrame()) {
        frame->OnLockOut();
    }
}
