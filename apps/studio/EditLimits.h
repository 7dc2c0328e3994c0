// Where the studio lets a user put a measured point or a layer side, and what
// a position in a chart's logical units stands for in data units.
#pragma once

#include "platform/core/CPoint.h"

class CDrawRPCurve;
class CDrawRPToH;
class LayeredModelPlan;

class EditLimits {
public:
    // Why a position was moved back: it left the plotting area, or it would
    // have given a value of 0 or less.
    enum class Stop { None, Frame, AboveZero };
    struct Clamped {
        CPoint point;
        Stop stop = Stop::None;
    };

    // Largest value a user may type: a sounding value, a layer's resistivity
    // or thickness (the model file's own bound).
    static constexpr float kMaxSoundingValue = 1.0e6f;
    static float MaxLayerValue();

    // The pointer kept inside the sounding's frame; in the linear display
    // the lowest height is one unit above the zero line, so R and V stay
    // positive.
    static Clamped ClampSounding(const CDrawRPCurve& chart, CPoint p);
    // The pointer kept inside the model's area and, on a linear scale, right
    // of the zero resistivity line; only its abscissa matters to a side.
    static Clamped ClampModel(const CDrawRPToH& chart, const LayeredModelPlan& plan, CPoint p);

    // Data units of a logical position, through the charts' rates (and the
    // plan the model was handed to its chart by). A rate of 0 (no layout
    // yet) gives false.
    static bool SoundingAt(const CDrawRPCurve& chart, CPoint p, double& abscissa, double& value);
    static bool ModelAt(const CDrawRPToH& chart, const LayeredModelPlan& plan, CPoint p, double& resistivity,
                        double& depth);
    static bool InsideSoundingFrame(const CDrawRPCurve& chart, CPoint p);
    static bool InsideModelArea(const CDrawRPToH& chart, CPoint p);
};
