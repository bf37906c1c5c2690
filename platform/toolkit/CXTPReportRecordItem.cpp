#include "platform/toolkit/CXTPReportRecordItem.h"

#include <cstdlib>
#include <new>

namespace hb::toolkit {
namespace {

std::size_t g_live = 0;

} // namespace

void* AllocateRecordData(std::size_t bytes) {
    void* data = std::malloc(bytes ? bytes : 1);
    if (!data) {
        throw std::bad_alloc();
    }
    ++g_live;
    return data;
}

void FreeRecordData(void* data) {
    if (data) {
        --g_live;
        std::free(data);
    }
}

std::size_t LiveRecordData() {
    return g_live;
}

} // namespace hb::toolkit

CString CXTPReportRecordItem::GetCaption(CXTPReportColumn*) {
    return m_strCaption;
}

CString CXTPReportRecordItem::GetGroupCaption(CXTPReportColumn* pColumn) {
    return GetCaption(pColumn);
}

int CXTPReportRecordItem::Compare(CXTPReportColumn* pColumn, CXTPReportRecordItem* pItem) {
    return GetCaption(pColumn).Compare(pItem->GetCaption(pColumn));
}

int CXTPReportRecordItem::CompareGroupCaption(CXTPReportColumn* pColumn,
                                              CXTPReportRecordItem* pItem) {
    return GetGroupCaption(pColumn).Compare(pItem->GetGroupCaption(pColumn));
}

void CXTPReportRecordItem::OnEditChanged(CXTPReportRow*, LPCSTR szText) {
    SetCaption(szText);
}
