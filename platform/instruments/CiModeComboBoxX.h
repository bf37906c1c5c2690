#pragma once
#include "platform/instruments/Dispids.h"
#include "platform/instruments/InstrumentWrapper.h"

// A list of modes to choose from ("TiModeComboBox"): entries of a text and a value, one of them
// chosen. A click chooses the next entry (after the last, the first) and fires event 2.
class CiModeComboBoxX : public hb::instruments::InstrumentWrapper {
    DECLARE_DYNAMIC(CiModeComboBoxX)

public:
    void AddItem(LPCSTR text, double value);
    // Out-of-range indexes are ignored; removing the chosen entry leaves none chosen.
    void RemoveItem(int index);
    void RemoveAllItems();
    int GetItemCount() const;
    double GetItemValue(int index) const;
    CString GetItemText(int index) const;
    // -1 when none is chosen. Choosing fires no event.
    int GetItemIndex() const;
    void SetItemIndex(int index);
};
