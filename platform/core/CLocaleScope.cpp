#include "platform/core/CLocaleScope.h"

namespace {

// One "C" locale object for the process, made on first use and kept.
locale_t classicLocale() noexcept
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
}

}  // namespace

CLocaleScope::CLocaleScope() noexcept
    : m_previous(classicLocale() ? uselocale(classicLocale()) : static_cast<locale_t>(nullptr))
{
}

CLocaleScope::~CLocaleScope()
{
    if (m_previous)
        uselocale(m_previous);
}
