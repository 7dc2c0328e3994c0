// Fast lossless PNG output for chart images. An image of at most 256 colours
// is written with a palette (a third of the bytes to compress), others as
// 8-bit RGB; the pixel data is compressed in one piece with libdeflate,
// which is several times faster than zlib at the same ratio.
#pragma once

#include <string>

class QImage;

class PngWriter {
public:
    // The PNG file's bytes; false when the image is empty or memory runs out.
    static bool Encode(const QImage& image, std::string& out);
    // Encodes and writes the file atomically; false when the image is empty
    // or the file cannot be written whole.
    static bool Write(const QImage& image, const char* path);
};
