// The studio's sounding chart in the units that suit the sounding: a drag
// writes back the file's value where the point was dropped, undo and save
// keep the file's text, the labels read as numbers, and the figure fills
// its pane at common window sizes.
#include "StudioDriver.h"
#include "support/StudioFixture.h"

#include "SoundingView.h"
#include "StudioWindow.h"

#include "platform/gdi/CRecordingDC.h"

#include <QApplication>
#include <QLabel>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>

namespace {

using studiodriver::drag;
using studiodriver::mouse;
using studiodriver::slurp;

// Seconds and volts per ampere, V changing sign in its last two rows.
const char* const kSeconds = "t(s) R V(V/A) Rm Vm\n"
                             "1.0e-5 120 3.10e-3 118 3.0e-3\n"
                             "3.2e-5 95 4.2e-4 96 4.4e-4\n"
                             "0.0001 80 3.3e-5 81 3.2e-5\n"
                             "3.2e-4 90 1.9e-6 88 2.0e-6\n"
                             "1e-3 110 8.5e-8 107 8.8e-8\n"
                             "3.2e-3 130 -2.4e-9 128 2.6e-9\n"
                             "1.0e-2 150 -6.1e-10 149 5.9e-10\n";

struct Seconds : testsupport::StudioFixture {
    std::string path = dir + "/seconds.dat";
    Seconds() : StudioFixture(Open::Nothing)
    {
        std::ofstream(path) << kSeconds;
        EXPECT_TRUE(w.OpenSounding(path.c_str()));
        w.resize(1000, 650);
        QApplication::processEvents();
        EXPECT_TRUE(w.SetDisplayModel(2));
    }
    SoundingView* sv() { return w.Sounding(); }
    // The file value a height of the log-log chart stands for, worked out
    // from the plan's power of ten alone.
    double fileValueAt(int y)
    {
        const CDrawRPCurve& c = sv()->Chart();
        return std::pow(10.0, y / static_cast<double>(c.m_fYRate) - sv()->Plan()->yShift);
    }
};

// The drawing's texts as a recording surface receives them.
std::vector<std::string> texts(SoundingView* view)
{
    CRecordingDC dc;
    view->Draw(&dc);
    std::vector<std::string> out;
    for (const GdiOp& op : dc.ops())
        if (op.kind == GdiOp::Kind::Text)
            out.push_back(op.text.str());
    return out;
}

}  // namespace

TEST(StudioSoundingUnits, ADragInSecondsWritesTheFilesValueAndUndoAndSaveKeepTheText)
{
    Seconds s;
    const CDrawRPCurve& c = s.sv()->Chart();
    ASSERT_EQ(c.m_nDisModel, 2);
    const float x2 = s.sv()->Values().x[2];
    const QPoint from = s.sv()->ToWidget(c.m_VPoints[2]);
    const QPoint to = from + QPoint(0, -40);
    drag(s.sv(), from, to);
    const double expected = s.fileValueAt(s.sv()->ToLogical(to).y);
    EXPECT_NEAR(s.sv()->Values().v[2], expected, 1e-4 * expected);
    EXPECT_GT(s.sv()->Values().v[2], 3.3e-5f);  // upwards is larger
    EXPECT_EQ(s.sv()->Values().x[2], x2);
    EXPECT_EQ(s.sv()->Values().r[2], 80.0f);

    // A value below zero is drawn by its magnitude and keeps its sign.
    const QPoint neg = s.sv()->ToWidget(c.m_VPoints[6]);
    drag(s.sv(), neg, neg + QPoint(0, -30));
    const double magnitude = s.fileValueAt(s.sv()->ToLogical(neg + QPoint(0, -30)).y);
    EXPECT_NEAR(s.sv()->Values().v[6], -magnitude, 1e-4 * magnitude);

    // The readout speaks the plan's units: microseconds and V/A.
    mouse(s.sv(), QEvent::MouseMove, s.sv()->ToWidget(c.m_VPoints[4]));
    double t = 0, v = 0;
    const std::string readout = s.w.Readout()->text().toStdString();
    ASSERT_EQ(std::sscanf(readout.c_str(), "t = %lf %*s V = %lf V/A", &t, &v), 2) << readout;
    EXPECT_NE(readout.find("\xce\xbcs,"), std::string::npos) << readout;
    EXPECT_NEAR(t, 1000.0, 30.0);
    EXPECT_NEAR(v, 8.5e-8, 0.05 * 8.5e-8);  // within a pixel

    // Undone, the file is written as it was read, byte for byte.
    EXPECT_TRUE(s.w.Undo());
    EXPECT_TRUE(s.w.Undo());
    EXPECT_EQ(s.sv()->Values().v[2], 3.3e-5f);
    ASSERT_TRUE(s.w.SaveSounding());
    EXPECT_EQ(slurp(s.path), kSeconds);
    // Redone, only the dragged number is new: the rows around keep their spelling.
    EXPECT_TRUE(s.w.Redo());
    ASSERT_TRUE(s.w.SaveSounding());
    const std::string text = slurp(s.path);
    EXPECT_NE(text.find("3.2e-5 95 4.2e-4 96 4.4e-4\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\n0.0001 80 "), std::string::npos) << text;
    EXPECT_EQ(text.find("3.3e-5 81"), std::string::npos) << text;
}

TEST(StudioSoundingUnits, TheLabelsReadAsNumbersInEitherView)
{
    testsupport::StudioFixture s(testsupport::StudioFixture::Open::Nothing);
    ASSERT_TRUE(s.w.OpenSounding(TARNEX_SOURCE_DIR "/data/sounding.dat"));
    for (int model : {1, 2}) {
        ASSERT_TRUE(s.w.SetDisplayModel(model));
        // A number may label both axes, never more than once on one.
        std::map<std::string, int> seen;
        int numbers = 0;
        for (const std::string& t : texts(s.w.Sounding()))
            if (!t.empty() && std::isdigit(static_cast<unsigned char>(t[0]))) {
                ++numbers;
                EXPECT_LE(++seen[t], 2) << "model " << model << ": " << t;
            }
        EXPECT_LE(seen["0.0"], 1) << "model " << model;
        EXPECT_GE(numbers, 8) << "model " << model;
    }
}

TEST(StudioSoundingUnits, TheFigureFillsItsPaneCentredAtCommonWindowSizes)
{
    Seconds s;
    for (QSize window : {QSize(1000, 650), QSize(1920, 1080), QSize(1000, 650)}) {
        s.w.resize(window);
        QApplication::processEvents();
        SoundingView* view = s.sv();
        CRecordingDC dc(view->DrawDpi());
        view->Draw(&dc);
        const CRect b = dc.DeviceBounds();
        const double w = view->width(), h = view->height();
        const double fillW = b.Width() / w, fillH = b.Height() / h;
        // One dimension filled but for the margins, the other well used.
        EXPECT_GE(std::max(fillW, fillH), 0.9) << window.width() << ": " << fillW << " x " << fillH;
        EXPECT_GE(std::min(fillW, fillH), 0.7) << window.width() << ": " << fillW << " x " << fillH;
        EXPECT_NEAR(b.left, w - b.right, 0.02 * w) << window.width();
        EXPECT_NEAR(b.top, h - b.bottom, 0.02 * h) << window.width();
    }
}
