#pragma once
#include "platform/instruments/Dispids.h"
#include "platform/instruments/InstrumentWrapper.h"

// A panel that frames other controls ("TiPanel"), with a one-line caption that forms use for
// headings. Its other properties are reached by dispatch id (Dispids.h).
class CiPanelX : public hb::instruments::InstrumentWrapper {
    DECLARE_DYNAMIC(CiPanelX)

public:
    CString GetCaption() const { return GetText(hb::instruments::panel::kCaption); }
    void SetCaption(LPCSTR value) { SetProperty(hb::instruments::panel::kCaption, value); }
};
