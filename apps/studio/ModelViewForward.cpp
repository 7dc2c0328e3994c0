// The depth of investigation on the layered model chart: how deep the
// sounding's latest gate still sees, as a dashed line across the plotting
// area with its value in metres.
#include "ModelView.h"

#include "em1d/TemInversion.h"

#include "platform/gdi/CFont.h"
#include "platform/gdi/CPen.h"

#include <cstdio>

namespace {

constexpr COLORREF kDoiColour = RGB(120, 60, 160);

}  // namespace

double ModelView::DepthOfInvestigation(const std::vector<double>& timesMs, const std::vector<double>& rho,
                                       const std::vector<char>& masked)
{
    for (std::size_t i = std::min(timesMs.size(), rho.size()); i-- > 0;) {
        if (i < masked.size() && masked[i])
            continue;
        if (std::isfinite(rho[i]) && rho[i] > 0 && timesMs[i] > 0)
            return em1d::TemInversion::depthOfInvestigation(rho[i], timesMs[i]);
    }
    return std::nan("");
}

void ModelView::SetInvestigationDepth(double metres)
{
    if (metres == m_doi || (std::isnan(metres) && std::isnan(m_doi)))
        return;
    m_doi = metres;
    update();
}

void ModelView::drawInvestigationDepth(CDC* dc)
{
    if (!std::isfinite(m_doi) || m_chart.m_nLayer < 1 || m_chart.m_fHRate == 0)
        return;
    ApplyMapping(dc);
    const CRect& area = m_chart.m_rcArea;
    // The line stands at the depth's place on the chart's depth scale,
    // linear or on decades.
    const double y = Plan().ChartH(m_doi) * static_cast<double>(m_chart.m_fHRate);
    const int bottom = std::min(area.top, area.bottom), top = std::max(area.top, area.bottom);
    // Deeper than the chart reaches: the value alone, at the bottom.
    const bool inside = y >= bottom && y <= top;
    const int at = inside ? static_cast<int>(y) : bottom;
    char text[64];
    std::snprintf(text, sizeof text, inside ? "DOI %.0f m" : "DOI %.0f m (below)", m_doi);
    CPen pen(PS_DASH, 1, kDoiColour);
    CPen* old = dc->SelectObject(&pen);
    if (inside) {
        dc->MoveTo(area.left, at);
        dc->LineTo(area.right, at);
    }
    dc->SelectObject(old);
    // 9 points, as the chart's own labels.
    CFont font;
    font.CreatePointFont(90, nullptr, dc);
    CFont* oldFont = dc->SelectObject(&font);
    dc->SetBkMode(TRANSPARENT);
    dc->SetTextColor(kDoiColour);
    dc->TextOut(area.left + 20, at + (inside ? 45 : 70), text);
    dc->SelectObject(oldFont);
}
