// The drawing surfaces side by side: face substitution, the recording and
// raster backends landing on the same device pixels, and what the vector
// documents hold.
#include "TestSupport.h"

#include "platform/gdi/CFont.h"
#include "platform/gdi/CImageDC.h"
#include "platform/gdi/CRecordingDC.h"
#include "platform/gdi/CVectorDC.h"
#include "platform/gdi/FontResolver.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QRawFont>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>

namespace {

GdiStyle styleWithFace(const char* face)
{
    GdiStyle s;
    std::snprintf(s.font.lfFaceName, LF_FACESIZE, "%s", face);
    s.fontDeviceHeight = 20;
    return s;
}

std::string slurp(const std::string& path)
{
    std::ifstream f(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

// The calls every surface of this test gets: a frame, a cross, a filled
// box and a label, in hundredths of a millimetre at 254 dpi (0.1 mm a pixel).
void DrawSample(CDC& dc)
{
    dc.SetMapMode(MM_HIMETRIC);
    dc.SetWindowOrg(-500, 500);
    CBrush fill(RGB(0, 0, 255));
    CBrush* oldBrush = dc.SelectObject(&fill);
    dc.Rectangle(1000, -1000, 4000, -2500);
    dc.SelectObject(oldBrush);
    CPen red(PS_SOLID, 1, RGB(255, 0, 0));
    CPen* oldPen = dc.SelectObject(&red);
    const POINT cross[] = {{500, -3500}, {5500, -3500}};
    dc.Polyline(cross, 2);
    dc.MoveTo(3000, -300);
    dc.LineTo(3000, -3800);
    dc.SelectObject(oldPen);
    CFont font;
    font.CreatePointFont(240, "Arial", &dc);
    CFont* oldFont = dc.SelectObject(&font);
    dc.TextOut(600, -4200, "垂直 Tarnex");
    dc.SelectObject(oldFont);
}

}  // namespace

TEST(FontResolverFaces, WindowsFacesResolveToInstalledFontsOfCloseMetrics)
{
    struct Case {
        const char* asked;
        const char* family;  // part of the family actually used
    };
    for (const Case& c : {Case{"Times New Roman", "Liberation Serif"}, Case{"Arial", "Liberation Sans"}}) {
        const QFontInfo used(FontResolver::font(styleWithFace(c.asked)));
        EXPECT_NE(used.family().indexOf(QLatin1String(c.family)), -1) << c.asked << " -> "
                                                                       << used.family().toStdString();
    }
    // SimSun by either name, and no face at all, give a font with Chinese glyphs.
    for (const char* face : {"宋体", "SimSun", ""}) {
        const QRawFont raw = QRawFont::fromFont(FontResolver::font(styleWithFace(face)));
        EXPECT_TRUE(raw.supportsCharacter(QChar(0x5782))) << face;  // 垂
    }
    EXPECT_STRNE(FontResolver::defaultFace(), "");
}

// Text asked for in "Times New Roman" is measured and drawn in the serif
// face that stands for it, not in a sans face of the same size.
TEST(FontResolverFaces, TimesNewRomanTextIsMeasuredInTheSerifFace)
{
    CRecordingDC dc(96, CSize(400, 100));
    LOGFONT lf{};
    lf.lfHeight = -40;
    std::snprintf(lf.lfFaceName, LF_FACESIZE, "%s", "Times New Roman");
    CFont font;
    font.CreateFontIndirect(&lf);
    CFont* old = dc.SelectObject(&font);
    const char* const text = "Wavy marsh, quiet lynx";
    dc.TextOut(0, 0, text);
    dc.SelectObject(old);
    const auto runs = testsupport::textOps(dc);
    ASSERT_EQ(runs.size(), 1u);
    const int em = std::abs(runs[0]->style.fontDeviceHeight);
    ASSERT_GT(em, 0);
    QFont serif(QStringLiteral("Liberation Serif")), sans(QStringLiteral("Liberation Sans"));
    serif.setPixelSize(em);
    sans.setPixelSize(em);
    const double serifWidth = QFontMetricsF(serif).horizontalAdvance(QString::fromUtf8(text));
    const double sansWidth = QFontMetricsF(sans).horizontalAdvance(QString::fromUtf8(text));
    ASSERT_GT(std::fabs(serifWidth - sansWidth), 5.0) << "the two faces must tell apart";
    EXPECT_NEAR(runs[0]->width, serifWidth, 1.0);
}

TEST(BackendParity, RecordedDeviceGeometryIsWhereTheRasterPixelsLand)
{
    CRecordingDC rec(254, CSize(600, 700));
    CImageDC img(600, 700, 254);
    DrawSample(rec);
    DrawSample(img);
    const QImage& px = img.Image();
    const auto lines = testsupport::opsOfKind(rec, GdiOp::Kind::Polyline);
    ASSERT_EQ(lines.size(), 2u);
    // The cross: 0.1 mm a pixel, the origin 5 mm in; both lines red where the
    // recording put them, on the device points it computed.
    EXPECT_EQ(lines[0]->device, (std::vector<CPoint>{CPoint(100, 400), CPoint(600, 400)}));
    EXPECT_EQ(lines[1]->device, (std::vector<CPoint>{CPoint(350, 80), CPoint(350, 430)}));
    for (const GdiOp* op : lines) {
        const CPoint a = op->device[0], b = op->device[1];
        for (int k = 0; k < 10; ++k) {
            const int x = a.x + (b.x - a.x) * k / 10, y = a.y + (b.y - a.y) * k / 10;
            EXPECT_EQ(testsupport::countNear(px, x, y, 0, QColor(255, 0, 0), 30), 1) << x << "," << y;
        }
    }
    const auto boxes = testsupport::opsOfKind(rec, GdiOp::Kind::Rectangle);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0]->device, (std::vector<CPoint>{CPoint(150, 150), CPoint(450, 300)}));
    EXPECT_EQ(px.pixelColor(200, 200), QColor(0, 0, 255));
    EXPECT_EQ(px.pixelColor(150, 200), QColor(0, 0, 0));  // outline on the left edge
    EXPECT_EQ(px.pixelColor(148, 200), QColor(255, 255, 255));
    // The label's ink lies inside the run the recording measured.
    const GdiOp* text = testsupport::findText(rec, "垂直 Tarnex");
    ASSERT_NE(text, nullptr);
    const QRect run(static_cast<int>(text->originX), static_cast<int>(text->originY - text->ascent),
                    static_cast<int>(text->width) + 1, static_cast<int>(text->ascent + text->descent) + 1);
    int inside = 0, outside = 0;
    for (int y = 440; y < 700; ++y)
        for (int x = 0; x < 600; ++x)
            if (px.pixelColor(x, y).lightness() < 100)
                (run.contains(x, y) ? inside : outside)++;
    EXPECT_GT(inside, 100);
    EXPECT_EQ(outside, 0);
}

