// BMP output for chart images: 24-bit colour, bottom-up rows, the image's
// resolution in the header. Written here rather than through Qt's image
// writer, which loads every image-format plugin (Qt Svg among them) first.
#pragma once

class QImage;

class BmpWriter {
public:
    // False when the file cannot be written, the image is empty, or it is
    // too large for the format's 32-bit sizes.
    static bool Write(const QImage& image, const char* path);
};
