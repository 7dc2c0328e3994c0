// Fast lossless PNG output for chart images. An image of at most 256 colours
// is written with a palette (a third of the bytes to compress), others as
// 8-bit RGB; the pixel data is compressed in one piece with libdeflate,
// which is several times faster than zlib at the same ratio.
#pragma once

class QImage;

class PngWriter {
public:
    // False when the file cannot be written or the image is empty.
    static bool Write(const QImage& image, const char* path);
};
