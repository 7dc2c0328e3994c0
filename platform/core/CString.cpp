#include "platform/core/CString.h"

#include "platform/core/CLocaleScope.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <strings.h>

void CString::FormatV(const char* fmt, va_list args)
{
    // Chart labels and saved numbers read the same in every locale.
    const CLocaleScope classic;
    va_list copy;
    va_copy(copy, args);
    const int n = std::vsnprintf(nullptr, 0, fmt, copy);
    va_end(copy);
    if (n < 0) {
        m_s.clear();
        return;
    }
    std::string out(static_cast<size_t>(n) + 1, '\0');
    std::vsnprintf(out.data(), out.size(), fmt, args);
    out.resize(static_cast<size_t>(n));
    m_s = std::move(out);
}

void CString::Format(const char* fmt, ...)
{
    va_list args;
    va_start(args, fmt);
    FormatV(fmt, args);
    va_end(args);
}

void CString::AppendFormat(const char* fmt, ...)
{
    CString tail;
    va_list args;
    va_start(args, fmt);
    tail.FormatV(fmt, args);
    va_end(args);
    m_s += tail.m_s;
}

CString CString::Left(int n) const
{
    return CString(m_s.substr(0, static_cast<size_t>(std::clamp(n, 0, GetLength()))));
}

CString CString::Right(int n) const
{
    const int k = std::clamp(n, 0, GetLength());
    return CString(m_s.substr(m_s.size() - static_cast<size_t>(k)));
}

CString CString::Mid(int first, int n) const
{
    const int f = std::clamp(first, 0, GetLength());
    const int k = n < 0 ? GetLength() - f : std::min(n, GetLength() - f);
    return CString(m_s.substr(static_cast<size_t>(f), static_cast<size_t>(k)));
}

int CString::Find(const char* sub, int start) const
{
    if (!sub || start < 0 || start > GetLength())
        return -1;
    const size_t p = m_s.find(sub, static_cast<size_t>(start));
    return p == std::string::npos ? -1 : static_cast<int>(p);
}

int CString::Find(char ch, int start) const
{
    if (start < 0 || start > GetLength())
        return -1;
    const size_t p = m_s.find(ch, static_cast<size_t>(start));
    return p == std::string::npos ? -1 : static_cast<int>(p);
}

int CString::ReverseFind(char ch) const
{
    const size_t p = m_s.rfind(ch);
    return p == std::string::npos ? -1 : static_cast<int>(p);
}

int CString::Replace(const char* from, const char* to)
{
    if (!from || !*from)
        return 0;
    const std::string f(from), t(to ? to : "");
    int count = 0;
    for (size_t p = m_s.find(f); p != std::string::npos; p = m_s.find(f, p + t.size())) {
        m_s.replace(p, f.size(), t);
        ++count;
    }
    return count;
}

CString& CString::TrimLeft()
{
    size_t i = 0;
    while (i < m_s.size() && std::isspace(static_cast<unsigned char>(m_s[i])))
        ++i;
    m_s.erase(0, i);
    return *this;
}

CString& CString::TrimRight()
{
    while (!m_s.empty() && std::isspace(static_cast<unsigned char>(m_s.back())))
        m_s.pop_back();
    return *this;
}

CString& CString::Trim() { return TrimLeft().TrimRight(); }

CString& CString::MakeUpper()
{
    for (char& c : m_s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return *this;
}

CString& CString::MakeLower()
{
    for (char& c : m_s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return *this;
}

int CString::Compare(const char* s) const { return std::strcmp(m_s.c_str(), s ? s : ""); }
int CString::CompareNoCase(const char* s) const { return strcasecmp(m_s.c_str(), s ? s : ""); }

char* CString::GetBuffer(int minLength)
{
    if (minLength > GetLength())
        m_s.resize(static_cast<size_t>(minLength));
    return m_s.data();
}

void CString::ReleaseBuffer(int newLength)
{
    if (newLength < 0)
        m_s.resize(std::strlen(m_s.c_str()));
    else
        m_s.resize(static_cast<size_t>(std::min(newLength, GetLength())));
}
