#include "platform/gdi/CFont.h"

#include "platform/gdi/CDC.h"

#include <cstdlib>
#include <cstring>

BOOL CFont::CreateFontIndirect(const LOGFONT* lf)
{
    if (!lf || !beginCreate())
        return FALSE;
    m_lf = *lf;
    m_lf.lfFaceName[LF_FACESIZE - 1] = '\0';
    return TRUE;
}

BOOL CFont::CreatePointFont(int pointSizeTenths, const char* faceName, CDC* pDC)
{
    LOGFONT lf;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfHeight = pointSizeTenths;
    if (faceName) {
        // A face name longer than the record holds is refused, not cut.
        if (std::strlen(faceName) >= static_cast<size_t>(LF_FACESIZE))
            return FALSE;
        std::strcpy(lf.lfFaceName, faceName);
    }
    return CreatePointFontIndirect(&lf, pDC);
}

// The height in tenths of a point becomes device pixels at the surface's
// vertical resolution, then logical units through the surface's mapping.
BOOL CFont::CreatePointFontIndirect(const LOGFONT* lfIn, CDC* pDC)
{
    if (!lfIn)
        return FALSE;
    LOGFONT lf = *lfIn;
    CDC screen;
    CDC* dc = pDC ? pDC : &screen;
    const long long dpi = dc->GetDeviceCaps(LOGPIXELSY);
    // MulDiv: rounded to the nearest.
    const long long num = dpi * lf.lfHeight;
    tagPOINT pt{0, static_cast<LONG>((num >= 0 ? num + 360 : num - 360) / 720)};
    tagPOINT org{0, 0};
    dc->DPtoLP(&pt);
    dc->DPtoLP(&org);
    lf.lfHeight = -std::abs(pt.y - org.y);
    return CreateFontIndirect(&lf);
}

int CFont::GetLogFont(LOGFONT* lf) const
{
    if (!lf || !GetSafeHandle())
        return 0;
    *lf = m_lf;
    return static_cast<int>(sizeof(LOGFONT));
}

CFont* CFont::FromStock(int stockId)
{
    struct Stock : CFont {
        Stock(LONG height, LONG weight, const char* face)
        {
            LOGFONT lf;
            lf.lfHeight = height;
            lf.lfWeight = weight;
            std::strncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
            CreateFontIndirect(&lf);
            markStock();
        }
    };
    static Stock system(16, FW_BOLD, "System");
    static Stock gui(-11, FW_NORMAL, "MS Shell Dlg");
    switch (stockId) {
    case SYSTEM_FONT: return &system;
    case DEFAULT_GUI_FONT: return &gui;
    default: return nullptr;
    }
}
