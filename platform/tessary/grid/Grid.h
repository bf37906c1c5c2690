#pragma once
// A grid that edits a document: it knows the document, the radio model the document is for and a
// mode byte, and gives the editing commands (copy, cut, paste, clear, select). Every change of a
// cell, typed or pasted or cleared, goes through FinishTextEdit. A grid with an identity keeps the
// widths the user gives its columns under that name in the profile.
#include "platform/tessary/grid/UGCtrl.h"

#include <cstdint>

class CObjectDoc;
class Object;
class Radio;

class CGrid : public CUGCtrl {
    DECLARE_DYNAMIC(CGrid)

public:
    CObjectDoc* m_doc = nullptr;
    Radio* m_radio = nullptr;
    std::uint8_t m_mode = 0;

    int OnEditFinish(int col, long row, CWnd* edit, LPCSTR text, BOOL cancel) final;
    // Non-zero when the cell takes the text; 0 refuses it (the caller beeps).
    virtual int FinishTextEdit(int col, long row, CWnd* edit, LPCSTR text, BOOL cancel);

    // The selected block as lines of tab-separated cells on the clipboard; `cut` also clears it.
    void OnEditCopy(BOOL cut);
    // The clipboard's lines and tabs into the cells from the current one on.
    void OnEditPaste();
    void OnEditClearSelected();
    // Asks first.
    void OnEditClearAll();
    void OnEditSelectAll();
    void ClearSelections();
    // The find dialog, and the find and replace dialog, over the current sheet.
    void OnEditFind();
    void OnEditReplace();
    // The selected rows' objects take the colour, 0 Black to 7 Orange, and show in it.
    void OnEditChangeColor(int color);

    // Builds the sheets from the document.
    virtual void SetupGrid() = 0;

    // The profile section that keeps the column widths ("ColumnWidth%d").
    void SetGridIdent(LPCSTR ident);
    // Before the sheets are filled: an edit in progress is dropped.
    void PreSetup();
    // After: the kept column widths are given back, and the grid is redrawn.
    void PostSetup();
    // The application's alternate-row shade on every other row, for a cell of no colour of its
    // own.
    void SetBackgroundCellColor(long row, CUGCell* cell) const;
    // Keeps the width under the identity.
    void OnColumnSized(int col, int width) override;

protected:
    // The object a row of the current sheet shows, or null.
    virtual Object* RowObject(long row) const;
    // The text colour of the object's cells.
    static COLORREF TextColorOf(const Object& object);

private:
    // Each cell of the block through FinishTextEdit; read-only cells are left. False when some
    // cell refused.
    bool StoreBlock(int c0, long r0, const std::vector<std::vector<CString>>& texts);

    CString m_ident;
};
