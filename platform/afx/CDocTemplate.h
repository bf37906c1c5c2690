#pragma once
#include "platform/afx/CCmdTarget.h"
#include "platform/afx/CString.h"
#include "platform/afx/Position.h"

#include <vector>

class CDocument;
class CFrameWnd;

// Makes documents of one kind with their frames and views, from the classes and the resources
// of one id: the string of that id holds the document strings, "\n"-separated; the frame's menu,
// accelerators and icon have that id too.
class CDocTemplate : public CCmdTarget {
    DECLARE_DYNAMIC(CDocTemplate)

public:
    enum DocStringIndex {
        windowTitle,
        docName,
        fileNewName,
        filterName,
        filterExt,
        regFileTypeId,
        regFileTypeName,
    };

    // How well a file suits the template.
    enum Confidence {
        noAttempt,
        yesAttemptForeign,
        yesAttemptNative,
        yesAlreadyOpen,
    };

    CDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                 CRuntimeClass* pViewClass);
    // The documents still open lose their template.
    ~CDocTemplate() override;

    // FALSE (and an empty string) when the part is absent or empty.
    virtual BOOL GetDocString(CString& rString, DocStringIndex index) const;

    virtual void AddDocument(CDocument* pDoc);
    virtual void RemoveDocument(CDocument* pDoc);
    POSITION GetFirstDocPosition() const;
    CDocument* GetNextDoc(POSITION& rPos) const;

    // yesAlreadyOpen (with the document) for a path one of its documents has, yesAttemptNative for
    // a path with its extension, otherwise yesAttemptForeign.
    virtual Confidence MatchDocType(LPCSTR lpszPathName, CDocument*& rpDocMatch);

    virtual CDocument* CreateNewDocument();
    // A frame of the template's class loaded with its resources, holding a view of its class for
    // the document; null when it cannot be made (nothing of it is left then).
    virtual CFrameWnd* CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther);
    virtual void InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible = TRUE);
    virtual void SetDefaultTitle(CDocument* pDocument) = 0;
    // A new document with its frame and view: empty without a path, else read from the file.
    // Null when any step fails, with everything made so far gone again.
    virtual CDocument* OpenDocumentFile(LPCSTR lpszPathName, BOOL bMakeVisible = TRUE) = 0;

    UINT m_nIDResource;
    CRuntimeClass* m_pDocClass;
    CRuntimeClass* m_pFrameClass;
    CRuntimeClass* m_pViewClass;

protected:
    std::vector<CDocument*> m_docList;
};
