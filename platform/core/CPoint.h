// A point in 32-bit logical or device units, layout-compatible with tagPOINT
// so that arrays of it pass to the drawing calls unchanged.
#pragma once

#include "platform/core/afxtypes.h"

class CSize;

class CPoint : public tagPOINT {
public:
    CPoint() noexcept : tagPOINT{0, 0} {}
    CPoint(int ix, int iy) noexcept : tagPOINT{ix, iy} {}
    CPoint(const tagPOINT& p) noexcept : tagPOINT(p) {}

    void Offset(int dx, int dy) noexcept { x += dx; y += dy; }
    void SetPoint(int ix, int iy) noexcept { x = ix; y = iy; }

    bool operator==(const tagPOINT& o) const noexcept { return x == o.x && y == o.y; }
    bool operator!=(const tagPOINT& o) const noexcept { return !(*this == o); }
    CPoint operator+(const tagPOINT& o) const noexcept { return {x + o.x, y + o.y}; }
    CPoint operator-(const tagPOINT& o) const noexcept { return {x - o.x, y - o.y}; }
    CPoint operator-() const noexcept { return {-x, -y}; }
    CPoint& operator+=(const tagPOINT& o) noexcept { x += o.x; y += o.y; return *this; }
    CPoint& operator-=(const tagPOINT& o) noexcept { x -= o.x; y -= o.y; return *this; }
};
