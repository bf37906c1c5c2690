#pragma once
#include "platform/afx/CObject.h"
#include "platform/afx/CPoint.h"
#include "platform/afx/CSize.h"

#include <vector>

// Where one control bar of a frame stands.
struct CDockBarInfo {
    UINT nBarID = 0;
    BOOL bVisible = TRUE;
    BOOL bFloating = FALSE;
    CPoint ptPosition;
    // The frame edge it is docked on (AFX_IDW_DOCKBAR_*); 0 keeps the edge it has.
    UINT nDockBarID = 0;

    bool operator==(const CDockBarInfo&) const = default;
};

// The places of a frame's control bars and the size of the screen they were taken on, kept in the
// application's profile in a section of their own.
class CDockState : public CObject {
    DECLARE_DYNAMIC(CDockState)

public:
    // Replaces the state with the one saved under the name; FALSE, leaving it empty, when none
    // was saved or what was saved cannot be read.
    BOOL LoadState(LPCSTR lpszProfileName);
    // Replaces whatever was saved under the name.
    void SaveState(LPCSTR lpszProfileName) const;
    // No bars, and no screen size.
    void Clear();

    std::vector<CDockBarInfo> m_arrBarInfo;
    CSize m_sizeScreen;
};
