#include "platform/afx/CArchive.h"

#include <string>

void CArchive::Write32(DWORD value) {
    for (int shift = 0; shift < 32; shift += 8) {
        m_bytes.push_back(static_cast<BYTE>(value >> shift));
    }
}

bool CArchive::Read32(DWORD& value) {
    value = 0;
    if (m_failed || m_bytes.size() - m_position < 4) {
        m_failed = true;
        return false;
    }
    for (int shift = 0; shift < 32; shift += 8) {
        value |= static_cast<DWORD>(m_bytes[m_position++]) << shift;
    }
    return true;
}

void CArchive::WriteCount(DWORD count) {
    Write32(count);
}

DWORD CArchive::ReadCount() {
    DWORD count = 0;
    Read32(count);
    return count;
}

CArchive& CArchive::operator<<(const CString& text) {
    const std::string& characters = text.str();
    Write32(static_cast<DWORD>(characters.size()));
    m_bytes.insert(m_bytes.end(), characters.begin(), characters.end());
    return *this;
}

CArchive& CArchive::operator>>(CString& text) {
    text.Empty();
    DWORD length = 0;
    if (!Read32(length)) {
        return *this;
    }
    if (m_bytes.size() - m_position < length) {
        m_failed = true;
        return *this;
    }
    const auto first = m_bytes.begin() + static_cast<std::ptrdiff_t>(m_position);
    text = CString(std::string(first, first + length));
    m_position += length;
    return *this;
}
