#pragma once
// The colour dialog for one entry of the colour table: a grid of basic colours and a swatch of the
// colour chosen so far, which starts as the entry's own. OK keeps the swatch's colour in Color().

#include "platform/afx/CBrush.h"
#include "platform/afx/CDialog.h"

#include <array>

class CColorChoiceDialog : public CDialog {
    DECLARE_DYNAMIC(CColorChoiceDialog)

public:
    // Control ids, for the dialog's script in tests: basic colour n is IDC_BASIC_FIRST + n.
    enum : UINT {
        IDC_BASIC_FIRST = 1100,
        IDC_CURRENT = 1200,
    };
    static constexpr int kBasicColumns = 8;
    static constexpr int kBasicRows = 3;
    static constexpr int kBasicCount = kBasicColumns * kBasicRows;
    static const std::array<COLORREF, kBasicCount> kBasicColors;

    CColorChoiceDialog(int index, COLORREF color, CWnd* pParentWnd = nullptr);

    BOOL OnInitDialog() override;

    COLORREF Color() const { return m_color; }

protected:
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    void OnBasicColor(UINT nID);

    DECLARE_MESSAGE_MAP()

private:
    int m_index;
    COLORREF m_color;
    std::array<CBrush, kBasicCount> m_basicBrushes;
    CBrush m_currentBrush;
};
