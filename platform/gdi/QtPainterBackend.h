// Draws the primitives with QPainter on any paint device: a raster image, a
// PDF page, an SVG document or a widget during its paint event.
#pragma once

#include "platform/gdi/GdiBackend.h"

#include <QPainter>

#include <memory>

class QPaintDevice;
class QImage;

class QtPainterBackend : public GdiBackend {
public:
    // device is not owned; keepAlive may hold the image the device is.
    QtPainterBackend(QPaintDevice* device, int dpiX, int dpiY, CSize size,
                     std::shared_ptr<QImage> keepAlive = nullptr);
    // Paints through a painter someone else began (a widget's paint event).
    explicit QtPainterBackend(QPainter* active, int dpiX, int dpiY, CSize size);
    ~QtPainterBackend() override;

    void draw(const GdiOp& op) override;
    GdiTextMetrics measure(const CString& text, const GdiStyle& style) override;
    int dpiX() const override { return m_dpiX; }
    int dpiY() const override { return m_dpiY; }
    CSize deviceSize() const override { return m_size; }
    const QImage* pixels() override;
    void flush() override;
    // Begins painting now; false when the device cannot be painted on
    // (a PDF file that cannot be opened, say).
    bool start() { return painter().isActive(); }

private:
    QPainter& painter();
    void applyPen(QPainter& p, const GdiStyle& st) const;

    QPaintDevice* m_device = nullptr;
    std::shared_ptr<QImage> m_keepAlive;
    QPainter m_own;
    QPainter* m_external = nullptr;
    int m_dpiX, m_dpiY;
    CSize m_size;
};
