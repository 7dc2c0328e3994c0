// Live modelling in the studio, driven with the mouse offscreen: a layer-side
// drag puts the engine's response for the dragged model into the modelled
// curves while dragging, a slow result never overwrites a newer one, the
// misfit figure, and masks through undo, save and reopen.
#include "StudioDriver.h"
#include "TestSupport.h"

#include "LiveForward.h"
#include "ModelView.h"
#include "SoundingView.h"
#include "StudioWindow.h"

#include "em1d/TemForward.h"

#include <QLabel>
#include <QLineEdit>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QStatusBar>
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <thread>

namespace {

using studiodriver::drag;
using studiodriver::mouse;

// The half-space rows of the render command's test: measured V are a 100
// ohm-m half-space's response (50 m loop, 1 m2) divided by 0.9, 1.2, 1 and
// 0.1; measured R are 100 where the response's are 143.95, 103.80, 100.375
// and 100.037 ohm-m.
const char* kRows = "0.01 100 253.9782 1 1\n"
                    "0.1 100 0.9837292 1 1\n"
                    "1 100 0.003925762 1 1\n"
                    "10 100 1.247717e-4 1 1\n";

struct Studio {
    StudioWindow w;
    std::string dir = testsupport::tempDir();
    explicit Studio(const char* model = "100\n")
    {
        w.onError = [](const CString&) {};
        std::ofstream(dir + "/s.dat") << kRows;
        std::ofstream(dir + "/m.txt") << model;
        EXPECT_TRUE(w.OpenSounding((dir + "/s.dat").c_str()));
        EXPECT_TRUE(w.OpenModel((dir + "/m.txt").c_str()));
        w.show();
        w.Live()->Drain();
    }
    SoundingView* sv() { return w.Sounding(); }
    ModelView* mv() { return w.Model(); }
    std::string misfit() { return w.MisfitLabel()->text().toStdString(); }
    QPoint side(int layer)
    {
        const CDrawRPToH& c = mv()->Chart();
        return mv()->ToWidget(CPoint(c.m_RPoints[layer].x, (c.m_RPoints[layer].y + c.m_RPoints[layer + 1].y) / 2));
    }
    // The engine's V for resistivities res under the model's thicknesses.
    std::vector<double> engineV(std::vector<double> res)
    {
        std::vector<double> thick;
        for (int i = 0; i + 1 < mv()->Layers(); ++i)
            thick.push_back(mv()->Model().thick[i]);
        return em1d::TemForward(em1d::TemSystem()).compute(em1d::LayeredEarth(thick, res),
                                                           std::vector<double>{0.01, 0.1, 1, 10}).voltage;
    }
    void expectModelledV(const std::vector<double>& v)
    {
        for (int i = 0; i < 4; ++i)
            EXPECT_NEAR(sv()->Values().vFwd[i], v[static_cast<std::size_t>(i)], 1e-5 * v[static_cast<std::size_t>(i)])
                << "sample " << i + 1;
    }
};

}  // namespace

TEST(StudioForward, ALayerSideDragPutsTheEnginesResponseIntoTheCurvesWhileDragging)
{
    Studio s("10 100\n20 10\n300\n");
    s.expectModelledV(s.engineV({100, 10, 300}));
    float dragged = 0;
    const auto studioHook = s.mv()->onDragValue;
    s.mv()->onDragValue = [&](int layer, float r) {
        EXPECT_EQ(layer, 1);
        dragged = r;
        studioHook(layer, r);
    };
    const QPoint from = s.side(1);
    mouse(s.mv(), QEvent::MouseButtonPress, from);
    mouse(s.mv(), QEvent::MouseMove, from + QPoint(40, 0));
    s.w.Live()->Drain();
    ASSERT_GT(dragged, 10.0f);
    EXPECT_TRUE(s.mv()->Dragging());
    EXPECT_EQ(s.mv()->Model().res[1], 10.0f) << "the model is written on release only";
    s.expectModelledV(s.engineV({100, dragged, 300}));
    mouse(s.mv(), QEvent::MouseButtonRelease, from + QPoint(40, 0));
    s.w.Live()->Drain();
    const double stored = s.mv()->Model().res[1];
    s.expectModelledV(s.engineV({100, stored, 300}));

    // Undo brings the response of the model before the drag back.
    ASSERT_TRUE(s.w.Undo());
    s.w.Live()->Drain();
    s.expectModelledV(s.engineV({100, 10, 300}));

    // The file's own columns on request, and the response again after.
    s.w.ShowFileModelled(true);
    EXPECT_EQ(s.sv()->Values().vFwd[3], 1.0f);
    s.w.ShowFileModelled(false);
    s.w.Live()->Drain();
    s.expectModelledV(s.engineV({100, 10, 300}));
}

