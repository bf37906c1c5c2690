#pragma once
#include "platform/afx/CString.h"

#include <cstddef>
#include <utility>
#include <vector>

// An archive over bytes: objects store their counts and strings into it, and load them back from
// bytes read elsewhere. Counts are 32-bit, strings a 32-bit length and their characters. A load
// that would run past the end fails: it gives 0 or an empty string, and every later load fails
// too, so a reader checks IsLoadFailed once at the end.
class CArchive {
public:
    enum Mode { store = 0, load = 1 };

    // An empty archive to store into.
    CArchive() = default;
    // An archive that loads from `bytes`.
    explicit CArchive(std::vector<BYTE> bytes) : m_bytes(std::move(bytes)), m_mode(load) {}

    BOOL IsStoring() const { return m_mode == store; }
    BOOL IsLoading() const { return m_mode == load; }

    void WriteCount(DWORD count);
    DWORD ReadCount();
    CArchive& operator<<(const CString& text);
    CArchive& operator>>(CString& text);

    BOOL IsLoadFailed() const { return m_failed; }
    // Everything was read and no load failed.
    BOOL IsLoadComplete() const { return !m_failed && m_position == m_bytes.size(); }
    // The bytes stored so far.
    const std::vector<BYTE>& GetBytes() const { return m_bytes; }

private:
    void Write32(DWORD value);
    bool Read32(DWORD& value);

    std::vector<BYTE> m_bytes;
    Mode m_mode = store;
    std::size_t m_position = 0;
    bool m_failed = false;
};
