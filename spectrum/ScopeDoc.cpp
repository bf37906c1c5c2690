#include "spectrum/ScopeDoc.h"

IMPLEMENT_DYNCREATE(CScopeDoc, CDocument)

BEGIN_MESSAGE_MAP(CScopeDoc, CDocument)
END_MESSAGE_MAP()

BOOL CScopeDoc::OnNewDocument() {
    return CDocument::OnNewDocument();
}
