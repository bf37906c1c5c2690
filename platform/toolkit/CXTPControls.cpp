#include "platform/toolkit/CXTPControls.h"

#include "platform/toolkit/CXTPCommandBar.h"

#include <algorithm>

CXTPControl* CXTPControls::GetAt(int nIndex) const {
    return nIndex >= 0 && nIndex < GetCount() ? m_controls[static_cast<std::size_t>(nIndex)].get()
                                              : nullptr;
}

CXTPControl* CXTPControls::Add(XTPControlType type, int nId, const CString& caption) {
    auto& control = m_controls.emplace_back(std::make_unique<CXTPControl>(type, nId, caption));
    control->m_pParent = m_pParent;
    control->Changed(true);
    return control.get();
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
