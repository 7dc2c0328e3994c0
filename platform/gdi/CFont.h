// A logical font. Heights are in logical units of the surface the font is
// used on; CreatePointFont converts a size in tenths of a point through the
// mapping of the surface it is made for, as the framework does.
#pragma once

#include "platform/gdi/CGdiObject.h"

class CDC;

class CFont : public CGdiObject {
public:
    BOOL CreateFontIndirect(const LOGFONT* lf);
    BOOL CreatePointFont(int pointSizeTenths, const char* faceName, CDC* pDC = nullptr);
    BOOL CreatePointFontIndirect(const LOGFONT* lf, CDC* pDC = nullptr);
    int GetLogFont(LOGFONT* lf) const;
    const LOGFONT& desc() const noexcept { return m_lf; }

    static CFont* FromStock(int stockId);

private:
    LOGFONT m_lf;
};
