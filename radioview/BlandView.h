#pragma once
// The plain front panel of a trunk-tracking model whose rig does not track trunks: the receiver
// panel on the plain form, nothing of its own.
#include "radioview/RadioView.h"

class CBlandView : public CRadioView {
    DECLARE_DYNCREATE(CBlandView)

public:
    CBlandView();
};
