#pragma once
// The recordings catalog, the "Audio Manifest" tab of the audio player: one row per segment of
// every recording file (.swq) in the documents folder and below it. It caches what it read of each
// file, watches the folder for new and deleted files, takes the player's news of segments as they
// are recorded, filters rows by a time window and a search text, and asks the player to play the
// segment whose "Play" cell is clicked. Rows are only ever added: rows of files that went away or
// went stale are hidden. Work that would disturb playback waits in a queue while the player plays.
//
// The player frame creates the view and sets its player link; the catalog never owns the player.
#include "audio/CatalogEntries.h"
#include "platform/records/Wlseg.h"
#include "platform/toolkit/CXTPReportView.h"
#include "platform/win/sys/ChangeNotification.h"
#include "platform/win/sys/FolderListing.h"

#include <cstdint>
#include <deque>
#include <unordered_map>

class CAudioManifestItem;

class CAudioManifest : public CXTPReportView {
    DECLARE_DYNCREATE(CAudioManifest)

public:
    // NotifySegment's header for "read the whole file again".
    static inline const wlseg* const kWholeFile =
        reinterpret_cast<const wlseg*>(static_cast<std::intptr_t>(-1));
    static constexpr UINT kTimerId = 1;
    static constexpr UINT kTimerMs = 333;
    static constexpr UINT kBusyId = 1687;
    static constexpr UINT kHandledNothing = 0x27EC;

    CAudioManifest();
    ~CAudioManifest() override;

    virtual BOOL IsBusy();
    virtual void Rebuild();
    virtual void ClearCache();
    virtual void ApplyFilter(BOOL force);
    virtual void SetSort(BYTE sort, BOOL force);
    virtual void SetTimeWindow(std::int32_t start, std::int32_t end, BOOL force);
    virtual void SetScope(BYTE scope, BOOL force);
    virtual void SetFilterText(LPCSTR text);
    virtual void SetDispositionFilter(BYTE value, BOOL force);
    virtual void SetGroup(int group);
    // Walks the folder of the pattern and the folders below it; returns the changes found.
    virtual int ScanFolder(const CString& pattern);
    // Reads what is new in one file into the cache; returns the changes.
    virtual int AddRecordingFile(const FoundFile& found, const CString& path);
    virtual void RefreshFile(const CString& path);
    // A segment the player heard of: its header, or null when the file went stale, or kWholeFile.
    virtual void NotifySegment(const CString& path, const wlseg* header, LPARAM value);
    virtual void RequestPlay(LPARAM value, std::uint32_t segment, std::uint64_t offset);

    // The player view that plays catalog entries (a CAudioView), or null.
    void SetPlayer(CWnd* player) { m_player = player; }

    // The entry to play, as the player reads it on WM_PLAY_CATALOG_ENTRY.
    CString m_playPath;
    std::uint32_t m_playSegment = 0;
    std::uint64_t m_playOffset = 0;
    // The full path of the file an in-place edit is about to write.
    CString m_editPath;

    // For tests: the cache and the state the settings set.
    const std::vector<CatalogFileEntry>& Files() const { return m_files; }
    int MappedIndex(const CString& path) const;
    std::size_t QueuedNotifications() const { return m_queue.size(); }
    BYTE GetScope() const { return m_scope; }
    BYTE GetSort() const { return m_sort; }
    int GetGroup() const { return m_group; }
    BYTE GetReverse() const { return m_reverse; }
    BYTE GetDispositionFilter() const { return m_dispositionFilter; }
    std::int32_t GetWindowStart() const { return m_windowStart; }
    std::int32_t GetWindowEnd() const { return m_windowEnd; }
    // Times the control was populated.
    int PopulateCount() const { return m_populateCount; }

    // Set while any catalog rebuilds.
    static bool s_rebuilding;

protected:
    void OnInitialUpdate() override;
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnDestroy();
    void OnTimer(UINT_PTR nIDEvent);
    void OnReportItemClick(NMHDR* pNotifyStruct, LRESULT* pResult);
    void OnReportValueChanged(NMHDR* pNotifyStruct, LRESULT* pResult);
    LRESULT OnAnswerNothing(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    struct DeferredNotification {
        CString path;
        // 0 none, 1 a header, -1 the whole file.
        int kind = 0;
        wlseg header;
    };

    void ReadSettings();
    void AddColumns();
    void ChooseSortColumns(BYTE sort, bool withSecond);
    void Populate();
    // The file entry of the path, made when `create`; -1 when there is none.
    int FileIndex(const CString& path, bool create, std::uint64_t lastWrite);
    // Hides the file's rows and forgets its segments; returns the rows hidden.
    int DropSegments(CatalogFileEntry& file);
    // The segment entry for the record, reused when one stands at its offset.
    CatalogSegmentEntry& SegmentFor(CatalogFileEntry& file, std::uint64_t offset);
    void FillSegment(CatalogSegmentEntry& segment, const wlseg& header, std::uint32_t payloadLength,
                     std::uint32_t bytesPerSecond, const std::string& path);
    CAudioManifestItem* RowOf(const CatalogSegmentEntry& segment);
    void UpdateRow(const CatalogSegmentEntry& segment);
    // Writes the edited frequency and subject into the segment's header; false on any failure.
    bool WriteEdit(CAudioManifestItem& row, const CatalogFileEntry& file);
    void RestoreEdit(CAudioManifestItem& row, const CatalogSegmentEntry* segment);
    void WatchChanges();
    void CloseWatch();
    int ProfileInt(LPCSTR entry, int defaultValue) const;
    void WriteProfile(LPCSTR entry, int value) const;

    CWnd* m_player = nullptr;
    HCHANGE m_change{};
    std::deque<DeferredNotification> m_queue;
    std::vector<CatalogFileEntry> m_files;
    std::unordered_map<std::string, int> m_map;
    std::int32_t m_windowStart = 0;
    std::int32_t m_windowEnd = 0;
    int m_group = 1;
    BYTE m_scope = 2;
    BYTE m_sort = 2;
    BYTE m_dispositionFilter = 7;
    bool m_changeSeen = false;
    BYTE m_reverse = 255;
    CImageList m_images;
    int m_populateCount = 0;
};
