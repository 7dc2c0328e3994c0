// A polygon model's section laid out on a page at true scale, with its colour
// bar beside it, in hundredths of a millimetre: what renderers and the studio draw.
#pragma once

#include "geometry/CMyPolySect.h"
#include "geometry/SectionColourBar.h"

#include <string>

class SectionSheet {
public:
    static constexpr int kUnitsPerMm = 100;   // MM_HIMETRIC
    static constexpr double kWidthMm = 160;   // the section's width ...
    static constexpr double kMaxHeightMm = 200;  // ... unless a deep model would be taller than this
    static constexpr int kOutlineTenthsMm = 2;  // body outlines, 0.2 mm
    static constexpr double kMinSideMm = 1;     // a section narrower or flatter is not drawn

    SectionSheet();
    virtual ~SectionSheet();

    CMyPolySect m_Sect;
    SectionColourBar m_Bar;

    // Takes a copy of the model and lays it out over its whole extent:
    // axes titled, ticked on round numbers, the colour bar fitted to the
    // model's resistivities. False when the model has no vertices or no
    // extent, or does not fit the page (see Fits).
    bool Load(TMOD2D& model);
    // Whether the model's section fits the page at true scale: 160 mm wide,
    // or narrower to stay 200 mm tall at most, and then still at least 1 mm
    // wide and 1 mm tall. False with why (the model's size, the section's
    // and the rule, for a message that names the file in front).
    static bool Fits(const TMOD2D& model, std::string& why);
    // Places the colour bar beside the section as the axes now stand; Load
    // calls it, and hosts call it again after an axis dialog.
    void PlaceBar();
    // Sets MM_HIMETRIC (y upwards) and draws the section and the bar; the
    // viewport origin is left to the caller.
    void Draw(CDC* pDC);

    enum class Part { None, XAxis, YAxis };
    // The axis within 3 mm of a point in logical units.
    Part HitTest(const CPoint& logical) const;

    // Round tick spacing on an axis: 1, 2 or 5 times a power of ten, about a
    // fifth of the range; the first tick on a multiple of it.
    static void RoundTicks(CMyAxis& axis);
};
