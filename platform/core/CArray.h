// Growable array that owns its elements by value, with the framework's
// interface. Indexing outside 0 .. GetSize()-1 throws std::out_of_range
// instead of reading past the end.
#pragma once

#include <stdexcept>
#include <vector>

template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray {
public:
    CArray() = default;
    virtual ~CArray() = default;
    CArray(const CArray&) = default;
    CArray& operator=(const CArray&) = default;

    int GetSize() const noexcept { return static_cast<int>(m_v.size()); }
    int GetCount() const noexcept { return GetSize(); }
    int GetUpperBound() const noexcept { return GetSize() - 1; }
    bool IsEmpty() const noexcept { return m_v.empty(); }

    // New elements are value-initialised (zero for numbers, (0, 0) for points).
    void SetSize(int newSize, int /*growBy*/ = -1)
    {
        if (newSize < 0)
            throw std::length_error("CArray::SetSize: negative size");
        m_v.resize(static_cast<size_t>(newSize));
    }
    void RemoveAll() noexcept { m_v.clear(); m_v.shrink_to_fit(); }
    void FreeExtra() { m_v.shrink_to_fit(); }

    const TYPE& GetAt(int i) const { return m_v.at(check(i)); }
    TYPE& GetAt(int i) { return m_v.at(check(i)); }
    TYPE& ElementAt(int i) { return m_v.at(check(i)); }
    void SetAt(int i, ARG_TYPE e) { m_v.at(check(i)) = e; }
    const TYPE& operator[](int i) const { return m_v.at(check(i)); }
    TYPE& operator[](int i) { return m_v.at(check(i)); }

    TYPE* GetData() noexcept { return m_v.data(); }
    const TYPE* GetData() const noexcept { return m_v.data(); }

    int Add(ARG_TYPE e) { m_v.push_back(e); return GetSize() - 1; }
    void SetAtGrow(int i, ARG_TYPE e)
    {
        if (i >= GetSize())
            SetSize(i + 1);
        SetAt(i, e);
    }
    int Append(const CArray& src) { const int at = GetSize(); m_v.insert(m_v.end(), src.m_v.begin(), src.m_v.end()); return at; }
    void Copy(const CArray& src) { if (this != &src) m_v = src.m_v; }
    void InsertAt(int i, ARG_TYPE e, int count = 1)
    {
        if (i < 0 || i > GetSize() || count < 0)
            throw std::out_of_range("CArray::InsertAt");
        m_v.insert(m_v.begin() + i, static_cast<size_t>(count), e);
    }
    void RemoveAt(int i, int count = 1)
    {
        if (i < 0 || count < 0 || i + count > GetSize())
            throw std::out_of_range("CArray::RemoveAt");
        m_v.erase(m_v.begin() + i, m_v.begin() + i + count);
    }

    // Range-for support for our own code.
    auto begin() noexcept { return m_v.begin(); }
    auto end() noexcept { return m_v.end(); }
    auto begin() const noexcept { return m_v.begin(); }
    auto end() const noexcept { return m_v.end(); }

private:
    static size_t check(int i)
    {
        if (i < 0)
            throw std::out_of_range("CArray: negative index");
        return static_cast<size_t>(i);
    }
    std::vector<TYPE> m_v;
};
