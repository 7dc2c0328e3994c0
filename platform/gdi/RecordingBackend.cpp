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

CRect RecordingBackend::deviceBounds() const
{
    bool any = false;
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    auto add = [&](double x, double y) {
        if (!any) {
            x0 = x1 = x;
            y0 = y1 = y;
            any = true;
            return;
        }
        x0 = std::min(x0, x);
        x1 = std::max(x1, x);
        y0 = std::min(y0, y);
        y1 = std::max(y1, y);
    };
    for (const GdiOp& op : m_ops) {
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
    if (!any)
        return CRect();
    auto toInt = [](double v) { return static_cast<int>(std::clamp(v, -2147483648.0, 2147483647.0)); };
    return CRect(toInt(std::floor(x0)), toInt(std::floor(y0)), toInt(std::ceil(x1)), toInt(std::ceil(y1)));
}
