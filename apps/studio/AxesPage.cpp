#include "AxesPage.h"

#include <QCoreApplication>

namespace {

constexpr int kExportDpi = 150;

}  // namespace

AxesPage::AxesPage(QWidget* parent) : StudioPage(parent, kExportDpi)
{
    setWindowTitle(QCoreApplication::translate("Studio", "Axes"));
    setToolTip(QCoreApplication::translate("Studio", "Double-click an axis or the grid to change it"));
    contentChanged();
}

bool AxesPage::EditAt(const QPoint& pixel)
{
    if (!m_sheet.EditAt(ToLogical(pixel)))
        return false;
    contentChanged();
    return true;
}
