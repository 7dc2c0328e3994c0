// Safe edits in the studio, driven with mouse and keys offscreen: drags stop
// at the plotting area and above zero, Escape, undo and redo with the saved
// state, typed values, the status bar, arrow keys and the layer table.
#include "StudioDriver.h"
#include "TestSupport.h"
#include "support/StudioFixture.h"

#include "LayerTable.h"
#include "ModelView.h"
#include "SoundingView.h"
#include "StudioWindow.h"
#include "ValueDialog.h"

#include "sounding/SoundingFile.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <functional>

namespace {

using studiodriver::drag;
using studiodriver::mouse;

void key(QWidget* w, int k, Qt::KeyboardModifiers mods = Qt::NoModifier, bool repeat = false, QString text = {})
{
    QKeyEvent e(QEvent::KeyPress, k, mods, text, repeat);
    QApplication::sendEvent(w, &e);
}

// Types into the dialog that a double-click at `at` opens, then runs `then`
// on it while it is still open (typing, clicking OK, looking).
void doubleClickThen(QWidget* view, QPoint at, std::function<void(ValueDialog*)> then)
{
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* dlg = dynamic_cast<ValueDialog*>(QApplication::activeModalWidget());
        seen = dlg != nullptr;
        if (dlg)
            then(dlg);
        if (dlg && dlg->isVisible())
            dlg->reject();
    });
    mouse(view, QEvent::MouseButtonPress, at);
    mouse(view, QEvent::MouseButtonRelease, at);
    mouse(view, QEvent::MouseButtonDblClick, at);
    EXPECT_TRUE(seen) << "no value dialog opened";
}

void typeInto(ValueDialog* dlg, const char* text)
{
    dlg->Edit()->selectAll();
    for (const QChar c : QString::fromUtf8(text))
        key(dlg->Edit(), Qt::Key_unknown, Qt::NoModifier, false, QString(c));
}

void pressOk(ValueDialog* dlg) { dlg->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click(); }

// These edits keep the file's modelled curves and the linear view (live
// modelling would take the log-log view for these values).
struct Studio : testsupport::StudioFixture {
    Studio() : StudioFixture(Open::SoundingAndModel, Modelled::FromFile) {}
    std::string status() { return w.statusBar()->currentMessage().toStdString(); }
    SoundingView* sv() { return w.Sounding(); }
    ModelView* mv() { return w.Model(); }
    // A layer's resistivity in ohm-metres, as the model holds it.
    float res(int layer) { return mv()->Model().res[layer]; }
    // The point of a layer's side halfway down it, in widget pixels.
    QPoint side(int layer)
    {
        const CDrawRPToH& c = mv()->Chart();
        return mv()->ToWidget(CPoint(c.m_RPoints[layer].x, (c.m_RPoints[layer].y + c.m_RPoints[layer + 1].y) / 2));
    }
};

}  // namespace

