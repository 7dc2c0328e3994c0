// Device-independent bitmaps: the header, colour table and file header
// records, and the calls that read a bitmap's pixels out as DIB rows and
// paint DIB rows back onto a device context, unscaled or stretched.
#pragma once

#include "platform/gdi/CDC.h"

#include <cstdint>

class QImage;

constexpr DWORD BI_RGB = 0;
constexpr DWORD BI_RLE8 = 1;
constexpr DWORD BI_RLE4 = 2;
constexpr DWORD BI_BITFIELDS = 3;
constexpr UINT DIB_RGB_COLORS = 0;
constexpr UINT DIB_PAL_COLORS = 1;

struct BITMAPINFOHEADER {
    DWORD biSize = 0;
    LONG biWidth = 0;
    LONG biHeight = 0;
    WORD biPlanes = 0;
    WORD biBitCount = 0;
    DWORD biCompression = 0;
    DWORD biSizeImage = 0;
    LONG biXPelsPerMeter = 0;
    LONG biYPelsPerMeter = 0;
    DWORD biClrUsed = 0;
    DWORD biClrImportant = 0;
};
static_assert(sizeof(BITMAPINFOHEADER) == 40, "the header is 40 bytes in every DIB");
using LPBITMAPINFOHEADER = BITMAPINFOHEADER*;

struct RGBQUAD {
    BYTE rgbBlue = 0;
    BYTE rgbGreen = 0;
    BYTE rgbRed = 0;
    BYTE rgbReserved = 0;
};

// The colour table follows the header; callers allocate room for it.
struct BITMAPINFO {
    BITMAPINFOHEADER bmiHeader;
    RGBQUAD bmiColors[1];
};
using LPBITMAPINFO = BITMAPINFO*;

#pragma pack(push, 2)
struct BITMAPFILEHEADER {
    WORD bfType = 0;
    DWORD bfSize = 0;
    WORD bfReserved1 = 0;
    WORD bfReserved2 = 0;
    DWORD bfOffBits = 0;
};
#pragma pack(pop)
static_assert(sizeof(BITMAPFILEHEADER) == 14, "the file header is 14 packed bytes");

using HBITMAP = CBitmap*;

namespace dib {
// Largest pixel block the calls below produce or read: 1 GiB.
inline constexpr std::uint64_t kMaxImageBytes = std::uint64_t{1} << 30;
// Bytes of one row: whole 32-bit words.
constexpr std::uint64_t RowBytes(std::int64_t width, int bitCount)
{
    return static_cast<std::uint64_t>((width * bitCount + 31) & ~std::int64_t{31}) / 8;
}
// Colour-table entries a header asks for: biClrUsed, or 2^bits up to 8 bits.
int ColorTableEntries(const BITMAPINFOHEADER& h);
// The pixels of a packed DIB as a top-down image (transparent where the
// scan lines given do not reach); null for a header it cannot read.
QImage ToImage(const BITMAPINFO* bmi, const void* bits, UINT firstScan, UINT scanCount);
}  // namespace dib

// Reads scan lines of hbm (bottom-up when biHeight > 0) at the depth the
// header asks for (1, 4, 8, 16, 24 or 32 bits, BI_RGB only); colour tables
// come from the palette selected into hdc. With bits null it completes the
// header and colour table only. Returns the lines copied (1 for a header
// only), 0 when refused.
int GetDIBits(HDC hdc, HBITMAP hbm, UINT start, UINT cLines, void* bits, BITMAPINFO* bmi, UINT usage);
// Sets pixels 1:1; (xSrc, ySrc) is the source's lower left corner counted
// from the DIB's bottom row. Returns the scan lines given, 0 when refused.
int SetDIBitsToDevice(HDC hdc, int xDest, int yDest, DWORD w, DWORD h, int xSrc, int ySrc, UINT startScan,
                      UINT cLines, const void* bits, const BITMAPINFO* bmi, UINT usage);
// Copies a source rectangle of the DIB (ySrc counted from its bottom row)
// scaled to the destination, by the context's stretching mode: halftone
// smooths, the others keep whole pixels. Only SRCCOPY is done.
int StretchDIBits(HDC hdc, int xDest, int yDest, int wDest, int hDest, int xSrc, int ySrc, int wSrc, int hSrc,
                  const void* bits, const BITMAPINFO* bmi, UINT usage, DWORD rop);

HPALETTE SelectPalette(HDC hdc, HPALETTE pal, BOOL forceBackground);
UINT RealizePalette(HDC hdc);
int SetStretchBltMode(HDC hdc, int mode);
// The screen palette's entries; 0 on a device that is not a palette device.
UINT GetSystemPaletteEntries(HDC hdc, UINT start, UINT count, PALETTEENTRY* entries);
