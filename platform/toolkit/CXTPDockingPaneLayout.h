#pragma once
#include "platform/afx/CSize.h"

#include <utility>
#include <vector>

class CXTPDockingPaneManager;

// A saved arrangement of a manager's panes: for each its id, edge, size and whether it is hidden.
// Filled by the manager's GetLayout or by Load, given to the manager by SetLayout.
class CXTPDockingPaneLayout {
public:
    struct PaneState {
        int id = 0;
        int direction = 0;
        CSize size;
        bool hidden = false;
    };

    // The layout is empty until filled; its panes are matched to the manager's by id.
    explicit CXTPDockingPaneLayout(CXTPDockingPaneManager* pManager = nullptr);

    // Under the profile section `lpszSection`. A missing or unreadable value leaves the layout as
    // it is and returns FALSE.
    BOOL Load(LPCSTR lpszSection);
    void Save(LPCSTR lpszSection) const;

    const std::vector<PaneState>& GetPanes() const { return m_panes; }
    void SetPanes(std::vector<PaneState> panes) { m_panes = std::move(panes); }

private:
    std::vector<PaneState> m_panes;
};
