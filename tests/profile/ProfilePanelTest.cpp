// The profile panel on real images.
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
    EXPECT_DOUBLE_EQ(panel.m_dYMax, 150.0);
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
