#include "axis/AxisTextScope.h"

AxisTextScope::AxisTextScope(CDC* pDC, const LOGFONT& lf, COLORREF colour) : m_dc(pDC)
{
    m_font.CreateFontIndirect(&lf);
    m_previous = m_dc->SelectObject(&m_font);
    m_dc->SetTextColor(colour);
}

AxisTextScope::~AxisTextScope()
{
    m_dc->SetTextColor(RGB(0, 0, 0));
    m_dc->SelectObject(m_previous);
    m_font.DeleteObject();
}

int AxisTextScope::TextHeight(const CString& text) const
{
    tagSIZE ext{0, 0};
    GetTextExtentPoint32(m_dc->GetSafeHdc(), text, text.GetLength(), &ext);
    return ext.cy;
}
