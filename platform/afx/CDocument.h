#pragma once
#include "platform/afx/CCmdTarget.h"
#include "platform/afx/CString.h"
#include "platform/afx/Position.h"

#include <vector>

class CDocTemplate;
class CFrameWnd;
class CView;

// The data a template's frames show through their views. A document with m_bAutoDelete (the
// default) closes itself when its last view goes. Commands reach it after its active view, and go
// on to its template.
class CDocument : public CCmdTarget {
    DECLARE_DYNAMIC(CDocument)

public:
    CDocument() = default;
    // Leaves its template. The views are gone by then.
    ~CDocument() override;

    const CString& GetTitle() const { return m_strTitle; }
    // Updates the titles of the frames that show it.
    virtual void SetTitle(LPCSTR lpszTitle);
    const CString& GetPathName() const { return m_strPathName; }
    // The title becomes the file's name.
    virtual void SetPathName(LPCSTR lpszPathName, BOOL bAddToMRU = TRUE);
    CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }
    virtual BOOL IsModified();
    virtual void SetModifiedFlag(BOOL bModified = TRUE);

    void AddView(CView* pView);
    void RemoveView(CView* pView);
    POSITION GetFirstViewPosition() const;
    CView* GetNextView(POSITION& rPosition) const;
    // OnUpdate on every view but the sender.
    void UpdateAllViews(CView* pSender, LPARAM lHint = 0, CObject* pHint = nullptr);

    // A new, empty document: contents deleted, no path, not modified.
    virtual BOOL OnNewDocument();
    // FALSE when the file cannot be read; else contents deleted and not modified. Documents with
    // contents of their own read them here.
    virtual BOOL OnOpenDocument(LPCSTR lpszPathName);
    // Writes nothing here: documents with contents of their own write them. Clears the modified
    // flag.
    virtual BOOL OnSaveDocument(LPCSTR lpszPathName);
    // Destroys every frame that shows it, deletes its contents and, with m_bAutoDelete, itself.
    virtual void OnCloseDocument();
    virtual void DeleteContents();
    // Called when the view list changes: with m_bAutoDelete, the last view gone closes it.
    virtual void OnChangedViewList();
    // Asks to save a modified document (Yes, No, Cancel); FALSE when the user cancelled or the
    // save failed.
    virtual BOOL SaveModified();
    // Whether `pFrame` may close: yes when another frame shows the document, else SaveModified.
    virtual BOOL CanCloseFrame(CFrameWnd* pFrame);
    virtual void PreCloseFrame(CFrameWnd* pFrame);
    // Saves under `lpszPathName`, or asks for a name first (CWinApp::DoPromptFileName) when none.
    virtual BOOL DoSave(LPCSTR lpszPathName);

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    BOOL m_bAutoDelete = TRUE;

protected:
    CString m_strTitle;
    CString m_strPathName;
    CDocTemplate* m_pDocTemplate = nullptr;
    std::vector<CView*> m_viewList;
    BOOL m_bModified = FALSE;

private:
    friend class CDocTemplate;
    void UpdateFrameTitles();
};
