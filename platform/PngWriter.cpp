#include "platform/PngWriter.h"

#include <QImage>

#include <png.h>
#include <zlib.h>

#include <csetjmp>
#include <cstdio>
#include <unordered_map>
#include <vector>

namespace {

// The palette of the image when it holds at most 256 colours, and each
// pixel's index into it; false when there are more colours.
bool buildPalette(const QImage& img, std::vector<QRgb>& palette, std::vector<unsigned char>& indices)
{
    std::unordered_map<QRgb, unsigned char> index;
    index.reserve(512);
    indices.resize(static_cast<size_t>(img.width()) * static_cast<size_t>(img.height()));
    size_t k = 0;
    QRgb last = 0;
    unsigned char lastIndex = 0;
    bool haveLast = false;
    for (int y = 0; y < img.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x, ++k) {
            const QRgb c = row[x] | 0xff000000u;
            if (!haveLast || c != last) {
                auto it = index.find(c);
                if (it == index.end()) {
                    if (palette.size() == 256)
                        return false;
                    it = index.emplace(c, static_cast<unsigned char>(palette.size())).first;
                    palette.push_back(c);
                }
                last = c;
                lastIndex = it->second;
                haveLast = true;
            }
            indices[k] = lastIndex;
        }
    }
    return true;
}

struct PngHandles {
    png_structp png = nullptr;
    png_infop info = nullptr;
    ~PngHandles() { png_destroy_write_struct(&png, &info); }
};

struct Rows {
    int width, height;
    const png_color* palette;  // null: RGB rows
    int paletteSize;
    const unsigned char* indices;
    const QImage* image;
    unsigned char* rgb;  // one RGB row of scratch space
    int dpmX, dpmY;
};

// All libpng work happens here: libpng reports errors by jumping back to the
// setjmp, so this frame holds nothing that needs destroying.
bool writePng(png_structp png, png_infop info, FILE* f, const Rows& r)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_init_io(png, f);
    png_set_IHDR(png, info, static_cast<png_uint_32>(r.width), static_cast<png_uint_32>(r.height), 8,
                 r.palette ? PNG_COLOR_TYPE_PALETTE : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (r.palette) {
        png_set_PLTE(png, info, r.palette, r.paletteSize);
        png_set_filter(png, 0, PNG_FILTER_NONE);
    } else {
        png_set_filter(png, 0, PNG_FILTER_SUB);
    }
    png_set_compression_level(png, 1);
    if (r.dpmX > 0 && r.dpmY > 0)
        png_set_pHYs(png, info, static_cast<png_uint_32>(r.dpmX), static_cast<png_uint_32>(r.dpmY),
                     PNG_RESOLUTION_METER);
    png_write_info(png, info);
    for (int y = 0; y < r.height; ++y) {
        if (r.palette) {
            png_write_row(png, r.indices + static_cast<size_t>(y) * static_cast<size_t>(r.width));
            continue;
        }
        const QRgb* row = reinterpret_cast<const QRgb*>(r.image->constScanLine(y));
        for (int x = 0; x < r.width; ++x) {
            r.rgb[3 * static_cast<size_t>(x)] = static_cast<unsigned char>(qRed(row[x]));
            r.rgb[3 * static_cast<size_t>(x) + 1] = static_cast<unsigned char>(qGreen(row[x]));
            r.rgb[3 * static_cast<size_t>(x) + 2] = static_cast<unsigned char>(qBlue(row[x]));
        }
        png_write_row(png, r.rgb);
    }
    png_write_end(png, nullptr);
    return true;
}

}  // namespace

bool PngWriter::Write(const QImage& source, const char* path)
{
    if (source.isNull() || !path)
        return false;
    const QImage img = source.format() == QImage::Format_RGB32 || source.format() == QImage::Format_ARGB32
                           ? source
                           : source.convertToFormat(QImage::Format_RGB32);
    std::vector<QRgb> palette;
    std::vector<unsigned char> indices;
    std::vector<png_color> pal;
    if (buildPalette(img, palette, indices)) {
        for (QRgb c : palette)
            pal.push_back(png_color{static_cast<png_byte>(qRed(c)), static_cast<png_byte>(qGreen(c)),
                                    static_cast<png_byte>(qBlue(c))});
    }
    std::vector<unsigned char> rgb(pal.empty() ? static_cast<size_t>(img.width()) * 3 : 0);
    const Rows rows{img.width(), img.height(), pal.empty() ? nullptr : pal.data(), static_cast<int>(pal.size()),
                    indices.data(), &img, rgb.data(), img.dotsPerMeterX(), img.dotsPerMeterY()};

    FILE* f = std::fopen(path, "wb");
    if (!f)
        return false;
    bool ok = false;
    {
        PngHandles h;
        h.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
        h.info = h.png ? png_create_info_struct(h.png) : nullptr;
        ok = h.info && writePng(h.png, h.info, f, rows);
    }
    return (std::fclose(f) == 0) && ok;
}
