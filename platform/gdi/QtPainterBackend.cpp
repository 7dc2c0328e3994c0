#include "platform/gdi/QtPainterBackend.h"

#include "platform/gdi/FontResolver.h"

#include <QImage>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPen>
#include <QPolygon>

#include <cstdlib>
#include <new>

namespace {

QColor qcolor(COLORREF c) { return QColor(GetRValue(c), GetGValue(c), GetBValue(c)); }


}  // namespace

QtPainterBackend::QtPainterBackend(QPaintDevice* device, int dpiX, int dpiY, CSize size,
                                   std::shared_ptr<QImage> keepAlive)
    : m_device(device), m_keepAlive(std::move(keepAlive)), m_dpiX(dpiX), m_dpiY(dpiY), m_size(size)
{
}

QtPainterBackend::QtPainterBackend(QPainter* active, int dpiX, int dpiY, CSize size)
    : m_external(active), m_dpiX(dpiX), m_dpiY(dpiY), m_size(size)
{
}

QtPainterBackend::~QtPainterBackend() { flush(); }

QPainter& QtPainterBackend::painter()
{
    if (m_external)
        return *m_external;
    if (!m_own.isActive() && m_device) {
        m_own.begin(m_device);
        // Lines are drawn aliased, as GDI draws them: one-pixel lines stay
        // crisp and a chart keeps to its few colours. Text is smoothed.
        m_own.setRenderHint(QPainter::Antialiasing, false);
        m_own.setRenderHint(QPainter::TextAntialiasing, true);
    }
    return m_own;
}

void QtPainterBackend::flush()
{
    if (m_own.isActive())
        m_own.end();
}

const QImage* QtPainterBackend::pixels()
{
    flush();
    return dynamic_cast<QImage*>(m_device);
}

void QtPainterBackend::applyPen(QPainter& p, const GdiStyle& st) const
{
    if (st.pen.style == PS_NULL) {
        p.setPen(Qt::NoPen);
        return;
    }
    const int w = st.penDeviceWidth;
    QPen pen(qcolor(st.pen.color));
    pen.setWidthF(w <= 1 ? 1.0 : w);
    pen.setCapStyle(w <= 1 ? Qt::FlatCap : Qt::RoundCap);
    pen.setJoinStyle(w <= 1 ? Qt::MiterJoin : Qt::RoundJoin);
    // Styled lines exist only for thin pens; a wide pen draws solid, as GDI does.
    if (w <= 1) {
        switch (st.pen.style) {
        case PS_DASH: pen.setDashPattern({18, 6}); break;
        case PS_DOT: pen.setDashPattern({3, 3}); break;
        case PS_DASHDOT: pen.setDashPattern({9, 6, 3, 6}); break;
        case PS_DASHDOTDOT: pen.setDashPattern({9, 3, 3, 3, 3, 3}); break;
        default: break;
        }
    }
    p.setPen(pen);
}

namespace {

// The raster engine does not survive an allocation that fails while it
// strokes or fills a long outline: it would crash instead of reporting. So
// the room it takes (its outline and span buffers, about this much a point,
// measured on million-point curves) is asked of the allocator first, and a
// lack of it is thrown as the out-of-memory the callers report.
constexpr size_t kPainterBytesPerPoint = 40;
constexpr size_t kProbeFromPoints = 4096;

void ensureRoom(size_t points)
{
    if (points < kProbeFromPoints)
        return;
    void* room = std::malloc(points * kPainterBytesPerPoint);
    if (!room)
        throw std::bad_alloc();
    std::free(room);
}

}  // namespace

void QtPainterBackend::draw(const GdiOp& op)
{
    QPainter& p = painter();
    if (!p.isActive())
        return;
    const GdiStyle& st = op.style;
    switch (op.kind) {
    case GdiOp::Kind::Polyline: {
        if (op.device.size() < 2 || st.pen.style == PS_NULL)
            return;
        ensureRoom(op.device.size());
        QPolygon poly;
        poly.reserve(static_cast<qsizetype>(op.device.size()));
        for (const CPoint& d : op.device)
            poly.append(QPoint(d.x, d.y));
        applyPen(p, st);
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(poly);
        return;
    }
    case GdiOp::Kind::Rectangle: {
        CRect r(op.device[0], op.device[1]);
        r.NormalizeRect();
        // The right and bottom edges lie outside the drawn rectangle.
        if (r.Width() < 1 || r.Height() < 1)
            return;
        if (st.brush.style != BS_NULL)
            p.fillRect(QRect(r.left, r.top, r.Width(), r.Height()), qcolor(st.brush.color));
        if (st.pen.style != PS_NULL) {
            applyPen(p, st);
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRect(r.left, r.top, r.Width() - 1, r.Height() - 1));
        }
        return;
    }
    case GdiOp::Kind::Polygon: {
        ensureRoom(op.device.size());
        QPainterPath path;
        path.setFillRule(Qt::OddEvenFill);
        size_t at = 0;
        for (int n : op.rings) {
            QPolygon ring;
            for (int i = 0; i < n && at < op.device.size(); ++i, ++at)
                ring.append(QPoint(op.device[at].x, op.device[at].y));
            ring.append(ring.first());
            path.addPolygon(ring);
        }
        if (st.brush.style != BS_NULL)
            p.fillPath(path, qcolor(st.brush.color));
        if (st.pen.style != PS_NULL) {
            applyPen(p, st);
            p.setBrush(Qt::NoBrush);
            p.drawPath(path);
        }
        return;
    }
    case GdiOp::Kind::FillRect: {
        CRect r(op.device[0], op.device[1]);
        r.NormalizeRect();
        p.fillRect(QRect(r.left, r.top, r.Width(), r.Height()), qcolor(op.fill));
        return;
    }
    case GdiOp::Kind::Text: {
        if (op.text.IsEmpty())
            return;
        p.save();
        p.translate(op.originX, op.originY);
        if (op.angle != 0)
            p.rotate(-op.angle);
        if (st.bkMode == OPAQUE)
            p.fillRect(QRectF(0, -op.ascent, op.width, op.ascent + op.descent), qcolor(st.bkColor));
        p.setFont(FontResolver::font(st));
        p.setPen(qcolor(st.textColor));
        p.drawText(QPointF(0, 0), QString::fromUtf8(op.text.GetString(), op.text.GetLength()));
        p.restore();
        return;
    }
    case GdiOp::Kind::Invert: {
        // Inverting is its own undo: the same call twice restores the pixels.
        // Devices without raster operations (SVG, PDF) ignore it.
        CRect r(op.device[0], op.device[1]);
        r.NormalizeRect();
        if (r.Width() < 1 || r.Height() < 1 || !p.paintEngine() ||
            !p.paintEngine()->hasFeature(QPaintEngine::RasterOpModes))
            return;
        p.save();
        p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        p.setBackgroundMode(Qt::TransparentMode);
        p.setBrushOrigin(0, 0);
        p.fillRect(QRect(r.left, r.top, r.Width(), r.Height()),
                   QBrush(Qt::white, op.dotted ? Qt::Dense4Pattern : Qt::SolidPattern));
        p.restore();
        return;
    }
    case GdiOp::Kind::Blit: {
        if (!op.image)
            return;
        const CRect& s = op.source;
        p.drawImage(QRect(op.device[0].x, op.device[0].y, s.Width(), s.Height()), *op.image,
                    QRect(s.left, s.top, s.Width(), s.Height()));
        return;
    }
    }
}

GdiTextMetrics QtPainterBackend::measure(const CString& text, const GdiStyle& style)
{
    return FontResolver::measure(text, style);
}
