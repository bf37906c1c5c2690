#pragma once
// The grid of a search range window: one Property/Value row per setting of the range. The radio
// type and the lock-out map are shown, not edited; every edit is brought within the radio model
// (Radio::ConformRange) before it is shown again.
#include "platform/tessary/grid/Grid.h"

class Range;

class CObjectGrid : public CGrid {
    DECLARE_DYNAMIC(CObjectGrid)

public:
    enum Property {
        kName,
        kDescription,
        kLower,
        kUpper,
        kStep,
        kMode,
        kAttenuator,
        kStoreHits,
        kLockOutHits,
        kRadioType,
        kLockOutMap,
        kProperties
    };
    static constexpr int kValueColumn = 1;

    // Shows the object (a range) of the document, for the radio model (none: no checks).
    void Setup(Object* root, Radio* radio, CObjectDoc* document);
    void SetupGrid() override;
    int FinishTextEdit(int col, long row, CWnd* edit, LPCSTR text, BOOL cancel) override;

private:
    // True when the range took the text.
    bool Store(Range& range, long row, const std::string& text);

    Range* m_range = nullptr;
};
