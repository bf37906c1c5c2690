#include "radioview/BlandView.h"

#include "resources/ResourceIds.h"

IMPLEMENT_DYNCREATE(CBlandView, CRadioView)

CBlandView::CBlandView() : CRadioView(IDD_BLAND_VIEW) {}
