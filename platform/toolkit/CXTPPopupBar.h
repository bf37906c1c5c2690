#pragma once
#include "platform/toolkit/CXTPCommandBar.h"

// A bar that drops from another bar, as a menu does.
class CXTPPopupBar : public CXTPCommandBar {
    DECLARE_DYNAMIC(CXTPPopupBar)

public:
    CXTPPopupBar() = default;

    XTPBarType GetType() const override { return xtpBarTypePopup; }
};
