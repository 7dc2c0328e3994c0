#include "DialogDriver.h"
#include "TestSupport.h"

#include "axis/AxisSampleSheet.h"
#include "platform/wnd/CDialog.h"
#include "chart/ChartExporter.h"
#include "platform/gdi/CImageDC.h"
#include "res/resource.h"

#include <QFileInfo>

#include <gtest/gtest.h>

TEST(AxisSampleSheet, AxesMeetAtOneOriginAndPartsAreFoundByPosition)
{
    AxisSampleSheet s;
    EXPECT_EQ(s.m_xAxis.m_ptStart, s.m_yAxis.m_ptStart);
    EXPECT_EQ(s.HitTest(CPoint(6000, 2550)), AxisSampleSheet::Part::XAxis);
    EXPECT_EQ(s.HitTest(CPoint(2450, 6000)), AxisSampleSheet::Part::YAxis);
    EXPECT_EQ(s.HitTest(CPoint(19000, 6000)), AxisSampleSheet::Part::Grid);
    EXPECT_EQ(s.HitTest(CPoint(9000, 9000)), AxisSampleSheet::Part::None);
    EXPECT_FALSE(s.EditAt(CPoint(9000, 9000)));
}

TEST(AxisSampleSheet, EditingAnAxisRedrawsItWithTheNewRange)
{
    AxisSampleSheet s;
    dialogdriver::MessageBoxes boxes;
    CDialog::ScriptNextModal([](CDialog& d) {
        dialogdriver::retype(d, IDC_AXIS_MAX, "50");
        dialogdriver::click(d, IDOK);
    });
    ASSERT_TRUE(s.EditAt(CPoint(6000, 2500)));
    EXPECT_FLOAT_EQ(s.m_xAxis.m_fLength, 50.0f);
    EXPECT_EQ(s.m_xAxis.m_ptEnd.x, 2500 + 5000);
    EXPECT_EQ(s.m_xAxis.m_nTickCount, 3);  // 0, 20, 40
    CRecordingDC dc;
    s.Draw(&dc);
    EXPECT_EQ(testsupport::findText(dc, "60"), nullptr);
    const GdiOp* forty = testsupport::findText(dc, "40");
    ASSERT_NE(forty, nullptr);
    EXPECT_EQ(forty->logical[0].x, 2500 + 4000);
    EXPECT_TRUE(boxes.texts.empty());
}

TEST(AxisSampleSheet, SamplesRenderWithLabelsAndGreyGrid)
{
    const std::string path = testsupport::tempDir() + "/axes.png";
    CString error;
    ASSERT_TRUE(ChartExporter::Export(&AxisSampleSheet::DrawSamples, path.c_str(), 150, error)) << error.GetString();
    QImage img(QString::fromStdString(path));
    ASSERT_FALSE(img.isNull());
    EXPECT_GT(testsupport::countColour(img, QColor(169, 169, 169), 20), 200);
    EXPECT_GT(testsupport::countColour(img, QColor(0, 0, 0), 60), 500);
}
