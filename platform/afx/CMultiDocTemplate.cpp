#include "platform/afx/CMultiDocTemplate.h"

#include "platform/afx/CDocument.h"
#include "platform/afx/CFrameWnd.h"

IMPLEMENT_DYNAMIC(CMultiDocTemplate, CDocTemplate)

namespace {

// Undoes a document and frame made for a document that could not be started.
void Discard(CFrameWnd* frame, CDocument* doc) {
    doc->m_bAutoDelete = FALSE;
    frame->DestroyWindow();
    delete doc;
}

} // namespace

CMultiDocTemplate::CMultiDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass,
                                     CRuntimeClass* pFrameClass, CRuntimeClass* pViewClass)
    : CDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass) {}

void CMultiDocTemplate::SetDefaultTitle(CDocument* pDocument) {
    CString title;
    if (!GetDocString(title, docName)) {
        title = "Untitled";
    }
    title.AppendFormat("%u", m_nUntitledCount + 1);
    pDocument->SetTitle(title);
}

CDocument* CMultiDocTemplate::OpenDocumentFile(LPCSTR lpszPathName, BOOL bMakeVisible) {
    CDocument* doc = CreateNewDocument();
    if (!doc) {
        return nullptr;
    }
    // A view made and destroyed again while the frame fails must not take the document along.
    const BOOL autoDelete = doc->m_bAutoDelete;
    doc->m_bAutoDelete = FALSE;
    CFrameWnd* frame = CreateNewFrame(doc, nullptr);
    doc->m_bAutoDelete = autoDelete;
    if (!frame) {
        delete doc;
        return nullptr;
    }
    if (!lpszPathName) {
        SetDefaultTitle(doc);
        if (!doc->OnNewDocument()) {
            Discard(frame, doc);
            return nullptr;
        }
        ++m_nUntitledCount;
    } else {
        if (!doc->OnOpenDocument(lpszPathName)) {
            Discard(frame, doc);
            return nullptr;
        }
        doc->SetPathName(lpszPathName);
    }
    InitialUpdateFrame(frame, doc, bMakeVisible);
    return doc;
}
