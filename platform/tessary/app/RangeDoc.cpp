#include "platform/tessary/app/RangeDoc.h"

#include "platform/tessary/app/FileRadio.h"
#include "platform/tessary/model/Radio.h"
#include "platform/tessary/model/Range.h"

IMPLEMENT_DYNCREATE(CRangeDoc, CObjectDoc)

CRangeDoc::CRangeDoc() : m_range(std::make_unique<Range>()) {}

CRangeDoc::~CRangeDoc() = default;

BOOL CRangeDoc::OnOpenDocument(LPCSTR lpszPathName) {
    std::unique_ptr<Range> range = ReadRoot<Range>(lpszPathName, "a search range");
    if (!range) {
        return FALSE;
    }
    std::unique_ptr<Radio> radio;
    if (!hb::tessary::FileRadio(lpszPathName, "search range", range->radioType(), radio)) {
        return FALSE;
    }
    DeleteContents();
    m_range = std::move(range);
    m_radio = std::move(radio);
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CRangeDoc::OnSaveDocument(LPCSTR lpszPathName) {
    return WriteRoot(lpszPathName, m_range.get());
}

void CRangeDoc::DeleteContents() {
    m_range = std::make_unique<Range>();
    m_radio.reset();
}

bool CRangeDoc::HoldsObject(const Object& object) const {
    return &object == m_range.get();
}
