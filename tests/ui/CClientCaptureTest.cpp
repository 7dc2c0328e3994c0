// The capture's packed bitmap and BMP file for surfaces of 32, 24 and 8 bits
// a pixel, the copy from the surface's origin, and painting it back.
#include "TestSupport.h"

#include "platform/gdi/CImageDC.h"
#include "ui/CClientCapture.h"

#include <QImage>
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

struct CClientCaptureInternals {
    static void* ddbToDib(CClientCapture& c, CBitmap& b, DWORD compression, CDC* dc)
    {
        return c.DDBToDIB(b, compression, nullptr, dc);
    }
};

namespace {

const QColor kRed(255, 0, 0), kGreen(0, 255, 0), kWhite(255, 255, 255);

// A white surface with a red square at its origin and a green one that only
// the rectangle (10, 10, 110, 60) would reach, not the origin's 100 x 50.
struct Surface {
    CImageDC dc{200, 100};
    explicit Surface(int bits)
    {
        EXPECT_TRUE(dc.SetBitsPixel(bits));
        dc.FillSolidRect(0, 0, 10, 10, RGB(255, 0, 0));
        dc.FillSolidRect(100, 50, 10, 10, RGB(0, 255, 0));
    }
};

std::vector<unsigned char> readAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
}

std::uint32_t le32(const std::vector<unsigned char>& b, size_t at)
{
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

}  // namespace

TEST(CClientCapture, PackedBitmapAndFileFollowTheSurfaceDepth)
{
    struct Case {
        int bits;
        DWORD imageSize;
        size_t offBits;
    };
    // 100 pixels make rows of 400, 300 and 100 bytes.
    for (const Case c : {Case{32, 20000, 54}, Case{24, 15000, 54}, Case{8, 5000, 1078}}) {
        SCOPED_TRACE(c.bits);
        Surface s(c.bits);
        CClientCapture cap;
        cap.Capture(&s.dc, CRect(10, 10, 110, 60));
        ASSERT_NE(cap.m_hDIB, nullptr);
        const BITMAPINFOHEADER& h = *cap.m_pBMI;
        EXPECT_EQ(static_cast<void*>(cap.m_pBMI), cap.m_hDIB);
        EXPECT_EQ(h.biSize, 40u);
        EXPECT_EQ(h.biWidth, 100);
        EXPECT_EQ(h.biHeight, 50);
        EXPECT_EQ(h.biPlanes, 1);
        EXPECT_EQ(h.biBitCount, c.bits);
        EXPECT_EQ(h.biCompression, BI_RGB);
        EXPECT_EQ(h.biSizeImage, c.imageSize);
        EXPECT_EQ(h.biClrUsed, 0u);
        EXPECT_EQ(static_cast<unsigned char*>(cap.m_pBits) - static_cast<unsigned char*>(cap.m_hDIB),
                  static_cast<long>(c.offBits - 14));
        // The palette is taken from the screen only on a palette device: 255 entries asked.
        EXPECT_EQ(cap.m_Palette.GetEntryCount(), c.bits == 8 ? 255 : 0);

        const std::string path = testsupport::tempDir() + "/cap.bmp";
        ASSERT_TRUE(cap.WriteDIB(path.c_str()));
        const auto file = readAll(path);
        ASSERT_EQ(file.size(), c.offBits + c.imageSize);
        EXPECT_EQ(file[0], 'B');
        EXPECT_EQ(file[1], 'M');
        EXPECT_EQ(le32(file, 2), file.size());
        EXPECT_EQ(le32(file, 6), 0u);
        EXPECT_EQ(le32(file, 10), c.offBits);

        // An ordinary reader sees the origin's pixels: red at the top left, no green.
        QImage img(QString::fromStdString(path));
        ASSERT_FALSE(img.isNull());
        EXPECT_EQ(img.size(), QSize(100, 50));
        EXPECT_EQ(QColor(img.pixel(2, 2)), kRed);
        EXPECT_EQ(QColor(img.pixel(50, 25)), kWhite);
        EXPECT_EQ(testsupport::countColour(img, kGreen, 10), 0);
    }
}

TEST(CClientCapture, NothingHeldMeansNoFileAndNoPaint)
{
    const std::string dir = testsupport::tempDir();
    CClientCapture cap;
    EXPECT_FALSE(cap.WriteDIB((dir + "/before.bmp").c_str()));
    EXPECT_FALSE(std::filesystem::exists(dir + "/before.bmp"));

    Surface s(24);
    cap.Capture(&s.dc, CRect(0, 0, 100, 50));
    EXPECT_FALSE(cap.WriteDIB((dir + "/no/such/folder.bmp").c_str()));
    cap.Release();
    EXPECT_EQ(cap.m_hDIB, nullptr);
    EXPECT_EQ(cap.m_pBits, nullptr);
    EXPECT_FALSE(cap.WriteDIB((dir + "/after.bmp").c_str()));
    EXPECT_FALSE(std::filesystem::exists(dir + "/after.bmp"));
    CImageDC out(50, 50);
    CRect r(0, 0, 10, 10);
    EXPECT_FALSE(cap.Paint(&out, nullptr, &r, &r));

    // An empty area makes no bitmap rather than a broken one.
    cap.Capture(&s.dc, CRect(0, 0, 0, 50));
    EXPECT_EQ(cap.m_hDIB, nullptr);
}

TEST(CClientCapture, BitfieldsConversionIsRefused)
{
    Surface s(32);
    CBitmap bmp;
    ASSERT_TRUE(bmp.CreateCompatibleBitmap(&s.dc, 4, 4));
    CClientCapture cap;
    EXPECT_EQ(CClientCaptureInternals::ddbToDib(cap, bmp, BI_BITFIELDS, &s.dc), nullptr);
    EXPECT_NE(CClientCaptureInternals::ddbToDib(cap, bmp, BI_RGB, &s.dc), nullptr);
}

TEST(CClientCapture, PaintCopiesEqualSizesAndStretchesOthersWithWholePixels)
{
    Surface s(24);
    CClientCapture cap;
    cap.Capture(&s.dc, CRect(0, 0, 100, 50));

    // Equal sizes: the DIB rectangle's top rows (the red square) land at the
    // destination's top, which a stretch from the rectangle's top counted
    // from the bottom row would miss.
    CImageDC same(120, 60);
    CRect dcRect(5, 5, 105, 45), dibRect(0, 0, 100, 40);
    EXPECT_TRUE(cap.Paint(&same, nullptr, &dcRect, &dibRect));
    EXPECT_EQ(same.GetStretchBltMode(), COLORONCOLOR);
    EXPECT_EQ(QColor(same.Image().pixel(7, 7)), kRed);
    EXPECT_EQ(QColor(same.Image().pixel(4, 4)), kWhite);

    CImageDC big(220, 120);
    cap.OnDraw(&big, CRect(0, 0, 200, 100), CRect(0, 0, 100, 50));
    const QImage& img = big.Image();
    EXPECT_EQ(QColor(img.pixel(19, 19)), kRed);
    EXPECT_EQ(QColor(img.pixel(21, 21)), kWhite);
    // Whole pixels: nothing in between red and white.
    EXPECT_EQ(testsupport::countColour(img, kRed, 0) + testsupport::countColour(img, kWhite, 0), 220 * 120);
    EXPECT_EQ(testsupport::countColour(img, kRed, 0), 400);
}
