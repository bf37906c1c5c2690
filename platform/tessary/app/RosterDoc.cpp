#include "platform/tessary/app/RosterDoc.h"

#include "platform/tessary/model/Roster.h"

IMPLEMENT_DYNCREATE(CRosterDoc, CObjectDoc)

CRosterDoc::CRosterDoc() : m_roster(std::make_unique<Roster>()) {}

CRosterDoc::~CRosterDoc() = default;

BOOL CRosterDoc::OnOpenDocument(LPCSTR lpszPathName) {
    std::unique_ptr<Roster> roster = ReadRoot<Roster>(lpszPathName, "a scan list");
    if (!roster) {
        return FALSE;
    }
    DeleteContents();
    m_roster = std::move(roster);
    // The entries' files come with the list, as a radio scans them; one that cannot be read
    // leaves its entry empty.
    m_roster->Load(0);
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CRosterDoc::OnSaveDocument(LPCSTR lpszPathName) {
    return WriteRoot(lpszPathName, m_roster.get());
}

void CRosterDoc::DeleteContents() {
    ShareClose(nullptr);
    m_roster = std::make_unique<Roster>();
}

void CRosterDoc::OnCloseDocument() {
    ShareClose(nullptr);
    CObjectDoc::OnCloseDocument();
}

bool CRosterDoc::HoldsObject(const Object& object) const {
    return &object == m_roster.get() || m_roster->TagToObject(object.handle()) == &object;
}
