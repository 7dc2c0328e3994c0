// A logical palette: the colours a palette device (8 bits a pixel or fewer)
// can show, selected into a device context and realised before drawing.
#pragma once

#include "platform/gdi/CGdiObject.h"

#include <vector>

struct PALETTEENTRY {
    BYTE peRed = 0;
    BYTE peGreen = 0;
    BYTE peBlue = 0;
    BYTE peFlags = 0;
};

// palNumEntries entries follow the header; callers allocate room for them.
struct LOGPALETTE {
    WORD palVersion = 0x300;
    WORD palNumEntries = 0;
    PALETTEENTRY palPalEntry[1];
};
using LPLOGPALETTE = LOGPALETTE*;

constexpr int DEFAULT_PALETTE = 15;

class CPalette;
using HPALETTE = CPalette*;

class CPalette : public CGdiObject {
public:
    CPalette() = default;
    ~CPalette() override = default;

    // Copies palNumEntries entries (at most 256; a larger count is refused).
    BOOL CreatePalette(const LOGPALETTE* lp);
    BOOL DeleteObject() override;
    int GetEntryCount() const noexcept { return static_cast<int>(m_entries.size()); }
    UINT GetPaletteEntries(UINT start, UINT count, PALETTEENTRY* out) const;
    const std::vector<PALETTEENTRY>& Entries() const noexcept { return m_entries; }

    // The stock palette of the 20 colours every device shows.
    static CPalette* FromStock(int stockId);
    // The 256 colours a palette screen holds: a 6 x 6 x 6 colour cube
    // followed by a 40-step grey ramp.
    static const std::vector<PALETTEENTRY>& SystemEntries();

private:
    std::vector<PALETTEENTRY> m_entries;
};
