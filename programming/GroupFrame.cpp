#include "programming/GroupFrame.h"

#include "platform/afx/CCreateContext.h"
#include "platform/afx/CDocTemplate.h"
#include "platform/afx/CView.h"
#include "platform/tessary/app/GroupDoc.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/tessary/model/Group.h"
#include "platform/tessary/model/Radio.h"
#include "programming/FrameToolBar.h"
#include "programming/GroupView.h"
#include "programming/Loader.h"

IMPLEMENT_DYNCREATE(CGroupFrame, CMDIChildFrame)

BEGIN_MESSAGE_MAP(CGroupFrame, CMDIChildFrame)
ON_WM_DESTROY()
ON_COMMAND(27119, &CGroupFrame::OnRadioToPC)
ON_COMMAND(27118, &CGroupFrame::OnPCToRadio)
ON_COMMAND(27140, &CGroupFrame::OnNoCommand)
ON_COMMAND(27141, &CGroupFrame::OnNoCommand)
ON_MESSAGE(WM_GROUP_TRANSFER_REQUEST, &CGroupFrame::OnGroupTransferRequest)
END_MESSAGE_MAP()

namespace {

constexpr UINT kGroupToolBar = 27346;
constexpr UINT kAssistantTemplate = 27360;
constexpr UINT kAssistantToolBar = 27363;
constexpr LPCSTR kLayout = "GroupToolBar";

// The group of the active view's document; null without one.
CGroupDoc* ActiveGroupDoc(CFrameWnd& frame) {
    return frame.GetActiveView() ? dynamic_cast<CGroupDoc*>(frame.GetActiveDocument()) : nullptr;
}

// The active view shows the group as the transfer left it.
void ShowTransferred(CFrameWnd& frame) {
    if (auto* view = dynamic_cast<CGroupView*>(frame.GetActiveView())) {
        view->RefreshGrid();
    } else if (CView* other = frame.GetActiveView()) {
        other->Invalidate();
    }
}

} // namespace

BOOL CGroupFrame::OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) {
    if (CScanApp* app = CScanApp::GetScanApp();
        app && app->GetProfileIntA("Settings", "HFFreqDisplayMHz", 1) != 0) {
        m_bHFDisplay = 0xFF;
    }
    // The monitoring assistant's template, whose bar has no transfers, is not registered.
    const bool assistant = pContext && pContext->m_pNewDocTemplate &&
                           pContext->m_pNewDocTemplate->m_nIDResource == kAssistantTemplate;
    if (!hb::programming::MakeFrameToolBar(
            *this, m_wndToolBar, assistant ? kAssistantToolBar : kGroupToolBar, "Group Tools")) {
        return FALSE;
    }
    hb::programming::RestoreFrameLayout(*this, kLayout);
    return CMDIChildFrame::OnCreateClient(lpcs, pContext);
}

void CGroupFrame::OnDestroy() {
    // A frame whose bar failed must not overwrite the layout saved by one that had it.
    if (m_wndToolBar.m_hWnd) {
        hb::programming::SaveFrameLayout(*this, kLayout);
    }
    CMDIChildFrame::OnDestroy();
}

void CGroupFrame::OnRadioToPC() {
    CGroupDoc* doc = ActiveGroupDoc(*this);
    if (!doc) {
        return;
    }
    CLoader loader;
    loader.Upload(doc->GetGroup(), nullptr, doc, this);
    ShowTransferred(*this);
}

void CGroupFrame::OnPCToRadio() {
    CGroupDoc* doc = ActiveGroupDoc(*this);
    if (!doc) {
        return;
    }
    CLoader loader;
    loader.Download(doc->GetGroup(), nullptr, doc, this);
    ShowTransferred(*this);
}

LRESULT CGroupFrame::OnGroupTransferRequest(WPARAM wParam, LPARAM) {
    CGroupDoc* doc = ActiveGroupDoc(*this);
    if (!doc) {
        return 0;
    }
    // This type's model reads the memories its own way.
    constexpr std::uint16_t kOwnTransferType = 75;
    Radio* model = doc->GetRadio();
    if (!model || model->RadioTypeCode() != kOwnTransferType) {
        OnRadioToPC();
        return 0;
    }
    if (model->TransferFromRadio(doc, this, wParam) > 0) {
        Invalidate();
    }
    return 0;
}
