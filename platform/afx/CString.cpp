#include "platform/afx/CString.h"

#include "platform/afx/res/StringLookup.h"

#include <strings.h>

#include <algorithm>
#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {

std::string FormatV(LPCSTR format, va_list args) {
    va_list copy;
    va_copy(copy, args);
    const int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (length <= 0) {
        return {};
    }
    std::string text(static_cast<std::size_t>(length), '\0');
    std::vsnprintf(text.data(), text.size() + 1, format, args);
    return text;
}

bool IsSpace(char ch) {
    return std::isspace(static_cast<unsigned char>(ch)) != 0;
}

bool InSet(LPCSTR set, char ch) {
    return set && ch != '\0' && std::strchr(set, ch) != nullptr;
}

int Clamp(int value, int low, int high) {
    return std::max(low, std::min(value, high));
}

template <class Pred>
void TrimLeftWhile(std::string& text, Pred pred) {
    const auto first = std::find_if_not(text.begin(), text.end(), pred);
    text.erase(text.begin(), first);
}

template <class Pred>
void TrimRightWhile(std::string& text, Pred pred) {
    const auto last = std::find_if_not(text.rbegin(), text.rend(), pred);
    text.erase(last.base(), text.end());
}

} // namespace

CString::CString(LPCSTR text) : m_text(text ? text : "") {}

CString::CString(LPCSTR text, int length) {
    if (text && length > 0) {
        m_text.assign(text, static_cast<std::size_t>(length));
    }
}

CString::CString(char ch, int repeat) : m_text(static_cast<std::size_t>(std::max(repeat, 0)), ch) {}

char CString::GetAt(int index) const {
    return index >= 0 && index < GetLength() ? m_text[static_cast<std::size_t>(index)] : '\0';
}

void CString::SetAt(int index, char ch) {
    if (index >= 0 && index < GetLength()) {
        m_text[static_cast<std::size_t>(index)] = ch;
    }
}

void CString::Format(LPCSTR format, ...) {
    va_list args;
    va_start(args, format);
    m_text = FormatV(format, args);
    va_end(args);
}

void CString::AppendFormat(LPCSTR format, ...) {
    va_list args;
    va_start(args, format);
    m_text += FormatV(format, args);
    va_end(args);
}

BOOL CString::LoadString(UINT id) {
    auto text = hb::afx::LoadResourceString(id);
    if (!text) {
        return FALSE;
    }
    m_text = std::move(*text);
    return TRUE;
}

CString CString::Left(int count) const {
    return CString(m_text.substr(0, static_cast<std::size_t>(Clamp(count, 0, GetLength()))));
}

CString CString::Mid(int first) const {
    return Mid(first, GetLength());
}

CString CString::Mid(int first, int count) const {
    first = Clamp(first, 0, GetLength());
    count = Clamp(count, 0, GetLength() - first);
    return CString(m_text.substr(static_cast<std::size_t>(first), static_cast<std::size_t>(count)));
}

CString CString::Right(int count) const {
    count = Clamp(count, 0, GetLength());
    return CString(m_text.substr(static_cast<std::size_t>(GetLength() - count)));
}

CString CString::SpanIncluding(LPCSTR charSet) const {
    const auto end =
        std::find_if_not(m_text.begin(), m_text.end(), [&](char c) { return InSet(charSet, c); });
    return CString(std::string(m_text.begin(), end));
}

CString CString::SpanExcluding(LPCSTR charSet) const {
    const auto end =
        std::find_if(m_text.begin(), m_text.end(), [&](char c) { return InSet(charSet, c); });
    return CString(std::string(m_text.begin(), end));
}