TEST(StudioEdit, DragsStopAtTheFrameAndAboveZeroAndTheStatusBarSaysWhy)
{
    Studio s;
    CDrawRPCurve& c = s.sv()->Chart();
    const QPoint r0 = s.sv()->ToWidget(c.m_RPoints[0]);
    drag(s.sv(), r0, r0 + QPoint(0, 3000));  // far below the zero line
    EXPECT_GT(c.m_fR[0], 0.0f);
    EXPECT_FLOAT_EQ(c.m_fR[0], static_cast<float>(1.0 / c.m_fYRate));
    EXPECT_NE(s.status().find("Measured R, sample 1 (abscissa 1): "), std::string::npos) << s.status();
    EXPECT_NE(s.status().find("(stopped: R must stay above 0)"), std::string::npos) << s.status();
    ASSERT_TRUE(s.w.SaveSounding());
    SoundingTable back;
    CString err;
    ASSERT_TRUE(SoundingFile::Read((s.dir + "/s.dat").c_str(), 0, back, err));
    EXPECT_GT(back.r[0], 0.0f);

    const QPoint v1 = s.sv()->ToWidget(c.m_VPoints[1]);
    drag(s.sv(), v1, v1 + QPoint(-4000, -4000));  // up and left, out of the frame
    EXPECT_NEAR(c.m_fV[1], c.m_rcRegion.top / c.m_fYRate, 1e-3);
    EXPECT_NE(s.status().find("(stopped at the edge of the plotting area)"), std::string::npos);
    EXPECT_EQ(c.m_VPoints[1].x, static_cast<int>(c.m_fXRate));  // back over abscissa 10

    // Log-log: any height is positive, the frame's bottom still bounds it.
    ASSERT_TRUE(s.w.SetDisplayModel(2));
    const QPoint v2 = s.sv()->ToWidget(c.m_VPoints[2]);
    drag(s.sv(), v2, v2 + QPoint(0, 3000));
    EXPECT_NEAR(c.m_fV[2], std::pow(10.0, c.m_rcRegion.bottom / c.m_fYRate), 1e-3);
    EXPECT_NE(s.status().find("plotting area"), std::string::npos);

    // 10 to 300 ohm-m spans more than a decade: on decades from 1 ohm-m, a
    // side stops at the area's left edge, which is 1 ohm-m.
    CDrawRPToH& m = s.mv()->Chart();
    drag(s.mv(), s.side(0), s.side(0) + QPoint(-3000, 0));
    EXPECT_FLOAT_EQ(s.res(0), 1.0f);
    EXPECT_NE(s.status().find("Layer 1 resistivity: 1 Ω·m"), std::string::npos) << s.status();
    EXPECT_NE(s.status().find("(stopped at the edge of the plotting area)"), std::string::npos);
    EXPECT_TRUE(s.w.Undo());

    // On a linear scale a model side stops right of resistivity 0 and at the
    // area's right edge, and the chart keeps its scales after the release.
    s.mv()->SetResistivityScale(LayeredModelPlan::Scale::Linear);
    // Chart units are tens of ohm-metres for these values.
    const double ohmPerUnit = 10.0;
    const float rate = m.m_fRRate;
    const CRect area = m.m_rcArea;
    drag(s.mv(), s.side(0), s.side(0) + QPoint(-3000, 0));
    EXPECT_FLOAT_EQ(s.res(0), static_cast<float>(ohmPerUnit / rate));
    EXPECT_NE(s.status().find("Layer 1 resistivity: "), std::string::npos);
    EXPECT_NE(s.status().find("(stopped: resistivity must stay above 0)"), std::string::npos);
    drag(s.mv(), s.side(2), s.side(2) + QPoint(-40, 0));  // the largest, 300, made smaller
    EXPECT_LT(s.res(2), 300.0f);
    EXPECT_EQ(m.m_fRRate, rate);
    EXPECT_EQ(m.m_rcArea, area);
    EXPECT_NEAR(m.m_RPoints[2].x, s.res(2) / ohmPerUnit * static_cast<double>(rate), 1.5);

    // Asked for, the chart is laid out for the values as they are now.
    s.w.Rescale();
    EXPECT_NE(m.m_fRRate, rate);
    drag(s.mv(), s.side(1), s.side(1) + QPoint(4000, 0));
    EXPECT_NEAR(s.res(1), m.m_rcArea.right / m.m_fRRate * ohmPerUnit, 1e-2);
}

