// A solid or hollow brush, used to fill rectangles.
#pragma once

#include "platform/gdi/CGdiObject.h"

struct BrushDesc {
    int style = BS_SOLID;
    COLORREF color = RGB(255, 255, 255);
    bool operator==(const BrushDesc&) const = default;
};

class CBrush : public CGdiObject {
public:
    CBrush() = default;
    explicit CBrush(COLORREF color) { CreateSolidBrush(color); }

    BOOL CreateSolidBrush(COLORREF color);
    BOOL CreateStockObject(int stockId);
    const BrushDesc& desc() const noexcept { return m_desc; }

    static CBrush* FromStock(int stockId);

protected:
    BrushDesc m_desc;
};
