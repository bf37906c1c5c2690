#include "radioview/RadioView.h"

#include "app/radiowindow/RadioFrame.h"
#include "app/rig/Rig.h"
#include "platform/afx/CDocument.h"
#include "resources/ResourceIds.h"

IMPLEMENT_DYNCREATE(CRadioView, CEnhancedFormView)

BEGIN_MESSAGE_MAP(CRadioView, CEnhancedFormView)
ON_WM_CREATE()
ON_WM_DESTROY()
END_MESSAGE_MAP()

CRadioView::CRadioView() : CRadioView(IDD_RADIO_VIEW) {}

CRadioView::CRadioView(UINT nIDTemplate) : CEnhancedFormView(nIDTemplate) {}

CRadioView::~CRadioView() = default;

CRuntimeClass* CRadioView::GetViewClass(CRig*) {
    return RUNTIME_CLASS(CRadioView);
}

void CRadioView::DoDataExchange(CDataExchange* pDX) {
    CEnhancedFormView::DoDataExchange(pDX);
}

int CRadioView::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    m_frame = DYNAMIC_DOWNCAST(CRadioFrame, GetParentFrame());
    return CEnhancedFormView::OnCreate(lpCreateStruct) == -1 ? -1 : 0;
}

void CRadioView::OnInitialUpdate() {
    CEnhancedFormView::OnInitialUpdate();
    if (m_frame) {
        m_frame->m_state[1] = kOn;
        m_frame->OnRadioStart();
    }
    UpdateTitle();
}

void CRadioView::OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) {
    CEnhancedFormView::OnUpdate(pSender, lHint, pHint);
}

void CRadioView::OnDestroy() {
    CEnhancedFormView::OnDestroy();
}

INT_PTR CRadioView::OnToolHitTest(CPoint point, TOOLINFO* pTI) const {
    return CWnd::OnToolHitTest(point, pTI);
}

BOOL CRadioView::OnToolTipNotify(UINT, NMHDR*, LRESULT*) {
    return TRUE;
}

LRESULT CRadioView::OnDeviceOpen(WPARAM, LPARAM) {
    RefreshFromDevice();
    return 0;
}

ParmChangeCode CRadioView::CompareParm(const parm& a, const parm& b) {
    if (a.get(parm::kFrequency) != b.get(parm::kFrequency)) {
        OnFrequencyChanged();
    }
    return ::CompareParm(a, b);
}

void CRadioView::SetupControls() {}

void CRadioView::UpdateTitle() {
    if (m_rig && GetDocument()) {
        GetDocument()->SetTitle(m_rig->m_section);
    }
}

void CRadioView::NormaliseParm(parm*) {}
void CRadioView::EmptyOperation() {}
void CRadioView::ShowAnnotation(CAudioLog*, const wlseg*) {}
void CRadioView::ShowRecordTime(const dal*, std::uint32_t, BYTE) {}
void CRadioView::ShowAudioTime(CAudioLog*, std::uint32_t, int) {}
