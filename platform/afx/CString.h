#pragma once
#include "platform/win/WinTypes.h"

#include <compare>
#include <concepts>
#include <cstddef>
#include <functional>
#include <string>

// The class library's text: bytes, like the program's texts. Index and length arguments out of
// range are clamped rather than rejected, so Mid past the end gives an empty text.
//
// A CString is not passed through "..." as is: give Format its GetString() or (LPCSTR) cast.
class CString {
public:
    CString() = default;
    CString(LPCSTR text);
    CString(const std::string& text) : m_text(text) {}
    CString(LPCSTR text, int length);
    CString(char ch, int repeat);

    int GetLength() const { return static_cast<int>(m_text.size()); }
    BOOL IsEmpty() const { return m_text.empty(); }
    void Empty() { m_text.clear(); }
    LPCSTR GetString() const { return m_text.c_str(); }
    operator LPCSTR() const { return m_text.c_str(); }
    const std::string& str() const { return m_text; }

    // '\0' out of range.
    char GetAt(int index) const;
    template <std::integral Index>
    char operator[](Index index) const {
        return GetAt(static_cast<int>(index));
    }
    // Ignored out of range.
    void SetAt(int index, char ch);

    void Format(LPCSTR format, ...) __attribute__((format(printf, 2, 3)));
    void AppendFormat(LPCSTR format, ...) __attribute__((format(printf, 2, 3)));
    // Down the resource chain (hb::afx::LoadResourceString); FALSE leaves the text as it was.
    BOOL LoadString(UINT id);

    CString Left(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString Right(int count) const;
    CString SpanIncluding(LPCSTR charSet) const;
    CString SpanExcluding(LPCSTR charSet) const;

    // -1 when not found.
    int Find(char ch, int start = 0) const;
    int Find(LPCSTR sub, int start = 0) const;
    int ReverseFind(char ch) const;
    int FindOneOf(LPCSTR charSet) const;

    // Without an argument, white space.
    CString& Trim();
    CString& Trim(char target);
    CString& Trim(LPCSTR targets);
    CString& TrimLeft();
    CString& TrimLeft(char target);
    CString& TrimLeft(LPCSTR targets);
    CString& TrimRight();
    CString& TrimRight(char target);
    CString& TrimRight(LPCSTR targets);

    // These return how many were replaced or removed.
    int Replace(char oldChar, char newChar);
    int Replace(LPCSTR oldText, LPCSTR newText);
    int Remove(char ch);
    // These return the new length.
    int Insert(int index, char ch);
    int Insert(int index, LPCSTR text);
    int Delete(int index, int count = 1);

    CString& MakeUpper();
    CString& MakeLower();
    CString& MakeReverse();

    // <0, 0 or >0 as strcmp.
    int Compare(LPCSTR other) const;
    int CompareNoCase(LPCSTR other) const;

    // A writable buffer of at least `minLength` characters plus the terminator; ReleaseBuffer
    // sets the length (-1: up to the first '\0').
    LPSTR GetBuffer(int minLength = 0);
    LPSTR GetBufferSetLength(int length);
    void ReleaseBuffer(int newLength = -1);

    CString& operator+=(const CString& other);
    CString& operator+=(LPCSTR text);
    CString& operator+=(char ch);

    friend CString operator+(const CString& a, const CString& b);
    friend CString operator+(const CString& a, LPCSTR b);
    friend CString operator+(LPCSTR a, const CString& b);
    friend CString operator+(const CString& a, char b);
    friend CString operator+(char a, const CString& b);

    friend bool operator==(const CString& a, const CString& b) { return a.m_text == b.m_text; }
    friend bool operator==(const CString& a, LPCSTR b) { return a.Compare(b) == 0; }
    friend std::strong_ordering operator<=>(const CString& a, const CString& b) {
        return a.m_text <=> b.m_text;
    }
    friend std::strong_ordering operator<=>(const CString& a, LPCSTR b) {
        return a.Compare(b) <=> 0;
    }

private:
    std::string m_text;
};

template <>
struct std::hash<CString> {
    std::size_t operator()(const CString& s) const noexcept {
        return std::hash<std::string>{}(s.str());
    }
};
