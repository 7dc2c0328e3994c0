// Keeps the labels of one chart drawing from printing over each other: each
// label's box is checked against the boxes of the labels placed before it.
#pragma once

#include "platform/core/CPoint.h"
#include "platform/core/CRect.h"
#include "platform/core/CString.h"

#include <initializer_list>
#include <optional>
#include <vector>

class CDC;

class LabelLayout {
public:
    // Boxes closer than gap logical units count as touching.
    LabelLayout(CDC* dc, int gap) : m_dc(dc), m_gap(gap) {}

    // The box a text covers when written at p with the surface's selected
    // font and text alignment, in logical units, bottom below top whatever
    // way y grows on the surface (left < right, bottom < top).
    CRect BoxAt(const CString& text, const tagPOINT& p) const;
    // The first of the points at which the text's box keeps clear of every
    // box placed so far; that box is placed. Nothing when none is clear.
    std::optional<CPoint> Place(const CString& text, std::initializer_list<CPoint> candidates);
    const std::vector<CRect>& Boxes() const noexcept { return m_boxes; }

    // Whether two boxes (left < right, bottom < top) overlap by more than
    // an edge.
    static bool Overlap(const CRect& a, const CRect& b);

private:
    CDC* m_dc;
    int m_gap;
    std::vector<CRect> m_boxes;
};
