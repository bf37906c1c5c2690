#pragma once
// Documents, views and frames the program's document templates name by class. They exist so that
// the templates can be made and their windows created; each is created by its runtime class.

#include "platform/afx/CView.h"
#include "platform/tessary/app/GenericFrame.h"
#include "platform/tessary/app/GroupDoc.h"
#include "platform/tessary/app/ObjectDoc.h"
#include "platform/tessary/app/SweepDoc.h"

// The views the templates name whose content comes with later work: they draw nothing yet.
class CShellView : public CView {
protected:
    void OnDraw(CDC*) override {}
};

class CPRO96VFolderView : public CShellView {
    DECLARE_DYNCREATE(CPRO96VFolderView)
};

class CLoadMgrHistView : public CShellView {
    DECLARE_DYNCREATE(CLoadMgrHistView)
};

class CWebGrabberView : public CShellView {
    DECLARE_DYNCREATE(CWebGrabberView)
};

class CWebGrabberFrame : public CGenericFrame {
    DECLARE_DYNCREATE(CWebGrabberFrame)
};
