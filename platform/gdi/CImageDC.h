// A device context on a white raster image of a given pixel size and
// resolution; the image is saved as PNG or BMP, or handed to the caller.
#pragma once

#include "platform/gdi/CDC.h"

#include <memory>
#include <string>

class QImage;
class QtPainterBackend;

class CImageDC : public CDC {
public:
    // Sizes outside 1 .. 32768 pixels, images above kMaxImageBytes, or
    // resolutions outside 1 .. 9600 dpi leave the context without a surface:
    // IsValid() is false and drawing does nothing.
    CImageDC(int widthPx, int heightPx, int dpi = 96);
    ~CImageDC() override;

    bool IsValid() const noexcept { return m_painter != nullptr; }
    // The pixels as drawn so far.
    const QImage& Image();
    // Writes the image atomically; the format follows the file name (.png,
    // .bmp). PNG goes through PngWriter (lossless, fast); quality applies to
    // others. False when the file could not be written whole.
    bool Save(const char* path, const char* format = nullptr, int quality = -1);
    // The image file's bytes in the format ("PNG", "BMP", ...).
    bool Encode(const char* format, std::string& out, int quality = -1);

    // Smoothed text leaves the grey shades between black and white, most of
    // the 256; with a chart's few colours beside them that is just more than
    // a PNG palette holds. Rounds those greys to every fourth shade (0, 4,
    // ..., 252, and 255 kept) where that brings the image to at most 256
    // colours, so that it is written with a palette in a third of the time;
    // the greys move by at most 2 of 255. Returns whether it did; the image
    // is left alone when it already fits or would not fit anyway.
    bool FewerTextShades();

    // The largest image a context allocates: 4 bytes a pixel, 512 MiB.
    static constexpr long long kMaxImageBytes = 512LL << 20;
    static bool FitsMemory(long long widthPx, long long heightPx)
    {
        return widthPx > 0 && heightPx > 0 && widthPx * heightPx <= kMaxImageBytes / 4;
    }

private:
    std::shared_ptr<QImage> m_image;
    std::unique_ptr<QtPainterBackend> m_painter;
};
