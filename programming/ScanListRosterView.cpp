#include "programming/ScanListRosterView.h"

IMPLEMENT_DYNCREATE(CScanListRosterView, CScanListView)

int CScanListRosterView::ChooseNewGroup() {
    return 1;
}

int CScanListRosterView::OpenGroup() {
    return 1;
}
