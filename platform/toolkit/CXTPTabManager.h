#pragma once
#include "platform/afx/CDC.h"
#include "platform/toolkit/CXTPTabPaintManager.h"

#include <memory>
#include <vector>

class CXTPTabManager;

// One tab: a caption, an image index and the window it stands for.
class CXTPTabManagerItem {
public:
    HWND GetHandle() const { return m_hWnd; }
    void SetHandle(HWND hWnd) { m_hWnd = hWnd; }
    CString GetCaption() const { return m_strCaption; }
    void SetCaption(LPCSTR lpszCaption);
    int GetImageIndex() const { return m_nImage; }
    int GetIndex() const;
    // Where the tab shows, in its window's client coordinates.
    CRect GetRect() const { return m_rect; }

private:
    friend class CXTPTabManager;

    CXTPTabManager* m_pManager = nullptr;
    HWND m_hWnd;
    CString m_strCaption;
    int m_nImage = -1;
    CRect m_rect;
};

// A row of tabs with one selected; a window that shows it derives from this. Indexes out of
// range are ignored, or answered with null or -1.
class CXTPTabManager {
public:
    CXTPTabManager() = default;
    virtual ~CXTPTabManager();
    CXTPTabManager(const CXTPTabManager&) = delete;
    CXTPTabManager& operator=(const CXTPTabManager&) = delete;

    int GetItemCount() const { return static_cast<int>(m_items.size()); }
    CXTPTabManagerItem* GetItem(int nIndex) const;
    // The first tab standing for the window, or null.
    CXTPTabManagerItem* FindItem(HWND hWnd) const;
    // -1 when there are no tabs.
    int GetCurSel() const { return m_nSelected; }
    CXTPTabManagerItem* GetSelectedItem() const { return GetItem(m_nSelected); }
    void SetCurSel(int nIndex);
    // The tab goes; its window stays as it is. A deleted selected tab passes the selection to the
    // tab that takes its place, else to the last one.
    void DeleteItem(int nIndex);
    void DeleteAllItems();
    CXTPTabPaintManager* GetPaintManager() { return &m_paintManager; }

    // The index of the tab at the point, or -1.
    int HitTest(CPoint point) const;

protected:
    // At nIndex (clamped); the first tab is selected.
    CXTPTabManagerItem* AddItem(int nIndex, LPCSTR lpszCaption, HWND hWnd, int nImage);

    // The items or the selection changed: the window lays its tabs out and repaints.
    virtual void OnItemsChanged() = 0;
    virtual void OnSelectionChanged() {}
    virtual HFONT GetTabFont() const = 0;
    // A picture shown before the caption, if any.
    virtual HICON GetItemIcon(int) const { return {}; }

    int GetTabRowHeight() const;
    // Places the tabs side by side from the left of the row.
    void LayoutRow(const CRect& row);
    void DrawRow(CDC& dc, const CRect& row) const;
    // Hot tracking: the tab under the mouse; returns whether that changed.
    bool TrackHot(CPoint point);

private:
    friend class CXTPTabManagerItem;

    std::vector<std::unique_ptr<CXTPTabManagerItem>> m_items;
    int m_nSelected = -1;
    int m_nHot = -1;
    CXTPTabPaintManager m_paintManager;
};
