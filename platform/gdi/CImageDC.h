// A device context on a white raster image of a given pixel size and
// resolution; the image is saved as PNG or BMP, or handed to the caller.
#pragma once

#include "platform/gdi/CDC.h"

#include <memory>

class QImage;
class QtPainterBackend;

class CImageDC : public CDC {
public:
    // Sizes outside 1 .. 32768 pixels or resolutions outside 1 .. 9600 dpi
    // leave the context without a surface: IsValid() is false and drawing
    // does nothing.
    CImageDC(int widthPx, int heightPx, int dpi = 96);
    ~CImageDC() override;

    bool IsValid() const noexcept { return m_painter != nullptr; }
    // The pixels as drawn so far.
    const QImage& Image();
    // Writes the image; the format follows the file name (.png, .bmp).
    // PNG goes through PngWriter (lossless, fast); quality applies to others.
    bool Save(const char* path, const char* format = nullptr, int quality = -1);

private:
    std::shared_ptr<QImage> m_image;
    std::unique_ptr<QtPainterBackend> m_painter;
};
