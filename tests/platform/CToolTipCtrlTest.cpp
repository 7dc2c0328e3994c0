// The tooltip control on screen: a tip on show follows the relayed pointer,
// flips where the screen ends, goes when the pointer leaves its window, and
// outlives neither its control nor its window.
#include "platform/wnd/CToolTipCtrl.h"
#include "platform/wnd/CWnd.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

void relay(CToolTipCtrl& tip, UINT message, int x, int y)
{
    MSG m;
    m.message = message;
    m.pt = tagPOINT{x, y};
    tip.RelayEvent(&m);
}

}  // namespace

TEST(CToolTipCtrl, ATipOnShowFollowsThePointerAndFlipsWhereTheScreenEnds)
{
    QWidget parent;
    parent.resize(300, 200);
    parent.show();
    CWnd wnd;
    wnd.Attach(&parent);
    CToolTipCtrl tip;
    ASSERT_TRUE(tip.Create(&wnd));
    tip.AddTool(&wnd, "black -- measured\nblue -- modelled\n");

    relay(tip, WM_MOUSEMOVE, 100, 80);
    EXPECT_TRUE(tip.GetTipRect().IsRectEmpty());  // a move shows no tip by itself
    tip.SendMessage(TTM_UPDATE);
    const CRect first = tip.GetTipRect();
    EXPECT_EQ(first.TopLeft(), CPoint(104, 100));  // below the pointer, a little right
    EXPECT_FALSE(first.IsRectEmpty());
    relay(tip, WM_MOUSEMOVE, 150, 130);
    EXPECT_EQ(tip.GetTipRect(), CRect(154, 150, 154 + first.Width(), 150 + first.Height()));
    relay(tip, WM_LBUTTONDOWN, 10, 10);  // only moves move it
    EXPECT_EQ(tip.GetTipRect().TopLeft(), CPoint(154, 150));
    tip.SendMessage(TTM_UPDATE);  // shown again where the pointer is, not where it first was
    EXPECT_EQ(tip.GetTipRect().TopLeft(), CPoint(154, 150));

    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const int x = screen.right() - 5, y = screen.bottom() - 5;
    relay(tip, WM_MOUSEMOVE, x, y);
    EXPECT_EQ(tip.GetTipRect(), CRect(x - 4 - first.Width(), y - 4 - first.Height(), x - 4, y - 4));

    // The pointer leaving the window takes the tip down; the next move
    // does not bring it back, the next show does.
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&parent, &leave);
    EXPECT_FALSE(tip.IsTipShown());
    relay(tip, WM_MOUSEMOVE, 100, 80);
    EXPECT_TRUE(tip.GetTipRect().IsRectEmpty());
    tip.SendMessage(TTM_UPDATE);
    EXPECT_EQ(tip.GetTipRect().TopLeft(), CPoint(104, 100));
    tip.SendMessage(TTM_POP);
    EXPECT_TRUE(tip.GetTipRect().IsRectEmpty());
    wnd.Detach();

    // A window destroyed under a tip on show leaves a control that still
    // answers and is destroyed cleanly.
    CToolTipCtrl orphan;
    {
        QWidget gone;
        gone.show();
        CWnd goneWnd;
        goneWnd.Attach(&gone);
        orphan.Create(&goneWnd);
        orphan.AddTool(&goneWnd, "tip");
        orphan.SendMessage(TTM_UPDATE);
        EXPECT_FALSE(orphan.GetTipRect().IsRectEmpty());
        goneWnd.Detach();
    }
    relay(orphan, WM_MOUSEMOVE, 10, 10);
    EXPECT_TRUE(orphan.GetTipRect().IsRectEmpty());
}
