#include "AxesPage.h"

#include "platform/gdi/CDC.h"

#include <QCoreApplication>

namespace {

constexpr int kExportDpi = 150;

}  // namespace

AxesPage::AxesPage(QWidget* parent) : StudioPage(parent, kExportDpi)
{
    setWindowTitle(QCoreApplication::translate("Studio", "Axes"));
    setToolTip(QCoreApplication::translate("Studio", "Double-click an axis or the grid to change it"));
}

QSize AxesPage::sizeHint() const
{
    const CSize mm = AxisSampleSheet::SizeMm();
    const double px = logicalDpiX() / 25.4;
    return QSize(static_cast<int>(mm.cx * px), static_cast<int>(mm.cy * px));
}

void AxesPage::applyMapping(CDC& dc) const
{
    dc.SetMapMode(MM_HIMETRIC);
    dc.SetViewportOrg(0, height());
}

bool AxesPage::EditAt(const QPoint& pixel)
{
    if (!m_sheet.EditAt(ToLogical(pixel)))
        return false;
    update();
    return true;
}
