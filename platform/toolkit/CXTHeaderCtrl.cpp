#include "platform/toolkit/CXTHeaderCtrl.h"

IMPLEMENT_DYNAMIC(CXTHeaderCtrl, CHeaderCtrl)

BEGIN_MESSAGE_MAP(CXTHeaderCtrl, CHeaderCtrl)
ON_MESSAGE(HDM_SETITEM, &CXTHeaderCtrl::OnSetItem)
ON_MESSAGE(HDM_INSERTITEM, &CXTHeaderCtrl::OnInsertItem)
END_MESSAGE_MAP()

LRESULT CXTHeaderCtrl::OnSetItem(WPARAM wParam, LPARAM lParam) {
    return WithMinimumWidth(HDM_SETITEM, wParam, lParam);
}

LRESULT CXTHeaderCtrl::OnInsertItem(WPARAM wParam, LPARAM lParam) {
    return WithMinimumWidth(HDM_INSERTITEM, wParam, lParam);
}

LRESULT CXTHeaderCtrl::WithMinimumWidth(UINT message, WPARAM wParam, LPARAM lParam) {
    const auto* item = reinterpret_cast<const HDITEM*>(lParam);
    if (!item || !(item->mask & HDI_WIDTH) || item->cxy >= m_nMinSize) {
        return DefWindowProc(message, wParam, lParam);
    }
    HDITEM wider = *item;
    wider.cxy = m_nMinSize;
    return DefWindowProc(message, wParam, reinterpret_cast<LPARAM>(&wider));
}
