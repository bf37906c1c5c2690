#pragma once
// One row of the recordings catalog: the nine cells of one recorded segment and where that segment
// stands (the file entry's index and the record's offset).
#include "audio/CatalogEntries.h"
#include "platform/toolkit/CXTPReportRecord.h"

#include <cstdint>

class CNumberItem;
class CMinutesSecondsItem;
class CReportFrequencyItem;
class CReportTextItem;
class CReportTimeStampItem;

class CAudioManifestItem : public CXTPReportRecord {
public:
    // The items, in the order of their index.
    enum ItemIndex { kPlay, kInfo, kDate, kFreq, kIdCode, kMin, kRadio, kFile, kNotes, kItemCount };

    CAudioManifestItem(const CatalogSegmentEntry& segment, CString file, int fileIndex);

    // Sets every cell from the segment again.
    void Update(const CatalogSegmentEntry& segment);
    // Odd rows take the application's alternate-row shade.
    void GetItemMetrics(XTP_REPORTRECORDITEM_DRAWARGS* pDrawArgs,
                        XTP_REPORTRECORDITEM_METRICS* pItemMetrics) override;

    CNumberItem* Play() const;
    CReportTextItem* Info() const;
    CReportTimeStampItem* Date() const;
    CReportFrequencyItem* Freq() const;
    CReportTextItem* IdCode() const;
    CMinutesSecondsItem* Min() const;
    CReportTextItem* Radio() const;
    CReportTextItem* File() const;
    CReportTextItem* Notes() const;

    // The file's path with the documents folder taken off.
    CString m_file;
    std::uint32_t m_segmentNumber = 0;
    std::uint64_t m_recordOffset = 0;
    int m_fileIndex = -1;
};
