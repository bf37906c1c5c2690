#include "programming/ScanListView.h"

IMPLEMENT_DYNAMIC(CScanListView, CView)

void CScanListView::GoToObject(Object* object) {
    m_goneTo.push_back(object);
}

void CScanListView::RefreshObject(Object* object) {
    m_refreshed.push_back(object);
}

void CScanListView::Refresh() {}

void CScanListView::OpenFile(CString) {}

int CScanListView::ChooseNewGroup() {
    return 1;
}

int CScanListView::OpenGroup() {
    return 0;
}

void CScanListView::Cut() {}

void CScanListView::Copy() {}

void CScanListView::Paste() {}

void CScanListView::InsertBefore() {}

void CScanListView::InsertAfter() {}

int CScanListView::StoreChannel(const parm*, CString, int, BYTE) {
    return 0;
}
