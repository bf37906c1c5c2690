#include "platform/tessary/app/RangeDoc.h"

#include "platform/tessary/app/FileRadio.h"
#include "platform/tessary/model/Radio.h"
#include "platform/tessary/model/Range.h"

IMPLEMENT_DYNCREATE(CRangeDoc, CObjectDoc)

CRangeDoc::CRangeDoc() : m_range(std::make_unique<Range>()) {}

CRangeDoc::~CRangeDoc() = default;

BOOL CRangeDoc::OnOpenDocument(LPCSTR lpszPathName) {
    if (Object* object = OpenShared(lpszPathName)) {
        auto* shared = dynamic_cast<Range*>(object);
        std::unique_ptr<Radio> radio;
        if (!shared ||
            !hb::tessary::FileRadio(lpszPathName, "search range", shared->radioType(), radio)) {
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
    std::unique_ptr<Range> range = ReadRoot<Range>(path.c_str(), "a search range");
    if (!range) {
        return FALSE;
    }
    std::unique_ptr<Radio> radio;
    if (!hb::tessary::FileRadio(lpszPathName, "search range", range->radioType(), radio)) {
        return FALSE;
    }
    DeleteContents();
    ForgetOwner();
    m_range = std::move(range);
    m_radio = std::move(radio);
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CRangeDoc::OnSaveDocument(LPCSTR lpszPathName) {
    return WriteRoot(FilePath(lpszPathName).c_str(), GetRange());
}

void CRangeDoc::DeleteContents() {
    m_shared = nullptr;
    m_range = std::make_unique<Range>();
    m_radio.reset();
}

bool CRangeDoc::HoldsObject(const Object& object) const {
    return &object == GetRange();
}
