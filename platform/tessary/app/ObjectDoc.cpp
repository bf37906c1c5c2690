#include "platform/tessary/app/ObjectDoc.h"

#include "platform/tessary/app/ObjectHint.h"

#include <algorithm>
#include <vector>

IMPLEMENT_DYNAMIC(CObjectDoc, CDocument)

namespace {

// Every object document that exists, oldest first.
std::vector<CObjectDoc*>& OpenDocuments() {
    static std::vector<CObjectDoc*> documents;
    return documents;
}

} // namespace

CObjectDoc::CObjectDoc() {
    OpenDocuments().push_back(this);
}

CObjectDoc::~CObjectDoc() {
    std::erase(OpenDocuments(), this);
}

void CObjectDoc::ShareUpdate(Object* object, CView* pSender, LPARAM hint) {
    CObjectHint carrier(object);
    const CString path = m_strPathName;
    // A view's update may open or close documents: work on a copy, and skip the ones gone since.
    const std::vector<CObjectDoc*> documents = OpenDocuments();
    for (CObjectDoc* doc : documents) {
        if (std::find(OpenDocuments().begin(), OpenDocuments().end(), doc) ==
            OpenDocuments().end()) {
            continue;
        }
        const bool shares = doc == this || (object ? doc->HoldsObject(*object)
                                                   : !path.IsEmpty() && doc->GetPathName() == path);
        if (shares) {
            doc->UpdateAllViews(pSender, hint, &carrier);
        }
    }
}

void CObjectDoc::SetCaption(LPCSTR caption) {
    SetTitle(caption ? caption : "");
}

bool CObjectDoc::HoldsObject(const Object&) const {
    return false;
}
