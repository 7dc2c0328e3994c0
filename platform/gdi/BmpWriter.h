// BMP output for chart images: 24-bit colour, bottom-up rows, the image's
// resolution in the header. Written here rather than through Qt's image
// writer, which loads every image-format plugin (Qt Svg among them) first.
#pragma once

#include <string>

class QImage;

class BmpWriter {
public:
    // The BMP file's bytes; false when the image is empty or too large for
    // the format's 32-bit sizes.
    static bool Encode(const QImage& image, std::string& out);
    // Encodes and writes the file atomically; false when it cannot be
    // written whole.
    static bool Write(const QImage& image, const char* path);
};
