#pragma once
#include "platform/instruments/Dispids.h"
#include "platform/instruments/InstrumentWrapper.h"

// A one-line text ("TiLabel"). WM_GETFONT gives the font it writes in, for measuring a caption.
// An editable label takes keys like an edit field: a mouse down fires 8 (button, shift, x, y), a
// key fires 11 (key code by reference, shift; a handler that clears the key swallows it), typed
// characters go into the caption, Backspace deletes the last one and Enter fires 2 (change).
class CiLabelX : public hb::instruments::InstrumentWrapper {
    DECLARE_DYNAMIC(CiLabelX)

public:
    hb::instruments::FontObject GetFont() const { return GetFontAt(hb::instruments::label::kFont); }

    CString GetCaption() const { return GetText(hb::instruments::label::kCaption); }
    void SetCaption(LPCSTR value) { SetProperty(hb::instruments::label::kCaption, value); }
    // The characters get smaller until the caption fits the label.
    BOOL GetShrinkToFit() const { return GetBool(hb::instruments::label::kShrinkToFit); }
    void SetShrinkToFit(BOOL value) {
        SetProperty(hb::instruments::label::kShrinkToFit, value != 0);
    }
    COLORREF GetFontColor() const { return GetColor(hb::instruments::label::kFontColor); }
    void SetFontColor(COLORREF value) { SetProperty(hb::instruments::label::kFontColor, value); }
    COLORREF GetBackGroundColor() const {
        return GetColor(hb::instruments::label::kBackGroundColor);
    }
    void SetBackGroundColor(COLORREF value) {
        SetProperty(hb::instruments::label::kBackGroundColor, value);
    }
    BOOL GetEditable() const { return GetBool(hb::instruments::label::kEditable); }
    void SetEditable(BOOL value) { SetProperty(hb::instruments::label::kEditable, value != 0); }
};
