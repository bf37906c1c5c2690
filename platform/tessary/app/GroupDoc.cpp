#include "platform/tessary/app/GroupDoc.h"

#include "platform/tessary/model/Group.h"

IMPLEMENT_DYNCREATE(CGroupDoc, CObjectDoc)

CGroupDoc::CGroupDoc() : m_group(std::make_unique<Group>()) {}

CGroupDoc::~CGroupDoc() = default;

void CGroupDoc::NewGroup(std::uint8_t radioType) {
    DeleteContents();
    m_group->setRadioType(radioType);
}

BOOL CGroupDoc::OnOpenDocument(LPCSTR lpszPathName) {
    std::unique_ptr<Group> group = ReadRoot<Group>(lpszPathName, "a group");
    if (!group) {
        return FALSE;
    }
    DeleteContents();
    m_group = std::move(group);
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CGroupDoc::OnSaveDocument(LPCSTR lpszPathName) {
    return WriteRoot(lpszPathName, m_group.get());
}

void CGroupDoc::DeleteContents() {
    m_group = std::make_unique<Group>();
}

bool CGroupDoc::HoldsObject(const Object& object) const {
    bool held = &object == m_group.get();
    if (!held) {
        m_group->forEachScannable([&](Chan& channel) { held = held || &channel == &object; });
    }
    return held;
}
