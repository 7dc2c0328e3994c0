// The studio's section page as a user drives it: the bundled sample shown,
// a double-click on each axis running its dialog, opening and exporting.
#include "TestSupport.h"
#include "axis/DialogDriver.h"

#include "SectionPage.h"

#include "platform/wnd/CDialog.h"
#include "platform/wnd/CFileDialog.h"
#include "res/resource.h"

#include <QImage>
#include <gtest/gtest.h>

using namespace dialogdriver;

TEST(SectionPage, ShowsTheSampleAndEditsEachAxisByDoubleClick)
{
    SectionPage page;
    std::vector<std::string> errors;
    page.onError = [&](const CString& m) { errors.push_back(m.str()); };
    page.resize(page.sizeHint());
    page.show();
    CMyPolySect& s = page.Sheet().m_Sect;
    ASSERT_EQ(s.m_Model.m_Cplx.GetSize(), 4);
    EXPECT_EQ(s.m_dXScale, s.m_dYScale);  // true scale
    EXPECT_EQ(s.m_dXScale, 2000.0 / 160.0);
    // The sheet fits below the buttons.
    const QImage shot = page.grab().toImage();
    EXPECT_GT(testsupport::countColour(shot, QColor(0x47, 0x2e, 0x7c), 25), 5000);

    // Mid-way along the x axis: its dialog; a new scale redraws at once.
    const CMyAxis& x = s.m_XAxis;
    const QPoint onX = page.ToPixel(CPoint((x.m_ptStart.x + x.m_ptEnd.x) / 2, x.m_ptStart.y));
    bool ran = false;
    CDialog::ScriptNextModal([&](CDialog& d) {
        ran = true;
        retype(d, IDC_AXIS_SCALE, "25");
        click(d, IDOK);
    });
    EXPECT_TRUE(page.EditAt(onX));
    EXPECT_TRUE(ran);
    EXPECT_EQ(s.m_dXScale, 25.0);
    EXPECT_EQ(s.m_dYScale, 2000.0 / 160.0);
    // The bar moved in beside the shortened axis.
    EXPECT_EQ(page.Sheet().m_Bar.m_rcBar.left, x.m_ptEnd.x + 22 * SectionSheet::kUnitsPerMm);

    const CMyAxis& y = s.m_YAxis;
    ran = false;
    CDialog::ScriptNextModal([&](CDialog& d) {
        ran = true;
        click(d, IDCANCEL);
    });
    EXPECT_TRUE(page.EditAt(page.ToPixel(CPoint(y.m_ptStart.x, (y.m_ptStart.y + y.m_ptEnd.y) / 2))));
    EXPECT_TRUE(ran);
    // Nowhere near an axis: nothing opens.
    EXPECT_FALSE(page.EditAt(page.ToPixel(CPoint(x.m_ptEnd.x / 2, (y.m_ptStart.y + y.m_ptEnd.y) / 2))));
    EXPECT_TRUE(errors.empty());
}

TEST(SectionPage, OpensModelsThroughTheDialogAndKeepsTheOldOneOnABadFile)
{
    SectionPage page;
    std::vector<std::string> errors;
    page.onError = [&](const CString& m) { errors.push_back(m.str()); };
    const std::string good = testsupport::writeFile(
        "tri.txt", "vertex 1 0 0\nvertex 2 300 0\nvertex 3 300 -100\nbody a 50 1 2 3 1\n");
    const std::string bad = testsupport::writeFile("bad.txt", "vertex 1 0 0\nbody a 50 1 1\n");
    std::vector<CString> answers{CString(good.c_str()), CString(bad.c_str())};
    AfxSetFileDialogHook([&](const FileDialogRequest&, CString& path) {
        if (answers.empty())
            return false;
        path = answers.front();
        answers.erase(answers.begin());
        return true;
    });
    EXPECT_TRUE(page.OpenWithDialog());
    EXPECT_EQ(page.Path().str(), good);
    EXPECT_EQ(page.Sheet().m_Sect.m_Model.m_Cplx.GetSize(), 1);
    EXPECT_FALSE(page.OpenWithDialog());
    AfxSetFileDialogHook(nullptr);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], bad + ":2: body \"a\" needs at least three vertices and the first again to close it");
    EXPECT_EQ(page.Path().str(), good);
    EXPECT_EQ(page.Sheet().m_Sect.m_Model.m_Cplx.GetSize(), 1);

    const std::string out = testsupport::tempDir() + "/s.png";
    ASSERT_TRUE(page.Export(out.c_str()));
    EXPECT_FALSE(QImage(QString::fromStdString(out)).isNull());
}
