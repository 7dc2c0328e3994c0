#include "platform/gdi/RecordingBackend.h"

#include "platform/gdi/FontResolver.h"

#include <algorithm>
#include <cmath>

GdiTextMetrics RecordingBackend::measure(const CString& text, const GdiStyle& style)
{
    return FontResolver::measure(text, style);
}

void RecordingBackend::replay(GdiBackend& target) const
{
    for (const GdiOp& op : m_ops)
        target.draw(op);
}

void RecordingBackend::draw(const GdiOp& op)
{
    if (m_keepOps)
        m_ops.push_back(op);
    extend(op);
}

void RecordingBackend::clear() noexcept
{
    m_ops.clear();
    m_any = false;
    m_x0 = m_y0 = m_x1 = m_y1 = 0;
}

void RecordingBackend::extend(const GdiOp& op)
{
    auto add = [this](double x, double y) {
        if (!m_any) {
            m_x0 = m_x1 = x;
            m_y0 = m_y1 = y;
            m_any = true;
            return;
        }
        m_x0 = std::min(m_x0, x);
        m_x1 = std::max(m_x1, x);
        m_y0 = std::min(m_y0, y);
        m_y1 = std::max(m_y1, y);
    };
    if (op.kind == GdiOp::Kind::Text) {
        const double a = op.angle * M_PI / 180.0;
        const double c = std::cos(a), s = std::sin(a);
        // The cell runs along the baseline from the origin; y is down on the device.
        for (double u : {0.0, op.width})
            for (double v : {-op.ascent, op.descent})
                add(op.originX + u * c + v * s, op.originY - u * s + v * c);
    } else if (op.kind == GdiOp::Kind::Blit) {
        if (!op.device.empty()) {
            add(op.device[0].x, op.device[0].y);
            add(op.device[0].x + op.source.Width(), op.device[0].y + op.source.Height());
        }
    } else {
        const double half = std::max(1, op.style.penDeviceWidth) / 2.0;
        for (const CPoint& p : op.device) {
            add(p.x - half, p.y - half);
            add(p.x + half + 1, p.y + half + 1);
        }
    }
}

CRect RecordingBackend::deviceBounds() const
{
    if (!m_any)
        return CRect();
    auto toInt = [](double v) { return static_cast<int>(std::clamp(v, -2147483648.0, 2147483647.0)); };
    return CRect(toInt(std::floor(m_x0)), toInt(std::floor(m_y0)), toInt(std::ceil(m_x1)), toInt(std::ceil(m_y1)));
}
