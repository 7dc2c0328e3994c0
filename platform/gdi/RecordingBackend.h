// Keeps every primitive asked of a surface, in logical and device units with
// the style in force, so tests can check geometry exactly; the list can be
// replayed onto another surface (for instance to look at it as a PNG).
#pragma once

#include "platform/gdi/GdiBackend.h"

#include <vector>

class RecordingBackend : public GdiBackend {
public:
    RecordingBackend(int dpiX, int dpiY, CSize size) : m_dpiX(dpiX), m_dpiY(dpiY), m_size(size) {}

    void draw(const GdiOp& op) override;
    GdiTextMetrics measure(const CString& text, const GdiStyle& style) override;
    int dpiX() const override { return m_dpiX; }
    int dpiY() const override { return m_dpiY; }
    CSize deviceSize() const override { return m_size; }

    const std::vector<GdiOp>& ops() const noexcept { return m_ops; }
    void clear() noexcept;
    // Off: only the bounds are kept, not the calls, for measuring a drawing
    // whose calls nobody reads (a page sized to its chart) at a fixed cost.
    void setKeepOps(bool keep) noexcept { m_keepOps = keep; }
    void replay(GdiBackend& target) const;
    // The smallest device rectangle holding everything recorded (text cells
    // included, rotated as drawn); empty when nothing was recorded.
    CRect deviceBounds() const;

private:
    int m_dpiX, m_dpiY;
    CSize m_size;
    void extend(const GdiOp& op);

    std::vector<GdiOp> m_ops;
    bool m_keepOps = true;
    bool m_any = false;
    double m_x0 = 0, m_y0 = 0, m_x1 = 0, m_y1 = 0;
};
