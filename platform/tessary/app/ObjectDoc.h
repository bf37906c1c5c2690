#pragma once
#include "platform/afx/CDocument.h"

class Object;

// A document of scanning objects. Documents open at the same time may show the same objects or
// the same file; a change made through one of them is shared with the views of the others.
class CObjectDoc : public CDocument {
    DECLARE_DYNAMIC(CObjectDoc)

public:
    CObjectDoc();
    ~CObjectDoc() override;

    // Updates the views (all but `pSender`) of this document and of every other open document
    // that holds `object` (or, with no object, that has this document's file) with `hint` and a
    // CObjectHint of the object.
    void ShareUpdate(Object* object, CView* pSender, LPARAM hint);
    // The document's title.
    void SetCaption(LPCSTR caption);

    // Whether the object belongs to what this document holds; nothing here.
    virtual bool HoldsObject(const Object& object) const;
};
