// The layers of the model as a table the user edits (thickness and
// resistivity of each layer), kept in step with the layered model chart.
// A ticked value is held fixed by the next inversion; after an inversion the
// "±" columns give each parameter's one-standard-deviation factor, shown as
// long as the value is the one the inversion found.
#pragma once

#include "EditHistory.h"

#include <QTableWidget>

#include <functional>
#include <vector>

struct LayeredModel;

class LayerTable : public QTableWidget {
public:
    enum Column { kThickness = 0, kResistivity = 1, kThicknessSigma = 2, kResistivitySigma = 3 };

    explicit LayerTable(QWidget* parent = nullptr);

    // Shows the layers of the model in ohm-metres and metres.
    void Refresh(const LayeredModel& model);
    // A value the user typed into a cell and that passed the checks of the
    // value dialog; the receiver writes it into the model.
    std::function<void(const ValueEdit& edit)> onEdit;
    // A refused entry: why; the cell shows its former value again.
    std::function<void(const QString& why)> onRefused;

    // 1 for each value the user holds fixed (ticked), by layer.
    std::vector<char> FixedThickness() const { return m_fixedThick; }
    std::vector<char> FixedResistivity() const { return m_fixedRes; }
    void SetFixed(int column, int row, bool fixed);
    // The standard deviations of ln h and ln ρ an inversion gave for the
    // model it was given for (0: held fixed, +∞: not resolved).
    void SetUncertainty(const LayeredModel& model, std::vector<double> thickLogStd, std::vector<double> resLogStd);
    // The text of a "±" cell: ×/÷ e^s to two decimals.
    static QString FactorText(double logStd);

private:
    void cellEdited(QTableWidgetItem* item);
    void setCell(int row, int column, float value, bool editable);
    void setSigmaCell(int row, int column, const std::vector<double>& logStd, const std::vector<float>& at, float value);

    bool m_filling = false;
    std::vector<char> m_fixedThick, m_fixedRes;
    std::vector<double> m_sigmaThick, m_sigmaRes;
    std::vector<float> m_sigmaAtThick, m_sigmaAtRes;  // the values the deviations belong to
};
