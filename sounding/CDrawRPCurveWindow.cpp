// The sounding chart's members that need a window: the open-file dialog,
// the memory-bitmap drawings in a window's pixels, the legend tooltip.
#include "sounding/CDrawRPCurve.h"

#include "platform/wnd/CFileDialog.h"
#include "platform/wnd/CToolTipCtrl.h"
#include "platform/wnd/CWnd.h"
#include "sounding/SoundingChartParts.h"

using namespace soundingparts;

namespace {

// The memory-bitmap drawings: the window's context gets the chart's mapping
// and converts every logical point to the window's pixels, which the memory
// context shares.
template <class Draw>
void DrawInWindowPixels(CDrawRPCurve& c, CWnd* pWnd, CDC* pMemDC, Draw draw)
{
    if (!pWnd || !pMemDC)
        return;
    CDC* wndDC = CDC::FromHandle(pWnd->GetDC());
    if (!wndDC)
        return;
    c.SetOrdinate(wndDC);
    {
        ChartCanvas cv(pMemDC, wndDC);
        draw(cv);
    }
    pWnd->ReleaseDC(wndDC);
}

}  // namespace

// Only the rows the file holds become the chart's sounding, the file's
// columns in the order GetData takes them; a file without a whole row
// leaves the chart as it was.
void CDrawRPCurve::OpenFile()
{
    CFileDialog dlg(TRUE, nullptr, "*.*", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kFileFilter, nullptr);
    if (dlg.DoModal() != IDOK)
        return;
    float columns[5][kOpenFileRows] = {};
    const int rows = ReadFileRows(dlg.GetPathName(), columns);
    if (rows < 1)
        return;
    CArray<float, float&> a[5];
    for (int k = 0; k < 5; ++k)
        for (int i = 0; i < rows; ++i)
            a[k].Add(columns[k][i]);
    GetData(a[0], a[1], a[2], a[3], a[4]);
}

void CDrawRPCurve::DrawRegionRectOnMemDC(CWnd* pWnd, CDC* pMemDC)
{
    DrawInWindowPixels(*this, pWnd, pMemDC, [this](ChartCanvas& cv) { DrawLogLogFrame(*this, cv); });
}

void CDrawRPCurve::DrawRCurveOnMemDC(CWnd* pWnd, CDC* pMemDC)
{
    DrawInWindowPixels(*this, pWnd, pMemDC, [this](ChartCanvas& cv) {
        DrawPolylines(*this, cv, {{kMeasuredR, kBlack}, {kModelledR, kBlue}});
    });
}

// The modelled V curve has no polyline on the memory bitmap.
void CDrawRPCurve::DrawPCurveOnMemDC(CWnd* pWnd, CDC* pMemDC)
{
    DrawInWindowPixels(*this, pWnd, pMemDC, [this](ChartCanvas& cv) { DrawPolylines(*this, cv, {{kMeasuredV, kRed}}); });
}

void CDrawRPCurve::DrawRPtRectOnMemDC(CWnd* pWnd, CDC* pMemDC)
{
    DrawInWindowPixels(*this, pWnd, pMemDC, [this](ChartCanvas& cv) {
        DrawMarkers(*this, cv, {{kMeasuredR, kBlack}, {kModelledR, kBlue}});
    });
}

void CDrawRPCurve::DrawPPtRectOnMemDC(CWnd* pWnd, CDC* pMemDC)
{
    DrawInWindowPixels(*this, pWnd, pMemDC, [this](ChartCanvas& cv) {
        DrawMarkers(*this, cv, {{kMeasuredV, kRed}, {kModelledV, kBlue}});
    });
}

void CDrawRPCurve::SetTooltip(CWnd* pWnd, tagPOINT& point)
{
    CString legend = CString("黑色(红色)--实测\n") + "蓝色(绿色)--正演\n";
    if (HoldsStrictly(m_rcRegion, point)) {
        ToolTip().AddTool(pWnd, legend, nullptr, 0);
        ToolTip().SendMessage(TTM_UPDATE);
    } else {
        ToolTip().SendMessage(TTM_POP);
    }
}

CToolTipCtrl& CDrawRPCurve::ToolTip()
{
    if (!m_pToolTip)
        m_pToolTip = {new CToolTipCtrl, [](CToolTipCtrl* tip) { delete tip; }};
    return *m_pToolTip;
}
