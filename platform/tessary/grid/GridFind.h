#pragma once
// The grid's find and replace dialog: the text to find, with Replace the text to put in its place,
// and whether case matters. Find Next moves to the next cell of the sheet holding the text,
// Replace puts the text in the current cell first, Replace All does every cell of the sheet. The
// grid takes each replacement through its one edit path; what it refuses, and a search that finds
// nothing, beeps.
#include "platform/afx/CDialog.h"

#include <string>

class CGrid;

class CGridFind : public CDialog {
    DECLARE_DYNAMIC(CGridFind)

public:
    enum : UINT {
        IDC_FIND_TEXT = 1310,
        IDC_REPLACE_TEXT = 1311,
        IDC_MATCH_CASE = 1312,
        IDC_FIND_NEXT = 1313,
        IDC_REPLACE = 1314,
        IDC_REPLACE_ALL = 1315,
    };

    CGridFind(CGrid& grid, bool replace);

protected:
    void OnFindNext();
    void OnReplace();
    void OnReplaceAll();

    DECLARE_MESSAGE_MAP()

private:
    CString FindText() const;
    bool MatchCase() const;
    // Where the text is next found in `cell` from `from` on, or npos.
    std::size_t FindIn(const std::string& cell, const std::string& text, std::size_t from) const;
    // The cell with every occurrence replaced; false when the grid refused it.
    bool ReplaceIn(int col, long row);
    // The next cell after the current one, round the sheet, that holds the text.
    bool FindNext();

    CGrid& m_grid;
};
