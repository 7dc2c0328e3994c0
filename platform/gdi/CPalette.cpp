#include "platform/gdi/CPalette.h"

#include <algorithm>

BOOL CPalette::CreatePalette(const LOGPALETTE* lp)
{
    if (!lp || lp->palNumEntries > 256)
        return FALSE;
    if (!beginCreate())
        return FALSE;
    // The entries run on past the declared one-element array, as the record is laid out.
    const PALETTEENTRY* first = lp->palPalEntry;
    m_entries.assign(first, first + lp->palNumEntries);
    return TRUE;
}

BOOL CPalette::DeleteObject()
{
    if (IsStock())
        return FALSE;
    m_entries.clear();
    return CGdiObject::DeleteObject();
}

UINT CPalette::GetPaletteEntries(UINT start, UINT count, PALETTEENTRY* out) const
{
    if (!out || start >= m_entries.size())
        return 0;
    const UINT n = std::min<UINT>(count, static_cast<UINT>(m_entries.size()) - start);
    std::copy_n(m_entries.begin() + start, n, out);
    return n;
}

CPalette* CPalette::FromStock(int stockId)
{
    if (stockId != DEFAULT_PALETTE)
        return nullptr;
    static CPalette* const stock = [] {
        auto* p = new CPalette;
        // The sixteen colours of the VGA set and the four the desktop adds.
        static const BYTE rgb[20][3] = {
            {0, 0, 0},       {128, 0, 0},     {0, 128, 0},     {128, 128, 0},   {0, 0, 128},
            {128, 0, 128},   {0, 128, 128},   {192, 192, 192}, {192, 220, 192}, {166, 202, 240},
            {255, 251, 240}, {160, 160, 164}, {128, 128, 128}, {255, 0, 0},     {0, 255, 0},
            {255, 255, 0},   {0, 0, 255},     {255, 0, 255},   {0, 255, 255},   {255, 255, 255}};
        for (const auto& c : rgb)
            p->m_entries.push_back(PALETTEENTRY{c[0], c[1], c[2], 0});
        p->markStock();
        return p;
    }();
    return stock;
}

const std::vector<PALETTEENTRY>& CPalette::SystemEntries()
{
    static const std::vector<PALETTEENTRY> entries = [] {
        std::vector<PALETTEENTRY> e;
        for (int r = 0; r < 6; ++r)
            for (int g = 0; g < 6; ++g)
                for (int b = 0; b < 6; ++b)
                    e.push_back(PALETTEENTRY{static_cast<BYTE>(r * 51), static_cast<BYTE>(g * 51),
                                             static_cast<BYTE>(b * 51), 0});
        for (int i = 1; i <= 40; ++i) {
            const auto v = static_cast<BYTE>(i * 255 / 41);
            e.push_back(PALETTEENTRY{v, v, v, 0});
        }
        return e;
    }();
    return entries;
}
