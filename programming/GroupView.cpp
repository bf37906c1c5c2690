#include "programming/GroupView.h"

#include "platform/afx/CDC.h"
#include "platform/tessary/model/Group.h"

IMPLEMENT_DYNCREATE(CGroupView, CView)

void CGroupView::OnDraw(CDC* pDC) {
    auto* doc = dynamic_cast<CGroupDoc*>(GetDocument());
    if (!doc) {
        return;
    }
    constexpr int kMargin = 8;
    const std::string& name = doc->GetGroup()->name();
    pDC->TextOut(kMargin, kMargin, name.empty() ? doc->GetTitle() : CString(name.c_str()));
}
