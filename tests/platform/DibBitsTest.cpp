// Device-independent bitmaps: every depth read out and painted back gives
// the colours drawn, headers that cannot be honoured are refused, and
// contexts report the depth and palette capability they were made with.
#include "platform/gdi/CImageDC.h"
#include "platform/gdi/DibBits.h"

#include <QImage>
#include <gtest/gtest.h>

#include <vector>

TEST(DibBits, EveryDepthRoundTripsThroughAPaletteOrTrueColour)
{
    CImageDC src(8, 3);
    src.FillSolidRect(0, 0, 4, 3, RGB(255, 0, 0));
    src.FillSolidRect(4, 0, 4, 1, RGB(0, 0, 0));
    CDC mem;
    ASSERT_TRUE(mem.CreateCompatibleDC(&src));
    CBitmap bmp;
    ASSERT_TRUE(bmp.CreateCompatibleBitmap(&src, 8, 3));
    CBitmap* old = mem.SelectObject(&bmp);
    mem.BitBlt(0, 0, 8, 3, &src, 0, 0, SRCCOPY);
    mem.SelectObject(old);

    for (const int bits : {1, 4, 8, 16, 24, 32}) {
        SCOPED_TRACE(bits);
        std::vector<unsigned char> block(sizeof(BITMAPINFOHEADER) + 256 * 4 + 3 * 32);
        auto* bmi = reinterpret_cast<BITMAPINFO*>(block.data());
        bmi->bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        bmi->bmiHeader.biWidth = 8;
        bmi->bmiHeader.biHeight = bits == 16 ? -3 : 3;  // one top-down case
        bmi->bmiHeader.biPlanes = 1;
        bmi->bmiHeader.biBitCount = static_cast<WORD>(bits);
        void* pixels = block.data() + sizeof(BITMAPINFOHEADER) + 256 * 4;
        // The stock palette of 20 colours holds pure red, black and white.
        ASSERT_EQ(GetDIBits(&src, &bmp, 0, 3, pixels, bmi, DIB_RGB_COLORS), 3);
        EXPECT_EQ(bmi->bmiHeader.biSizeImage, dib::RowBytes(8, bits) * 3);
        const QImage back = dib::ToImage(bmi, pixels, 0, 3);
        ASSERT_EQ(back.size(), QSize(8, 3));
        // Two colours hold black and maroon; sixteen lack white and take cream.
        const QColor red = bits == 1 ? QColor(128, 0, 0) : QColor(255, 0, 0);
        const QColor white = bits == 1 ? QColor(128, 0, 0) : bits == 4 ? QColor(255, 251, 240) : QColor(255, 255, 255);
        EXPECT_EQ(QColor(back.pixel(1, 2)), red);
        EXPECT_EQ(QColor(back.pixel(6, 0)), QColor(0, 0, 0));
        EXPECT_EQ(QColor(back.pixel(6, 2)), white);
    }
}

TEST(DibBits, RefusesWhatItCannotHonour)
{
    CImageDC dc(4, 4);
    CBitmap bmp;
    ASSERT_TRUE(bmp.CreateCompatibleBitmap(&dc, 4, 4));
    std::vector<unsigned char> block(sizeof(BITMAPINFOHEADER) + 64);
    auto* bmi = reinterpret_cast<BITMAPINFO*>(block.data());
    BITMAPINFOHEADER& h = bmi->bmiHeader;
    h = BITMAPINFOHEADER{40, 4, 4, 1, 32, BI_BITFIELDS, 0, 0, 0, 0, 0};
    EXPECT_EQ(GetDIBits(&dc, &bmp, 0, 4, nullptr, bmi, DIB_RGB_COLORS), 0);
    h.biCompression = BI_RGB;
    h.biWidth = 5;  // not the bitmap's size
    EXPECT_EQ(GetDIBits(&dc, &bmp, 0, 4, nullptr, bmi, DIB_RGB_COLORS), 0);
    h.biWidth = 4;
    EXPECT_EQ(GetDIBits(&dc, &bmp, 0, 4, nullptr, bmi, DIB_PAL_COLORS), 0);
    EXPECT_EQ(GetDIBits(&dc, &bmp, 0, 4, nullptr, bmi, DIB_RGB_COLORS), 1);
    // Painting from a header beyond the size caps draws nothing.
    h.biWidth = 40000;
    EXPECT_EQ(SetDIBitsToDevice(&dc, 0, 0, 4, 4, 0, 0, 0, 4, block.data(), bmi, DIB_RGB_COLORS), 0);
    EXPECT_EQ(StretchDIBits(&dc, 0, 0, 8, 8, 0, 0, 4, 4, block.data(), bmi, DIB_RGB_COLORS, SRCCOPY), 0);
}

TEST(DibBits, ContextsReportDepthPlanesAndPaletteCapability)
{
    CImageDC screen(4, 4);
    EXPECT_EQ(screen.GetDeviceCaps(BITSPIXEL), 32);
    EXPECT_EQ(screen.GetDeviceCaps(PLANES), 1);
    EXPECT_FALSE(screen.GetDeviceCaps(RASTERCAPS) & RC_PALETTE);
    PALETTEENTRY e[10];
    EXPECT_EQ(GetSystemPaletteEntries(&screen, 0, 4, e), 0u);
    EXPECT_FALSE(screen.SetBitsPixel(12));
    ASSERT_TRUE(screen.SetBitsPixel(8));
    EXPECT_TRUE(screen.GetDeviceCaps(RASTERCAPS) & RC_PALETTE);
    EXPECT_EQ(GetSystemPaletteEntries(&screen, 250, 10, e), 6u);
    CDC mem;
    ASSERT_TRUE(mem.CreateCompatibleDC(&screen));
    EXPECT_EQ(mem.GetDeviceCaps(BITSPIXEL), 8);
    CBitmap bmp;
    ASSERT_TRUE(bmp.CreateCompatibleBitmap(&mem, 3, 3));
    BITMAP bm;
    bmp.GetBitmap(&bm);
    EXPECT_EQ(bm.bmBitsPixel, 8);
    EXPECT_EQ(bm.bmWidthBytes, 4);  // device rows pad to 16 bits
}
