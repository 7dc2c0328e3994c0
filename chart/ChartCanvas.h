// Select-draw-restore for the charts' drawings: pens, brushes, fonts and the
// text colour chosen through it go back to what the surface held when it ends.
#pragma once

#include "platform/core/CArray.h"
#include "platform/core/CPoint.h"
#include "platform/core/CString.h"
#include "platform/gdi/CDC.h"

#include <memory>

// With a mapping surface, every logical point is first converted by that
// surface's mapping: the memory-bitmap drawings lay the chart's mapping on a
// window's context and draw its device pixels onto a bitmap one pixel a unit.
class ChartCanvas {
public:
    explicit ChartCanvas(CDC* dc, const CDC* mapping = nullptr) : m_dc(dc), m_mapping(mapping) {}
    ~ChartCanvas();
    ChartCanvas(const ChartCanvas&) = delete;
    ChartCanvas& operator=(const ChartCanvas&) = delete;

    CDC* dc() const { return m_dc; }
    // True when logical points are converted through a mapping surface.
    bool Converts() const { return m_mapping != nullptr; }

    // Objects the canvas makes and deletes; a new one of a kind replaces the
    // previous one.
    void UsePen(COLORREF colour, int width = 1);  // solid
    void UsePointFont(int tenths);               // the surface's default face
    void UseFont(const LOGFONT& lf);
    // Objects the caller owns and keeps alive until the canvas ends.
    void Select(CPen* pen);
    void Select(CFont* font);
    void Select(CBrush* brush);
    void UseTextColor(COLORREF colour);

    // Height of a text in the selected font.
    int TextHeight(const CString& text) const;

    CPoint At(const tagPOINT& logical) const;
    void Line(const tagPOINT& a, const tagPOINT& b);
    void Text(const tagPOINT& at, const CString& text);
    // Rectangle with the surface's pen and brush, corners converted.
    void Box(const tagRECT& r);
    void Polyline(const CArray<CPoint, CPoint>& pts, int n);

private:
    template <class T>
    void Remember(T* previous, T*& old)
    {
        if (!old)
            old = previous;
    }

    CDC* m_dc;
    const CDC* m_mapping;
    std::unique_ptr<CPen> m_pen;
    std::unique_ptr<CFont> m_font;
    CPen* m_oldPen = nullptr;
    CFont* m_oldFont = nullptr;
    CBrush* m_oldBrush = nullptr;
    bool m_colourSet = false;
    COLORREF m_oldColour = 0;
};
