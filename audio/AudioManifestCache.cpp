// The recordings catalog's cache: reading recording files into it, the full rebuild, the player's
// segment news and the watch on the documents folder.
#include "audio/AudioManifest.h"
#include "audio/AudioManifestItem.h"
#include "audio/RecordingFileReader.h"
#include "audio/ReportTextItem.h"
#include "platform/afx/CFrameWnd.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/win/sys/FileTime.h"
#include "platform/win/sys/Paths.h"
#include "resources/ResourceIds.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr LPCSTR kBusyTitle = "Building Recordings Catalog";
constexpr LPCSTR kBusyText = "Searching - please wait..";
constexpr LPCSTR kExtension = ".swq";
constexpr int kSuspendPerFile = 2594;
constexpr int kSuspendPerRecords = 2839;
constexpr int kRecordsPerSuspend = 100;

std::string Lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

void Suspend(int caller) {
    if (CScanApp* app = CScanApp::GetScanApp()) {
        app->Suspend(caller);
    }
}

} // namespace

int CAudioManifest::MappedIndex(const CString& path) const {
    const auto found = m_map.find(Lowered(path.str()));
    return found == m_map.end() ? -1 : found->second;
}

int CAudioManifest::FileIndex(const CString& path, bool create, std::uint64_t lastWrite) {
    const std::string key = Lowered(path.str());
    if (const auto found = m_map.find(key); found != m_map.end()) {
        return found->second;
    }
    if (!create) {
        return -1;
    }
    CatalogFileEntry file;
    file.path = path.str();
    file.lastWrite = lastWrite;
    m_files.push_back(std::move(file));
    const int index = static_cast<int>(m_files.size()) - 1;
    m_map.emplace(key, index);
    return index;
}

CAudioManifestItem* CAudioManifest::RowOf(const CatalogSegmentEntry& segment) {
    return segment.row < 0
               ? nullptr
               : static_cast<CAudioManifestItem*>(m_wndReport.GetRecords()->GetAt(segment.row));
}

int CAudioManifest::DropSegments(CatalogFileEntry& file) {
    int hidden = 0;
    for (const auto& segment : file.segments) {
        if (CAudioManifestItem* row = RowOf(*segment); row && row->IsVisible()) {
            row->SetVisible(FALSE);
            ++hidden;
        }
    }
    file.segments.clear();
    file.lastRecord = 0;
    return hidden;
}

CatalogSegmentEntry& CAudioManifest::SegmentFor(CatalogFileEntry& file, std::uint64_t offset) {
    if (CatalogSegmentEntry* segment = file.FindSegment(offset)) {
        return *segment;
    }
    file.segments.push_back(std::make_unique<CatalogSegmentEntry>());
    file.segments.back()->recordOffset = offset;
    return *file.segments.back();
}

void CAudioManifest::FillSegment(CatalogSegmentEntry& segment, const wlseg& header,
                                 std::uint32_t payloadLength, std::uint32_t bytesPerSecond,
                                 const std::string& path) {
    const dal record = header.get(wlseg::kDal);
    segment.segmentNumber = header.get(wlseg::kSegmentNumber);
    segment.frequency = record.get(dal::kFrequency);
    segment.duration = hb::audio::SegmentDuration(payloadLength, bytesPerSecond);
    segment.bytesPerSecond = bytesPerSecond;
    segment.timeStamp = record.get(dal::kTime);
    segment.marked = header.get(wlseg::kMark) != 0;
    segment.subjectAlone = (record.get(dal::kFlags) & dal::kFlagSubjectAlone) != 0;
    segment.id = record.get(dal::kUserId);
    segment.names = hb::audio::SegmentNames(record);
    segment.folder = hb::audio::SegmentFolder(path);
    segment.radio = record.text(dal::kRadioName);
}

void CAudioManifest::UpdateRow(const CatalogSegmentEntry& segment) {
    CAudioManifestItem* row = RowOf(segment);
    if (!row) {
        return;
    }
    row->Update(segment);
    row->Notes()->SetValue(segment.marked ? "Yes" : "");
    row->Notes()->SetIconIndex(segment.marked ? IDB_MANIFEST_MARKED : -1);
    m_wndReport.RedrawControl();
}

