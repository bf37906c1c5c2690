#include "radioview/HistView.h"

IMPLEMENT_DYNCREATE(CHistView, CXTListView)

void CHistView::ClearHistory() {
    SendMessage(LVM_DELETEALLITEMS);
}
