#include "platform/tessary/app/RosterDoc.h"

#include "platform/afx/AfxMessageBox.h"
#include "platform/tessary/model/File.h"
#include "platform/tessary/model/Roster.h"
#include "platform/win/core/MessageBox.h"

IMPLEMENT_DYNCREATE(CRosterDoc, CObjectDoc)

CRosterDoc::CRosterDoc() : m_roster(std::make_unique<Roster>()) {}

CRosterDoc::~CRosterDoc() = default;

BOOL CRosterDoc::OnOpenDocument(LPCSTR lpszPathName) {
    File file(lpszPathName ? lpszPathName : "");
    std::unique_ptr<Object> root = file.release();
    if (!dynamic_cast<Roster*>(root.get())) {
        const std::string why =
            root ? "\"" + file.path() + "\" does not hold a scan list" : file.error();
        AfxMessageBox((why + ".").c_str(), MB_ICONHAND);
        return FALSE;
    }
    DeleteContents();
    m_roster.reset(static_cast<Roster*>(root.release()));
    // The entries' files come with the list, as a radio scans them; one that cannot be read
    // leaves its entry empty.
    m_roster->Load(0);
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CRosterDoc::OnSaveDocument(LPCSTR lpszPathName) {
    File file(lpszPathName ? lpszPathName : "", m_roster.get());
    if (!file.save()) {
        // The File would try again when it goes; the user has been told it failed.
        file.abandon();
        AfxMessageBox((file.error() + ".").c_str(), MB_ICONHAND);
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CRosterDoc::DeleteContents() {
    m_roster = std::make_unique<Roster>();
}

bool CRosterDoc::HoldsObject(const Object& object) const {
    return &object == m_roster.get() || m_roster->TagToObject(object.handle()) == &object;
}
