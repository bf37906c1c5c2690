#pragma once
// The recordings player: the logger's form view in play mode with the catalog's filters beside it
// (history scope, sort order, group headers, search term) and the speaker it plays on. The catalog
// asks it to play an entry; it opens the entry's file when that is not the one it has open.
#include "audio/AudioView.h"
#include "platform/afx/CComboBox.h"
#include "platform/afx/CTime.h"

#include <cstdint>

class CAudioManifest;
class CAudioPlayerView;

class CAudioPlayer : public CAudioView {
    DECLARE_DYNCREATE(CAudioPlayer)

public:
    static constexpr UINT kForm = 28508;
    static constexpr LPCSTR kSection = "AudioPlayer";
    static constexpr int kDefaultSpeaker = -4;
    static constexpr int kDateRange = 6;

    CAudioPlayer();

    void OnInitialUpdate() override;
    // Lets go of the file when it is the one open and went stale; the catalog hears of it.
    void UpdateSegment(const char* file, const wlseg* segment, std::uint32_t n) override;

    // The catalog of the frame the player stands in, or null.
    CAudioManifest* Catalog() const;

    // Linked by the frame; reloaded when another file opens.
    CAudioPlayerView* m_indexView = nullptr;
    CComboBox m_sortBox;
    CComboBox m_scopeBox;
    CComboBox m_speakerBox;
    int m_groupHeaders = 0;
    // The date range's first and last days.
    CTime m_windowBegin;
    CTime m_windowEnd;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    LRESULT OnPlayCatalogEntry(WPARAM wParam, LPARAM lParam);
    LRESULT OnCatalogEditFile(WPARAM wParam, LPARAM lParam);
    void OnGroupHeaders();
    void OnSpeakerChosen();
    void OnSortChosen();
    void OnScopeChosen();
    void OnSearchLeft();
    void OnCalendarClosed(NMHDR* pNotifyStruct, LRESULT* pResult);

    DECLARE_MESSAGE_MAP()

private:
    // Lets go of the open file, forgetting it in the settings, and keeps the role.
    void ReleaseFile();
    // The file becomes the logger's; false when it cannot be opened.
    bool OpenFile(const CString& path);
    bool IsOpenFile(const char* path) const;
    void SetLargeIcons();
    void FillLists();
    void SelectValue(CComboBox& box, DWORD_PTR value, bool lastWhenNone);
};
