// A pen: one of the five line styles (or the null pen), width in logical
// units, colour. Width 0 draws the thinnest line the device has.
#pragma once

#include "platform/gdi/CGdiObject.h"

struct PenDesc {
    int style = PS_SOLID;
    int width = 1;
    COLORREF color = RGB(0, 0, 0);
    bool operator==(const PenDesc&) const = default;
};

class CPen : public CGdiObject {
public:
    CPen() = default;
    CPen(int style, int width, COLORREF color) { CreatePen(style, width, color); }

    BOOL CreatePen(int style, int width, COLORREF color);
    const PenDesc& desc() const noexcept { return m_desc; }

    static CPen* FromStock(int stockId);

private:
    PenDesc m_desc;
};
