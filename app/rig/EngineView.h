#pragma once
// A scrolling text view of the engine's state for one rig, repainted about once a second: the
// engine status, the device status and the engine's timer statistics, one labelled value per line,
// in columns of 26 characters as many as fit the window, block after block downwards.

#include "platform/afx/CFont.h"
#include "platform/afx/CScrollView.h"

#include <cstdint>

class CRig;

class CEngineView : public CScrollView {
    DECLARE_DYNCREATE(CEngineView)

public:
    static constexpr UINT_PTR kTimerId = 1;
    static constexpr UINT kTimerMs = 1003;
    static constexpr int kFontHeight = 14;
    static constexpr int kColumnChars = 26;

    CEngineView();

    // The contents are as wide as the parent's client area and ten times as high.
    BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                CWnd* pParentWnd, UINT nID, CCreateContext* pContext = nullptr) override;
    void OnDraw(CDC* pDC) override;

    CFont m_font;
    std::int32_t m_column = 0;
    std::int32_t m_row = 0;
    std::int32_t m_block = 0;
    std::int32_t m_margin = 0;
    std::int32_t m_column_width = 0;
    std::int32_t m_line_height = 0;
    std::int32_t m_columns = 0;
    std::int32_t m_rows = 0;
    // The rig shown; none shows nothing.
    CRig* m_rig = nullptr;

protected:
    void OnTimer(UINT_PTR nIDEvent);

    DECLARE_MESSAGE_MAP()

private:
    // Lays the columns out and draws the lines; nothing when a status cannot be read.
    void DrawDump(CDC& dc);
    // Puts the line at the next place and moves the place on.
    void PutLine(CDC& dc, const CString& line);
};
