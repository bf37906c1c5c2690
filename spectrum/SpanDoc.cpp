#include "spectrum/SpanDoc.h"

IMPLEMENT_DYNCREATE(CSpanDoc, CDocument)

BEGIN_MESSAGE_MAP(CSpanDoc, CDocument)
END_MESSAGE_MAP()

BOOL CSpanDoc::OnNewDocument() {
    return CDocument::OnNewDocument();
}
