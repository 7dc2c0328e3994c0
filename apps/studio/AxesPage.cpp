#include "AxesPage.h"

#include "platform/gdi/CImageDC.h"
#include "platform/gdi/CRecordingDC.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>

AxesPage::AxesPage(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
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

CPoint AxesPage::ToLogical(const QPoint& pixel) const
{
    CRecordingDC dc(logicalDpiY(), CSize(width(), height()));
    applyMapping(dc);
    tagPOINT p{pixel.x(), pixel.y()};
    dc.DPtoLP(&p);
    return CPoint(p.x, p.y);
}

QPoint AxesPage::ToPixel(const CPoint& logical) const
{
    CRecordingDC dc(logicalDpiY(), CSize(width(), height()));
    applyMapping(dc);
    tagPOINT p{logical.x, logical.y};
    dc.LPtoDP(&p);
    return QPoint(p.x, p.y);
}

bool AxesPage::EditAt(const QPoint& pixel)
{
    if (!m_sheet.EditAt(ToLogical(pixel)))
        return false;
    update();
    return true;
}

void AxesPage::paintEvent(QPaintEvent*)
{
    CImageDC dc(std::max(1, width()), std::max(1, height()), logicalDpiY());
    applyMapping(dc);
    m_sheet.Draw(&dc);
    QPainter painter(this);
    painter.drawImage(0, 0, dc.Image());
}

void AxesPage::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (!EditAt(event->position().toPoint()))
        QWidget::mouseDoubleClickEvent(event);
}
