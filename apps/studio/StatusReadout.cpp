#include "StatusReadout.h"

#include "model1d/CDrawRPToH.h"
#include "sounding/CDrawRPCurve.h"
#include "sounding/SoundingPlan.h"

#include <QCoreApplication>

namespace {


QString withStop(const QString& text, EditLimits::Stop stop, const QString& quantity)
{
    switch (stop) {
    case EditLimits::Stop::Frame:
        return text + QStringLiteral("  ") + QCoreApplication::translate("Studio", "(stopped at the edge of the plotting area)");
    case EditLimits::Stop::AboveZero:
        return text + QStringLiteral("  ") + QCoreApplication::translate("Studio", "(stopped: %1 must stay above 0)").arg(quantity);
    case EditLimits::Stop::None:
        break;
    }
    return text;
}

}  // namespace

QString StatusReadout::Number(double v) { return QString::number(v, 'g', 6); }

QString StatusReadout::SoundingPosition(const CDrawRPCurve& chart, const SoundingPlan& plan, CPoint p)
{
    double x = 0, v = 0;
    if (!EditLimits::InsideSoundingFrame(chart, p) || !EditLimits::SoundingAt(chart, p, x, v))
        return QString();
    const auto unit = [](const CString& u) { return u.IsEmpty() ? QString() : QStringLiteral(" ") + QString::fromUtf8(u.GetString()); };
    // R and V share the value axis: one height reads as either.
    const double shown = plan.ShownValue(plan.FileValue(v, false));
    return QStringLiteral("%1 = %2%3, V = %4%5, R = %4%6")
        .arg(QString::fromUtf8(plan.xSymbol.GetString()), Number(plan.ShownAbscissa(plan.FileAbscissa(x))),
             unit(plan.xUnit), Number(shown), unit(plan.vUnit), unit(plan.rUnit));
}

QString StatusReadout::ModelPosition(const CDrawRPToH& chart, const LayeredModelPlan& plan, CPoint p)
{
    double r = 0, h = 0;
    if (!EditLimits::InsideModelArea(chart, p) || !EditLimits::ModelAt(chart, plan, p, r, h))
        return QString();
    return QCoreApplication::translate("Studio", "Resistivity %1 Ω·m   Depth %2 m").arg(Number(r), Number(h));
}

QString StatusReadout::FieldName(EditField field, int index, int layers)
{
    switch (field) {
    case EditField::SoundingR:
        return QCoreApplication::translate("Studio", "Measured R, sample %1").arg(index + 1);
    case EditField::SoundingV:
        return QCoreApplication::translate("Studio", "Measured V, sample %1").arg(index + 1);
    case EditField::LayerResistivity:
        return index + 1 == layers ? QCoreApplication::translate("Studio", "Half-space resistivity") : QCoreApplication::translate("Studio", "Layer %1 resistivity").arg(index + 1);
    case EditField::LayerThickness:
        return QCoreApplication::translate("Studio", "Layer %1 thickness").arg(index + 1);
    case EditField::SoundingMask:
        return QCoreApplication::translate("Studio", "Mask of sample %1").arg(index + 1);
    }
    return QString();
}

QString StatusReadout::Editing(EditField field, int index, double abscissa, double value, EditLimits::Stop stop)
{
    const QString text = QCoreApplication::translate("Studio", "%1 (abscissa %2): %3")
                             .arg(FieldName(field, index), Number(abscissa), Number(value));
    return withStop(text, stop, field == EditField::SoundingR ? QStringLiteral("R") : QStringLiteral("V"));
}

QString StatusReadout::Editing(const CDrawRPToH& chart, int layer, float resistivity, EditLimits::Stop stop)
{
    const QString text = QCoreApplication::translate("Studio", "%1: %2 Ω·m")
                             .arg(FieldName(EditField::LayerResistivity, layer, chart.m_nLayer), Number(resistivity));
    return withStop(text, stop, QCoreApplication::translate("Studio", "resistivity"));
}
