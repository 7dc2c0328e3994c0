#include "StudioPage.h"
#include "StudioMessage.h"

#include "chart/ChartExporter.h"
#include "platform/gdi/CImageDC.h"
#include "platform/gdi/CRecordingDC.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

StudioPage::StudioPage(QWidget* parent, int exportDpi) : QWidget(parent), m_exportDpi(exportDpi)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

CPoint StudioPage::ToLogical(const QPoint& pixel) const
{
    CRecordingDC dc(logicalDpiY(), CSize(width(), height()));
    applyMapping(dc);
    tagPOINT p{pixel.x(), pixel.y()};
    dc.DPtoLP(&p);
    return CPoint(p.x, p.y);
}

QPoint StudioPage::ToPixel(const CPoint& logical) const
{
    CRecordingDC dc(logicalDpiY(), CSize(width(), height()));
    applyMapping(dc);
    tagPOINT p{logical.x, logical.y};
    dc.LPtoDP(&p);
    return QPoint(p.x, p.y);
}

bool StudioPage::Export(const char* path)
{
    CString error;
    if (!ChartExporter::Export([this](CDC* dc) { draw(dc); }, path, m_exportDpi, error)) {
        reportError(error);
        return false;
    }
    return true;
}

void StudioPage::reportError(const CString& message) { ShowStudioError(this, onError, message); }

void StudioPage::paintEvent(QPaintEvent*)
{
    CImageDC dc(std::max(1, width()), std::max(1, height()), logicalDpiY());
    applyMapping(dc);
    draw(&dc);
    QPainter painter(this);
    painter.drawImage(0, 0, dc.Image());
}

void StudioPage::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (!EditAt(event->position().toPoint()))
        QWidget::mouseDoubleClickEvent(event);
}
