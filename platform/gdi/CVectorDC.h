// A device context on a vector document: one PDF page or one SVG drawing of a
// given size in millimetres, at a resolution that fixes the device units.
#pragma once

#include "platform/gdi/CDC.h"

#include <memory>

class QPaintDevice;
class QtPainterBackend;

class CVectorDC : public CDC {
public:
    enum class Format { Pdf, Svg };

    // The document is written to path when Finish() is called or the context
    // is destroyed. IsValid() is false when the size or resolution is out of
    // range (above 5 m a side, resolution outside 1 .. 9600 dpi).
    CVectorDC(Format format, const char* path, double widthMm, double heightMm, int dpi = 1200,
              const char* title = "tarnex");
    ~CVectorDC() override;

    bool IsValid() const noexcept { return m_painter != nullptr; }
    // Ends the document; false when it could not be written.
    bool Finish();

private:
    std::unique_ptr<QPaintDevice> m_device;
    std::unique_ptr<QtPainterBackend> m_painter;
    bool m_finished = false;
};
