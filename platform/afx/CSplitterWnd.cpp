#include "platform/afx/CSplitterWnd.h"

#include "platform/afx/HandleMap.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CSplitterWnd, CWnd)

BEGIN_MESSAGE_MAP(CSplitterWnd, CWnd)
ON_WM_SIZE()
END_MESSAGE_MAP()

namespace {

struct Span {
    int start = 0;
    int size = 0;
};

template <class Track>
std::vector<Span> Lay(const std::vector<Track>& tracks, int total, int gap) {
    std::vector<Span> spans;
    int at = 0;
    for (std::size_t i = 0; i < tracks.size(); ++i) {
        int size = 0;
        if (i + 1 == tracks.size()) {
            size = std::max(total - at, 0);
        } else if (tracks[i].ideal >= tracks[i].min) {
            size = std::clamp(tracks[i].ideal, 0, std::max(total - at, 0));
        }
        spans.push_back({at, size});
        at += size + (size > 0 ? gap : 0);
    }
    return spans;
}

} // namespace

BOOL CSplitterWnd::CreateStatic(CWnd* pParentWnd, int nRows, int nCols, DWORD dwStyle, UINT nID) {
    if (!pParentWnd || nRows < 1 || nCols < 1 || nRows > kMaxPanes || nCols > kMaxPanes) {
        return FALSE;
    }
    m_rows.assign(static_cast<std::size_t>(nRows), {});
    m_cols.assign(static_cast<std::size_t>(nCols), {});
    // Empty at first: the frame's layout gives it its size, and the panes theirs.
    return CreateEx(0, nullptr, nullptr, dwStyle | WS_CHILD, CRect(), pParentWnd, nID);
}

BOOL CSplitterWnd::CreateView(int row, int col, CRuntimeClass* pViewClass, SIZE sizeInit,
                              CCreateContext* pContext) {
    if (row < 0 || col < 0 || row >= GetRowCount() || col >= GetColumnCount() ||
        GetPane(row, col)) {
        return FALSE;
    }
    auto* view = pViewClass ? DYNAMIC_DOWNCAST(CWnd, pViewClass->CreateObject()) : nullptr;
    if (!view) {
        return FALSE;
    }
    m_rows[static_cast<std::size_t>(row)].ideal = sizeInit.cy;
    m_cols[static_cast<std::size_t>(col)].ideal = sizeInit.cx;
    const BOOL created = hb::afx::detail::CreateSelfDeleting(view, [&] {
        return view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE,
                            CRect(0, 0, sizeInit.cx, sizeInit.cy), this,
                            static_cast<UINT>(IdFromRowCol(row, col)), pContext);
    });
    if (created) {
        RecalcLayout();
    }
    return created;
}

CWnd* CSplitterWnd::GetPane(int row, int col) const {
    return GetDlgItem(IdFromRowCol(row, col));
}

int CSplitterWnd::IdFromRowCol(int row, int col) const {
    return static_cast<int>(AFX_IDW_PANE_FIRST) + row * kMaxPanes + col;
}

void CSplitterWnd::SetRowInfo(int row, int cyIdeal, int cyMin) {
    if (row >= 0 && row < GetRowCount()) {
        m_rows[static_cast<std::size_t>(row)] = {cyIdeal, cyMin};
    }
}

void CSplitterWnd::SetColumnInfo(int col, int cxIdeal, int cxMin) {
    if (col >= 0 && col < GetColumnCount()) {
        m_cols[static_cast<std::size_t>(col)] = {cxIdeal, cxMin};
    }
}

void CSplitterWnd::RecalcLayout() {
    if (!m_hWnd) {
        return;
    }
    CRect client;
    GetClientRect(&client);
    const auto rows = Lay(m_rows, client.Height(), kSplitterGap);
    const auto cols = Lay(m_cols, client.Width(), kSplitterGap);
    for (int r = 0; r < GetRowCount(); ++r) {
        for (int c = 0; c < GetColumnCount(); ++c) {
            const HWND pane = ::GetDlgItem(m_hWnd, IdFromRowCol(r, c));
            const Span& y = rows[static_cast<std::size_t>(r)];
            const Span& x = cols[static_cast<std::size_t>(c)];
            if (pane) {
                ::MoveWindow(pane, x.start, y.start, x.size, y.size, TRUE);
            }
        }
    }
}

void CSplitterWnd::OnSize(UINT, int, int) {
    RecalcLayout();
}
