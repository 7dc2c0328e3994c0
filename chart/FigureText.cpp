#include "chart/FigureText.h"

#include "chart/ChartCanvas.h"
#include "platform/gdi/CFont.h"
#include "platform/gdi/CRecordingDC.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

double FigureText::UnitsPerMm(const CDC* dc)
{
    tagSIZE s{100000, 100000};
    dc->LPtoDP(&s);
    const double pixels = std::abs(static_cast<double>(s.cx));
    const int dpi = dc->GetDeviceCaps(LOGPIXELSX);
    return pixels > 0 && dpi > 0 ? 100000.0 / (pixels * 25.4 / dpi) : 1.0;
}

CRect FigureText::DrawnBox(const CDC* dc, const std::function<void(CDC*)>& draw)
{
    CRecordingDC probe(dc->GetDeviceCaps(LOGPIXELSX));
    probe.SetBoundsOnly(true);
    draw(&probe);
    CRect box = probe.DeviceBounds();
    probe.DPtoLP(&box);
    return box;
}

namespace {

// Text in the title font, its top-left corner at the point: the alignment
// the title boxes are worked out for, and the surface's own put back.
void WriteTitle(CDC* dc, const tagPOINT& at, const CString& text, LONG escapement)
{
    ChartCanvas cv(dc);
    CFont probe;
    probe.CreatePointFont(FigureText::kTitleTenths, nullptr, dc);
    LOGFONT lf{};
    probe.GetLogFont(&lf);
    probe.DeleteObject();
    lf.lfEscapement = lf.lfOrientation = escapement;
    cv.UseFont(lf);
    const UINT align = dc->SetTextAlign(TA_LEFT | TA_TOP);
    dc->TextOut(at.x, at.y, text);
    dc->SetTextAlign(align);
}

CSize TitleExtent(CDC* dc, const CString& text)
{
    ChartCanvas cv(dc);
    cv.UsePointFont(FigureText::kTitleTenths);
    const CSize e = dc->GetTextExtent(text);
    return CSize(std::abs(e.cx), std::abs(e.cy));
}

}  // namespace

CRect FigureText::TitleBelow(CDC* dc, const CRect& frame, const CRect& clear, const CString& text)
{
    if (text.IsEmpty())
        return clear;
    const CSize e = TitleExtent(dc, text);
    const LONG gap = static_cast<LONG>(kGapMm * UnitsPerMm(dc));
    const LONG top = std::min(clear.top, clear.bottom) - gap;
    const LONG left = (frame.left + frame.right) / 2 - e.cx / 2;
    WriteTitle(dc, CPoint(left, top), text, 0);
    return CRect(left, top, left + e.cx, top - e.cy);
}

CRect FigureText::TitleRight(CDC* dc, const CRect& frame, const CRect& clear, const CString& text)
{
    if (text.IsEmpty())
        return clear;
    const CSize e = TitleExtent(dc, text);
    const LONG gap = static_cast<LONG>(kGapMm * UnitsPerMm(dc));
    // Turned a quarter counter-clockwise about its top-left corner, the
    // text runs upwards from that corner, the tops of its letters facing
    // left: the corner is the lower left one of the box it covers.
    const LONG left = std::max(clear.left, clear.right) + gap;
    const LONG bottom = (frame.top + frame.bottom) / 2 - e.cx / 2;
    WriteTitle(dc, CPoint(left, bottom), text, 900);
    return CRect(left, bottom + e.cx, left + e.cy, bottom);
}
