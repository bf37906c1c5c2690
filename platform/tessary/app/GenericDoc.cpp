#include "platform/tessary/app/GenericDoc.h"

IMPLEMENT_DYNCREATE(CGenericDoc, CDocument)