TEST(StudioForward, ASlowResultFinishingAfterANewerOneIsDropped)
{
    Studio s("10 100\n20 10\n300\n");
    const std::uint64_t first = s.w.Live()->LastSubmitted() + 1;
    s.w.Live()->beforeCompute = [first](std::uint64_t serial) {
        if (serial == first)
            std::this_thread::sleep_for(std::chrono::milliseconds(400));
    };
    std::vector<std::uint64_t> shown;
    const auto show = s.w.Live()->onResult;
    s.w.Live()->onResult = [&](const LiveForward::Result& r) {
        shown.push_back(r.serial);
        show(r);
    };
    ASSERT_TRUE(s.mv()->SetValue(EditField::LayerResistivity, 1, 50));
    s.mv()->onEdited();  // the slow one: 50 ohm-m
    ASSERT_TRUE(s.mv()->SetValue(EditField::LayerResistivity, 1, 2));
    s.mv()->onEdited();  // the quick one: 2 ohm-m
    s.w.Live()->Drain();
    EXPECT_EQ(shown, std::vector<std::uint64_t>{first + 1});
    s.expectModelledV(s.engineV({100, 2, 300}));
}

TEST(StudioForward, TheMisfitLeavesMaskedSamplesOutThroughUndoSaveAndReopen)
{
    Studio s;
    // V: 100·√((0.1² + 0.2² + 0 + 0.9²)/4); R: 100·√((0.4395² + 0.0380² + 0.00375² + 0.00037²)/4).
    EXPECT_EQ(s.misfit(), "Misfit V 46.37 % | R 22.06 %");
    {
        // The same sounding in s and nV/A is modelled the same; one in
        // frequency is not modelled at all.
        Studio si;
        std::ofstream(si.dir + "/si.dat") << "t(s) R V(nV/A) Rm Vm\n1e-5 100 253978.2 1 1\n1e-4 100 983.7292 1 1\n"
                                             "1e-3 100 3.925762 1 1\n1e-2 100 0.1247717 1 1\n";
        ASSERT_TRUE(si.w.OpenSounding((si.dir + "/si.dat").c_str()));
        si.w.Live()->Drain();
        EXPECT_EQ(si.misfit(), "Misfit V 46.37 % | R 22.06 %");
        EXPECT_NEAR(si.sv()->Values().vFwd[0], 228580.4, 1.0) << "the model's V in the file's nV/A";
        std::ofstream(si.dir + "/mt.dat") << "freq_Hz R phase\n1000 100 45\n10 120 50\n";
        ASSERT_TRUE(si.w.OpenSounding((si.dir + "/mt.dat").c_str()));
        si.w.Live()->Drain();
        EXPECT_EQ(si.misfit(), "");
        EXPECT_FALSE(si.sv()->HasReference());
        EXPECT_FALSE(si.w.Invert());
    }
    // V spans six decades: the studio took the log-log view by itself.
    EXPECT_EQ(s.sv()->Chart().m_nDisModel, 2);
    // The reference (the model as opened) lies on the modelled curve in that
    // view too, not where the linear view would have put it.
    ASSERT_EQ(s.sv()->ReferenceVPoints().GetSize(), s.sv()->Chart().m_VFwdPoints.GetSize());
    for (int i = 0; i < s.sv()->ReferenceVPoints().GetSize(); ++i)
        EXPECT_EQ(s.sv()->ReferenceVPoints()[i], s.sv()->Chart().m_VFwdPoints[i]) << "sample " << i;
    // Half the diffusion depth of the last gate, 0.5·1262·√(100.037 ohm-m · 0.01 s).
    EXPECT_NEAR(s.mv()->InvestigationDepth(), 631.12, 0.3);

    // Shift+click on sample 4's V masks the sample.
    const QPoint v4 = s.sv()->ToWidget(s.sv()->Chart().m_VPoints[3]);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(v4), QPointF(s.sv()->mapToGlobal(v4)), Qt::LeftButton,
                      Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(s.sv(), &press);
    mouse(s.sv(), QEvent::MouseButtonRelease, v4);
    s.w.Live()->Drain();
    ASSERT_EQ(s.sv()->Masked().size(), 4u);
    EXPECT_EQ(s.sv()->Masked()[3], 1);
    // V: 100·√((0.01 + 0.04 + 0)/3); R: 100·√((0.19317 + 0.00144 + 0.00001)/3).
    EXPECT_EQ(s.misfit(), "Misfit V 12.91 % | R 25.47 %");
    EXPECT_TRUE(s.w.SoundingModified());
    // ... and from the latest gate left in: 0.5·1262·√(100.375 · 0.001).
    EXPECT_NEAR(s.mv()->InvestigationDepth(), 199.92, 0.1);

    // Editing the masked sample changes no figure.
    drag(s.sv(), s.sv()->ToWidget(s.sv()->Chart().m_VPoints[3]),
         s.sv()->ToWidget(s.sv()->Chart().m_VPoints[3]) + QPoint(0, -40));
    s.w.Live()->Drain();
    EXPECT_NE(s.sv()->Values().v[3], 1.247717e-4f);
    EXPECT_EQ(s.misfit(), "Misfit V 12.91 % | R 25.47 %");
    // Undoing the edit keeps the mask; undoing the mask brings the sample back.
    ASSERT_TRUE(s.w.Undo());
    s.w.Live()->Drain();
    EXPECT_EQ(s.sv()->Masked()[3], 1);
    ASSERT_TRUE(s.w.Undo());
    s.w.Live()->Drain();
    EXPECT_EQ(s.sv()->Masked()[3], 0);
    EXPECT_EQ(s.misfit(), "Misfit V 46.37 % | R 22.06 %");
    ASSERT_TRUE(s.w.Redo());
    s.w.Live()->Drain();

    // Saved as a comment line after the rows, with the file's own modelled
    // columns, and read back.
    ASSERT_TRUE(s.w.SaveSounding());
    const std::string text = studiodriver::slurp(s.dir + "/s.dat");
    EXPECT_EQ(text, std::string(kRows) + "# mask: 4\n");
    ASSERT_TRUE(s.w.OpenSounding((s.dir + "/s.dat").c_str()));
    s.w.Live()->Drain();
    EXPECT_EQ(s.sv()->Masked(), (std::vector<char>{0, 0, 0, 1}));
    EXPECT_EQ(s.misfit(), "Misfit V 12.91 % | R 25.47 %");
}

