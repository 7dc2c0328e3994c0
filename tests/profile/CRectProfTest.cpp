#include "TestSupport.h"

#include "../axis/DialogDriver.h"
#include "platform/wnd/CDialog.h"
#include "profile/CRectProf.h"
#include "res/resource.h"

#include <gtest/gtest.h>

using namespace dialogdriver;
using testsupport::opsOfKind;

namespace {

// 120 by 80 mm at ten units a millimetre, for values 0..120 and 0..50.
CRectProf panelOfWorkedExample()
{
    CRectProf p;
    p.IntRect(0, 800, 1200, 0, 10);
    p.Reset(0, 120, 0, 50);
    return p;
}

}  // namespace

TEST(CRectProf, RectangleAloneMapsValuesToTheirOwnCoordinates)
{
    CRectProf p;
    p.IntRect(0, 800, 1200, 0, 10);
    EXPECT_EQ(p.m_rcPanel, CRect(0, 0, 1200, 800));
    EXPECT_EQ(p.m_nOrgY, 0);
    EXPECT_EQ(p.m_nHeight, 800);
    EXPECT_DOUBLE_EQ(p.m_dXScale, 10.0);
    EXPECT_DOUBLE_EQ(p.m_dYScale, 10.0);
    const double v[] = {100};
    p.Add_a_prof(v, v, 1);
    EXPECT_EQ(p.m_Profs[0].m_ptLine[0], CPoint(100, 100));
    EXPECT_FLOAT_EQ(p.m_XAxis.m_fLength, 120.0f);
    EXPECT_EQ(p.m_XAxis.m_ptEnd, CPoint(1200, 0));
    EXPECT_EQ(p.m_YAxis.m_ptEnd, CPoint(0, 800));
}

TEST(CRectProf, ResetStretchesTheRangesOverThePanel)
{
    CRectProf p = panelOfWorkedExample();
    EXPECT_DOUBLE_EQ(p.m_dXScale, 1.0);
    EXPECT_DOUBLE_EQ(p.m_dYScale, 0.625);
    const double xs[] = {60, 120};
    const double ys[] = {25, 50};
    p.Add_a_prof(xs, ys, 2);
    EXPECT_EQ(p.m_Profs[0].m_ptLine[0], CPoint(600, 400));
    EXPECT_EQ(p.m_Profs[0].m_ptLine[1], CPoint(1200, 800));
    EXPECT_EQ(p.m_Profs[0].m_crColor, RGB(0, 0, 0));
    EXPECT_FLOAT_EQ(p.m_Profs[0].m_fWidth, 0.1f);
}

TEST(CRectProf, SetBeyondTheEndGrowsWithDefaultsAndReplacingKeepsThePen)
{
    CRectProf p = panelOfWorkedExample();
    const float xs[] = {0.5f, 120};
    const float ys[] = {0, 50};
    p.Set_a_prof(3, xs, ys, 2);
    ASSERT_EQ(p.m_Profs.GetSize(), 4);
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(p.m_Profs[i].m_ptLine.IsEmpty());
        EXPECT_EQ(p.m_Profs[i].m_nStyle, PS_SOLID);
    }
    EXPECT_EQ(p.m_Profs[3].m_xValue[0], 0.5);
    EXPECT_EQ(p.m_Profs[3].m_ptLine[0], CPoint(5, 0));

    p.m_Profs[3].m_crColor = RGB(0, 0, 255);
    p.m_Profs[3].m_nStyle = PS_DOT;
    const double x2[] = {60};
    const double y2[] = {25};
    p.Set_a_prof(3, x2, y2, 1);
    EXPECT_EQ(p.m_Profs[3].m_crColor, RGB(0, 0, 255));
    EXPECT_EQ(p.m_Profs[3].m_nStyle, PS_DOT);
    EXPECT_EQ(p.m_Profs[3].m_ptLine.GetSize(), 1);

    p.Set_a_prof(-1, x2, y2, 1);
    p.Set_a_prof(CRectProf::kMaxProfiles, x2, y2, 1);
    EXPECT_EQ(p.m_Profs.GetSize(), 4);

    // Only the profile with a line is drawn, before both axes.
    CRecordingDC dc;
    p.DrawAll(&dc);
    const auto lines = opsOfKind(dc, GdiOp::Kind::Polyline);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0]->style.pen.color, RGB(0, 0, 255));
    for (size_t i = 1; i < lines.size(); ++i)
        EXPECT_NE(lines[i]->style.pen.color, RGB(0, 0, 255));
}

TEST(CRectProf, PanelRectangleEdgesAndFill)
{
    CRectProf p = panelOfWorkedExample();
    EXPECT_TRUE(p.IsinPolyRect({0, 400}));
    EXPECT_FALSE(p.IsinPolyRect({1200, 400}));
    EXPECT_TRUE(p.IsinPolyRect({600, 0}));
    EXPECT_FALSE(p.IsinPolyRect({600, 800}));
    EXPECT_FALSE(p.IsinPolyRect({-1, 400}));
    CRecordingDC dc;
    p.DrawRect(&dc);
    const auto fills = opsOfKind(dc, GdiOp::Kind::FillRect);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0]->fill, RGB(0, 255, 0));
    EXPECT_EQ(fills[0]->logical[1], CPoint(1200, 800));
}

TEST(CRectProf, AxisDialogMovesEveryProfileOnlyWhereTheUserChangedIt)
{
    CRectProf p = panelOfWorkedExample();
    const double xs[] = {60};
    const double ys[] = {25};
    p.Add_a_prof(xs, ys, 1);
    p.Add_a_prof(ys, xs, 1);
    // The user makes the abscissa coarser: two value units a millimetre.
    CDialog::ScriptNextModal([](CDialog& d) {
        retype(d, IDC_AXIS_SCALE, "2");
        click(d, IDOK);
    });
    p.SetXaxs();
    EXPECT_DOUBLE_EQ(p.m_dXScale, 2.0);
    EXPECT_DOUBLE_EQ(p.m_dXMax, 120.0);
    EXPECT_EQ(p.m_Profs[0].m_ptLine[0], CPoint(300, 400));
    EXPECT_EQ(p.m_Profs[1].m_ptLine[0], CPoint(125, 960));

    // Cancel keeps the axis, and the profiles stay where they are.
    CDialog::ScriptNextModal([](CDialog& d) {
        retype(d, IDC_AXIS_MIN, "50");
        click(d, IDCANCEL);
    });
    p.SetYaxs();
    EXPECT_DOUBLE_EQ(p.m_dYMin, 0.0);
    EXPECT_EQ(p.m_Profs[0].m_ptLine[0], CPoint(300, 400));
    EXPECT_EQ(CDialog::PendingModalScripts(), 0);
}

TEST(CRectProf, LineStyleDialogIsNotShownWithoutProfiles)
{
    CRectProf p = panelOfWorkedExample();
    bool shown = false;
    CDialog::ScriptNextModal([&](CDialog& d) {
        shown = true;
        click(d, IDOK);
    });
    const int before = CDialog::ModalRunsCancelledForNobody();
    p.SetProfLineArb();
    EXPECT_FALSE(shown);
    EXPECT_EQ(CDialog::PendingModalScripts(), 1);
    EXPECT_EQ(CDialog::ModalRunsCancelledForNobody(), before);
    CDialog::ClearModalScripts();
}
