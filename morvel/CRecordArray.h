// Growable array of geometry records, owning each element. New slots hold a
// default-constructed record; removed and destroyed elements go in index order.
#pragma once

#include <memory>
#include <stdexcept>
#include <vector>

// Records copy from a non-const source (their assignment lives in the model
// library and takes a plain reference), so the array copies element by
// element through that assignment instead of through the standard containers'
// copy. Elements are held one per allocation: growing never moves a record.
template <class T>
class CRecordArray {
public:
    CRecordArray() = default;
    ~CRecordArray() { RemoveAll(); }
    CRecordArray(const CRecordArray&) = delete;
    CRecordArray& operator=(const CRecordArray&) = delete;

    int GetSize() const noexcept { return static_cast<int>(m_v.size()); }
    int GetCount() const noexcept { return GetSize(); }
    int GetUpperBound() const noexcept { return GetSize() - 1; }
    bool IsEmpty() const noexcept { return m_v.empty(); }
    // Slots kept in reserve; 0 after RemoveAll.
    size_t Capacity() const noexcept { return m_v.capacity(); }

    // Grows with default-constructed records, or shrinks, destroying the
    // removed records from the lowest index up.
    void SetSize(int newSize)
    {
        if (newSize < 0)
            throw std::length_error("CRecordArray::SetSize: negative size");
        const size_t n = static_cast<size_t>(newSize);
        if (n < m_v.size()) {
            for (size_t i = n; i < m_v.size(); ++i)
                m_v[i].reset();
            m_v.resize(n);
            return;
        }
        m_v.reserve(n);
        while (m_v.size() < n)
            m_v.push_back(std::make_unique<T>());
    }
    // Destroys every record in index order and frees the storage.
    void RemoveAll() noexcept
    {
        for (auto& p : m_v)
            p.reset();
        m_v.clear();
        m_v.shrink_to_fit();
    }
    void RemoveAt(int i, int count = 1)
    {
        if (i < 0 || count < 0 || i > GetSize() - count)
            throw std::out_of_range("CRecordArray::RemoveAt");
        for (int k = i; k < i + count; ++k)
            m_v[static_cast<size_t>(k)].reset();
        m_v.erase(m_v.begin() + i, m_v.begin() + i + count);
    }
    // Appends a copy of e; returns its index.
    int Add(T& e)
    {
        auto p = std::make_unique<T>();
        *p = e;
        m_v.push_back(std::move(p));
        return GetSize() - 1;
    }
    // Appends a default record and returns it for filling in.
    T& AddNew()
    {
        m_v.push_back(std::make_unique<T>());
        return *m_v.back();
    }
    // Becomes an element-by-element copy of src.
    void Copy(CRecordArray& src)
    {
        if (this == &src)
            return;
        SetSize(src.GetSize());
        for (size_t i = 0; i < m_v.size(); ++i)
            *m_v[i] = *src.m_v[i];
    }

    T& operator[](int i) { return *m_v.at(check(i)); }
    const T& operator[](int i) const { return *m_v.at(check(i)); }
    T& ElementAt(int i) { return (*this)[i]; }
    T& GetAt(int i) { return (*this)[i]; }
    const T& GetAt(int i) const { return (*this)[i]; }

private:
    static size_t check(int i)
    {
        if (i < 0)
            throw std::out_of_range("CRecordArray: negative index");
        return static_cast<size_t>(i);
    }
    std::vector<std::unique_ptr<T>> m_v;
};
