#include "audio/AudioManifestItem.h"

#include "audio/MinutesSecondsItem.h"
#include "audio/ReportFrequencyItem.h"
#include "audio/ReportTextItem.h"
#include "audio/ReportTimeStampItem.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/tessary/model/Format.h"
#include "platform/toolkit/CXTPReportRow.h"
#include "resources/ResourceIds.h"

CAudioManifestItem::CAudioManifestItem(const CatalogSegmentEntry& segment, CString file,
                                       int fileIndex)
    : m_file(std::move(file)), m_fileIndex(fileIndex) {
    AddItem(new CNumberItem)->SetFocusable(FALSE);
    AddItem(new CReportTextItem);
    AddItem(new CReportTimeStampItem)->SetFocusable(FALSE);
    AddItem(new CReportFrequencyItem);
    AddItem(new CReportTextItem)->SetFocusable(FALSE);
    AddItem(new CMinutesSecondsItem)->SetFocusable(FALSE);
    AddItem(new CReportTextItem)->SetFocusable(FALSE);
    AddItem(new CReportTextItem)->SetFocusable(FALSE);
    AddItem(new CReportTextItem)->SetFocusable(FALSE);
    Play()->SetIconIndex(IDB_MANIFEST_PLAY);
    Update(segment);
}

void CAudioManifestItem::Update(const CatalogSegmentEntry& segment) {
    m_segmentNumber = segment.segmentNumber;
    m_recordOffset = segment.recordOffset;
    Play()->SetValue(segment.segmentNumber);
    Info()->SetValue(segment.names.c_str());
    Date()->SetValue(std::int64_t{segment.timeStamp});
    Freq()->SetValue(segment.frequency);
    IdCode()->SetValue(format_user(segment.id).c_str());
    Min()->SetValue(segment.duration);
    Radio()->SetValue(segment.radio.c_str());
    File()->SetValue(m_file);
}

void CAudioManifestItem::GetItemMetrics(XTP_REPORTRECORDITEM_DRAWARGS* pDrawArgs,
                                        XTP_REPORTRECORDITEM_METRICS* pItemMetrics) {
    const CXTPReportRow* row = pDrawArgs->pRow;
    if (row && row->GetIndex() % 2 == 1 && !row->IsPreviewItem()) {
        if (const CScanApp* app = CScanApp::GetScanApp()) {
            pItemMetrics->clrBackground = app->Colors().alternateRow;
        }
    }
}

CNumberItem* CAudioManifestItem::Play() const {
    return static_cast<CNumberItem*>(GetItem(kPlay));
}
CReportTextItem* CAudioManifestItem::Info() const {
    return static_cast<CReportTextItem*>(GetItem(kInfo));
}
CReportTimeStampItem* CAudioManifestItem::Date() const {
    return static_cast<CReportTimeStampItem*>(GetItem(kDate));
}
CReportFrequencyItem* CAudioManifestItem::Freq() const {
    return static_cast<CReportFrequencyItem*>(GetItem(kFreq));
}
CReportTextItem* CAudioManifestItem::IdCode() const {
    return static_cast<CReportTextItem*>(GetItem(kIdCode));
}
CMinutesSecondsItem* CAudioManifestItem::Min() const {
    return static_cast<CMinutesSecondsItem*>(GetItem(kMin));
}
CReportTextItem* CAudioManifestItem::Radio() const {
    return static_cast<CReportTextItem*>(GetItem(kRadio));
}
CReportTextItem* CAudioManifestItem::File() const {
    return static_cast<CReportTextItem*>(GetItem(kFile));
}
CReportTextItem* CAudioManifestItem::Notes() const {
    return static_cast<CReportTextItem*>(GetItem(kNotes));
}
