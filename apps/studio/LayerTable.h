// The layers of the model as a table the user edits (thickness and
// resistivity of each layer), kept in step with the layered model chart.
#pragma once

#include "EditHistory.h"

#include <QTableWidget>

#include <functional>

class CDrawRPToH;

class LayerTable : public QTableWidget {
public:
    enum Column { kThickness = 0, kResistivity = 1 };

    explicit LayerTable(QWidget* parent = nullptr);

    // Shows the layers as the chart holds them now.
    void Refresh(const CDrawRPToH& chart);
    // A value the user typed into a cell and that passed the checks of the
    // value dialog; the receiver writes it into the model.
    std::function<void(const ValueEdit& edit)> onEdit;
    // A refused entry: why; the cell shows its former value again.
    std::function<void(const QString& why)> onRefused;

private:
    void cellEdited(QTableWidgetItem* item);
    void setCell(int row, int column, float value, bool editable);

    bool m_filling = false;
};
