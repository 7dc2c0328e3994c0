// The layered model chart's memory-bitmap drawings: the chart's mapping laid
// on a window's context turns its points into the window's pixels.
#include "model1d/CDrawRPToH.h"

#include "platform/core/ChartMath.h"
#include "chart/TickGenerator.h"
#include "model1d/LayeredModelParts.h"
#include "platform/gdi/CFont.h"
#include "platform/gdi/CPen.h"
#include "platform/wnd/CWnd.h"

#include <algorithm>
#include <cstdio>

using namespace modelparts;
using chartmath::ToUnits;

void CDrawRPToH::DrawCurveOnMemDC(CWnd* pWnd, CDC* pDC)
{
    if (!pWnd || !pDC)
        return;
    const int n = std::max(0, std::min(m_nLayer, m_RPoints.GetSize()));
    CArray<CPoint, CPoint> pts;
    pts.SetSize(n);
    for (int i = 0; i < n; ++i)
        pts[i] = m_RPoints[i];
    CRect area = m_rcArea;

    CDC* wdc = pWnd->GetDC();
    if (!wdc)
        return;
    SetOrg(wdc);
    if (n > 0)
        wdc->LPtoDP(pts.GetData(), n);
    wdc->LPtoDP(&area);
    {
        ChartCanvas canvas(pDC);
        canvas.UsePen(kOutlineColour);
        DrawStaircase(pDC, pts.GetData(), n, area.bottom);
    }
    pWnd->ReleaseDC(wdc);
}

void CDrawRPToH::DrawOrdianteOnMemDC(CWnd* pWnd, CDC* pDC)
{
    CDC* wdc = pWnd && pDC ? pWnd->GetDC() : nullptr;
    if (!wdc)
        return;
    wdc->SetMapMode(MM_LOMETRIC);
    SetOrg(wdc);
    {
        CPen minor(PS_SOLID, 1, kMinorTickColour);
        CPen major(PS_SOLID, 1, kMajorTickColour);
        ChartCanvas canvas(pDC, wdc);

        CRect area = m_rcArea;
        wdc->LPtoDP(&area);
        WriteTitle(pDC, canvas.At(CPoint(m_rcArea.left + 50, m_rcArea.top + 100)));
        canvas.UsePointFont(kLabelTenths);
        pDC->Rectangle(&area);

        // Fixed steps whatever the scale: resistivity ticked every 10 units and
        // labelled every 100, depth ticked every unit and labelled every 5.
        const int countR = TickGenerator::Capped(static_cast<long long>(m_nRScale) - 1);
        const int countH = TickGenerator::Capped(static_cast<long long>(m_nHScale));
        canvas.Select(&minor);
        for (int i = 0; i < countR; ++i)
            DrawTick(canvas, m_rcArea, Scale::Resistivity, ToUnits((i / 10) * 10.0 * m_fRRate), kMinorTickLen, nullptr);
        const TickGenerator depth(0.0, m_fHRate, countH, 5);
        depth.ForEach([&](int, LONG pos, bool) { DrawTick(canvas, m_rcArea, Scale::Depth, pos, kMinorTickLen, nullptr); });

        canvas.Select(&major);
        char label[64];
        for (int i = 0; i < countR; i += 100) {
            std::snprintf(label, sizeof label, "%-6.2f", static_cast<double>(i));
            DrawTick(canvas, m_rcArea, Scale::Resistivity, ToUnits(static_cast<double>(i) * m_fRRate), kMajorTickLen,
                     label);
        }
        depth.ForEach([&](int i, LONG pos, bool labelled) {
            if (!labelled)
                return;
            std::snprintf(label, sizeof label, "%-6.2f", static_cast<double>(i));
            DrawTick(canvas, m_rcArea, Scale::Depth, pos, kMajorTickLen, label);
        });
    }
    pWnd->ReleaseDC(wdc);
}
