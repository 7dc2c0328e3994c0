// The profile panel on real images, and the profile file reader.
#include "TestSupport.h"

#include "platform/gdi/CImageDC.h"
#include "profile/ProfileFile.h"
#include "profile/ProfilePanel.h"

#include <gtest/gtest.h>

using testsupport::countNear;

namespace {

ProfileTable readSample()
{
    ProfileTable t;
    CString error;
    EXPECT_TRUE(ProfileFile::Read(TARNEX_SOURCE_DIR "/data/profiles.txt", t, error)) << error.str();
    return t;
}

bool parse(const char* text, ProfileTable& t, CString& error) { return ProfileFile::Parse(text, "p.txt", t, error); }

std::string errorOf(const char* text)
{
    ProfileTable t;
    CString error;
    EXPECT_FALSE(parse(text, t, error)) << text;
    return error.str();
}

}  // namespace

TEST(ProfilePanel, EachProfilesColourLiesAlongItsLine)
{
    const ProfileTable t = readSample();
    ASSERT_EQ(t.Profiles(), 5);
    CRectProf panel;
    ProfilePanel::Load(panel, t);
    CImageDC dc(1400, 900, 150);
    dc.SetViewportOrg(150, 750);
    ProfilePanel::Draw(panel, t, &dc);
    const QImage& img = dc.Image();
    for (int i = 0; i < panel.m_Profs.GetSize(); ++i) {
        const CMyProf& p = panel.m_Profs[i];
        const COLORREF c = ProfilePanel::ColourOf(i);
        const QColor q(GetRValue(c), GetGValue(c), GetBValue(c));
        int onLine = 0;
        for (int k = 0; k < p.m_ptLine.GetSize(); ++k) {
            tagPOINT d = p.m_ptLine[k];
            dc.LPtoDP(&d);
            onLine += countNear(img, d.x, d.y, 3, q, 40) > 0 ? 1 : 0;
        }
        // Dotted and dashed lines leave gaps; most stations still show the pen.
        EXPECT_GT(onLine, p.m_ptLine.GetSize() * 6 / 10) << "profile " << i;
    }
    // The panel's own corner stays white: nothing fills the panel.
    EXPECT_EQ(countNear(img, 150 + 400, 750 - 570, 2, QColor(255, 255, 255), 0), 25);
}

TEST(ProfilePanel, AxesSpanRoundedRangesOfTheData)
{
    const ProfileTable t = readSample();
    CRectProf panel;
    ProfilePanel::Load(panel, t);
    EXPECT_DOUBLE_EQ(panel.m_dXMin, 0.0);
    EXPECT_DOUBLE_EQ(panel.m_dXMax, 1000.0);
    EXPECT_DOUBLE_EQ(panel.m_dYMin, 0.0);
    EXPECT_DOUBLE_EQ(panel.m_dYMax, 400.0);
    EXPECT_FLOAT_EQ(panel.m_XAxis.m_fLength, 160.0f);
    EXPECT_EQ(panel.m_XAxis.m_Labels[1].str(), "200");
    EXPECT_EQ(panel.m_Profs[1].m_nStyle, PS_DASH);
    double lo = 0, hi = 0, step = 0;
    ProfilePanel::NiceRange(3, 3, lo, hi, step);
    EXPECT_LT(lo, 3.0);
    EXPECT_GT(hi, 3.0);
    ProfilePanel::NiceRange(0.012, 0.087, lo, hi, step);
    EXPECT_NEAR(step, 0.02, 1e-15);
    EXPECT_DOUBLE_EQ(lo, 0.0);
    EXPECT_NEAR(hi, 0.1, 1e-12);
}

TEST(ProfileFile, ReadsHeadersCommasAndComments)
{
    ProfileTable t;
    CString error;
    ASSERT_TRUE(parse("# line 3\nx, rho1, rho2\n0, 1.5, 2e1 # first\n\n10,\t-3 , +4\n", t, error)) << error.str();
    EXPECT_EQ(t.positionName, "x");
    ASSERT_EQ(t.names.size(), 2u);
    EXPECT_EQ(t.names[1], "rho2");
    EXPECT_EQ(t.x, (std::vector<double>{0, 10}));
    EXPECT_EQ(t.values[1], (std::vector<double>{20, 4}));
    ASSERT_TRUE(parse("1 2 3\n4 5 6\n", t, error));
    EXPECT_EQ(t.positionName, "");
    EXPECT_EQ(t.names[0], "剖面 1");
    EXPECT_EQ(t.Profiles(), 2);
}

TEST(ProfileFile, RefusesBadInputNamingLineAndColumn)
{
    EXPECT_EQ(errorOf("x a b\n1 2 3\n4 five 6\n"), "p.txt:3: column 3: \"five\" is not a number");
    EXPECT_EQ(errorOf("1 2 3\n4 5\n"), "p.txt:2: column 4: short row: 2 numbers where 3 are expected");
    EXPECT_EQ(errorOf("1 2\n4 5 6\n"), "p.txt:2: column 5: long row: 3 numbers where 2 are expected");
    EXPECT_EQ(errorOf("# only words\nx a b\n"), "p.txt: no data: the file holds no rows of numbers");
    EXPECT_EQ(errorOf(""), "p.txt: no data: the file holds no rows of numbers");
    EXPECT_EQ(errorOf("1\n"), "p.txt:1: column 1: a row needs the position and at least one profile's value");
    EXPECT_EQ(errorOf("x a\n1 2\ny b\n"), "p.txt:3: column 1: \"y\" is not a number");
    EXPECT_EQ(errorOf("1 nan\n"), "p.txt:1: column 3: \"nan\" is not a number");
    EXPECT_EQ(errorOf("1 1e999\n"), "p.txt:1: column 3: \"1e999\" is out of range");
    std::string wide = "0";
    for (int i = 0; i <= ProfileFile::kMaxProfiles; ++i)
        wide += " 1";
    EXPECT_NE(errorOf(wide.c_str()).find("more than 64 profiles"), std::string::npos);
    ProfileTable t;
    CString binary;
    EXPECT_FALSE(ProfileFile::Parse(std::string("1 2\0 3\n", 7), "p.txt", t, binary));
    EXPECT_EQ(binary.str(), "p.txt: not a text file (it holds a NUL byte)");

    ProfileTable untouched;
    untouched.x = {42};
    CString error;
    EXPECT_FALSE(ProfileFile::Read("/nonexistent/p.txt", untouched, error));
    EXPECT_NE(error.str().find("cannot open /nonexistent/p.txt"), std::string::npos);
    EXPECT_EQ(untouched.x, std::vector<double>{42});
}
