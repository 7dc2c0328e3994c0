#include "StudioPage.h"
#include "StudioMessage.h"

#include "chart/ChartExporter.h"
#include "platform/gdi/CImageDC.h"
#include "platform/gdi/CRecordingDC.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// Clear room round the drawing, in pixels at the screen's resolution.
constexpr int kMarginPx = 16;
// The image surface's highest resolution.
constexpr int kMaxDpi = 9600;

}  // namespace

StudioPage::StudioPage(QWidget* parent, int exportDpi) : QWidget(parent), m_exportDpi(exportDpi)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void StudioPage::applyMapping(CDC& dc) const
{
    dc.SetMapMode(mapMode());
    dc.SetViewportOrg(m_origin);
}

CPoint StudioPage::ToLogical(const QPoint& pixel) const
{
    CRecordingDC dc(m_dpi, CSize(width(), height()));
    applyMapping(dc);
    tagPOINT p{pixel.x(), pixel.y()};
    dc.DPtoLP(&p);
    return CPoint(p.x, p.y);
}

QPoint StudioPage::ToPixel(const CPoint& logical) const
{
    CRecordingDC dc(m_dpi, CSize(width(), height()));
    applyMapping(dc);
    tagPOINT p{logical.x, logical.y};
    dc.LPtoDP(&p);
    return QPoint(p.x, p.y);
}

double StudioPage::Scale() const { return static_cast<double>(m_dpi) / std::max(1, logicalDpiY()); }

QSize StudioPage::sizeHint() const
{
    return QSize(m_readable.Width() + 2 * kMarginPx, m_readable.Height() + 2 * kMarginPx + controlStrip());
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

CRect StudioPage::measure(int dpi)
{
    CRecordingDC probe(dpi, CSize(1, 1));
    probe.SetMapMode(mapMode());
    draw(&probe);
    return probe.DeviceBounds();
}

CRect StudioPage::inked(int dpi, const CRect& bounds)
{
    // Text cells reach above and below their glyphs: what the eye centres
    // is the ink, so paint the drawing once and find where it is.
    CImageDC dc(std::max(1, bounds.Width()), std::max(1, bounds.Height()), dpi);
    dc.SetMapMode(mapMode());
    dc.SetViewportOrg(-bounds.left, -bounds.top);
    draw(&dc);
    const QImage img = dc.Image().convertToFormat(QImage::Format_RGB32);
    int left = img.width(), top = img.height(), right = 0, bottom = 0;
    for (int y = 0; y < img.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x)
            if (row[x] != 0xffffffffu) {
                left = std::min(left, x);
                right = std::max(right, x + 1);
                top = std::min(top, y);
                bottom = y + 1;
            }
    }
    if (right <= left)
        return bounds;
    return CRect(bounds.left + left, bounds.top + top, bounds.left + right, bounds.top + bottom);
}

void StudioPage::contentChanged()
{
    m_readable = measure(logicalDpiY());
    // A page smaller than the readable drawing scrolls rather than squeezes it.
    setMinimumSize(sizeHint());
    updateGeometry();
    fit();
    update();
}

void StudioPage::fit()
{
    const int screenDpi = logicalDpiY();
    const QRect area = DrawingArea();
    m_dpi = screenDpi;
    CRect bounds = m_readable;
    if (!m_readable.IsRectEmpty()) {
        // The drawing grows with the resolution it is drawn at, text and
        // all, so one factor keeps its proportions.
        const double room = std::min(static_cast<double>(area.width() - 2 * kMarginPx) / m_readable.Width(),
                                     static_cast<double>(area.height() - 2 * kMarginPx) / m_readable.Height());
        m_dpi = std::clamp(static_cast<int>(std::floor(screenDpi * room)), screenDpi, kMaxDpi);
        // Text does not grow exactly in step with the lines: centre what is
        // really drawn at this resolution.
        bounds = inked(m_dpi, m_dpi == screenDpi ? m_readable : measure(m_dpi));
    }
    m_origin = CPoint(area.left() + (area.width() - bounds.Width()) / 2 - bounds.left,
                      area.top() + (area.height() - bounds.Height()) / 2 - bounds.top);
}

void StudioPage::resizeEvent(QResizeEvent* event)
{
    fit();
    QWidget::resizeEvent(event);
}

void StudioPage::paintEvent(QPaintEvent*)
{
    CImageDC dc(std::max(1, width()), std::max(1, height()), m_dpi);
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
