#include "LayerTable.h"

#include "EditLimits.h"
#include "StatusReadout.h"
#include "ValueDialog.h"

#include "model1d/CDrawRPToH.h"

#include <QCoreApplication>
#include <QHeaderView>

#include <algorithm>

namespace {

// The value a cell stood for before the user typed into it.
constexpr int kValueRole = Qt::UserRole + 1;

}  // namespace

LayerTable::LayerTable(QWidget* parent) : QTableWidget(parent)
{
    setColumnCount(2);
    setHorizontalHeaderLabels({QCoreApplication::translate("Studio", "Thickness (m)"), QCoreApplication::translate("Studio", "Resistivity (Ω·m)")});
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    horizontalHeader()->setStretchLastSection(true);
    setMinimumWidth(300);  // both column titles in full
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QTableWidget::itemChanged, this, &LayerTable::cellEdited);
}

void LayerTable::setCell(int row, int column, float value, bool editable)
{
    // Cells are updated in place: a refresh may run from within the edit of
    // the very cell, which must outlive it.
    QTableWidgetItem* cell = item(row, column);
    if (!cell) {
        cell = new QTableWidgetItem;
        cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        setItem(row, column, cell);
    }
    cell->setText(editable ? StatusReadout::Number(value) : QStringLiteral("—"));
    cell->setData(kValueRole, value);
    cell->setFlags(editable ? cell->flags() | Qt::ItemIsEditable : cell->flags() & ~Qt::ItemIsEditable);
}

void LayerTable::Refresh(const CDrawRPToH& chart)
{
    m_filling = true;
    const int n = std::max(0, std::min({chart.m_nLayer, chart.m_fR.GetSize()}));
    setRowCount(n);
    QStringList rows;
    for (int i = 0; i < n; ++i) {
        const bool halfSpace = i + 1 == n;
        rows << (halfSpace ? QCoreApplication::translate("Studio", "Half-space") : QCoreApplication::translate("Studio", "Layer %1").arg(i + 1));
        const float thick = !halfSpace && i < chart.m_fThick.GetSize() ? chart.m_fThick[i] : 0.0f;
        setCell(i, kThickness, thick, !halfSpace);
        setCell(i, kResistivity, chart.m_fR[i], true);
    }
    setVerticalHeaderLabels(rows);
    m_filling = false;
}

void LayerTable::cellEdited(QTableWidgetItem* item)
{
    if (m_filling || !item)
        return;
    float value = 0;
    QString error;
    const float before = item->data(kValueRole).toFloat();
    if (!ValueDialog::Parse(item->text(), EditLimits::MaxLayerValue(), value, error)) {
        m_filling = true;
        item->setText(StatusReadout::Number(before));
        m_filling = false;
        if (onRefused)
            onRefused(error);
        return;
    }
    if (value == before) {
        m_filling = true;
        item->setText(StatusReadout::Number(before));
        m_filling = false;
        return;
    }
    const EditField field = item->column() == kThickness ? EditField::LayerThickness : EditField::LayerResistivity;
    if (onEdit)
        onEdit({field, item->row(), before, value});
}
