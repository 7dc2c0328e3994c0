// Fast lossless PNG output for chart images. Charts hold few colours, so an
// image of at most 256 colours is written with a palette (a third of the
// bytes to compress); others are written as 8-bit RGB. Compression favours
// speed: charts are mostly flat background and compress well anyway.
#pragma once

class QImage;

class PngWriter {
public:
    // False when the file cannot be written or the image is empty.
    static bool Write(const QImage& image, const char* path);
};
