#include "platform/gdi/DibBits.h"

#include <QImage>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <unordered_map>

namespace {

bool supportedDepth(int bits) { return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32; }

RGBQUAD* tableOf(BITMAPINFO* bmi)
{
    return reinterpret_cast<RGBQUAD*>(reinterpret_cast<BYTE*>(bmi) + bmi->bmiHeader.biSize);
}
const RGBQUAD* tableOf(const BITMAPINFO* bmi)
{
    return reinterpret_cast<const RGBQUAD*>(reinterpret_cast<const BYTE*>(bmi) + bmi->bmiHeader.biSize);
}

// A header this code can read or fill: sizes within the bitmap limits and a
// pixel block within the byte cap.
bool usableHeader(const BITMAPINFOHEADER& h)
{
    if (h.biSize < sizeof(BITMAPINFOHEADER) || h.biWidth <= 0 || h.biWidth > 32768 || h.biHeight == 0 ||
        h.biHeight < -32768 || h.biHeight > 32768 || !supportedDepth(h.biBitCount) || h.biCompression != BI_RGB)
        return false;
    return dib::RowBytes(h.biWidth, h.biBitCount) * static_cast<std::uint64_t>(std::abs(h.biHeight)) <=
           dib::kMaxImageBytes;
}

// Nearest palette entry by squared distance, remembered per colour.
class Quantiser {
public:
    Quantiser(const std::vector<PALETTEENTRY>& entries, int limit)
        : m_entries(entries.begin(), entries.begin() + std::min<size_t>(entries.size(), static_cast<size_t>(limit)))
    {
    }
    int index(QRgb c)
    {
        if (m_entries.empty())
            return 0;
        const auto hit = m_cache.find(c);
        if (hit != m_cache.end())
            return hit->second;
        int best = 0, bestDist = 1 << 30;
        for (size_t i = 0; i < m_entries.size(); ++i) {
            const int dr = qRed(c) - m_entries[i].peRed, dg = qGreen(c) - m_entries[i].peGreen,
                      db = qBlue(c) - m_entries[i].peBlue;
            const int d = dr * dr + dg * dg + db * db;
            if (d < bestDist) {
                bestDist = d;
                best = static_cast<int>(i);
            }
        }
        m_cache.emplace(c, best);
        return best;
    }

private:
    std::vector<PALETTEENTRY> m_entries;
    std::unordered_map<QRgb, int> m_cache;
};

void encodeRow(const QRgb* src, int width, int bits, BYTE* out, Quantiser& q)
{
    for (int x = 0; x < width; ++x) {
        const QRgb c = src[x];
        switch (bits) {
        case 32:
            out[4 * x] = static_cast<BYTE>(qBlue(c));
            out[4 * x + 1] = static_cast<BYTE>(qGreen(c));
            out[4 * x + 2] = static_cast<BYTE>(qRed(c));
            out[4 * x + 3] = 0;
            break;
        case 24:
            out[3 * x] = static_cast<BYTE>(qBlue(c));
            out[3 * x + 1] = static_cast<BYTE>(qGreen(c));
            out[3 * x + 2] = static_cast<BYTE>(qRed(c));
            break;
        case 16: {
            const unsigned v = (static_cast<unsigned>(qRed(c) >> 3) << 10) | (static_cast<unsigned>(qGreen(c) >> 3) << 5) |
                               static_cast<unsigned>(qBlue(c) >> 3);
            out[2 * x] = static_cast<BYTE>(v & 0xff);
            out[2 * x + 1] = static_cast<BYTE>(v >> 8);
            break;
        }
        default: {  // 1, 4, 8: indices packed from the high bits down
            const int perByte = 8 / bits;
            const int shift = (perByte - 1 - x % perByte) * bits;
            out[x / perByte] = static_cast<BYTE>(out[x / perByte] | (q.index(c) << shift));
        }
        }
    }
}

QRgb decodePixel(const BYTE* row, int x, int bits, const RGBQUAD* table, int tableSize)
{
    switch (bits) {
    case 32: return qRgb(row[4 * x + 2], row[4 * x + 1], row[4 * x]);
    case 24: return qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
    case 16: {
        const unsigned v = row[2 * x] | (static_cast<unsigned>(row[2 * x + 1]) << 8);
        const auto five = [](unsigned f) { return static_cast<int>((f << 3) | (f >> 2)); };
        return qRgb(five((v >> 10) & 31), five((v >> 5) & 31), five(v & 31));
    }
    default: {
        const int perByte = 8 / bits;
        const int shift = (perByte - 1 - x % perByte) * bits;
        const int i = (row[x / perByte] >> shift) & ((1 << bits) - 1);
        // An index past the table shows black, as nothing defines it.
        return i < tableSize ? qRgb(table[i].rgbRed, table[i].rgbGreen, table[i].rgbBlue) : qRgb(0, 0, 0);
    }
    }
}

}  // namespace