TEST(StudioForward, TheParametersDialogChangesTheSystemAndSavesItsLine)
{
    Studio s;
    QDialog* dlg = s.w.CreateForwardDialog();
    auto* area = dlg->findChild<QLineEdit*>(QStringLiteral("rxArea"));
    auto* size = dlg->findChild<QLineEdit*>(QStringLiteral("loopSize"));
    ASSERT_TRUE(area && size);
    EXPECT_EQ(area->text(), QStringLiteral("1"));
    area->setText(QStringLiteral("-2"));
    dlg->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    EXPECT_FALSE(dlg->findChild<QLabel*>(QStringLiteral("error"))->text().isEmpty());
    EXPECT_EQ(s.w.System().rxArea, 1.0);
    // A square loop of side 50·√π is the 50 m circle; a receiver of 2 m2
    // doubles V.
    dlg->findChild<QComboBox*>(QStringLiteral("loopShape"))->setCurrentIndex(1);
    size->setText(QStringLiteral("88.62269"));
    area->setText(QStringLiteral("2"));
    dlg->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    EXPECT_NEAR(s.w.System().loopRadius, 50.0, 1e-4);
    EXPECT_EQ(s.w.System().rxArea, 2.0);
    s.w.Live()->Drain();
    // 100·√(((1 - 1.8)² + (1 - 2.4)² + (1 - 2)² + (1 - 0.2)²)/4) = 100·√1.06
    EXPECT_EQ(s.misfit(), "Misfit V 102.96 % | R 22.06 %");
    EXPECT_TRUE(s.w.SoundingModified());
    ASSERT_TRUE(s.w.SaveSounding());
    EXPECT_EQ(studiodriver::slurp(s.dir + "/s.dat"), std::string(kRows) + "# tem: loop_radius=50 rx_area=2 ramp_us=0\n");
}
