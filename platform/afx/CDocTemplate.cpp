#include "platform/afx/CDocTemplate.h"

#include "platform/afx/CCreateContext.h"
#include "platform/afx/CDocument.h"
#include "platform/afx/CFrameWnd.h"
#include "platform/afx/res/StringLookup.h"
#include "platform/win/core/NoCase.h"
#include "platform/win/sys/Paths.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CDocTemplate, CCmdTarget)

CDocTemplate::CDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                           CRuntimeClass* pViewClass)
    : m_nIDResource(nIDResource), m_pDocClass(pDocClass), m_pFrameClass(pFrameClass),
      m_pViewClass(pViewClass) {}

CDocTemplate::~CDocTemplate() {
    for (CDocument* doc : m_docList) {
        doc->m_pDocTemplate = nullptr;
    }
}

BOOL CDocTemplate::GetDocString(CString& rString, DocStringIndex index) const {
    rString.Empty();
    const auto strings = hb::afx::LoadResourceString(m_nIDResource);
    if (!strings) {
        return FALSE;
    }
    std::size_t start = 0;
    for (int part = 0; part < index; ++part) {
        start = strings->find('\n', start);
        if (start == std::string::npos) {
            return FALSE;
        }
        ++start;
    }
    rString = strings->substr(start, strings->find('\n', start) - start);
    return !rString.IsEmpty();
}

void CDocTemplate::AddDocument(CDocument* pDoc) {
    m_docList.push_back(pDoc);
    pDoc->m_pDocTemplate = this;
}

void CDocTemplate::RemoveDocument(CDocument* pDoc) {
    if (std::erase(m_docList, pDoc) != 0) {
        pDoc->m_pDocTemplate = nullptr;
    }
}

POSITION CDocTemplate::GetFirstDocPosition() const {
    return hb::afx::FirstPosition(m_docList);
}

CDocument* CDocTemplate::GetNextDoc(POSITION& rPos) const {
    return hb::afx::NextAt(m_docList, rPos);
}

CDocTemplate::Confidence CDocTemplate::MatchDocType(LPCSTR lpszPathName, CDocument*& rpDocMatch) {
    rpDocMatch = nullptr;
    for (CDocument* doc : m_docList) {
        if (hb::win::EqualNoCase(hb::win::NativePath(doc->GetPathName().str()),
                                 hb::win::NativePath(lpszPathName))) {
            rpDocMatch = doc;
            return yesAlreadyOpen;
        }
    }
    CString extension;
    if (GetDocString(extension, filterExt)) {
        extension.TrimLeft('*');
        if (hb::win::PathHasExtension(lpszPathName, extension.str())) {
            return yesAttemptNative;
        }
    }
    return yesAttemptForeign;
}

CDocument* CDocTemplate::CreateNewDocument() {
    auto* doc = m_pDocClass ? DYNAMIC_DOWNCAST(CDocument, m_pDocClass->CreateObject()) : nullptr;
    if (doc) {
        AddDocument(doc);
    }
    return doc;
}

CFrameWnd* CDocTemplate::CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther) {
    CCreateContext context;
    context.m_pCurrentFrame = pOther;
    context.m_pCurrentDoc = pDoc;
    context.m_pNewViewClass = m_pViewClass;
    context.m_pNewDocTemplate = this;
    auto* frame =
        m_pFrameClass ? DYNAMIC_DOWNCAST(CFrameWnd, m_pFrameClass->CreateObject()) : nullptr;
    if (!frame ||
        !frame->LoadFrame(m_nIDResource, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, &context)) {
        return nullptr;
    }
    return frame;
}

void CDocTemplate::InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible) {
    pFrame->InitialUpdateFrame(pDoc, bMakeVisible);
}
