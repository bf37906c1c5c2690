#pragma once
#include "platform/afx/CMDIFrameWnd.h"

class CXTPCommandBars;

// An MDI frame with command bars. Their shortcuts are translated after the frame's own
// accelerators; the frame owns the bars and deletes them with itself.
class CXTPMDIFrameWnd : public CMDIFrameWnd {
    DECLARE_DYNCREATE(CXTPMDIFrameWnd)

public:
    ~CXTPMDIFrameWnd() override;

    // Command bars of the class (CXTPCommandBars or derived) with this frame as their site, in
    // place of any before; FALSE when they cannot be made.
    BOOL InitCommandBars(CRuntimeClass* pCommandBarsClass = nullptr);
    CXTPCommandBars* GetCommandBars() const { return m_pCommandBars; }
    // The options and the bar state, under the profile section `lpszProfileName`; the shortcuts
    // are loaded on their own (CXTPShortcutManager::LoadShortcuts).
    void LoadCommandBars(LPCSTR lpszProfileName);
    // The options, the bar state and the shortcuts.
    void SaveCommandBars(LPCSTR lpszProfileName);

    BOOL PreTranslateMessage(MSG* pMsg) override;
    // The menu bar shows the active child's document menu beside its own.
    void OnUpdateFrameMenu() override;

private:
    CXTPCommandBars* m_pCommandBars = nullptr;
};
