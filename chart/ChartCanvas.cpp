#include "chart/ChartCanvas.h"

#include "platform/gdi/CBrush.h"
#include "platform/gdi/CFont.h"
#include "platform/gdi/CPen.h"

#include <algorithm>
#include <vector>

// The surface gets its own objects back before the canvas deletes its own,
// so it never holds a deleted object.
ChartCanvas::~ChartCanvas()
{
    if (m_oldPen)
        m_dc->SelectObject(m_oldPen);
    if (m_oldFont)
        m_dc->SelectObject(m_oldFont);
    if (m_oldBrush)
        m_dc->SelectObject(m_oldBrush);
    if (m_colourSet)
        m_dc->SetTextColor(m_oldColour);
    if (m_pen)
        m_pen->DeleteObject();
    if (m_font)
        m_font->DeleteObject();
}

void ChartCanvas::UsePen(COLORREF colour, int width)
{
    auto pen = std::make_unique<CPen>(PS_SOLID, width, colour);
    Select(pen.get());
    if (m_pen)
        m_pen->DeleteObject();
    m_pen = std::move(pen);
}

void ChartCanvas::UsePointFont(int tenths)
{
    auto font = std::make_unique<CFont>();
    font->CreatePointFont(tenths, nullptr, m_dc);
    Select(font.get());
    if (m_font)
        m_font->DeleteObject();
    m_font = std::move(font);
}

void ChartCanvas::UseFont(const LOGFONT& lf)
{
    auto font = std::make_unique<CFont>();
    font->CreateFontIndirect(&lf);
    Select(font.get());
    if (m_font)
        m_font->DeleteObject();
    m_font = std::move(font);
}

void ChartCanvas::Select(CPen* pen) { Remember(m_dc->SelectObject(pen), m_oldPen); }

void ChartCanvas::Select(CFont* font) { Remember(m_dc->SelectObject(font), m_oldFont); }

void ChartCanvas::Select(CBrush* brush) { Remember(m_dc->SelectObject(brush), m_oldBrush); }

void ChartCanvas::UseTextColor(COLORREF colour)
{
    const COLORREF previous = m_dc->SetTextColor(colour);
    if (!m_colourSet)
        m_oldColour = previous;
    m_colourSet = true;
}

int ChartCanvas::TextHeight(const CString& text) const
{
    tagSIZE ext{0, 0};
    GetTextExtentPoint32(m_dc->GetSafeHdc(), text, text.GetLength(), &ext);
    return ext.cy;
}

CPoint ChartCanvas::At(const tagPOINT& logical) const
{
    tagPOINT p = logical;
    if (m_mapping)
        m_mapping->LPtoDP(&p);
    return p;
}

void ChartCanvas::Line(const tagPOINT& a, const tagPOINT& b)
{
    m_dc->MoveTo(At(a));
    m_dc->LineTo(At(b));
}

void ChartCanvas::Text(const tagPOINT& at, const CString& text)
{
    const CPoint p = At(at);
    m_dc->TextOut(p.x, p.y, text);
}

void ChartCanvas::Box(const tagRECT& r)
{
    const CPoint a = At(CPoint(r.left, r.top));
    const CPoint b = At(CPoint(r.right, r.bottom));
    m_dc->Rectangle(a.x, a.y, b.x, b.y);
}

void ChartCanvas::Polyline(const CArray<CPoint, CPoint>& pts, int n)
{
    std::vector<CPoint> copy;
    copy.reserve(static_cast<size_t>(std::max(n, 0)));
    for (int i = 0; i < n; ++i)
        copy.push_back(At(pts[i]));
    m_dc->Polyline(copy.data(), n);
}
