#include "radioview/ScanOptView.h"

IMPLEMENT_DYNCREATE(CScanOptView, CEnhancedFormView)

CScanOptView::CScanOptView() : CEnhancedFormView(IDD) {}
