#include "platform/gdi/CPen.h"

BOOL CPen::CreatePen(int style, int width, COLORREF color)
{
    if (style < PS_SOLID || style > PS_NULL || !beginCreate())
        return FALSE;
    m_desc = PenDesc{style, width < 0 ? 0 : width, color};
    return TRUE;
}

CPen* CPen::FromStock(int stockId)
{
    struct Stock : CPen {
        Stock(int style, COLORREF c) { CreatePen(style, 0, c); markStock(); }
    };
    static Stock black(PS_SOLID, RGB(0, 0, 0));
    static Stock white(PS_SOLID, RGB(255, 255, 255));
    static Stock none(PS_NULL, RGB(0, 0, 0));
    switch (stockId) {
    case BLACK_PEN: return &black;
    case WHITE_PEN: return &white;
    case NULL_PEN: return &none;
    default: return nullptr;
    }
}