TEST(VectorDocuments, HoldTheTextsAndPathsDrawnNotJustAHeader)
{
    const std::string dir = testsupport::tempDir();
    const std::string svg = dir + "/s.svg", pdf = dir + "/s.pdf";
    {
        CVectorDC dc(CVectorDC::Format::Svg, svg.c_str(), 60, 50, 254);
        ASSERT_TRUE(dc.IsValid());
        DrawSample(dc);
        ASSERT_TRUE(dc.Finish());
    }
    const std::string s = slurp(svg);
    // Runs of one font each: the Chinese falls back to a CJK face.
    EXPECT_NE(s.find(">垂直"), std::string::npos);
    EXPECT_NE(s.find("Tarnex</text>"), std::string::npos);
    EXPECT_NE(s.find("#ff0000"), std::string::npos);  // the red pen's lines
    EXPECT_NE(s.find("#0000ff"), std::string::npos);  // the box's fill
    EXPECT_NE(s.find("<path") == std::string::npos ? s.find("<polyline") : s.find("<path"), std::string::npos);
    {
        CVectorDC dc(CVectorDC::Format::Pdf, pdf.c_str(), 60, 50, 254);
        ASSERT_TRUE(dc.IsValid());
        DrawSample(dc);
        ASSERT_TRUE(dc.Finish());
    }
    const std::string p = slurp(pdf);
    EXPECT_EQ(p.rfind("%PDF-", 0), 0u);
    // Both faces used are embedded, and the page draws with them.
    EXPECT_NE(p.find("/FontFile"), std::string::npos);
    EXPECT_NE(p.find("Liberation"), std::string::npos);
    EXPECT_NE(p.find("/Font"), std::string::npos);
}
