// The texts of the studio's status bar: the pointer's position in data
// units, the value of the number being edited, and why a drag stopped.
#pragma once

#include "EditHistory.h"
#include "EditLimits.h"

#include "platform/core/CPoint.h"

#include <QString>

class CDrawRPCurve;
class CDrawRPToH;
class LayeredModelPlan;

class StatusReadout {
public:
    // Abscissa and value under the pointer; empty outside the frame.
    static QString SoundingPosition(const CDrawRPCurve& chart, CPoint p);
    // Resistivity and depth under the pointer; empty outside the area.
    static QString ModelPosition(const CDrawRPToH& chart, const LayeredModelPlan& plan, CPoint p);
    // The number being edited with its value, as the chart holds it now;
    // stop adds why the point or side went no further.
    static QString Editing(const CDrawRPCurve& chart, EditField field, int index, EditLimits::Stop stop);
    static QString Editing(const CDrawRPToH& chart, int layer, float resistivity, EditLimits::Stop stop);
    // What the user edits, in words: "measured R, sample 5", "layer 2
    // thickness", ...
    static QString FieldName(EditField field, int index, int layers = 0);
    // Numbers as the studio shows them, the same in every locale.
    static QString Number(double v);
};
