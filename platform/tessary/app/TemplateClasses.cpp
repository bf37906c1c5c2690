#include "platform/tessary/app/TemplateClasses.h"

IMPLEMENT_DYNCREATE(CPRO96VFolderView, CView)
IMPLEMENT_DYNCREATE(CLoadMgrHistView, CView)
IMPLEMENT_DYNCREATE(CWebGrabberView, CView)
IMPLEMENT_DYNCREATE(CWebGrabberFrame, CGenericFrame)
