#include "platform/toolkit/CXTPControls.h"

#include "platform/toolkit/CXTPCommandBar.h"

#include <algorithm>

CXTPControl* CXTPControls::GetAt(int nIndex) const {
    return nIndex >= 0 && nIndex < GetCount() ? m_controls[static_cast<std::size_t>(nIndex)].get()
                                              : nullptr;
}

CXTPControl* CXTPControls::Add(XTPControlType type, int nId, const CString& caption) {
    return Add(std::make_unique<CXTPControl>(type, nId, caption));
}

CXTPControl* CXTPControls::Add(XTPControlType type, int nId, int nBefore, BOOL bTemporary) {
    CXTPControl* control = Add(std::make_unique<CXTPControl>(type, nId, CString()), nBefore);
    control->m_bTemporary = bTemporary ? TRUE : FALSE;
    return control;
}

CXTPControl* CXTPControls::Add(std::unique_ptr<CXTPControl> pControl, int nBefore) {
    const auto at =
        nBefore >= 0 && nBefore < GetCount() ? m_controls.begin() + nBefore : m_controls.end();
    CXTPControl* control = m_controls.insert(at, std::move(pControl))->get();
    control->m_pParent = m_pParent;
    control->Changed(true);
    return control;
}

void CXTPControls::Remove(int nIndex) {
    if (nIndex < 0 || nIndex >= GetCount()) {
        return;
    }
    m_controls.erase(m_controls.begin() + nIndex);
    if (m_pParent) {
        m_pParent->DelayLayout();
    }
}

int CXTPControls::IndexOf(const CXTPControl* pControl) const {
    const auto found = std::ranges::find_if(
        m_controls, [pControl](const auto& control) { return control.get() == pControl; });
    return found != m_controls.end() ? static_cast<int>(found - m_controls.begin()) : -1;
}

CXTPControl* CXTPControls::FindControl(int nId) const {
    const auto found = std::ranges::find_if(
        m_controls, [nId](const auto& control) { return control->GetID() == nId; });
    return found != m_controls.end() ? found->get() : nullptr;
}

void CXTPControls::RemoveAll() {
    m_controls.clear();
    if (m_pParent) {
        m_pParent->DelayLayout();
    }
}

void CXTPControls::MoveTo(CXTPControl* pControl, int nIndex) {
    const auto at = std::ranges::find_if(
        m_controls, [pControl](const auto& control) { return control.get() == pControl; });
    if (at == m_controls.end()) {
        return;
    }
    std::unique_ptr<CXTPControl> moved = std::move(*at);
    m_controls.erase(at);
    const auto index = std::clamp<std::ptrdiff_t>(nIndex, 0, GetCount());
    m_controls.insert(m_controls.begin() + index, std::move(moved));
    if (m_pParent) {
        m_pParent->DelayLayout();
    }
}
