#pragma once
// The editor view of a group document. Until the editor comes it shows the group's name.
#include "platform/tessary/app/TemplateClasses.h"

class CGroupView : public CShellView {
    DECLARE_DYNCREATE(CGroupView)

protected:
    void OnDraw(CDC* pDC) override;
};
