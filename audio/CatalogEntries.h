#pragma once
// What the recordings catalog has read of each recording file: one file entry per file ever seen,
// holding one segment entry per record read, in file order. Rows name their segment by the file
// entry's index and the record's offset, so dropping segments never leaves a row pointing at freed
// memory.
#include "platform/records/UserId.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct CatalogSegmentEntry {
    std::uint64_t recordOffset = 0;
    std::uint32_t segmentNumber = 0;
    std::uint32_t frequency = 0;
    std::uint32_t duration = 0;
    std::uint32_t bytesPerSecond = 0;
    std::uint32_t timeStamp = 0;
    // The row's record index in the report; -1 until the row exists.
    int row = -1;
    bool marked = false;
    bool subjectAlone = false;
    hb::records::UserId id;
    std::string names;
    std::string folder;
    std::string radio;
};

struct CatalogFileEntry {
    // As found on disk; only the catalog's map key is lower-cased.
    std::string path;
    std::uint64_t lastWrite = 0;
    std::uint64_t size = 0;
    // Where the last record read stands; 0 before the first reading.
    std::uint64_t lastRecord = 0;
    bool stale = false;
    // Not yet found by the running rebuild's walk of the folders.
    bool unseen = false;
    // The file went away; the slot stays so that row indices stay valid.
    bool removed = false;
    std::vector<std::unique_ptr<CatalogSegmentEntry>> segments;

    CatalogSegmentEntry* FindSegment(std::uint64_t offset) const {
        for (const auto& segment : segments) {
            if (segment->recordOffset == offset) {
                return segment.get();
            }
        }
        return nullptr;
    }
};
