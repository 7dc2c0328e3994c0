#include "LayerTable.h"

#include "EditLimits.h"
#include "StatusReadout.h"
#include "ValueDialog.h"

#include "model1d/LayeredModelFile.h"

#include <QCoreApplication>
#include <QHeaderView>

#include <algorithm>
#include <cmath>

namespace {

// The value a cell stood for before the user typed into it.
constexpr int kValueRole = Qt::UserRole + 1;
constexpr double kUnresolvedFactor = 100;

}  // namespace

LayerTable::LayerTable(QWidget* parent) : QTableWidget(parent)
{
    setColumnCount(4);
    setHorizontalHeaderLabels({QCoreApplication::translate("Studio", "Thickness (m)"), QCoreApplication::translate("Studio", "Resistivity (Ω·m)"),
                               QCoreApplication::translate("Studio", "± h"), QCoreApplication::translate("Studio", "± ρ")});
    const QString tick = QCoreApplication::translate("Studio", "Tick a value to hold it fixed in the next inversion");
    horizontalHeaderItem(kThickness)->setToolTip(tick);
    horizontalHeaderItem(kResistivity)->setToolTip(tick);
    const QString sigma = QCoreApplication::translate("Studio", "After an inversion: the value lies between value ÷ factor and value × factor with about 68 % confidence");
    horizontalHeaderItem(kThicknessSigma)->setToolTip(sigma);
    horizontalHeaderItem(kResistivitySigma)->setToolTip(sigma);
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    horizontalHeader()->setStretchLastSection(true);
    setMinimumWidth(300);  // both value columns' titles in full; the ± columns may scroll
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
    cell->setFlags(editable ? cell->flags() | Qt::ItemIsEditable | Qt::ItemIsUserCheckable
                            : cell->flags() & ~(Qt::ItemIsEditable | Qt::ItemIsUserCheckable));
    const auto& fixed = column == kThickness ? m_fixedThick : m_fixedRes;
    if (editable)
        cell->setCheckState(static_cast<std::size_t>(row) < fixed.size() && fixed[static_cast<std::size_t>(row)] ? Qt::Checked : Qt::Unchecked);
    else
        cell->setData(Qt::CheckStateRole, QVariant());
}

QString LayerTable::FactorText(double logStd)
{
    if (!(logStd >= 0))
        return QString();
    if (logStd == 0)
        return QCoreApplication::translate("Studio", "fixed");
    // Past a factor of 100 either way the data say next to nothing of the value.
    const double factor = std::exp(std::min(logStd, 50.0));
    if (!(factor < kUnresolvedFactor))
        return QCoreApplication::translate("Studio", "unresolved");
    return QStringLiteral("×/÷%1").arg(factor, 0, 'f', factor < 10 ? 2 : 1);
}

void LayerTable::setSigmaCell(int row, int column, const std::vector<double>& logStd, const std::vector<float>& at, float value)
{
    QTableWidgetItem* cell = item(row, column);
    if (!cell) {
        cell = new QTableWidgetItem;
        cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        cell->setFlags(cell->flags() & ~Qt::ItemIsEditable);
        setItem(row, column, cell);
    }
    const auto r = static_cast<std::size_t>(row);
    // A value changed since the inversion has no known uncertainty.
    cell->setText(r < logStd.size() && r < at.size() && at[r] == value ? FactorText(logStd[r]) : QString());
}

void LayerTable::SetFixed(int column, int row, bool fixed)
{
    auto& v = column == kThickness ? m_fixedThick : m_fixedRes;
    if (row < 0 || static_cast<std::size_t>(row) >= v.size())
        return;
    v[static_cast<std::size_t>(row)] = fixed ? 1 : 0;
    if (QTableWidgetItem* cell = item(row, column); cell && (cell->flags() & Qt::ItemIsUserCheckable)) {
        m_filling = true;
        cell->setCheckState(fixed ? Qt::Checked : Qt::Unchecked);
        m_filling = false;
    }
}

void LayerTable::SetUncertainty(const LayeredModel& model, std::vector<double> thickLogStd, std::vector<double> resLogStd)
{
    m_sigmaThick = std::move(thickLogStd);
    m_sigmaRes = std::move(resLogStd);
    m_sigmaAtThick.clear();
    m_sigmaAtRes.clear();
    for (int i = 0; i < model.Layers(); ++i) {
        m_sigmaAtRes.push_back(model.res[i]);
        if (i + 1 < model.Layers() && i < model.thick.GetSize())
            m_sigmaAtThick.push_back(model.thick[i]);
    }
    Refresh(model);
}

void LayerTable::Refresh(const LayeredModel& model)
{
    m_filling = true;
    const int n = model.Layers();
    setRowCount(n);
    m_fixedRes.resize(static_cast<std::size_t>(n), 0);
    m_fixedThick.resize(static_cast<std::size_t>(std::max(0, n - 1)), 0);
    QStringList rows;
    for (int i = 0; i < n; ++i) {
        const bool halfSpace = i + 1 == n;
        rows << (halfSpace ? QCoreApplication::translate("Studio", "Half-space") : QCoreApplication::translate("Studio", "Layer %1").arg(i + 1));
        const float thick = !halfSpace && i < model.thick.GetSize() ? model.thick[i] : 0.0f;
        setCell(i, kThickness, thick, !halfSpace);
        setCell(i, kResistivity, model.res[i], true);
        setSigmaCell(i, kThicknessSigma, m_sigmaThick, m_sigmaAtThick, thick);
        setSigmaCell(i, kResistivitySigma, m_sigmaRes, m_sigmaAtRes, model.res[i]);
        if (halfSpace)
            item(i, kThicknessSigma)->setText(QString());
    }
    setVerticalHeaderLabels(rows);
    m_filling = false;
}

void LayerTable::cellEdited(QTableWidgetItem* item)
{
    if (m_filling || !item || (item->column() != kThickness && item->column() != kResistivity))
        return;
    // A tick changed: the value is held fixed (or freed) for the next inversion.
    auto& fixed = item->column() == kThickness ? m_fixedThick : m_fixedRes;
    const auto row = static_cast<std::size_t>(item->row());
    if ((item->flags() & Qt::ItemIsUserCheckable) && row < fixed.size() &&
        (item->checkState() == Qt::Checked) != (fixed[row] != 0)) {
        fixed[row] = item->checkState() == Qt::Checked ? 1 : 0;
        return;
    }
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