int dib::ColorTableEntries(const BITMAPINFOHEADER& h)
{
    if (h.biBitCount > 8)
        return 0;
    const int full = 1 << h.biBitCount;
    return h.biClrUsed > 0 && h.biClrUsed < static_cast<DWORD>(full) ? static_cast<int>(h.biClrUsed) : full;
}

QImage dib::ToImage(const BITMAPINFO* bmi, const void* bits, UINT firstScan, UINT scanCount)
{
    if (!bmi || !bits || !usableHeader(bmi->bmiHeader))
        return QImage();
    const BITMAPINFOHEADER& h = bmi->bmiHeader;
    const int width = h.biWidth, height = std::abs(h.biHeight);
    const auto stride = static_cast<size_t>(RowBytes(width, h.biBitCount));
    QImage img(width, height, QImage::Format_ARGB32);
    if (img.isNull())
        return img;
    img.fill(Qt::transparent);
    const RGBQUAD* table = tableOf(bmi);
    const int tableSize = ColorTableEntries(h);
    const UINT last = static_cast<UINT>(std::min<std::uint64_t>(std::uint64_t{firstScan} + scanCount, static_cast<UINT>(height)));
    for (UINT s = firstScan; s < last; ++s) {
        const BYTE* row = static_cast<const BYTE*>(bits) + static_cast<size_t>(s - firstScan) * stride;
        const int y = h.biHeight > 0 ? height - 1 - static_cast<int>(s) : static_cast<int>(s);
        auto* out = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < width; ++x)
            out[x] = decodePixel(row, x, h.biBitCount, table, tableSize);
    }
    return img;
}

int GetDIBits(HDC hdc, HBITMAP hbm, UINT start, UINT cLines, void* bits, BITMAPINFO* bmi, UINT usage)
{
    if (!hdc || !hbm || !hbm->image() || !bmi || usage != DIB_RGB_COLORS)
        return 0;
    BITMAPINFOHEADER& h = bmi->bmiHeader;
    const QImage& img = *hbm->image();
    if (h.biSize < sizeof(BITMAPINFOHEADER))
        return 0;
    if (h.biBitCount == 0) {
        // Asked for the bitmap's own format.
        h.biWidth = img.width();
        h.biHeight = img.height();
        h.biBitCount = static_cast<WORD>(hbm->BitsPixel());
        h.biCompression = BI_RGB;
    }
    if (!usableHeader(h) || h.biWidth != img.width() || std::abs(h.biHeight) != img.height())
        return 0;
    const int width = img.width(), height = img.height();
    const auto stride = static_cast<size_t>(dib::RowBytes(width, h.biBitCount));
    h.biPlanes = 1;
    h.biSizeImage = static_cast<DWORD>(stride * static_cast<size_t>(height));
    const std::vector<PALETTEENTRY>& pal = hdc->GetCurrentPalette()->Entries();
    if (h.biBitCount <= 8) {
        RGBQUAD* table = tableOf(bmi);
        const int n = dib::ColorTableEntries(h);
        for (int i = 0; i < n; ++i)
            table[i] = i < static_cast<int>(pal.size())
                           ? RGBQUAD{pal[static_cast<size_t>(i)].peBlue, pal[static_cast<size_t>(i)].peGreen,
                                     pal[static_cast<size_t>(i)].peRed, 0}
                           : RGBQUAD{};
    }
    if (!bits)
        return 1;
    if (start >= static_cast<UINT>(height))
        return 0;
    const UINT last = static_cast<UINT>(std::min<std::uint64_t>(std::uint64_t{start} + cLines, static_cast<UINT>(height)));
    const QImage rgb = img.format() == QImage::Format_RGB32 ? img : img.convertToFormat(QImage::Format_RGB32);
    Quantiser q(pal, h.biBitCount <= 8 ? dib::ColorTableEntries(h) : 0);
    for (UINT s = start; s < last; ++s) {
        BYTE* out = static_cast<BYTE*>(bits) + static_cast<size_t>(s - start) * stride;
        std::memset(out, 0, stride);
        const int y = h.biHeight > 0 ? height - 1 - static_cast<int>(s) : static_cast<int>(s);
        encodeRow(reinterpret_cast<const QRgb*>(rgb.constScanLine(y)), width, h.biBitCount, out, q);
    }
    return static_cast<int>(last - start);
}

