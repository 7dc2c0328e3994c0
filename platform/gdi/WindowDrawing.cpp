// The window-drawing members of CDC: edges, frame controls, inverting, focus
// rectangles and text in a box, composed from fills and text runs so that
// every surface (the recording one included) draws them alike.
#include "platform/gdi/CDC.h"

#include <algorithm>
#include <cstring>
#include <string>

COLORREF GetSysColor(int index)
{
    switch (index) {
    case COLOR_WINDOW: return RGB(255, 255, 255);
    case COLOR_WINDOWTEXT: return RGB(0, 0, 0);
    case COLOR_HIGHLIGHT: return RGB(0, 120, 215);
    case COLOR_HIGHLIGHTTEXT: return RGB(255, 255, 255);
    case COLOR_BTNFACE: return RGB(240, 240, 240);
    case COLOR_BTNSHADOW: return RGB(160, 160, 160);
    case COLOR_GRAYTEXT: return RGB(109, 109, 109);
    case COLOR_BTNTEXT: return RGB(0, 0, 0);
    case COLOR_BTNHIGHLIGHT: return RGB(255, 255, 255);
    case COLOR_3DDKSHADOW: return RGB(105, 105, 105);
    case COLOR_3DLIGHT: return RGB(227, 227, 227);
    default: return RGB(0, 0, 0);
    }
}

int GetSystemMetrics(int index)
{
    switch (index) {
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CYVTHUMB:
    case SM_CXHTHUMB: return 17;
    case SM_CXBORDER:
    case SM_CYBORDER: return 1;
    case SM_CXEDGE:
    case SM_CYEDGE: return 2;
    default: return 0;
    }
}

namespace {

// One ring of an edge: top and left in one colour, bottom and right in the other.
void ring(CDC& dc, CRect& r, UINT sides, COLORREF topLeft, COLORREF bottomRight)
{
    if (r.IsRectEmpty())
        return;
    if (sides & BF_TOP)
        dc.FillSolidRect(r.left, r.top, r.Width(), 1, topLeft);
    if (sides & BF_LEFT)
        dc.FillSolidRect(r.left, r.top, 1, r.Height(), topLeft);
    if (sides & BF_BOTTOM)
        dc.FillSolidRect(r.left, r.bottom - 1, r.Width(), 1, bottomRight);
    if (sides & BF_RIGHT)
        dc.FillSolidRect(r.right - 1, r.top, 1, r.Height(), bottomRight);
    r.left += (sides & BF_LEFT) ? 1 : 0;
    r.top += (sides & BF_TOP) ? 1 : 0;
    r.right -= (sides & BF_RIGHT) ? 1 : 0;
    r.bottom -= (sides & BF_BOTTOM) ? 1 : 0;
}

}  // namespace

BOOL CDC::DrawEdge(LPRECT rect, UINT edge, UINT flags)
{
    if (!rect)
        return FALSE;
    const COLORREF bk = GetBkColor();
    CRect r(*rect);
    r.NormalizeRect();
    const UINT sides = flags & BF_RECT;
    if (edge & (BDR_RAISEDOUTER | BDR_SUNKENOUTER)) {
        if (edge & BDR_SUNKENOUTER)
            ring(*this, r, sides, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT));
        else
            ring(*this, r, sides, GetSysColor(COLOR_3DLIGHT), GetSysColor(COLOR_3DDKSHADOW));
    }
    if (edge & (BDR_RAISEDINNER | BDR_SUNKENINNER)) {
        if (edge & BDR_SUNKENINNER)
            ring(*this, r, sides, GetSysColor(COLOR_3DDKSHADOW), GetSysColor(COLOR_3DLIGHT));
        else
            ring(*this, r, sides, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNSHADOW));
    }
    if ((flags & BF_MIDDLE) && !r.IsRectEmpty())
        FillSolidRect(&r, GetSysColor(COLOR_BTNFACE));
    if (flags & BF_ADJUST)
        *rect = r;
    SetBkColor(bk);
    return TRUE;
}

