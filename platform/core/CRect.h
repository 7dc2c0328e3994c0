// A rectangle in 32-bit units. In the metric map modes y grows upwards, so a
// chart's rectangle has top > bottom; nothing here assumes either orientation.
#pragma once

#include "platform/core/CPoint.h"
#include "platform/core/CSize.h"

class CRect : public tagRECT {
public:
    CRect() noexcept : tagRECT{0, 0, 0, 0} {}
    CRect(int l, int t, int r, int b) noexcept : tagRECT{l, t, r, b} {}
    CRect(const tagRECT& r) noexcept : tagRECT(r) {}
    CRect(const tagPOINT& topLeft, const tagPOINT& bottomRight) noexcept
        : tagRECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y} {}

    int Width() const noexcept { return right - left; }
    int Height() const noexcept { return bottom - top; }
    CSize Size() const noexcept { return {Width(), Height()}; }
    CPoint TopLeft() const noexcept { return {left, top}; }
    CPoint BottomRight() const noexcept { return {right, bottom}; }
    CPoint CenterPoint() const noexcept { return {(left + right) / 2, (top + bottom) / 2}; }
    bool IsRectEmpty() const noexcept { return Width() <= 0 || Height() <= 0; }
    bool IsRectNull() const noexcept { return left == 0 && top == 0 && right == 0 && bottom == 0; }

    // Windows semantics: left and top inclusive, right and bottom exclusive,
    // for a normalised rectangle.
    bool PtInRect(const tagPOINT& p) const noexcept
    {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    void SetRect(int l, int t, int r, int b) noexcept { left = l; top = t; right = r; bottom = b; }
    void SetRectEmpty() noexcept { SetRect(0, 0, 0, 0); }
    void OffsetRect(int dx, int dy) noexcept { left += dx; right += dx; top += dy; bottom += dy; }
    void InflateRect(int dx, int dy) noexcept { left -= dx; right += dx; top -= dy; bottom += dy; }
    void DeflateRect(int dx, int dy) noexcept { InflateRect(-dx, -dy); }
    void NormalizeRect() noexcept
    {
        if (left > right) { LONG t = left; left = right; right = t; }
        if (top > bottom) { LONG t = top; top = bottom; bottom = t; }
    }

    bool operator==(const tagRECT& o) const noexcept
    {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
    bool operator!=(const tagRECT& o) const noexcept { return !(*this == o); }
    operator LPRECT() noexcept { return this; }
    operator LPCRECT() const noexcept { return this; }
};
