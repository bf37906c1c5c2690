#include "programming/ScanListGroupView.h"

IMPLEMENT_DYNCREATE(CScanListGroupView, CScanListView)

int CScanListGroupView::ChooseNewGroup() {
    return 0;
}

int CScanListGroupView::OpenGroup() {
    return 0;
}
