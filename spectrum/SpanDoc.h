#pragma once
// A sweep document that no window uses: it exists to be created by its class name.
#include "platform/tessary/app/ObjectDoc.h"

class CSpanDoc : public CObjectDoc {
    DECLARE_DYNCREATE(CSpanDoc)

public:
    BOOL OnNewDocument() override;

    DECLARE_MESSAGE_MAP()
};