// Scroll-bar arrows and push buttons: a face, a raised edge (a flat shadow
// when pushed) and for arrows a solid triangle, moved one pixel when pushed
// and embossed when inactive.
BOOL CDC::DrawFrameControl(LPRECT rect, UINT type, UINT state)
{
    if (!rect || (type != DFC_SCROLL && type != DFC_BUTTON))
        return FALSE;
    const COLORREF bk = GetBkColor();
    CRect r(*rect);
    r.NormalizeRect();
    if (r.IsRectEmpty())
        return TRUE;
    FillSolidRect(&r, GetSysColor(COLOR_BTNFACE));
    CRect inner = r;
    if (state & DFCS_PUSHED)
        ring(*this, inner, BF_RECT, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNSHADOW));
    else if (!(state & DFCS_FLAT))
        DrawEdge(&inner, EDGE_RAISED, BF_RECT | BF_ADJUST);
    if (type == DFC_SCROLL) {
        const UINT dir = state & 0x3;
        const int shift = (state & DFCS_PUSHED) ? 1 : 0;
        const int span = std::min(inner.Width(), inner.Height());
        const int half = std::max(1, (span - 2) / 3);  // rows of the triangle
        const int cx = (inner.left + inner.right) / 2 + shift;
        const int cy = (inner.top + inner.bottom) / 2 + shift;
        auto triangle = [&](int dx, int dy, COLORREF c) {
            for (int i = 0; i < half; ++i) {
                const int len = 2 * (half - i) - 1;
                switch (dir) {
                case DFCS_SCROLLDOWN: FillSolidRect(cx - len / 2 + dx, cy - half / 2 + i + dy, len, 1, c); break;
                case DFCS_SCROLLUP: FillSolidRect(cx - len / 2 + dx, cy + half / 2 - i + dy, len, 1, c); break;
                case DFCS_SCROLLLEFT: FillSolidRect(cx + half / 2 - i + dx, cy - len / 2 + dy, 1, len, c); break;
                default: FillSolidRect(cx - half / 2 + i + dx, cy - len / 2 + dy, 1, len, c); break;
                }
            }
        };
        if (state & DFCS_INACTIVE) {
            triangle(1, 1, GetSysColor(COLOR_BTNHIGHLIGHT));
            triangle(0, 0, GetSysColor(COLOR_BTNSHADOW));
        } else {
            triangle(0, 0, GetSysColor(COLOR_BTNTEXT));
        }
    }
    SetBkColor(bk);
    return TRUE;
}

void CDC::InvertRect(LPCRECT rect)
{
    if (!rect)
        return;
    GdiOp op;
    op.kind = GdiOp::Kind::Invert;
    op.logical = {CPoint(rect->left, rect->top), CPoint(rect->right, rect->bottom)};
    op.style = style();
    submit(std::move(op));
}

// A dotted frame one unit wide, drawn by inverting: drawing it twice removes it.
void CDC::DrawFocusRect(LPCRECT rect)
{
    if (!rect)
        return;
    CRect r(*rect);
    r.NormalizeRect();
    if (r.IsRectEmpty())
        return;
    const CRect sides[] = {CRect(r.left, r.top, r.right, r.top + 1), CRect(r.left, r.bottom - 1, r.right, r.bottom),
                           CRect(r.left, r.top + 1, r.left + 1, r.bottom - 1),
                           CRect(r.right - 1, r.top + 1, r.right, r.bottom - 1)};
    for (const CRect& s : sides) {
        if (s.IsRectEmpty())
            continue;
        GdiOp op;
        op.kind = GdiOp::Kind::Invert;
        op.dotted = true;
        op.logical = {s.TopLeft(), s.BottomRight()};
        op.style = style();
        submit(std::move(op));
    }
}

int CDC::DrawText(const char* text, int count, LPRECT rect, UINT format)
{
    if (!text)
        return 0;
    const size_t n = count < 0 ? std::strlen(text) : strnlen(text, static_cast<size_t>(count));
    return DrawText(CString(text, static_cast<int>(n)), rect, format);
}

// Lines are broken at '\n' only (no word wrapping), follow each other down a
// window's context (MM_TEXT, y down) and are not clipped to the box. The text
// colour, background and font are the surface's own.
int CDC::DrawText(const CString& text, LPRECT rect, UINT format)
{
    if (!rect)
        return 0;
    std::vector<CString> lines;
    if (format & DT_SINGLELINE) {
        lines.push_back(text);
    } else {
        const std::string s = text.str();
        size_t from = 0;
        for (;;) {
            const size_t nl = s.find('\n', from);
            std::string line = s.substr(from, nl == std::string::npos ? std::string::npos : nl - from);
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            lines.emplace_back(line.c_str());
            if (nl == std::string::npos)
                break;
            from = nl + 1;
        }
    }
    const int lineHeight = std::max<int>(1, GetTextExtent(CString("Xg")).cy);
    int width = 0;
    for (const CString& l : lines)
        width = std::max<int>(width, GetTextExtent(l).cx);
    const int height = lineHeight * static_cast<int>(lines.size());
    if (format & DT_CALCRECT) {
        rect->right = rect->left + width;
        rect->bottom = rect->top + height;
        return height;
    }
    int y = rect->top;
    if (format & DT_SINGLELINE) {
        if (format & DT_VCENTER)
            y = (rect->top + rect->bottom - height) / 2;
        else if (format & DT_BOTTOM)
            y = rect->bottom - height;
    }
    const UINT align = SetTextAlign(TA_TOP | TA_LEFT);
    for (const CString& l : lines) {
        const int w = GetTextExtent(l).cx;
        int x = rect->left;
        if (format & DT_CENTER)
            x = (rect->left + rect->right - w) / 2;
        else if (format & DT_RIGHT)
            x = rect->right - w;
        if (!l.IsEmpty())
            TextOut(x, y, l);
        y += lineHeight;
    }
    SetTextAlign(align);
    return height;
}
