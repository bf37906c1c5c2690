#pragma once
// The "History" tab of a radio window: the radio's latest hits, newest on top. The front panel
// adds no rows yet; the window's clear-history command empties the list.

#include "platform/toolkit/CXTListView.h"

class CHistView : public CXTListView {
    DECLARE_DYNCREATE(CHistView)

public:
    void ClearHistory();
};