void CAudioManifest::ClearCache() {
    m_map.clear();
    for (CatalogFileEntry& file : m_files) {
        file.segments.clear();
    }
}

void CAudioManifest::Rebuild() {
    s_rebuilding = true;
    CScanApp* app = CScanApp::GetScanApp();
    if (app) {
        app->BusyPeriodStart(GetParentFrame(), kBusyId, kBusyTitle, kBusyText);
    }
    // Kept apart from the stale flag: a file found unchanged is no change.
    for (CatalogFileEntry& file : m_files) {
        file.unseen = !file.removed;
    }
    CString pattern = CString("*") + kExtension;
    if (app) {
        app->MakeDocPath(pattern);
    }
    int changes = ScanFolder(pattern);
    for (int index = 0; index < static_cast<int>(m_files.size()); ++index) {
        CatalogFileEntry& file = m_files[static_cast<std::size_t>(index)];
        if (!file.unseen) {
            continue;
        }
        ++changes;
        DropSegments(file);
        // A file made again under the same name has a new entry that keeps the key.
        const auto key = m_map.find(Lowered(file.path));
        if (key != m_map.end() && key->second == index) {
            m_map.erase(key);
        }
        file.removed = true;
        file.stale = false;
        file.unseen = false;
        file.path.clear();
    }
    if (app) {
        app->BusyPeriodEnd();
    }
    SetScope(m_scope, changes != 0);
    s_rebuilding = false;
}

int CAudioManifest::ScanFolder(const CString& pattern) {
    const std::string folder = hb::win::PathFolder(pattern.str());
    int changes = 0;
    for (const FoundFile& found : ListFolder(folder)) {
        const std::string path = folder + "/" + found.name;
        if (found.folder) {
            if (found.name.front() != '.' && Lowered(found.name) != "catalog") {
                changes += ScanFolder((path + "/*.*").c_str());
            }
        } else if (hb::win::PathHasExtension(found.name, kExtension)) {
            Suspend(kSuspendPerFile);
            changes += AddRecordingFile(found, path.c_str());
        }
    }
    return changes;
}

int CAudioManifest::AddRecordingFile(const FoundFile& found, const CString& path) {
    const int index = FileIndex(path, true, hb::win::FileTimeTicks(found.lastWrite));
    CatalogFileEntry& file = m_files[static_cast<std::size_t>(index)];
    // A file that went stale shows its rows again.
    int changes = file.stale ? 1 : 0;
    file.stale = false;
    file.unseen = false;
    if (found.size == file.size) {
        return changes;
    }
    hb::audio::RecordingFileSource source(file.path);
    hb::audio::RecordingFileReader reader(source);
    if (!source.IsOpen() || !reader.CheckHeader()) {
        return 0;
    }
    std::vector<hb::audio::RecordingSegment> segments;
    const bool resumed = file.lastRecord != 0 && found.size >= file.size &&
                         reader.ReadAfter(file.lastRecord, segments);
    if (!resumed) {
        // Shrunk or rewritten: what was read no longer holds.
        changes += DropSegments(file);
        segments = reader.ReadFrom(reader.FirstRecord());
    }
    for (const hb::audio::RecordingSegment& read : segments) {
        CatalogSegmentEntry& segment = SegmentFor(file, read.offset);
        FillSegment(segment, read.header, read.payloadLength, reader.AverageBytesPerSecond(),
                    file.path);
        UpdateRow(segment);
        file.lastRecord = read.offset;
        if (++changes % kRecordsPerSuspend == 0) {
            Suspend(kSuspendPerRecords);
        }
    }
    file.size = found.size;
    file.lastWrite = hb::win::FileTimeTicks(found.lastWrite);
    return changes;
}

