#include "audio/AudioPlayerFrame.h"

#include "audio/AudioManifest.h"
#include "audio/AudioPlayer.h"
#include "platform/afx/CDockState.h"
#include "platform/afx/res/AfxIds.h"
#include "platform/afx/res/DialogTemplate.h"
#include "platform/afx/res/TemplateLookup.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/tessary/audio/AudioPlayerView.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CAudioPlayerFrame, CGenericFrame)

BEGIN_MESSAGE_MAP(CAudioPlayerFrame, CGenericFrame)
ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {

constexpr int kPlayerMinHeight = 100;

// Room for the frame's borders and the catalog's scroll bar beside the player's form.
constexpr int kFrameMargin = 12;

RECT PlayerFormSize() {
    const hb::afx::DialogTemplate* form = hb::afx::FindDialogTemplate(CAudioPlayer::kForm);
    return form ? hb::afx::DluToPixels({0, 0, form->cx, form->cy})
                : RECT{0, 0, 0, kPlayerMinHeight};
}

} // namespace

BOOL CAudioPlayerFrame::PreCreateWindow(CREATESTRUCT& cs) {
    // Wide enough for the whole of the player's form.
    cs.cx = std::max(cs.cx, static_cast<int>(PlayerFormSize().right) + kFrameMargin);
    return CGenericFrame::PreCreateWindow(cs);
}

BOOL CAudioPlayerFrame::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext) {
    if (!m_splitter.CreateStatic(this, 2, 1, WS_CHILD | WS_VISIBLE, AFX_IDW_PANE_FIRST)) {
        return FALSE;
    }
    EnableDocking(CBRS_ALIGN_ANY);
    m_splitter.CreateView(0, 0, RUNTIME_CLASS(CAudioPlayer), CSize(100, 100), pContext);
    m_player = DYNAMIC_DOWNCAST(CAudioPlayer, m_splitter.GetPane(0, 0));
    if (!m_player) {
        return FALSE;
    }
    m_player->SetRole(1);
    m_player->DSPRole(1);
    m_player->SetMode(CAudioLog::kModePlay);

    if (!m_tabs.Create(nullptr, "", kTabStyle, CRect(), &m_splitter,
                       static_cast<UINT>(m_splitter.IdFromRowCol(1, 0)), nullptr)) {
        return FALSE;
    }
    m_tabs.AddView(RUNTIME_CLASS(CAudioManifest), pContext, "Audio Manifest", -1);
    m_tabs.AddView(RUNTIME_CLASS(CAudioPlayerView), pContext, "Current Index", -1);
    m_catalog = DYNAMIC_DOWNCAST(CAudioManifest, m_tabs.GetView(0));
    m_indexView = DYNAMIC_DOWNCAST(CAudioPlayerView, m_tabs.GetView(1));
    if (!m_catalog || !m_indexView) {
        return FALSE;
    }
    m_catalog->SetPlayer(m_player);

    m_player->m_indexView = m_indexView;
    m_indexView->m_log = m_player;
    m_indexView->BindDocument(&m_player->m_file);

    if (CScanApp* app = CScanApp::GetScanApp()) {
        m_tabs.SetActiveIndex(app->GetProfileIntA(CAudioPlayer::kSection, "ActiveView", 0));
    }
    ApplyDockState();
    m_splitter.SetRowInfo(0, PlayerFormSize().bottom, kPlayerMinHeight);
    m_splitter.RecalcLayout();
    m_created = true;
    return TRUE;
}

void CAudioPlayerFrame::ApplyDockState() {
    CDockState state;
    state.LoadState(kDockState);
    try {
        SetDockState(state);
    } catch (...) {
        state.Clear();
        SetDockState(state);
    }
}

void CAudioPlayerFrame::OnDestroy() {
    if (m_player) {
        m_player->Reset();
        m_player->Disable();
    }
    if (m_created) {
        if (CScanApp* app = CScanApp::GetScanApp()) {
            app->WriteProfileInt(CAudioPlayer::kSection, "ActiveView", m_tabs.GetActiveIndex());
        }
        CDockState state;
        GetDockState(state);
        state.SaveState(kDockState);
    }
    CGenericFrame::OnDestroy();
}
