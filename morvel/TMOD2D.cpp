#include "morvel/TMOD2D.h"

#include "platform/core/ChartMath.h"
#include "morvel/CMYColor.h"
#include "platform/gdi/CBrush.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/CPen.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <vector>

TMOD2D::TMOD2D() = default;

void TMOD2D::operator=(TMOD2D& src)
{
    if (this == &src)
        return;
    m_Verts.Copy(src.m_Verts);
    m_Lines.Copy(src.m_Lines);
    m_Polys.Copy(src.m_Polys);
    m_Cplx.Copy(src.m_Cplx);
}

void TMOD2D::RemoveAll()
{
    m_Cplx.RemoveAll();
    m_Polys.RemoveAll();
    m_Lines.RemoveAll();
    m_Verts.RemoveAll();
}

bool TMOD2D::ResistivityRange(double& lo, double& hi) const
{
    bool any = false;
    for (int i = 0; i < m_Cplx.GetSize(); ++i) {
        const double r = m_Cplx[i].dRho;
        if (!(r > 0) || !std::isfinite(r))
            continue;
        lo = any ? std::min(lo, r) : r;
        hi = any ? std::max(hi, r) : r;
        any = true;
    }
    return any;
}

namespace {

// A start point plus a truncated offset, held inside the 32-bit range.
int shifted(int origin, double offset)
{
    const long long v = static_cast<long long>(origin) + chartmath::ToUnits(offset);
    return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX));
}

// Appends ring's vertices in walking order; false when the ring names a line
// or vertex the model does not hold, or has fewer than three corners.
bool ringPoints(const TMOD2D& m, const POLY3D& ring, const std::vector<CPoint>& at, std::vector<CPoint>& out)
{
    const size_t first = out.size();
    for (int i = 0; i < ring.m_Lines.GetSize(); ++i) {
        const int li = ring.m_Lines[i];
        if (li < 0 || li >= m.m_Lines.GetSize())
            return false;
        const LINE3D& line = m.m_Lines[li];
        const bool backwards = i < ring.m_Sense.GetSize() && ring.m_Sense[i] < 0;
        const int vi = backwards ? line.nV1 : line.nV0;
        if (vi < 0 || vi >= static_cast<int>(at.size()))
            return false;
        out.push_back(at[static_cast<size_t>(vi)]);
    }
    if (out.size() - first < 3) {
        out.resize(first);
        return false;
    }
    return true;
}

}  // namespace

void TMOD2D::draw_filled_model(int outlineTenthsMm, int fill, int x0, int y0, double xMin, double yMin, double xScale,
                               double yScale, double unitsPerMm, CDC* pDC)
{
    // A scale of zero or one that is not a number maps nothing anywhere.
    if (!pDC || !(std::isfinite(xScale) && std::isfinite(yScale) && xScale != 0 && yScale != 0))
        return;
    CMYColor scale;
    scale.FitModel(*this);

    std::vector<CPoint> at;
    at.reserve(static_cast<size_t>(m_Verts.GetSize()));
    for (int i = 0; i < m_Verts.GetSize(); ++i) {
        const VERT3D& v = m_Verts[i];
        at.emplace_back(shifted(x0, (v.x - xMin) / xScale * unitsPerMm),
                        shifted(y0, (v.y - yMin) / yScale * unitsPerMm));
    }

    // Outlines, when asked for, in tenths of a millimetre; a hollow drawing
    // without them would show nothing, so it gets the thinnest line.
    CPen pen;
    if (outlineTenthsMm > 0)
        pen.CreatePen(PS_SOLID, chartmath::ToUnits(outlineTenthsMm * unitsPerMm / 10.0), scale.m_d.crOutline);
    else if (fill == 0)
        pen.CreatePen(PS_SOLID, 0, scale.m_d.crOutline);
    else
        pen.CreatePen(PS_NULL, 0, scale.m_d.crOutline);
    CPen* oldPen = pDC->SelectObject(&pen);
    CBrush* oldBrush = nullptr;

    std::vector<CPoint> pts;
    std::vector<int> counts;
    for (int b = 0; b < m_Cplx.GetSize(); ++b) {
        POLY3D_CPLX& body = m_Cplx[b];
        pts.clear();
        counts.clear();
        for (int r = 0; r < body.m_Rings.GetSize(); ++r) {
            const int pi = body.m_Rings[r];
            const size_t before = pts.size();
            if (pi < 0 || pi >= m_Polys.GetSize() || !ringPoints(*this, m_Polys[pi], at, pts)) {
                // Without its outer ring a body has no place; a broken hole is left out.
                if (r == 0)
                    break;
                pts.resize(before);
                continue;
            }
            counts.push_back(static_cast<int>(pts.size() - before));
        }
        if (counts.empty())
            continue;
        CBrush brush;
        if (fill != 0)
            brush.CreateSolidBrush(scale.ColourOf(body.dRho));
        else
            brush.CreateStockObject(NULL_BRUSH);
        CBrush* previous = pDC->SelectObject(&brush);
        if (!oldBrush)
            oldBrush = previous;
        pDC->PolyPolygon(pts.data(), counts.data(), static_cast<int>(counts.size()));
        pDC->SelectObject(oldBrush);
    }
    pDC->SelectObject(oldPen);
}
