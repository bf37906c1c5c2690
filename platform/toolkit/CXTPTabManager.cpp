#include "platform/toolkit/CXTPTabManager.h"

#include "platform/afx/CFont.h"
#include "platform/toolkit/Drawing.h"

#include <algorithm>
#include <utility>

namespace {

constexpr int kTabPadding = 16;
constexpr int kIconSize = 16;
constexpr int kIconGap = 4;

// The font made bold, for as long as it lives.
class BoldFont {
public:
    explicit BoldFont(HFONT font) {
        LOGFONT description{};
        ::GetObject(font, sizeof description, &description);
        description.lfWeight = FW_BOLD;
        m_font.CreateFontIndirect(&description);
    }
    CFont* Get() { return &m_font; }

private:
    CFont m_font;
};

} // namespace

void CXTPTabManagerItem::SetCaption(LPCSTR lpszCaption) {
    if (m_strCaption != lpszCaption) {
        m_strCaption = lpszCaption;
        if (m_pManager) {
            m_pManager->OnItemsChanged();
        }
    }
}

int CXTPTabManagerItem::GetIndex() const {
    for (int index = 0; index < m_pManager->GetItemCount(); ++index) {
        if (m_pManager->GetItem(index) == this) {
            return index;
        }
    }
    return -1;
}

CXTPTabManager::~CXTPTabManager() = default;

CXTPTabManagerItem* CXTPTabManager::GetItem(int nIndex) const {
    return nIndex >= 0 && nIndex < GetItemCount() ? m_items[static_cast<std::size_t>(nIndex)].get()
                                                  : nullptr;
}

CXTPTabManagerItem* CXTPTabManager::FindItem(HWND hWnd) const {
    const auto found = std::ranges::find_if(
        m_items, [hWnd](const auto& item) { return item->GetHandle() == hWnd; });
    return found != m_items.end() ? found->get() : nullptr;
}

void CXTPTabManager::SetCurSel(int nIndex) {
    if (nIndex < 0 || nIndex >= GetItemCount() || nIndex == m_nSelected) {
        return;
    }
    m_nSelected = nIndex;
    OnSelectionChanged();
    OnItemsChanged();
}

CXTPTabManagerItem* CXTPTabManager::AddItem(int nIndex, LPCSTR lpszCaption, HWND hWnd, int nImage) {
    auto item = std::make_unique<CXTPTabManagerItem>();
    item->m_pManager = this;
    item->m_strCaption = lpszCaption;
    item->m_hWnd = hWnd;
    item->m_nImage = nImage;
    const int at = std::clamp(nIndex, 0, GetItemCount());
    CXTPTabManagerItem* added = m_items.insert(m_items.begin() + at, std::move(item))->get();
    if (m_nSelected < 0) {
        m_nSelected = 0;
        OnSelectionChanged();
    } else if (at <= m_nSelected) {
        ++m_nSelected;
    }
    m_nHot = -1;
    OnItemsChanged();
    return added;
}

void CXTPTabManager::DeleteItem(int nIndex) {
    if (nIndex < 0 || nIndex >= GetItemCount()) {
        return;
    }
    m_items.erase(m_items.begin() + nIndex);
    m_nHot = -1;
    const bool selectedGone = nIndex == m_nSelected;
    if (nIndex < m_nSelected) {
        --m_nSelected;
    } else if (selectedGone) {
        m_nSelected = std::min(m_nSelected, GetItemCount() - 1);
    }
    if (selectedGone) {
        OnSelectionChanged();
    }
    OnItemsChanged();
}

void CXTPTabManager::DeleteAllItems() {
    m_items.clear();
    m_nSelected = -1;
    m_nHot = -1;
    OnItemsChanged();
}

int CXTPTabManager::HitTest(CPoint point) const {
    for (int index = 0; index < GetItemCount(); ++index) {
        if (m_items[static_cast<std::size_t>(index)]->m_rect.PtInRect(point)) {
            return index;
        }
    }
    return -1;
}

int CXTPTabManager::GetTabRowHeight() const {
    return hb::toolkit::detail::LineHeight(GetTabFont()) + 8;
}

void CXTPTabManager::LayoutRow(const CRect& row) {
    const HFONT font = GetTabFont();
    int x = row.left + 2;
    for (int index = 0; index < GetItemCount(); ++index) {
        CXTPTabManagerItem& item = *m_items[static_cast<std::size_t>(index)];
        int width = hb::toolkit::detail::TextWidth(font, item.m_strCaption) + kTabPadding;
        if (m_paintManager.m_bBoldSelected) {
            // Room for the caption in bold, whichever tab is selected.
            width += item.m_strCaption.GetLength();
        }
        if (GetItemIcon(index)) {
            width += kIconSize + kIconGap;
        }
        item.m_rect = CRect(x, row.top + 2, x + width, row.bottom);
        x += width;
    }
}

void CXTPTabManager::DrawRow(CDC& dc, const CRect& row) const {
    dc.FillSolidRect(row, ::GetSysColor(COLOR_BTNFACE));
    dc.SetBkMode(TRANSPARENT);
    BoldFont bold(GetTabFont());
    for (int index = 0; index < GetItemCount(); ++index) {
        const CXTPTabManagerItem& item = *m_items[static_cast<std::size_t>(index)];
        const bool selected = index == m_nSelected;
        CRect tab = item.m_rect;
        if (selected) {
            tab.top -= 2;
        }
        dc.FillSolidRect(tab, ::GetSysColor(selected ? COLOR_WINDOW : COLOR_BTNFACE));
        CRect edge = tab;
        dc.DrawEdge(edge, EDGE_RAISED, BF_LEFT | BF_TOP | BF_RIGHT);
        const bool hot = m_paintManager.m_bHotTracking && index == m_nHot && !selected;
        dc.SetTextColor(::GetSysColor(hot ? COLOR_HIGHLIGHT : COLOR_BTNTEXT));
        dc.SelectObject(selected && m_paintManager.m_bBoldSelected
                            ? bold.Get()
                            : CFont::FromHandle(GetTabFont()));
        if (const HICON icon = GetItemIcon(index)) {
            ::DrawIconEx(dc, tab.left + kIconGap, tab.top + (tab.Height() - kIconSize) / 2, icon,
                         kIconSize, kIconSize, 0, HBRUSH{}, DI_NORMAL);
            tab.left += kIconSize + kIconGap;
        }
        hb::toolkit::detail::DrawCentredText(dc, tab, item.m_strCaption);
    }
}

bool CXTPTabManager::TrackHot(CPoint point) {
    const int hot = m_paintManager.m_bHotTracking ? HitTest(point) : -1;
    return std::exchange(m_nHot, hot) != hot;
}
