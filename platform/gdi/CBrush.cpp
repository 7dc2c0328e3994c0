#include "platform/gdi/CBrush.h"

BOOL CBrush::CreateSolidBrush(COLORREF color)
{
    if (!beginCreate())
        return FALSE;
    m_desc = BrushDesc{BS_SOLID, color};
    return TRUE;
}

BOOL CBrush::CreateStockObject(int stockId)
{
    const CBrush* s = FromStock(stockId);
    if (!s || !beginCreate())
        return FALSE;
    m_desc = s->m_desc;
    return TRUE;
}

CBrush* CBrush::FromStock(int stockId)
{
    struct Stock : CBrush {
        Stock(int style, COLORREF c) { m_desc = BrushDesc{style, c}; markStock(); }
        using CBrush::m_desc;
    };
    static Stock white(BS_SOLID, RGB(255, 255, 255));
    static Stock ltgray(BS_SOLID, RGB(192, 192, 192));
    static Stock gray(BS_SOLID, RGB(128, 128, 128));
    static Stock dkgray(BS_SOLID, RGB(64, 64, 64));
    static Stock black(BS_SOLID, RGB(0, 0, 0));
    static Stock hollow(BS_NULL, RGB(0, 0, 0));
    switch (stockId) {
    case WHITE_BRUSH: return &white;
    case LTGRAY_BRUSH: return &ltgray;
    case GRAY_BRUSH: return &gray;
    case DKGRAY_BRUSH: return &dkgray;
    case BLACK_BRUSH: return &black;
    case NULL_BRUSH: return &hollow;
    default: return nullptr;
    }
}
