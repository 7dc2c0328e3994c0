#include "platform/gdi/BmpWriter.h"

#include "platform/core/AtomicFile.h"

#include <QImage>

#include <cstdint>
#include <string>
#include <vector>

namespace {

void Put16(std::vector<unsigned char>& out, uint32_t v)
{
    out.push_back(static_cast<unsigned char>(v & 0xff));
    out.push_back(static_cast<unsigned char>((v >> 8) & 0xff));
}

void Put32(std::vector<unsigned char>& out, uint32_t v)
{
    Put16(out, v & 0xffff);
    Put16(out, v >> 16);
}

}  // namespace

bool BmpWriter::Write(const QImage& image, const char* path)
{
    std::string bytes;
    CString error;
    return path && Encode(image, bytes) && AtomicFile::WriteBytes(path, bytes, error);
}

bool BmpWriter::Encode(const QImage& image, std::string& result)
{
    result.clear();
    if (image.isNull())
        return false;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    const uint64_t w = static_cast<uint64_t>(rgb.width()), h = static_cast<uint64_t>(rgb.height());
    const uint64_t stride = (w * 3 + 3) / 4 * 4;  // rows padded to four bytes
    const uint64_t pixels = stride * h;
    constexpr uint32_t kHeaders = 14 + 40;
    if (pixels + kHeaders > UINT32_MAX)
        return false;
    std::vector<unsigned char> out;
    out.reserve(static_cast<size_t>(kHeaders + pixels));
    out.push_back('B');
    out.push_back('M');
    Put32(out, static_cast<uint32_t>(kHeaders + pixels));
    Put32(out, 0);
    Put32(out, kHeaders);
    Put32(out, 40);  // BITMAPINFOHEADER
    Put32(out, static_cast<uint32_t>(w));
    Put32(out, static_cast<uint32_t>(h));  // positive: bottom-up
    Put16(out, 1);
    Put16(out, 24);
    Put32(out, 0);  // BI_RGB
    Put32(out, static_cast<uint32_t>(pixels));
    Put32(out, static_cast<uint32_t>(image.dotsPerMeterX() > 0 ? image.dotsPerMeterX() : 0));
    Put32(out, static_cast<uint32_t>(image.dotsPerMeterY() > 0 ? image.dotsPerMeterY() : 0));
    Put32(out, 0);
    Put32(out, 0);
    for (uint64_t y = h; y-- > 0;) {
        const unsigned char* row = rgb.constScanLine(static_cast<int>(y));
        for (uint64_t x = 0; x < w; ++x) {  // BGR on disk
            out.push_back(row[x * 3 + 2]);
            out.push_back(row[x * 3 + 1]);
            out.push_back(row[x * 3]);
        }
        out.insert(out.end(), static_cast<size_t>(stride - w * 3), 0);
    }
    result.assign(reinterpret_cast<const char*>(out.data()), out.size());
    return true;
}
