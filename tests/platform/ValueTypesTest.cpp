// Strings, arrays and rectangles as hosts use them.
#include "platform/wnd/afxwin.h"

#include <gtest/gtest.h>

TEST(CStringTest, FormatEditAndCompare)
{
    CString s;
    s.Format("%-6.1f|%6.1f", 0.1, 500.0);
    EXPECT_EQ(s, "0.1   | 500.0");
    s.Format("%s", std::string(5000, 'x').c_str());  // no fixed buffer behind Format
    EXPECT_EQ(s.GetLength(), 5000);
    CString t("一维地电模型");
    EXPECT_EQ(t.GetLength(), 18);  // UTF-8 bytes
    EXPECT_EQ(t.Left(6), "一维");
    EXPECT_EQ(CString("  a b ").Trim(), "a b");
    CString r("a.dat");
    EXPECT_EQ(r.Replace(".dat", ".txt"), 1);
    EXPECT_EQ(r, "a.txt");
    EXPECT_EQ(r.Mid(2), "txt");
    EXPECT_EQ(r.Mid(10), "");
    EXPECT_EQ(r.Find('.'), 1);
}

TEST(CArrayTest, GrowsByValueAndRefusesBadIndices)
{
    CArray<float, float&> a;
    EXPECT_TRUE(a.IsEmpty());
    a.SetSize(3);
    EXPECT_EQ(a[2], 0.0f);
    float f = 2.5f;
    a.Add(f);
    EXPECT_EQ(a.GetSize(), 4);
    CArray<float, float&> b;
    b.Copy(a);
    b[0] = 9.0f;
    EXPECT_EQ(a[0], 0.0f);
    EXPECT_THROW(a[4], std::out_of_range);
    EXPECT_THROW(a[-1], std::out_of_range);
    EXPECT_THROW(a.SetSize(-2), std::length_error);
    CArray<CPoint, CPoint> pts;
    pts.SetSize(2);
    EXPECT_EQ(pts[1], CPoint(0, 0));
}

TEST(CRectTest, HitTestIsHalfOpen)
{
    CRect r(0, 0, 10, 10);
    EXPECT_TRUE(r.PtInRect(CPoint(0, 0)));
    EXPECT_FALSE(r.PtInRect(CPoint(10, 5)));
    CRect up(0, 100, 50, 0);  // y grows upwards: top above bottom
    up.NormalizeRect();
    EXPECT_EQ(up, CRect(0, 0, 50, 100));
}