TEST(StudioEdit, EscapeUndoAndRedoFollowTheSavedState)
{
    Studio s;
    CDrawRPCurve& c = s.sv()->Chart();
    const QPoint from = s.sv()->ToWidget(c.m_RPoints[1]);
    mouse(s.sv(), QEvent::MouseButtonPress, from);
    mouse(s.sv(), QEvent::MouseMove, from + QPoint(0, -30));
    EXPECT_NE(s.sv()->Values().r[1], 250.0f);
    key(s.sv(), Qt::Key_Escape);
    EXPECT_EQ(s.sv()->Values().r[1], 250.0f);
    mouse(s.sv(), QEvent::MouseMove, from + QPoint(0, -60));  // no longer dragging
    mouse(s.sv(), QEvent::MouseButtonRelease, from + QPoint(0, -60));
    EXPECT_EQ(s.sv()->Values().r[1], 250.0f);
    EXPECT_EQ(c.m_RPoints[1].y, static_cast<int>(c.m_fR[1] * static_cast<double>(c.m_fYRate)));
    EXPECT_FALSE(s.w.SoundingModified());
    EXPECT_FALSE(s.w.History().CanUndo());

    drag(s.sv(), from, from + QPoint(0, -30));
    const float first = s.sv()->Values().r[1];
    drag(s.mv(), s.side(1), s.side(1) + QPoint(25, 0));
    const float layer = s.res(1);
    ASSERT_TRUE(s.w.SaveSounding());
    drag(s.sv(), s.sv()->ToWidget(c.m_RPoints[1]), s.sv()->ToWidget(c.m_RPoints[1]) + QPoint(0, -30));
    EXPECT_TRUE(s.w.SoundingModified());
    EXPECT_TRUE(s.w.ModelModified());

    // Ctrl+Z is bound to the Edit menu's Undo.
    QAction* undo = nullptr;
    for (QAction* menu : s.w.menuBar()->actions())
        if (menu->text() == QLatin1String("&Edit"))
            undo = menu->menu()->actions().value(0);
    ASSERT_TRUE(undo);
    EXPECT_EQ(undo->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    undo->trigger();
    EXPECT_EQ(s.sv()->Values().r[1], first);
    EXPECT_FALSE(s.w.SoundingModified());  // back to what was saved
    EXPECT_NE(s.status().find("Undone: Measured R, sample 2 back to"), std::string::npos) << s.status();
    EXPECT_TRUE(s.w.Undo());
    EXPECT_EQ(s.res(1), 10.0f);
    EXPECT_FALSE(s.w.ModelModified());
    EXPECT_TRUE(s.w.Undo());
    EXPECT_EQ(s.sv()->Values().r[1], 250.0f);
    EXPECT_TRUE(s.w.SoundingModified());  // saved with the first edit in
    EXPECT_FALSE(s.w.Undo());
    EXPECT_TRUE(s.w.Redo());
    EXPECT_TRUE(s.w.Redo());
    EXPECT_EQ(s.res(1), layer);
    EXPECT_FALSE(s.w.SoundingModified());

    // Reopening a document forgets its edits only.
    ASSERT_TRUE(s.w.OpenSounding((s.dir + "/s.dat").c_str()));
    EXPECT_TRUE(s.w.Undo());
    EXPECT_EQ(s.res(1), 10.0f);
    EXPECT_FALSE(s.w.Undo());
    // Undone back to the file, the model needs no saving on close.
    int asked = 0;
    s.w.onQuestion = [&](const CString&) {
        ++asked;
        return IDCANCEL;
    };
    EXPECT_TRUE(s.w.close());
    EXPECT_EQ(asked, 0);
}

TEST(StudioEdit, TypedValuesAreCheckedAndUndoable)
{
    Studio s;
    CDrawRPCurve& c = s.sv()->Chart();
    doubleClickThen(s.sv(), s.sv()->ToWidget(c.m_VPoints[3]), [](ValueDialog* dlg) {
        EXPECT_EQ(dlg->Edit()->text(), QStringLiteral("350"));
        typeInto(dlg, "abc");
        pressOk(dlg);
        EXPECT_TRUE(dlg->isVisible());
        EXPECT_EQ(dlg->Error(), QStringLiteral("\"abc\" is not a number: type one such as 12.5"));
        typeInto(dlg, "-5");
        pressOk(dlg);
        EXPECT_EQ(dlg->Error(), QStringLiteral("The value must be greater than 0"));
        typeInto(dlg, "2e6");
        pressOk(dlg);
        EXPECT_EQ(dlg->Error(), QStringLiteral("The value must be at most 1000000"));
        typeInto(dlg, "123.5");
        pressOk(dlg);
        EXPECT_FALSE(dlg->isVisible());
    });
    EXPECT_EQ(s.sv()->Values().v[3], 123.5f);
    EXPECT_EQ(c.m_VPoints[3].y, static_cast<int>(c.m_fV[3] * c.m_fYRate));
    EXPECT_TRUE(s.w.SoundingModified());

    // A cancelled dialog changes nothing.
    doubleClickThen(s.sv(), s.sv()->ToWidget(c.m_VPoints[3]), [](ValueDialog* dlg) {
        typeInto(dlg, "99");
        dlg->reject();
    });
    EXPECT_EQ(s.sv()->Values().v[3], 123.5f);

    // A layer side: the area keeps its scale even for the largest layer.
    CDrawRPToH& m = s.mv()->Chart();
    const CRect area = m.m_rcArea;
    doubleClickThen(s.mv(), s.side(2), [](ValueDialog* dlg) {
        typeInto(dlg, "169");
        pressOk(dlg);
    });
    EXPECT_EQ(s.res(2), 169.0f);
    EXPECT_EQ(m.m_rcArea, area);
    EXPECT_NE(s.status().find("Half-space resistivity: 169"), std::string::npos) << s.status();
    EXPECT_TRUE(s.w.Undo());
    EXPECT_EQ(s.res(2), 300.0f);
    EXPECT_TRUE(s.w.Undo());
    EXPECT_EQ(s.sv()->Values().v[3], 350.0f);
}

TEST(StudioEdit, TheStatusBarReadsThePointerInDataUnits)
{
    Studio s;
    CDrawRPCurve& c = s.sv()->Chart();
    const auto numbers = [&](const char* fmt, double& a, double& b) {
        return std::sscanf(s.w.Readout()->text().toUtf8().constData(), fmt, &a, &b) == 2;
    };
    double a = 0, b = 0;
    // Over the measured V point of abscissa 100, value 300.
    mouse(s.sv(), QEvent::MouseMove, s.sv()->ToWidget(c.m_VPoints[2]));
    ASSERT_TRUE(numbers("t = %lf ms, V = %lf", a, b)) << s.w.Readout()->text().toStdString();
    // Within a pixel of the point; along the abscissa a pixel is a share
    // of a decade that depends on the pane's width.
    const double pixelDecades =
        (s.sv()->ToLogical(QPoint(1, 0)).x - s.sv()->ToLogical(QPoint(0, 0)).x) / static_cast<double>(c.m_fXRate);
    EXPECT_NEAR(std::log10(a), 2.0, pixelDecades);
    EXPECT_NEAR(b, 300.0, 6.0);
    ASSERT_TRUE(s.w.SetDisplayModel(2));
    mouse(s.sv(), QEvent::MouseMove, s.sv()->ToWidget(c.m_VPoints[2]));
    ASSERT_TRUE(numbers("t = %lf ms, V = %lf", a, b));
    EXPECT_NEAR(b, 300.0, 30.0);
    mouse(s.sv(), QEvent::MouseMove, QPoint(1, 1));  // outside the frame
    EXPECT_TRUE(s.w.Readout()->text().isEmpty());

    // The model: resistivity across, depth down, at the middle of layer 2.
    mouse(s.mv(), QEvent::MouseMove, s.side(1));
    ASSERT_TRUE(numbers("Resistivity %lf %*s Depth %lf", a, b)) << s.w.Readout()->text().toStdString();
    EXPECT_NEAR(a, 10.0, 1.5);
    EXPECT_NEAR(b, 20.0, 1.0);

    // While dragging, the live value is the one the chart writes.
    const QPoint v0 = s.sv()->ToWidget(c.m_VPoints[0]);
    mouse(s.sv(), QEvent::MouseButtonPress, v0);
    mouse(s.sv(), QEvent::MouseMove, v0 + QPoint(0, -20));
    EXPECT_EQ(s.status(), "Measured V, sample 1 (abscissa 1): " + QString::number(s.sv()->Values().v[0], 'g', 6).toStdString());
    mouse(s.sv(), QEvent::MouseButtonRelease, v0 + QPoint(0, -20));
}

TEST(StudioEdit, ArrowKeysNudgeTheSelectionAndAHeldKeyIsOneUndoStep)
{
    Studio s;
    CDrawRPCurve& c = s.sv()->Chart();
    const QPoint r2 = s.sv()->ToWidget(c.m_RPoints[2]);
    mouse(s.sv(), QEvent::MouseButtonPress, r2);
    mouse(s.sv(), QEvent::MouseButtonRelease, r2);
    ASSERT_EQ(s.sv()->SelectedIndex(), 2);
    const int y = c.m_RPoints[2].y;
    key(s.sv(), Qt::Key_Up);
    EXPECT_GT(s.sv()->Values().r[2], 400.0f);
    EXPECT_NEAR(c.m_RPoints[2].y - y, s.sv()->ToLogical(QPoint(0, 0)).y - s.sv()->ToLogical(QPoint(0, 1)).y, 2);
    key(s.sv(), Qt::Key_Left);  // the neighbouring sample, same curve
    EXPECT_EQ(s.sv()->SelectedIndex(), 1);
    for (int i = 0; i < 100; ++i)
        key(s.sv(), Qt::Key_Down, Qt::ShiftModifier, i > 0);
    EXPECT_FLOAT_EQ(c.m_fR[1], static_cast<float>(1.0 / c.m_fYRate));
    EXPECT_NE(s.status().find("must stay above 0"), std::string::npos);
    EXPECT_TRUE(s.w.Undo());  // the held key, at once
    EXPECT_EQ(s.sv()->Values().r[1], 250.0f);
    EXPECT_TRUE(s.w.Undo());
    EXPECT_EQ(s.sv()->Values().r[2], 400.0f);

    mouse(s.mv(), QEvent::MouseButtonPress, s.side(0));
    mouse(s.mv(), QEvent::MouseButtonRelease, s.side(0));
    ASSERT_EQ(s.mv()->SelectedLayer(), 0);
    key(s.mv(), Qt::Key_Down);
    EXPECT_EQ(s.mv()->SelectedLayer(), 1);
    key(s.mv(), Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_GT(s.res(1), 10.0f);
    EXPECT_EQ(s.res(0), 100.0f);
    EXPECT_TRUE(s.w.ModelModified());
}

TEST(StudioEdit, TheLayerTableAndTheChartKeepInStep)
{
    Studio s;
    LayerTable* t = s.w.Layers();
    CDrawRPToH& m = s.mv()->Chart();
    ASSERT_EQ(t->rowCount(), 3);
    EXPECT_EQ(t->item(2, LayerTable::kThickness)->text(), QStringLiteral("—"));
    EXPECT_FALSE(t->item(2, LayerTable::kThickness)->flags() & Qt::ItemIsEditable);

    // Typed into a cell as a user does: the chart follows, undoably.
    const auto typeCell = [&](int row, int column, const char* text) {
        t->setCurrentCell(row, column);
        t->editItem(t->item(row, column));
        QLineEdit* editor = nullptr;  // the open one; closed editors go later
        for (QLineEdit* e : t->viewport()->findChildren<QLineEdit*>())
            if (e->isVisible())
                editor = e;
        ASSERT_TRUE(editor) << "no cell editor";
        editor->selectAll();
        for (const QChar ch : QString::fromUtf8(text))
            key(editor, Qt::Key_unknown, Qt::NoModifier, false, QString(ch));
        key(editor, Qt::Key_Return);
        QCoreApplication::processEvents();  // the table commits the entry queued
    };
    // 10 to 300 ohm-m: on decades from 1 ohm-m, ten chart units each.
    typeCell(0, LayerTable::kResistivity, "150");
    EXPECT_EQ(s.res(0), 150.0f);
    EXPECT_EQ(m.m_RPoints[0].x, static_cast<int>(static_cast<float>(10 * std::log10(150.0)) *
                                                  static_cast<double>(m.m_fRRate)));
    typeCell(0, LayerTable::kThickness, "15");
    EXPECT_EQ(s.mv()->Model().thick[0], 15.0f);
    EXPECT_EQ(m.m_fH[1], 15.0f);
    EXPECT_EQ(m.m_fH[2], 35.0f);  // the layers below move down with it
    typeCell(1, LayerTable::kResistivity, "0");
    EXPECT_EQ(s.res(1), 10.0f);
    EXPECT_EQ(t->item(1, LayerTable::kResistivity)->text(), QStringLiteral("10"));
    EXPECT_EQ(s.status(), "The value must be greater than 0");

    // Chart edits and undo show in the table.
    drag(s.mv(), s.side(1), s.side(1) + QPoint(30, 0));
    EXPECT_EQ(t->item(1, LayerTable::kResistivity)->text(), QString::number(s.res(1), 'g', 6));
    EXPECT_TRUE(s.w.Undo());
    EXPECT_TRUE(s.w.Undo());
    EXPECT_EQ(t->item(0, LayerTable::kThickness)->text(), QStringLiteral("10"));
    EXPECT_EQ(m.m_fH[2], 30.0f);
    EXPECT_TRUE(s.w.Undo());
    EXPECT_EQ(t->item(0, LayerTable::kResistivity)->text(), QStringLiteral("100"));
    EXPECT_FALSE(s.w.ModelModified());
}
