#pragma once
#include "platform/afx/CDocument.h"

// A document without content of its own, for windows that only need one to exist.
class CGenericDoc : public CDocument {
    DECLARE_DYNCREATE(CGenericDoc)
};
