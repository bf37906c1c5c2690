#pragma once
#include "platform/win/Windows.h"

#include <vector>

// The keyboard shortcuts of a set of command bars: an accelerator table of their own, taken from
// an accelerator resource and kept in the profile.
class CXTPShortcutManager {
public:
    CXTPShortcutManager() = default;
    ~CXTPShortcutManager();
    CXTPShortcutManager(const CXTPShortcutManager&) = delete;
    CXTPShortcutManager& operator=(const CXTPShortcutManager&) = delete;

    // Copies the entries of the accelerator resource; FALSE (nothing changed) when there is none.
    BOOL SetAccelerators(UINT nIDAccelerators);
    // The table the shortcuts are translated with, or null when there are none.
    HACCEL GetDefaultAccelerator() const { return m_table; }
    const std::vector<ACCEL>& GetShortcuts() const { return m_entries; }
    void SetShortcuts(const std::vector<ACCEL>& entries);

    // Under the profile section `lpszProfileName`. Loading a missing or unreadable value keeps the
    // shortcuts there are and returns FALSE.
    void SaveShortcuts(LPCSTR lpszProfileName) const;
    BOOL LoadShortcuts(LPCSTR lpszProfileName);

    // A key message that is one of the shortcuts: WM_COMMAND goes to `hWnd`, TRUE.
    BOOL TranslateAccelerator(HWND hWnd, const MSG* pMsg) const;

private:
    std::vector<ACCEL> m_entries;
    HACCEL m_table;
};
