#include "chart/LabelLayout.h"

#include "platform/gdi/CDC.h"

#include <algorithm>
#include <cstdlib>

CRect LabelLayout::BoxAt(const CString& text, const tagPOINT& p) const
{
    const CSize ext = m_dc->GetTextExtent(text);
    const LONG w = std::abs(ext.cx), h = std::abs(ext.cy);
    const UINT align = m_dc->GetTextAlign();
    // Where the text runs from its point across and down the page; on a
    // surface whose y grows upwards "down" is towards smaller y.
    const LONG down = m_dc->GetMapMode() == MM_TEXT ? 1 : -1;
    LONG left = p.x;
    if ((align & TA_CENTER) == TA_CENTER)
        left = p.x - w / 2;
    else if (align & TA_RIGHT)
        left = p.x - w;
    LONG top = p.y;  // the side of the text's first line
    if ((align & TA_BASELINE) == TA_BASELINE)
        top = p.y - down * (h * 3 / 4);
    else if (align & TA_BOTTOM)
        top = p.y - down * h;
    const LONG bottom = top + down * h;
    return CRect(left, std::max(top, bottom), left + w, std::min(top, bottom));
}

bool LabelLayout::Overlap(const CRect& a, const CRect& b)
{
    return a.left < b.right && b.left < a.right && a.bottom < b.top && b.bottom < a.top;
}

std::optional<CPoint> LabelLayout::Place(const CString& text, std::initializer_list<CPoint> candidates)
{
    for (const CPoint& p : candidates) {
        const CRect box = BoxAt(text, p);
        CRect wide(box.left - m_gap, box.top + m_gap, box.right + m_gap, box.bottom - m_gap);
        bool clear = true;
        for (const CRect& placed : m_boxes)
            clear = clear && !Overlap(wide, placed);
        if (clear) {
            m_boxes.push_back(box);
            return p;
        }
    }
    return std::nullopt;
}
