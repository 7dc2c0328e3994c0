// The colour scale of a section: resistivity on decades mapped onto an ordered
// run of colours. The model library fills bodies with it; the colour bar shows it.
#pragma once

#include "platform/core/afxtypes.h"

class TMOD2D;

class CMYColor {
public:
    static constexpr int kMaxStops = 16;

    // Plain colour data, copied as one block.
    struct Data {
        // The scale spans 10^dLogMin .. 10^dLogMax ohm-metres.
        double dLogMin;
        double dLogMax;
        int nStops;                    // colours in crStops, 2 .. kMaxStops
        COLORREF crStops[kMaxStops];   // from the lowest resistivity to the highest
        COLORREF crOutline;            // body outlines
    };

    // The default scale: 1 to 10 000 ohm-metres, conductors bright yellow
    // through green and blue to dark violet resistors; lightness falls
    // steadily, so the order reads in grey print as well.
    CMYColor();
    CMYColor(CMYColor& src) : m_d(src.m_d) {}
    virtual ~CMYColor();
    // Copies the colour data; copying onto itself changes nothing.
    void operator=(CMYColor& src) { m_d = src.m_d; }

    // Spans the whole decades around the model's resistivities (at least one
    // decade); a model without bodies keeps the present span.
    void FitModel(const TMOD2D& model);
    // The colour of a resistivity: interpolated on log10 between the stops,
    // clamped to the span's ends; values that are not positive and finite
    // take the lowest colour.
    COLORREF ColourOf(double rho) const;

    Data m_d;
};
