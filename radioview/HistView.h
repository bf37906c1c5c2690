#pragma once
// The "History" tab of a radio window: the radio's latest hits, newest on top, at most 51 rows.
// The front panel adds a row for each hit it logs; the window's clear-history command empties
// the list. The rows live only in the list. A double click on a row tunes the radio to the row's
// frequency through the radio window.

#include "platform/records/HistoryRecord.h"
#include "radioview/GenericListView.h"

class CRig;
class Object;

class CHistView : public CGenericListView {
    DECLARE_DYNCREATE(CHistView)

public:
    CHistView();

    void OnInitialUpdate() override;
    // One row at the top for the hit; the oldest row goes beyond 51. The channel and the user may
    // be null. The frequency unit is chosen at the first row and kept for the view's life.
    void AddEntry(const HistoryRecord* rec, const Object* channel, const Object* user, CRig* rig);
    void ClearHistory();

protected:
    void OnDoubleClick(NMHDR* pNMHDR, LRESULT* pResult);

    DECLARE_MESSAGE_MAP()

private:
    // Megahertz or kilohertz once the first row has decided.
    bool InMegahertz() const { return m_unit != kKilohertz; }
    void ChooseUnit(const CRig& rig);
    void InsertColumns();
    void RestoreColumnWidths();

    static constexpr BYTE kUndecided = 1;
    static constexpr BYTE kKilohertz = 0;
    static constexpr BYTE kMegahertz = 0xFF;

    BYTE m_unit = kUndecided;
};
