#pragma once
// One cell of a grid: its text and how it shows and edits. A check box keeps "1" or "0" as its
// text; a drop list offers the "\n"-separated items of its label.
#include "platform/afx/CString.h"
#include "platform/win/gdi/TextDrawing.h"

class CFont;

inline constexpr int UGCT_NORMAL = 0;
inline constexpr int UGCT_DROPLIST = 1;
inline constexpr int UGCT_CHECKBOX = 2;
// Text with a small button at its right; the button, or a double click, notifies the grid.
inline constexpr int UGCT_FILEBUTTON = 3;
// A check box that shows its label beside the box.
inline constexpr int UGCT_CHECKBOXLABEL = 0x1000;

class CUGCell {
public:
    void SetText(LPCSTR text) { m_text = text ? text : ""; }
    const CString& GetText() const { return m_text; }
    void SetCellType(int type) { m_type = type; }
    int GetCellType() const { return m_type; }
    void SetCellTypeEx(int type) { m_typeEx = type; }
    int GetCellTypeEx() const { return m_typeEx; }
    void SetLabelText(LPCSTR text) { m_label = text ? text : ""; }
    const CString& GetLabelText() const { return m_label; }
    void SetReadOnly(BOOL readOnly) { m_readOnly = readOnly; }
    BOOL GetReadOnly() const { return m_readOnly; }
    void SetAlignment(UINT alignment) { m_alignment = alignment; }
    UINT GetAlignment() const { return m_alignment; }
    void SetTextColor(COLORREF color) { m_textColor = color; }
    COLORREF GetTextColor() const { return m_textColor; }
    void SetBackColor(COLORREF color) { m_backColor = color; }
    COLORREF GetBackColor() const { return m_backColor; }
    void SetBold(BOOL bold) { m_bold = bold; }
    BOOL GetBold() const { return m_bold; }
    // The cell's own font (the grid does not own it); none: the grid's.
    void SetFont(CFont* font) { m_font = font; }
    CFont* GetFont() const { return m_font; }

    bool IsChecked() const { return m_text == "1"; }

private:
    CString m_text;
    CString m_label;
    int m_type = UGCT_NORMAL;
    int m_typeEx = 0;
    BOOL m_readOnly = FALSE;
    BOOL m_bold = FALSE;
    CFont* m_font = nullptr;
    UINT m_alignment = DT_LEFT;
    COLORREF m_textColor = 0;          // black
    COLORREF m_backColor = 0x00FFFFFF; // white
};
