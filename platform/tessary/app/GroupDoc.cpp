#include "platform/tessary/app/GroupDoc.h"

#include "platform/tessary/app/FileRadio.h"
#include "platform/tessary/model/Group.h"
#include "platform/tessary/model/Radio.h"

IMPLEMENT_DYNCREATE(CGroupDoc, CObjectDoc)

CGroupDoc::CGroupDoc() : m_group(std::make_unique<Group>()) {}

CGroupDoc::~CGroupDoc() = default;

void CGroupDoc::NewGroup(std::uint8_t radioType) {
    DeleteContents();
    m_group->setRadioType(radioType);
    m_radio = Radio::CreateRadio(radioType);
}

void CGroupDoc::NewModelGroup(std::uint8_t radioType) {
    NewGroup(radioType);
    if (m_radio) {
        m_group = m_radio->NewGroup();
        m_group->setRadioType(radioType);
    }
}

BOOL CGroupDoc::OnNewDocument() {
    std::unique_ptr<Radio> radio = Radio::SelectRadio(nullptr, 0, 0);
    if (!radio || !CObjectDoc::OnNewDocument()) {
        return FALSE;
    }
    m_group->setRadioType(static_cast<std::uint8_t>(radio->RadioTypeCode() & 0xFF));
    m_radio = std::move(radio);
    return TRUE;
}

BOOL CGroupDoc::OnOpenDocument(LPCSTR lpszPathName) {
    if (Object* object = OpenShared(lpszPathName)) {
        auto* shared = dynamic_cast<Group*>(object);
        std::unique_ptr<Radio> radio;
        if (!shared || !hb::tessary::FileRadio(lpszPathName, "group", shared->radioType(), radio)) {
            ForgetOwner();
            return FALSE;
        }
        DeleteContents();
        m_shared = shared;
        m_radio = std::move(radio);
        SetModifiedFlag(FALSE);
        return TRUE;
    }
    const std::string path = FilePath(lpszPathName);
    std::unique_ptr<Group> group = ReadRoot<Group>(path.c_str(), "a group");
    if (!group) {
        return FALSE;
    }
    std::unique_ptr<Radio> radio;
    if (!hb::tessary::FileRadio(lpszPathName, "group", group->radioType(), radio)) {
        return FALSE;
    }
    DeleteContents();
    ForgetOwner();
    m_group = std::move(group);
    m_radio = std::move(radio);
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CGroupDoc::OnSaveDocument(LPCSTR lpszPathName) {
    return WriteRoot(FilePath(lpszPathName).c_str(), GetGroup());
}

void CGroupDoc::DeleteContents() {
    m_shared = nullptr;
    m_group = std::make_unique<Group>();
    m_radio.reset();
}

bool CGroupDoc::HoldsObject(const Object& object) const {
    bool held = &object == GetGroup();
    if (!held) {
        GetGroup()->forEachScannable([&](Chan& channel) { held = held || &channel == &object; });
    }
    return held;
}
