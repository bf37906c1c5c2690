#include "platform/afx/CDocument.h"

#include "platform/afx/AfxMessageBox.h"
#include "platform/afx/CDocTemplate.h"
#include "platform/afx/CFrameWnd.h"
#include "platform/afx/CView.h"
#include "platform/afx/CWinApp.h"
#include "platform/win/sys/Paths.h"

#include <algorithm>
#include <filesystem>

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

CDocument::~CDocument() {
    for (CView* view : m_viewList) {
        view->m_pDocument = nullptr;
    }
    if (m_pDocTemplate) {
        m_pDocTemplate->RemoveDocument(this);
    }
}

void CDocument::SetTitle(LPCSTR lpszTitle) {
    m_strTitle = lpszTitle;
    UpdateFrameTitles();
}

void CDocument::SetPathName(LPCSTR lpszPathName, BOOL) {
    m_strPathName = lpszPathName;
    SetTitle(hb::win::PathFileName(m_strPathName.str()).c_str());
}

BOOL CDocument::IsModified() {
    return m_bModified;
}

void CDocument::SetModifiedFlag(BOOL bModified) {
    m_bModified = bModified;
}

void CDocument::AddView(CView* pView) {
    if (!pView || std::ranges::find(m_viewList, pView) != m_viewList.end()) {
        return;
    }
    m_viewList.push_back(pView);
    pView->m_pDocument = this;
    OnChangedViewList();
}

void CDocument::RemoveView(CView* pView) {
    if (std::erase(m_viewList, pView) == 0) {
        return;
    }
    pView->m_pDocument = nullptr;
    OnChangedViewList();
}

POSITION CDocument::GetFirstViewPosition() const {
    return hb::afx::FirstPosition(m_viewList);
}

CView* CDocument::GetNextView(POSITION& rPosition) const {
    return hb::afx::NextAt(m_viewList, rPosition);
}

void CDocument::UpdateAllViews(CView* pSender, LPARAM lHint, CObject* pHint) {
    for (CView* view : std::vector<CView*>(m_viewList)) {
        if (view != pSender && std::ranges::find(m_viewList, view) != m_viewList.end()) {
            view->OnUpdate(pSender, lHint, pHint);
        }
    }
}

BOOL CDocument::OnNewDocument() {
    DeleteContents();
    m_strPathName.Empty();
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnOpenDocument(LPCSTR lpszPathName) {
    std::error_code error;
    if (!lpszPathName ||
        !std::filesystem::is_regular_file(hb::win::NativePath(lpszPathName), error)) {
        return FALSE;
    }
    DeleteContents();
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnSaveDocument(LPCSTR) {
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CDocument::OnCloseDocument() {
    const BOOL autoDelete = m_bAutoDelete;
    // The last view going must not delete the document before this is done with it.
    m_bAutoDelete = FALSE;
    while (!m_viewList.empty()) {
        CView* view = m_viewList.front();
        if (CFrameWnd* frame = view->GetParentFrame()) {
            PreCloseFrame(frame);
            frame->DestroyWindow();
        } else {
            view->DestroyWindow();
        }
        // A view without a window has nothing that would remove it.
        RemoveView(view);
    }
    m_bAutoDelete = autoDelete;
    DeleteContents();
    if (m_bAutoDelete) {
        delete this;
    }
}

void CDocument::DeleteContents() {}

void CDocument::OnChangedViewList() {
    if (m_viewList.empty() && m_bAutoDelete) {
        OnCloseDocument();
        return;
    }
    UpdateFrameTitles();
}

BOOL CDocument::SaveModified() {
    if (!IsModified()) {
        return TRUE;
    }
    CString prompt;
    prompt.Format("Save changes to %s?", m_strTitle.GetString());
    switch (AfxMessageBox(prompt, MB_YESNOCANCEL | MB_ICONEXCLAMATION)) {
    case IDCANCEL:
        return FALSE;
    case IDYES:
        return DoSave(m_strPathName.IsEmpty() ? nullptr : m_strPathName.GetString());
    default:
        return TRUE;
    }
}

BOOL CDocument::CanCloseFrame(CFrameWnd* pFrame) {
    for (CView* view : m_viewList) {
        if (view->GetParentFrame() != pFrame) {
            return TRUE;
        }
    }
    return SaveModified();
}

void CDocument::PreCloseFrame(CFrameWnd*) {}

BOOL CDocument::DoSave(LPCSTR lpszPathName) {
    CString path = lpszPathName ? lpszPathName : "";
    if (path.IsEmpty()) {
        CWinApp* app = AfxGetApp();
        path = m_strTitle;
        if (!app || !app->DoPromptFileName(path, 0, 0, FALSE, m_pDocTemplate)) {
            return FALSE;
        }
    }
    if (!OnSaveDocument(path)) {
        return FALSE;
    }
    SetPathName(path);
    return TRUE;
}

BOOL CDocument::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    return CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo) ||
           (m_pDocTemplate && m_pDocTemplate->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo));
}

void CDocument::UpdateFrameTitles() {
    std::vector<CFrameWnd*> frames;
    for (CView* view : m_viewList) {
        CFrameWnd* frame = view->GetParentFrame();
        if (frame && std::ranges::find(frames, frame) == frames.end()) {
            frames.push_back(frame);
        }
    }
    for (CFrameWnd* frame : frames) {
        frame->OnUpdateFrameTitle(TRUE);
    }
}