void CAudioManifest::RefreshFile(const CString& path) {
    const std::string folder = hb::win::PathFolder(path.str());
    const std::string name = hb::win::PathFileName(path.str());
    for (const FoundFile& found : ListFolder(folder)) {
        if (!found.folder && found.name == name) {
            if (AddRecordingFile(found, path) > 0) {
                SetScope(m_scope, TRUE);
            }
            return;
        }
    }
}

void CAudioManifest::NotifySegment(const CString& path, const wlseg* header, LPARAM) {
    if (!hb::win::PathHasExtension(path.str(), kExtension)) {
        return;
    }
    if (IsBusy()) {
        DeferredNotification deferred;
        deferred.path = path;
        deferred.kind = header == kWholeFile ? -1 : (header ? 1 : 0);
        if (header && header != kWholeFile) {
            deferred.header = *header;
        }
        m_queue.push_back(deferred);
        return;
    }
    if (header == kWholeFile) {
        RefreshFile(path);
        return;
    }
    const int index = FileIndex(path, header != nullptr, 0);
    if (index < 0) {
        return;
    }
    CatalogFileEntry& file = m_files[static_cast<std::size_t>(index)];
    if (!header) {
        file.stale = true;
        ApplyFilter(FALSE);
        return;
    }
    file.stale = false;
    hb::audio::RecordingFileSource source(file.path);
    hb::audio::RecordingFileReader reader(source);
    if (!source.IsOpen() || !reader.CheckHeader()) {
        return;
    }
    const std::uint64_t size = source.Size();
    const std::uint64_t offset = header->get(wlseg::kOwnOffset);
    // Only the next record of the chain moves the reading on; one further on leaves the records
    // between for the next reading.
    std::uint64_t next = reader.FirstRecord();
    wlseg last;
    if (file.lastRecord != 0) {
        next = reader.ReadHeaderAt(file.lastRecord, last)
                   ? hb::audio::RecordingFileReader::NextPosition(file.lastRecord, last)
                   : 0;
    }
    CatalogSegmentEntry& segment = SegmentFor(file, offset);
    FillSegment(segment, *header, header->get(wlseg::kPayloadLength),
                reader.AverageBytesPerSecond(), file.path);
    if (offset == next) {
        file.lastRecord = offset;
        file.size = size;
    }
    if (segment.row < 0) {
        SetScope(m_scope, TRUE);
    } else {
        // The file may have been stale: its rows show again.
        ApplyFilter(FALSE);
    }
    UpdateRow(segment);
}

void CAudioManifest::OnTimer(UINT_PTR nIDEvent) {
    if (nIDEvent != kTimerId) {
        CXTPReportView::OnTimer(nIDEvent);
        return;
    }
    if (m_change) {
        const DWORD result = WaitForSingleObject(m_change, 0);
        if (result == WAIT_OBJECT_0) {
            m_changeSeen = true;
            if (!FindNextChangeNotification(m_change)) {
                CloseWatch();
            }
            return;
        }
        if (result != WAIT_TIMEOUT) {
            CloseWatch();
            return;
        }
    }
    while (!IsBusy() && !m_queue.empty()) {
        const DeferredNotification deferred = m_queue.front();
        m_queue.pop_front();
        NotifySegment(deferred.path,
                      deferred.kind == -1 ? kWholeFile
                                          : (deferred.kind == 1 ? &deferred.header : nullptr),
                      0);
    }
    if (!IsBusy() && m_changeSeen) {
        CloseWatch();
        // Cleared first: a change seen while the rebuild lets messages through must count.
        m_changeSeen = false;
        Rebuild();
    }
    if (!m_change) {
        WatchChanges();
    }
}

void CAudioManifest::WatchChanges() {
    CScanApp* app = CScanApp::GetScanApp();
    if (app) {
        m_change =
            FindFirstChangeNotification(app->GetDocFolder(), TRUE, FILE_NOTIFY_CHANGE_FILE_NAME);
    }
}

void CAudioManifest::CloseWatch() {
    if (m_change) {
        FindCloseChangeNotification(m_change);
        m_change = {};
    }
}
