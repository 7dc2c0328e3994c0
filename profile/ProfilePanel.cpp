#include "profile/ProfilePanel.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace {

constexpr COLORREF kPalette[] = {RGB(200, 0, 0),  RGB(0, 90, 200),  RGB(0, 140, 60),
                                 RGB(150, 0, 170), RGB(220, 120, 0), RGB(0, 150, 160)};
constexpr int kPaletteSize = static_cast<int>(sizeof kPalette / sizeof kPalette[0]);

// Decimals a tick label needs to show a step exactly enough.
int decimalsFor(double step)
{
    if (!(step > 0) || step >= 1)
        return 0;
    return std::clamp(static_cast<int>(std::ceil(-std::log10(step) - 1e-9)), 0, 6);
}

void ticksOnSteps(CMyAxis& axis, double lo, double step)
{
    axis.m_fTickStart = static_cast<float>(lo);
    axis.m_fTickStep = static_cast<float>(step);
    axis.m_nDecimals = decimalsFor(step);
    axis.m_fTickLength = 2.0f;
    axis.CreatAxis();
}

}  // namespace

COLORREF ProfilePanel::ColourOf(int i) { return kPalette[(i % kPaletteSize + kPaletteSize) % kPaletteSize]; }

int ProfilePanel::StyleOf(int i) { return ((i % 5) + 5) % 5; }

void ProfilePanel::NiceRange(double lo, double hi, double& niceLo, double& niceHi, double& step)
{
    if (!std::isfinite(lo) || !std::isfinite(hi)) {
        niceLo = 0, niceHi = 1, step = 0.2;
        return;
    }
    if (hi < lo)
        std::swap(lo, hi);
    if (hi == lo) {
        const double pad = lo == 0 ? 1.0 : std::fabs(lo) * 0.1;
        lo -= pad;
        hi += pad;
    }
    const double raw = (hi - lo) / 5.0;
    const double mag = std::pow(10.0, std::floor(std::log10(raw)));
    const double f = raw / mag;
    step = (f <= 1.0 ? 1.0 : f <= 2.0 ? 2.0 : f <= 5.0 ? 5.0 : 10.0) * mag;
    niceLo = std::floor(lo / step) * step;
    niceHi = std::ceil(hi / step) * step;
    if (niceHi <= niceLo)
        niceHi = niceLo + step;
}

void ProfilePanel::Load(CRectProf& panel, const ProfileTable& table)
{
    panel = CRectProf();
    panel.IntRect(0, kHeightMm * kUnitsPerMm, kWidthMm * kUnitsPerMm, 0, kUnitsPerMm);
    double x0 = 0, x1 = 1, y0 = 0, y1 = 1;
    if (!table.x.empty()) {
        const auto [xa, xb] = std::minmax_element(table.x.begin(), table.x.end());
        x0 = *xa, x1 = *xb;
        bool any = false;
        for (const auto& v : table.values) {
            for (const double y : v) {
                y0 = any ? std::min(y0, y) : y;
                y1 = any ? std::max(y1, y) : y;
                any = true;
            }
        }
    }
    double xs = 1, ys = 1;
    NiceRange(x0, x1, x0, x1, xs);
    NiceRange(y0, y1, y0, y1, ys);
    panel.Reset(x0, x1, y0, y1);
    ticksOnSteps(panel.m_XAxis, x0, xs);
    ticksOnSteps(panel.m_YAxis, y0, ys);
    panel.m_XAxis.m_strTitle = table.positionName.empty() ? "x" : table.positionName.c_str();
    panel.m_XAxis.m_bTitle = 1;
    // Labels and title a little smaller than the axes' 5 mm default, to
    // leave the ticks room on a 160 mm line.
    for (CMyAxis* a : {&panel.m_XAxis, &panel.m_YAxis}) {
        a->m_lfLabel.lfHeight = 35 * kUnitsPerMm / 10;
        a->m_lfTitle.lfHeight = 4 * kUnitsPerMm;
    }
    panel.m_YAxis.m_bTitle = 0;
    for (int i = 0; i < table.Profiles(); ++i) {
        const auto& v = table.values[static_cast<size_t>(i)];
        panel.Set_a_prof(i, table.x.data(), v.data(), static_cast<int>(std::min(v.size(), table.x.size())));
        panel.m_Profs[i].m_crColor = ColourOf(i);
        panel.m_Profs[i].m_nStyle = StyleOf(i);
    }
}

void ProfilePanel::Draw(CRectProf& panel, const ProfileTable& table, CDC* dc)
{
    if (!dc)
        return;
    dc->SetMapMode(kMapMode);
    panel.DrawAll(dc);
    // A frame on the top and right closes the panel the axes open.
    CPen frame(PS_SOLID, 1, RGB(0, 0, 0));
    CPen* old = dc->SelectObject(&frame);
    const CRect& r = panel.m_rcPanel;
    dc->MoveTo(r.left, r.bottom);
    dc->LineTo(r.right, r.bottom);
    dc->LineTo(r.right, r.top);
    // The legend: a sample of each pen and the profile's name, right of the panel.
    CFont font;
    LOGFONT lf{};
    lf.lfHeight = -4 * kUnitsPerMm;
    std::snprintf(lf.lfFaceName, sizeof lf.lfFaceName, "%s", "Times New Roman");
    font.CreateFontIndirect(&lf);
    CFont* oldFont = dc->SelectObject(&font);
    dc->SetTextAlign(TA_LEFT | TA_BASELINE);
    dc->SetBkMode(TRANSPARENT);
    dc->SetTextColor(RGB(0, 0, 0));
    const int mm = kUnitsPerMm;
    const int x = r.right + 10 * mm;
    for (int i = 0; i < panel.m_Profs.GetSize(); ++i) {
        const CMyProf& p = panel.m_Profs[i];
        const int y = r.bottom - 6 * mm - i * 7 * mm;
        CPen pen(p.m_nStyle, std::max(1, static_cast<int>(p.m_fUnitsPerMm * p.m_fWidth)), p.m_crColor);
        dc->SelectObject(&pen);
        dc->MoveTo(x, y + 12 * mm / 10);
        dc->LineTo(x + 12 * mm, y + 12 * mm / 10);
        dc->SelectObject(&frame);
        const std::string name = i < static_cast<int>(table.names.size()) ? table.names[static_cast<size_t>(i)] : "";
        dc->TextOut(x + 15 * mm, y, CString(name.c_str()));
    }
    dc->SelectObject(oldFont);
    dc->SelectObject(old);
}
