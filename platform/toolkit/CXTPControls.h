#pragma once
#include "platform/toolkit/CXTPControl.h"

#include <memory>
#include <vector>

// The controls of one bar, in order. The bar owns them.
class CXTPControls {
public:
    explicit CXTPControls(CXTPCommandBar* pParent) : m_pParent(pParent) {}

    int GetCount() const { return static_cast<int>(m_controls.size()); }
    // Null for an index out of range.
    CXTPControl* GetAt(int nIndex) const;
    // Appended.
    CXTPControl* Add(XTPControlType type, int nId, const CString& caption = CString());
    // The first control with that id, or null.
    CXTPControl* FindControl(int nId) const;
    void RemoveAll();
    // Puts `pControl` at `nIndex` (clamped), keeping the others in order.
    void MoveTo(CXTPControl* pControl, int nIndex);

private:
    CXTPCommandBar* m_pParent;
    std::vector<std::unique_ptr<CXTPControl>> m_controls;
};
