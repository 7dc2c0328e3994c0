#include "platform/gdi/PngWriter.h"

#include "platform/core/AtomicFile.h"

#include <QImage>

#include <libdeflate.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

// The palette of the image when it holds at most 256 colours, and the
// scanlines as PNG wants them (filter byte 0, then one index a pixel);
// false when there are more colours.
// Grows a scratch buffer without clearing what it already holds: every
// byte of it is written before it is read.
void ensure(std::vector<unsigned char>& v, size_t n)
{
    if (v.size() < n)
        v.resize(n);
}

bool palettedRows(const QImage& img, std::vector<QRgb>& palette, std::vector<unsigned char>& rows)
{
    std::unordered_map<QRgb, unsigned char> index;
    const size_t w = static_cast<size_t>(img.width());
    ensure(rows, (w + 1) * static_cast<size_t>(img.height()));
    unsigned char* out = rows.data();
    QRgb last = 0;
    unsigned char lastIndex = 0;
    bool haveLast = false;
    for (int y = 0; y < img.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        *out++ = 0;
        for (size_t x = 0; x < w; ++x) {
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
            *out++ = lastIndex;
        }
    }
    return true;
}

void rgbRows(const QImage& img, std::vector<unsigned char>& rows)
{
    const size_t w = static_cast<size_t>(img.width());
    ensure(rows, (3 * w + 1) * static_cast<size_t>(img.height()));
    unsigned char* out = rows.data();
    for (int y = 0; y < img.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        *out++ = 0;
        for (size_t x = 0; x < w; ++x) {
            *out++ = static_cast<unsigned char>(qRed(row[x]));
            *out++ = static_cast<unsigned char>(qGreen(row[x]));
            *out++ = static_cast<unsigned char>(qBlue(row[x]));
        }
    }
}

void put32(std::vector<unsigned char>& b, std::uint32_t v)
{
    b.push_back(static_cast<unsigned char>(v >> 24));
    b.push_back(static_cast<unsigned char>(v >> 16));
    b.push_back(static_cast<unsigned char>(v >> 8));
    b.push_back(static_cast<unsigned char>(v));
}

// One chunk: length, type, data, CRC of type and data.
void chunk(std::vector<unsigned char>& out, const char type[4], const unsigned char* data, size_t n)
{
    put32(out, static_cast<std::uint32_t>(n));
    const size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data, data + n);
    put32(out, libdeflate_crc32(0, out.data() + start, n + 4));
}

struct CompressorDeleter {
    void operator()(libdeflate_compressor* c) const { libdeflate_free_compressor(c); }
};

}  // namespace

bool PngWriter::Write(const QImage& image, const char* path)
{
    std::string bytes;
    CString error;
    return path && Encode(image, bytes) && AtomicFile::WriteBytes(path, bytes, error);
}

bool PngWriter::Encode(const QImage& source, std::string& result)
{
    result.clear();
    if (source.isNull())
        return false;
    const QImage img = source.format() == QImage::Format_RGB32 || source.format() == QImage::Format_ARGB32
                           ? source
                           : source.convertToFormat(QImage::Format_RGB32);
    // Scratch buffers kept by each thread from one image to the next: a
    // batch encodes thousands of images of one size, and clearing and
    // faulting in fresh megabytes for each cost more than compressing them.
    thread_local std::vector<unsigned char> rows, packed;
    thread_local std::unique_ptr<libdeflate_compressor, CompressorDeleter> comp(libdeflate_alloc_compressor(1));
    if (!comp)
        return false;
    std::vector<QRgb> palette;
    const bool paletted = palettedRows(img, palette, rows);
    if (!paletted)
        rgbRows(img, rows);
    const size_t w = static_cast<size_t>(img.width()), h = static_cast<size_t>(img.height());
    const size_t rowBytes = (paletted ? (w + 1) : (3 * w + 1)) * h;
    ensure(packed, libdeflate_zlib_compress_bound(comp.get(), rowBytes));
    const size_t packedSize = libdeflate_zlib_compress(comp.get(), rows.data(), rowBytes, packed.data(),
                                                       packed.size());
    if (packedSize == 0)
        return false;

    std::vector<unsigned char> out;
    out.reserve(packedSize + 1024);
    static const unsigned char signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    out.insert(out.end(), signature, signature + 8);
    std::vector<unsigned char> hdr;
    put32(hdr, static_cast<std::uint32_t>(img.width()));
    put32(hdr, static_cast<std::uint32_t>(img.height()));
    hdr.insert(hdr.end(), {8, static_cast<unsigned char>(paletted ? 3 : 2), 0, 0, 0});
    chunk(out, "IHDR", hdr.data(), hdr.size());
    if (img.dotsPerMeterX() > 0 && img.dotsPerMeterY() > 0) {
        std::vector<unsigned char> phys;
        put32(phys, static_cast<std::uint32_t>(img.dotsPerMeterX()));
        put32(phys, static_cast<std::uint32_t>(img.dotsPerMeterY()));
        phys.push_back(1);  // the unit is the metre
        chunk(out, "pHYs", phys.data(), phys.size());
    }
    if (paletted) {
        std::vector<unsigned char> plte;
        for (QRgb c : palette)
            plte.insert(plte.end(), {static_cast<unsigned char>(qRed(c)), static_cast<unsigned char>(qGreen(c)),
                                     static_cast<unsigned char>(qBlue(c))});
        chunk(out, "PLTE", plte.data(), plte.size());
    }
    chunk(out, "IDAT", packed.data(), packedSize);
    chunk(out, "IEND", nullptr, 0);

    result.assign(reinterpret_cast<const char*>(out.data()), out.size());
    return true;
}
