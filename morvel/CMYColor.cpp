#include "morvel/CMYColor.h"

#include "morvel/TMOD2D.h"

#include <algorithm>
#include <cmath>

namespace {

// Ten samples of a perceptually uniform blue-green-yellow scale, reversed:
// conductors are bright and warm, resistors dark, and the lightness falls
// monotonically from the first stop to the last.
constexpr COLORREF kStops[] = {
    RGB(0xfd, 0xe7, 0x25), RGB(0xb5, 0xde, 0x2b), RGB(0x6e, 0xce, 0x58), RGB(0x35, 0xb7, 0x79),
    RGB(0x1f, 0x9e, 0x89), RGB(0x26, 0x82, 0x8e), RGB(0x31, 0x68, 0x8e), RGB(0x3e, 0x49, 0x89),
    RGB(0x48, 0x28, 0x78), RGB(0x44, 0x01, 0x54),
};

BYTE mix(BYTE a, BYTE b, double f)
{
    return static_cast<BYTE>(std::clamp(a + (b - a) * f + 0.5, 0.0, 255.0));
}

}  // namespace

CMYColor::CMYColor() : m_d{}
{
    m_d.dLogMin = 0.0;
    m_d.dLogMax = 4.0;
    m_d.nStops = static_cast<int>(std::size(kStops));
    std::copy(std::begin(kStops), std::end(kStops), m_d.crStops);
    m_d.crOutline = RGB(0, 0, 0);
}

CMYColor::~CMYColor() = default;

void CMYColor::FitModel(const TMOD2D& model)
{
    double lo = 0, hi = 0;
    if (!model.ResistivityRange(lo, hi))
        return;
    m_d.dLogMin = std::floor(std::log10(lo));
    m_d.dLogMax = std::ceil(std::log10(hi));
    if (m_d.dLogMax <= m_d.dLogMin)
        m_d.dLogMax = m_d.dLogMin + 1.0;
}

COLORREF CMYColor::ColourOf(double rho) const
{
    const int n = std::clamp(m_d.nStops, 1, kMaxStops);
    if (n == 1)
        return m_d.crStops[0];
    double t = 0;
    const double span = m_d.dLogMax - m_d.dLogMin;
    if (rho > 0 && std::isfinite(rho) && span > 0)
        t = std::clamp((std::log10(rho) - m_d.dLogMin) / span, 0.0, 1.0);
    const double at = t * (n - 1);
    const int i = std::min(static_cast<int>(at), n - 2);
    const double f = at - i;
    const COLORREF a = m_d.crStops[i], b = m_d.crStops[i + 1];
    return RGB(mix(GetRValue(a), GetRValue(b), f), mix(GetGValue(a), GetGValue(b), f),
               mix(GetBValue(a), GetBValue(b), f));
}
