// Loading samples, the common value range, and the sounding file reader.
#include "SoundingCharts.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

TEST(CDrawRPCurveData, CopiesTheSamplesAndTakesTheCountFromTheAbscissa)
{
    CDrawRPCurve c;
    EXPECT_EQ(c.m_nDisModel, 1);
    EXPECT_EQ(c.m_lOrgX, -1000);
    EXPECT_EQ(c.m_lOrgY, 2000);
    EXPECT_FLOAT_EQ(c.m_fMarkHalf, 60.0f);
    Load(c, {1, 2, 3, 4, 5}, {5, 6, 7, 8, 9, 10, 11}, {3, 4, 5, 6, 7}, {1, 1, 1, 1, 1}, {2, 2, 2, 2, 2});
    EXPECT_EQ(c.m_nCount, 5);
    EXPECT_EQ(c.m_fR.GetSize(), 7);  // each copy keeps the size of its source
    EXPECT_EQ(c.m_fV.GetSize(), 5);
    EXPECT_EQ(c.m_RPoints.GetSize(), 5);
    EXPECT_EQ(c.m_VFwdRects.GetSize(), 5);
    EXPECT_FLOAT_EQ(c.m_fMaxY, 9.0f);  // elements beyond n are not folded in
    EXPECT_FLOAT_EQ(c.m_fMinY, 1.0f);
}

TEST(CDrawRPCurveData, TheValueRangeStartsFromTheFirstMeasuredVAndSkipsCurvesOfZeros)
{
    struct Case {
        const char* what;
        std::initializer_list<float> x, r, v, fwd;
        float minX, maxX, minY, maxY;
    };
    const Case cases[] = {
        {"abscissa of zeros keeps its range", {0, 0}, {1, 2}, {3, 4}, {1, 8}, -7, -7, 1, 8},
        {"all values zero", {1, 2}, {0, 0}, {0, 0}, {0, 0}, 1, 2, 0, 0},
        {"measured V of zeros still starts the range", {1, 2}, {20, 30}, {0, 0}, {1, 8}, 1, 2, 0, 30},
        {"data beyond n only: the first n zeros count", {1, 2}, {0, 0, 900}, {5, 6}, {5, 6}, 1, 2, 0, 6},
        {"a negative value is data", {3, 2}, {-3, 0}, {5, 6}, {1, 8}, 2, 3, -3, 8},
    };
    for (const Case& k : cases) {
        CDrawRPCurve c;
        c.m_fMinX = c.m_fMaxX = -7;
        Load(c, k.x, k.r, k.v, k.fwd, k.fwd);
        EXPECT_EQ(c.m_fMinX, k.minX) << k.what;
        EXPECT_EQ(c.m_fMaxX, k.maxX) << k.what;
        EXPECT_EQ(c.m_fMinY, k.minY) << k.what;
        EXPECT_EQ(c.m_fMaxY, k.maxY) << k.what;
    }
    CDrawRPCurve c;
    auto empty = Floats({}), nan = Floats({0, std::nanf("")}), neg = Floats({0, -1e-30f});
    EXPECT_FALSE(c.SampleIsNotZero(empty));
    EXPECT_TRUE(c.SampleIsNotZero(nan));
    EXPECT_TRUE(c.SampleIsNotZero(neg));
}

namespace {

// Reads a file of the given content into four rows of buffers preset to -1.
struct Rows {
    float c[5][4];
    float at(int row, int col) const { return c[col][row]; }
};

Rows Read(const std::string& path, int n)
{
    Rows rows;
    for (auto& col : rows.c)
        for (float& f : col)
            f = -1;
    CDrawRPCurve chart;
    chart.ReadData(path.c_str(), rows.c[0], rows.c[1], rows.c[2], rows.c[3], rows.c[4], n);
    return rows;
}

Rows ReadText(const char* content, int n = 3) { return Read(testsupport::writeFile("s.dat", content), n); }

}  // namespace

TEST(CDrawRPCurveData, ReadsFiveNumbersARowWhateverTheLineBreaks)
{
    for (const char* text : {"1 2 3 4 5\n6 7 8 9 10\n11 12 13 14 15\n", "1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\n12\n13\n14\n15",
                             "1 2\n3 4 5 6 7 8 9 10 11 12\n13 14 15 16 17 18 19 20"}) {
        const Rows rows = ReadText(text);
        for (int i = 0; i < 15; ++i)
            EXPECT_EQ(rows.at(i / 5, i % 5), i + 1.0f) << text;
        EXPECT_EQ(rows.at(3, 0), -1.0f);  // only n rows are read
    }
    const Rows signs = ReadText("-1.5e2 +3 .5 7 8", 1);
    EXPECT_EQ(signs.at(0, 0), -150.0f);
    EXPECT_EQ(signs.at(0, 2), 0.5f);
}

TEST(CDrawRPCurveData, ShortRowsTextAndMissingFilesEndTheReadingLeavingTheRest)
{
    const Rows shortRow = ReadText("1 2 3 4 5 6 7");
    EXPECT_EQ(shortRow.at(1, 1), 7.0f);
    EXPECT_EQ(shortRow.at(1, 2), -1.0f);
    const Rows text = ReadText("1 2 3 4 5 6 seven 8 9 10 11 12 13 14 15");
    EXPECT_EQ(text.at(1, 0), 6.0f);
    EXPECT_EQ(text.at(1, 1), -1.0f);
    EXPECT_EQ(text.at(2, 0), -1.0f);  // no number after the text is read
    for (const Rows& none : {ReadText(""), ReadText("1 2 3 4 5", 0), ReadText("1 2 3 4 5", -4),
                             Read("/no/such/dir/s.dat", 3), Read(testsupport::tempDir(), 3)})
        EXPECT_EQ(none.at(0, 0), -1.0f);
    if (geteuid() != 0) {  // a file the user may not write is not opened
        const std::string path = testsupport::writeFile("ro.dat", "1 2 3 4 5");
        chmod(path.c_str(), 0444);
        EXPECT_EQ(Read(path, 1).at(0, 0), -1.0f);
    }
}

namespace {
CString g_filter;
std::string g_choice;
BOOL Choose(LPCTSTR filter, CString& path)
{
    g_filter = filter;
    path = g_choice.c_str();
    return !g_choice.empty();
}
}  // namespace

TEST(CDrawRPCurveData, OpenFileReadsTwentyThreeRowsOfTheChosenFileAndKeepsTheChart)
{
    std::string text;
    for (int i = 1; i <= 24 * 5; ++i)
        text += std::to_string(i) + (i % 5 ? " " : "\n");
    g_choice = testsupport::writeFile("open.dat", text);
    CDrawRPCurve c;
    LoadReference(c);
    c.OpenFile();  // no dialog installed: nothing asked, nothing read
    EXPECT_TRUE(g_filter.IsEmpty());
    CDrawRPCurve::s_pfnChooseFile = Choose;
    c.OpenFile();
    CDrawRPCurve::s_pfnChooseFile = nullptr;
    EXPECT_EQ(g_filter, CDrawRPCurve::kFileFilter);
    EXPECT_EQ(c.m_nCount, 4);
    EXPECT_FLOAT_EQ(c.m_fX[3], 1000.0f);

    float cols[5][CDrawRPCurve::kOpenFileRows] = {};
    c.ReadFileRows(g_choice.c_str(), cols);
    EXPECT_EQ(cols[0][0], 1.0f);
    EXPECT_EQ(cols[4][22], 115.0f);  // row 23; row 24 is not read
}
