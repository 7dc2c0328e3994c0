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
class SoundingPlan;

class StatusReadout {
public:
    // Abscissa and value under the pointer in the units the plan's labels
    // are read in ("t = 0.25 ms, V = 3.1 μV/A, R = 3.1 Ω·m"); empty
    // outside the frame.
    static QString SoundingPosition(const CDrawRPCurve& chart, const SoundingPlan& plan, CPoint p);
    // Resistivity and depth under the pointer; empty outside the area.
    static QString ModelPosition(const CDrawRPToH& chart, const LayeredModelPlan& plan, CPoint p);
    // The number being edited with its abscissa and value in the file's
    // units; stop adds why the point or side went no further.
    static QString Editing(EditField field, int index, double abscissa, double value, EditLimits::Stop stop);
    static QString Editing(const CDrawRPToH& chart, int layer, float resistivity, EditLimits::Stop stop);
    // What the user edits, in words: "measured R, sample 5", "layer 2
    // thickness", ...
    static QString FieldName(EditField field, int index, int layers = 0);
    // Numbers as the studio shows them, the same in every locale.
    static QString Number(double v);
};
