#include "TestSupport.h"

#include "profile/CMyProf.h"

#include <gtest/gtest.h>

using testsupport::opsOfKind;

TEST(CMyProf, ValuesLandTruncatedFromTheOrigin)
{
    CMyProf p;
    const double xs[] = {25, -5, 0.99};
    const double ys[] = {7, -7, 0.99};
    // Ten value units a millimetre, ten logical units a millimetre.
    p.CreatLine(0, 0, 10, 10, 200, 50, xs, ys, 3, 10);
    ASSERT_EQ(p.m_ptLine.GetSize(), 3);
    EXPECT_EQ(p.m_ptLine[0], CPoint(225, 57));
    EXPECT_EQ(p.m_ptLine[1], CPoint(195, 43));  // toward zero, not down
    EXPECT_EQ(p.m_ptLine[2], CPoint(200, 50));
    EXPECT_EQ(p.m_xValue[1], -5.0);

    // Adjust keeps the values and moves the points.
    p.Adjust(-10, 0, 5, 1, 0, 0, 1);
    EXPECT_EQ(p.m_ptLine[0], CPoint(7, 7));
    EXPECT_EQ(p.m_ptLine[1], CPoint(1, -7));
    EXPECT_FLOAT_EQ(p.m_fUnitsPerMm, 1.0f);
}

TEST(CMyProf, FloatValuesWidenAndWildValuesSaturate)
{
    CMyProf p;
    const float xs[] = {0.1f, 1e30f};
    const float ys[] = {0.0f, -1e30f};
    p.CreatLine(0, 0, 1, 1, 0, 0, xs, ys, 2, 10);
    EXPECT_EQ(p.m_xValue[0], static_cast<double>(0.1f));
    EXPECT_EQ(p.m_ptLine[0].x, 1);
    EXPECT_EQ(p.m_ptLine[1].x, INT32_MAX);
    EXPECT_EQ(p.m_ptLine[1].y, INT32_MIN);
}

TEST(CMyProf, EmptyLineKeepsAttributesAndDrawsNothing)
{
    CMyProf p;
    p.m_crColor = RGB(1, 2, 3);
    p.m_nStyle = PS_DOT;
    p.CreatLine(0, 0, 1, 1, 0, 0, static_cast<const double*>(nullptr), nullptr, 0, 25);
    EXPECT_TRUE(p.m_ptLine.IsEmpty());
    EXPECT_EQ(p.m_crColor, RGB(1, 2, 3));
    EXPECT_EQ(p.m_nStyle, PS_DOT);
    EXPECT_FLOAT_EQ(p.m_fUnitsPerMm, 25.0f);
    CRecordingDC dc;
    p.DrawProfile(&dc);
    EXPECT_TRUE(dc.ops().empty());
}

TEST(CMyProf, PenWidthIsTruncatedMillimetresAndThePenIsPutBack)
{
    const double xs[] = {0, 10};
    const double ys[] = {0, 10};
    struct Case {
        int unitsPerMm;
        float width;
        int expected;
    } cases[] = {{10, 0.1f, 1}, {1, 0.1f, 0}, {10, 0.29f, 2}, {100, 0.5f, 50}};
    for (const Case& c : cases) {
        CMyProf p;
        p.m_fWidth = c.width;
        p.m_crColor = RGB(200, 0, 0);
        p.m_nStyle = PS_DASH;
        p.CreatLine(0, 0, 1, 1, 0, 0, xs, ys, 2, c.unitsPerMm);
        CRecordingDC dc;
        CPen mine(PS_SOLID, 7, RGB(0, 0, 255));
        dc.SelectObject(&mine);
        p.DrawProfile(&dc);
        const auto lines = opsOfKind(dc, GdiOp::Kind::Polyline);
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(lines[0]->style.pen, (PenDesc{PS_DASH, c.expected, RGB(200, 0, 0)})) << c.unitsPerMm;
        EXPECT_EQ(lines[0]->logical.size(), 2u);
        EXPECT_EQ(dc.GetCurrentPen(), &mine);
    }
}

TEST(CMyProf, DrawReadyReadsTheMapMode)
{
    const std::pair<int, float> table[] = {{MM_HIMETRIC, 100.0f},    {MM_LOMETRIC, 10.0f},
                                           {MM_LOENGLISH, 3.9370079f}, {MM_HIENGLISH, 39.370079f},
                                           {MM_TWIPS, 56.692913f},     {MM_TEXT, 1.0f}};
    for (const auto& [mode, units] : table) {
        CRecordingDC dc;
        dc.SetMapMode(mode);
        CMyProf p;
        p.DrawReady(&dc);
        EXPECT_EQ(p.m_nMapMode, mode);
        EXPECT_FLOAT_EQ(p.m_fUnitsPerMm, units) << mode;
    }
}

TEST(CMyProf, CopiesAreIndependent)
{
    const double xs[] = {1, 2, 3};
    const double ys[] = {4, 5, 6};
    CMyProf a;
    a.m_crColor = RGB(9, 9, 9);
    a.m_fWidth = 0.7f;
    a.m_nStyle = PS_DASHDOT;
    a.CreatLine(0, 0, 1, 1, 0, 0, xs, ys, 3, 10);
    CMyProf b(a);
    CMyProf c;
    c = a;
    a.m_xValue[0] = 99;
    a.m_ptLine[0] = CPoint(-1, -1);
    a.RemoveAll();
    for (const CMyProf* p : {&b, &c}) {
        ASSERT_EQ(p->m_xValue.GetSize(), 3);
        EXPECT_EQ(p->m_xValue[0], 1.0);
        EXPECT_EQ(p->m_ptLine[0], CPoint(10, 40));
        EXPECT_EQ(p->m_crColor, RGB(9, 9, 9));
        EXPECT_FLOAT_EQ(p->m_fWidth, 0.7f);
        EXPECT_EQ(p->m_nStyle, PS_DASHDOT);
    }
    EXPECT_EQ(a.m_nStyle, PS_DASHDOT);  // RemoveAll keeps the attributes
}
