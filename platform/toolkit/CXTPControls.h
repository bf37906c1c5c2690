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
    // A new control put before the control at `nBefore` (appended when out of range); a
    // temporary one is left out of the bar's saved state.
    CXTPControl* Add(XTPControlType type, int nId, int nBefore, BOOL bTemporary);
    // The control (of any class) put before `nBefore`, or appended.
    CXTPControl* Add(std::unique_ptr<CXTPControl> pControl, int nBefore = -1);
    // Destroys the control at the index; nothing out of range.
    void Remove(int nIndex);
    // -1 when the control is not on this bar.
    int IndexOf(const CXTPControl* pControl) const;
    // The first control with that id, or null.
    CXTPControl* FindControl(int nId) const;
    void RemoveAll();
    // Puts `pControl` at `nIndex` (clamped), keeping the others in order.
    void MoveTo(CXTPControl* pControl, int nIndex);

private:
    CXTPCommandBar* m_pParent;
    std::vector<std::unique_ptr<CXTPControl>> m_controls;
};
