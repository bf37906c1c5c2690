#include "platform/afx/CDockState.h"

#include "platform/afx/CWinApp.h"

#include <cstdio>

IMPLEMENT_DYNAMIC(CDockState, CObject)

namespace {

constexpr LPCSTR kScreen = "Screen";
constexpr LPCSTR kBars = "Bars";
constexpr LPCSTR kDock = "Dock";

CString BarEntry(std::size_t index, LPCSTR kind = "Bar") {
    CString entry;
    entry.Format("%s%zu", kind, index);
    return entry;
}

// The whole text, and nothing else, must be the values asked for.
template <typename... Values>
bool ReadAll(const CString& text, const char* format, Values*... values) {
    int used = -1;
    const int read = std::sscanf(text.GetString(), format, values..., &used);
    return read == static_cast<int>(sizeof...(Values)) && used == text.GetLength();
}

} // namespace

void CDockState::Clear() {
    m_arrBarInfo.clear();
    m_sizeScreen = CSize();
}

BOOL CDockState::LoadState(LPCSTR lpszProfileName) {
    Clear();
    CWinApp* app = AfxGetApp();
    if (!app || !lpszProfileName) {
        return FALSE;
    }
    const int count = static_cast<int>(app->GetProfileInt(lpszProfileName, kBars, -1));
    int cx = 0;
    int cy = 0;
    if (count < 0 ||
        !ReadAll(app->GetProfileString(lpszProfileName, kScreen, ""), "%d,%d%n", &cx, &cy)) {
        return FALSE;
    }
    std::vector<CDockBarInfo> bars;
    for (std::size_t index = 0; index < static_cast<std::size_t>(count); ++index) {
        const CString text = app->GetProfileString(lpszProfileName, BarEntry(index), "");
        unsigned id = 0;
        int visible = 0;
        int floating = 0;
        int x = 0;
        int y = 0;
        if (!ReadAll(text, "%u,%d,%d,%d,%d%n", &id, &visible, &floating, &x, &y)) {
            return FALSE;
        }
        const auto edge =
            static_cast<UINT>(app->GetProfileInt(lpszProfileName, BarEntry(index, kDock), 0));
        bars.push_back({id, visible != 0, floating != 0, CPoint(x, y), edge});
    }
    m_arrBarInfo = std::move(bars);
    m_sizeScreen = CSize(cx, cy);
    return TRUE;
}

void CDockState::SaveState(LPCSTR lpszProfileName) const {
    CWinApp* app = AfxGetApp();
    if (!app || !lpszProfileName) {
        return;
    }
    // Bars of an earlier state that this one lacks must not be read back.
    app->WriteProfileString(lpszProfileName, nullptr, nullptr);
    CString screen;
    screen.Format("%d,%d", static_cast<int>(m_sizeScreen.cx), static_cast<int>(m_sizeScreen.cy));
    app->WriteProfileString(lpszProfileName, kScreen, screen);
    for (std::size_t index = 0; index < m_arrBarInfo.size(); ++index) {
        const CDockBarInfo& bar = m_arrBarInfo[index];
        CString text;
        text.Format("%u,%d,%d,%d,%d", bar.nBarID, bar.bVisible ? 1 : 0, bar.bFloating ? 1 : 0,
                    static_cast<int>(bar.ptPosition.x), static_cast<int>(bar.ptPosition.y));
        app->WriteProfileString(lpszProfileName, BarEntry(index), text);
        if (bar.nDockBarID != 0) {
            app->WriteProfileInt(lpszProfileName, BarEntry(index, kDock),
                                 static_cast<int>(bar.nDockBarID));
        }
    }
    // The count last: a state cut short by a crash is not read back.
    app->WriteProfileInt(lpszProfileName, kBars, static_cast<int>(m_arrBarInfo.size()));
}
