#pragma once
// The audio player's window: the player above, and below it the tabs "Audio Manifest" (the
// recordings catalog) and "Current Index" (the segments of the file the player has open). The tab
// last shown and the bars' places are kept for the next time.
#include "app/radiowindow/TabViewContainer.h"
#include "platform/afx/CSplitterWnd.h"
#include "platform/tessary/app/GenericFrame.h"

class CAudioManifest;
class CAudioPlayer;
class CAudioPlayerView;

class CAudioPlayerFrame : public CGenericFrame {
    DECLARE_DYNCREATE(CAudioPlayerFrame)

public:
    static constexpr LPCSTR kDockState = "Audio Player Dock State";
    static constexpr DWORD kTabStyle = 0x50008243;

    CTabViewContainer& Tabs() { return m_tabs; }

    CAudioPlayer* m_player = nullptr;
    CAudioManifest* m_catalog = nullptr;
    CAudioPlayerView* m_indexView = nullptr;

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
    void OnDestroy();

    DECLARE_MESSAGE_MAP()

private:
    void ApplyDockState();

    CSplitterWnd m_splitter;
    CTabViewContainer m_tabs;
    bool m_created = false;
};
