// Keeps every primitive asked of a surface, in logical and device units with
// the style in force, so tests can check geometry exactly; the list can be
// replayed onto another surface (for instance to look at it as a PNG).
#pragma once

#include "platform/gdi/GdiBackend.h"

#include <vector>

class RecordingBackend : public GdiBackend {
public:
    RecordingBackend(int dpiX, int dpiY, CSize size) : m_dpiX(dpiX), m_dpiY(dpiY), m_size(size) {}

    void draw(const GdiOp& op) override { m_ops.push_back(op); }
    GdiTextMetrics measure(const CString& text, const GdiStyle& style) override;
    int dpiX() const override { return m_dpiX; }
    int dpiY() const override { return m_dpiY; }
    CSize deviceSize() const override { return m_size; }

    const std::vector<GdiOp>& ops() const noexcept { return m_ops; }
    void clear() noexcept { m_ops.clear(); }
    void replay(GdiBackend& target) const;
    // The smallest device rectangle holding everything recorded (text cells
    // included, rotated as drawn); empty when nothing was recorded.
    CRect deviceBounds() const;

private:
    int m_dpiX, m_dpiY;
    CSize m_size;
    std::vector<GdiOp> m_ops;
};
