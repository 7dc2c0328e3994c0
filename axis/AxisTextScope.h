// One piece of axis text drawing: selects a font made from a LOGFONT and sets
// the text colour; at the end sets the colour back to black, puts the previous
// font back and deletes its own. The alignment is left as the drawing set it.
#pragma once

#include "platform/gdi/CDC.h"

class AxisTextScope {
public:
    AxisTextScope(CDC* pDC, const LOGFONT& lf, COLORREF colour);
    ~AxisTextScope();
    AxisTextScope(const AxisTextScope&) = delete;
    AxisTextScope& operator=(const AxisTextScope&) = delete;

    // The height of a text in the selected font (GetTextExtentPoint32).
    int TextHeight(const CString& text) const;

private:
    CDC* m_dc;
    CFont m_font;
    CFont* m_previous;
};
