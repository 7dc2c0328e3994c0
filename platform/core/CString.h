// Byte string in the host's code page (UTF-8 here), with the framework's
// printf-style Format and the handful of edits hosts and dialogs use.
#pragma once

#include <cstdarg>
#include <string>
#include <string_view>

class CString {
public:
    CString() = default;
    CString(const char* s) : m_s(s ? s : "") {}
    CString(const char* s, int n) : m_s(s ? std::string(s, n > 0 ? static_cast<size_t>(n) : 0) : std::string()) {}
    CString(char ch, int repeat = 1) : m_s(repeat > 0 ? static_cast<size_t>(repeat) : 0, ch) {}
    CString(std::string s) : m_s(std::move(s)) {}
    CString(std::string_view s) : m_s(s) {}

    int GetLength() const noexcept { return static_cast<int>(m_s.size()); }
    bool IsEmpty() const noexcept { return m_s.empty(); }
    void Empty() noexcept { m_s.clear(); }
    operator const char*() const noexcept { return m_s.c_str(); }
    const char* GetString() const noexcept { return m_s.c_str(); }
    const std::string& str() const noexcept { return m_s; }

    char GetAt(int i) const { return m_s.at(static_cast<size_t>(i)); }
    void SetAt(int i, char ch) { m_s.at(static_cast<size_t>(i)) = ch; }

    // printf formatting, always in the "C" locale: numbers read back the same
    // whatever locale the process runs in.
    void Format(const char* fmt, ...) __attribute__((format(printf, 2, 3)));
    void AppendFormat(const char* fmt, ...) __attribute__((format(printf, 2, 3)));
    void FormatV(const char* fmt, va_list args);

    CString Left(int n) const;
    CString Right(int n) const;
    CString Mid(int first, int n = -1) const;
    int Find(const char* sub, int start = 0) const;
    int Find(char ch, int start = 0) const;
    int ReverseFind(char ch) const;
    int Replace(const char* from, const char* to);
    CString& TrimLeft();
    CString& TrimRight();
    CString& Trim();
    CString& MakeUpper();
    CString& MakeLower();
    int Compare(const char* s) const;
    int CompareNoCase(const char* s) const;

    // Writable buffer of at least minLength bytes; ReleaseBuffer(-1) cuts at the first NUL.
    char* GetBuffer(int minLength = 0);
    void ReleaseBuffer(int newLength = -1);

    CString& operator=(const char* s) { m_s = s ? s : ""; return *this; }
    CString& operator+=(const CString& s) { m_s += s.m_s; return *this; }
    CString& operator+=(const char* s) { if (s) m_s += s; return *this; }
    CString& operator+=(char ch) { m_s += ch; return *this; }

    friend CString operator+(const CString& a, const CString& b) { return CString(a.m_s + b.m_s); }
    friend CString operator+(const CString& a, const char* b) { return CString(a.m_s + (b ? b : "")); }
    friend CString operator+(const char* a, const CString& b) { return CString((a ? a : "") + b.m_s); }
    friend bool operator==(const CString& a, const CString& b) { return a.m_s == b.m_s; }
    friend bool operator==(const CString& a, const char* b) { return a.m_s == (b ? b : ""); }
    friend bool operator!=(const CString& a, const CString& b) { return a.m_s != b.m_s; }
    friend bool operator!=(const CString& a, const char* b) { return !(a == b); }
    friend bool operator<(const CString& a, const CString& b) { return a.m_s < b.m_s; }

private:
    std::string m_s;
};