int CString::Find(char ch, int start) const {
    if (start >= GetLength()) {
        return -1;
    }
    const auto at = m_text.find(ch, static_cast<std::size_t>(std::max(start, 0)));
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::Find(LPCSTR sub, int start) const {
    if (!sub || start > GetLength()) {
        return -1;
    }
    const auto at = m_text.find(sub, static_cast<std::size_t>(std::max(start, 0)));
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::ReverseFind(char ch) const {
    const auto at = m_text.rfind(ch);
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::FindOneOf(LPCSTR charSet) const {
    const auto at =
        std::find_if(m_text.begin(), m_text.end(), [&](char c) { return InSet(charSet, c); });
    return at == m_text.end() ? -1 : static_cast<int>(at - m_text.begin());
}

CString& CString::Trim() {
    return TrimRight().TrimLeft();
}

CString& CString::Trim(char target) {
    return TrimRight(target).TrimLeft(target);
}

CString& CString::Trim(LPCSTR targets) {
    return TrimRight(targets).TrimLeft(targets);
}

CString& CString::TrimLeft() {
    TrimLeftWhile(m_text, IsSpace);
    return *this;
}

CString& CString::TrimLeft(char target) {
    TrimLeftWhile(m_text, [target](char c) { return c == target; });
    return *this;
}

CString& CString::TrimLeft(LPCSTR targets) {
    TrimLeftWhile(m_text, [targets](char c) { return InSet(targets, c); });
    return *this;
}

CString& CString::TrimRight() {
    TrimRightWhile(m_text, IsSpace);
    return *this;
}

CString& CString::TrimRight(char target) {
    TrimRightWhile(m_text, [target](char c) { return c == target; });
    return *this;
}

CString& CString::TrimRight(LPCSTR targets) {
    TrimRightWhile(m_text, [targets](char c) { return InSet(targets, c); });
    return *this;
}

int CString::Replace(char oldChar, char newChar) {
    int count = 0;
    for (char& c : m_text) {
        if (c == oldChar) {
            c = newChar;
            ++count;
        }
    }
    return count;
}

int CString::Replace(LPCSTR oldText, LPCSTR newText) {
    if (!oldText || *oldText == '\0') {
        return 0;
    }
    const std::string from(oldText);
    const std::string to(newText ? newText : "");
    int count = 0;
    std::string result;
    std::size_t pos = 0;
    for (auto at = m_text.find(from); at != std::string::npos; at = m_text.find(from, pos)) {
        result.append(m_text, pos, at - pos).append(to);
        pos = at + from.size();
        ++count;
    }
    result.append(m_text, pos);
    m_text = std::move(result);
    return count;
}

int CString::Remove(char ch) {
    const auto before = m_text.size();
    m_text.erase(std::remove(m_text.begin(), m_text.end(), ch), m_text.end());
    return static_cast<int>(before - m_text.size());
}

int CString::Insert(int index, char ch) {
    m_text.insert(static_cast<std::size_t>(Clamp(index, 0, GetLength())), 1, ch);
    return GetLength();
}

int CString::Insert(int index, LPCSTR text) {
    if (text) {
        m_text.insert(static_cast<std::size_t>(Clamp(index, 0, GetLength())), text);
    }
    return GetLength();
}

int CString::Delete(int index, int count) {
    index = std::max(index, 0);
    if (count > 0 && index < GetLength()) {
        m_text.erase(static_cast<std::size_t>(index),
                     static_cast<std::size_t>(std::min(count, GetLength() - index)));
    }
    return GetLength();
}

CString& CString::MakeUpper() {
    for (char& c : m_text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return *this;
}

CString& CString::MakeLower() {
    for (char& c : m_text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return *this;
}

CString& CString::MakeReverse() {
    std::reverse(m_text.begin(), m_text.end());
    return *this;
}

int CString::Compare(LPCSTR other) const {
    return std::strcmp(m_text.c_str(), other ? other : "");
}

int CString::CompareNoCase(LPCSTR other) const {
    return ::strcasecmp(m_text.c_str(), other ? other : "");
}

LPSTR CString::GetBuffer(int minLength) {
    if (minLength > GetLength()) {
        m_text.resize(static_cast<std::size_t>(minLength));
    }
    return m_text.data();
}

LPSTR CString::GetBufferSetLength(int length) {
    m_text.resize(static_cast<std::size_t>(std::max(length, 0)));
    return m_text.data();
}

void CString::ReleaseBuffer(int newLength) {
    const std::size_t length = newLength < 0 ? ::strnlen(m_text.data(), m_text.size())
                                             : static_cast<std::size_t>(newLength);
    m_text.resize(std::min(length, m_text.size()));
}

CString& CString::operator+=(const CString& other) {
    m_text += other.m_text;
    return *this;
}

CString& CString::operator+=(LPCSTR text) {
    if (text) {
        m_text += text;
    }
    return *this;
}

CString& CString::operator+=(char ch) {
    m_text += ch;
    return *this;
}

CString operator+(const CString& a, const CString& b) {
    return CString(a.m_text + b.m_text);
}

CString operator+(const CString& a, LPCSTR b) {
    CString result(a);
    return result += b;
}

CString operator+(LPCSTR a, const CString& b) {
    CString result(a);
    return result += b;
}

CString operator+(const CString& a, char b) {
    CString result(a);
    return result += b;
}

CString operator+(char a, const CString& b) {
    return CString(a, 1) + b;
}
