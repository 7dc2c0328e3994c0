// Numbers read and written the same in every locale: while a scope lives, the
// calling thread's C library formats and parses with the "C" locale (a point
// for the decimal separator, no grouping), whatever locale the process runs in.
#pragma once

#include <locale.h>

class CLocaleScope {
public:
    CLocaleScope() noexcept;
    ~CLocaleScope();
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

private:
    locale_t m_previous;
};