int SetDIBitsToDevice(HDC hdc, int xDest, int yDest, DWORD w, DWORD h, int xSrc, int ySrc, UINT startScan,
                      UINT cLines, const void* bits, const BITMAPINFO* bmi, UINT usage)
{
    if (!hdc || usage != DIB_RGB_COLORS || w > 32768 || h > 32768)
        return 0;
    const QImage img = dib::ToImage(bmi, bits, startScan, cLines);
    if (img.isNull())
        return 0;
    const int top = bmi->bmiHeader.biHeight > 0 ? img.height() - ySrc - static_cast<int>(h) : ySrc;
    hdc->DrawImage(xDest, yDest, img.copy(xSrc, top, static_cast<int>(w), static_cast<int>(h)));
    return static_cast<int>(cLines);
}

int StretchDIBits(HDC hdc, int xDest, int yDest, int wDest, int hDest, int xSrc, int ySrc, int wSrc, int hSrc,
                  const void* bits, const BITMAPINFO* bmi, UINT usage, DWORD rop)
{
    if (!hdc || usage != DIB_RGB_COLORS || rop != SRCCOPY || wSrc == 0 || hSrc == 0 || wDest == 0 || hDest == 0)
        return 0;
    const QImage img = dib::ToImage(bmi, bits, 0, static_cast<UINT>(std::abs(bmi ? bmi->bmiHeader.biHeight : 0)));
    if (img.isNull() || std::abs(wSrc) > 32768 || std::abs(hSrc) > 32768)
        return 0;
    const int sw = std::abs(wSrc), sh = std::abs(hSrc);
    const int top = bmi->bmiHeader.biHeight > 0 ? img.height() - ySrc - sh : ySrc;
    QImage part = img.copy(std::min(xSrc, xSrc + wSrc + (wSrc < 0 ? 1 : 0)), top, sw, sh);
    // The destination's size on the device, with the mapping's direction.
    CRect dest(xDest, yDest, xDest + wDest, yDest + hDest);
    hdc->LPtoDP(&dest);
    const int dw = std::abs(dest.Width()), dh = std::abs(dest.Height());
    if (dw == 0 || dh == 0 || dw > 32768 || dh > 32768)
        return 0;
    const bool flipX = (wSrc < 0) != (dest.Width() < 0), flipY = (hSrc < 0) != (dest.Height() < 0);
    if (flipX || flipY)
        part = part.mirrored(flipX, flipY);
    const Qt::TransformationMode mode =
        hdc->GetStretchBltMode() == HALFTONE ? Qt::SmoothTransformation : Qt::FastTransformation;
    const QImage scaled = part.scaled(dw, dh, Qt::IgnoreAspectRatio, mode);
    CPoint corner(std::min(dest.left, dest.right), std::min(dest.top, dest.bottom));
    hdc->DPtoLP(&corner);
    hdc->DrawImage(corner.x, corner.y, scaled);
    return sh;
}

HPALETTE SelectPalette(HDC hdc, HPALETTE pal, BOOL forceBackground)
{
    return hdc ? hdc->SelectPalette(pal, forceBackground) : nullptr;
}

UINT RealizePalette(HDC hdc) { return hdc ? hdc->RealizePalette() : 0; }

int SetStretchBltMode(HDC hdc, int mode) { return hdc ? hdc->SetStretchBltMode(mode) : 0; }

UINT GetSystemPaletteEntries(HDC hdc, UINT start, UINT count, PALETTEENTRY* entries)
{
    if (!hdc || !entries || !(hdc->GetDeviceCaps(RASTERCAPS) & RC_PALETTE))
        return 0;
    const auto& sys = CPalette::SystemEntries();
    if (start >= sys.size())
        return 0;
    const UINT n = std::min<UINT>(count, static_cast<UINT>(sys.size()) - start);
    std::copy_n(sys.begin() + start, n, entries);
    return n;
}
