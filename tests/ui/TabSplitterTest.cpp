// The tab window with its views, the splitter's active pane with and
// without a frame, and the test dialog's ten-character field.
#include "axis/DialogDriver.h"
#include "platform/gdi/CImageDC.h"
#include "platform/wnd/CDocument.h"
#include "platform/wnd/CFrameWnd.h"
#include "platform/wnd/CView.h"
#include "ui/CTabWindow.h"
#include "ui/CViewExSplitWnd.h"
#include "ui/dlgtest.h"

#include <QApplication>
#include <QLineEdit>
#include <QTabBar>
#include <QWidget>
#include <gtest/gtest.h>

#include <new>

namespace {

class PlainView : public CView {
public:
    DECLARE_DYNCREATE(PlainView)
};
IMPLEMENT_DYNCREATE(PlainView, CView)

class FailingView : public CView {
public:
    DECLARE_DYNCREATE(FailingView)
    FailingView() { throw std::bad_alloc(); }
};
IMPLEMENT_DYNCREATE(FailingView, CView)

struct Frame {
    CFrameWnd frame;
    Frame() { EXPECT_TRUE(frame.Create(nullptr, "frame", WS_OVERLAPPED, CRect(0, 0, 400, 300))); }
};

QTabBar* tabBar(CTabWindow& tabs) { return tabs.m_hWnd->findChild<QTabBar*>(); }

}  // namespace

TEST(CTabWindow, TabsCarryTheirViewsAndShowOnlyTheSelectedOne)
{
    Frame f;
    CDocument doc;
    CTabWindow tabs;
    ASSERT_TRUE(tabs.Create(WS_CHILD | WS_VISIBLE | TCS_BOTTOM, CRect(0, 0, 400, 300), &f.frame, 7));
    EXPECT_EQ(tabs.ShowSelTabView(), -1);

    CView* a = tabs.AddTabView(RUNTIME_CLASS(PlainView), &doc, &f.frame, 0, "A", 0);
    CView* b = tabs.AddTabView(RUNTIME_CLASS(PlainView), nullptr, &f.frame, 1, "B", 1);
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->GetDocument(), &doc);
    EXPECT_EQ(doc.GetViewCount(), 1);
    EXPECT_EQ(a->GetStyle() & (WS_CHILD | WS_VISIBLE | WS_BORDER), WS_CHILD | WS_VISIBLE | WS_BORDER);
    EXPECT_EQ(tabs.GetTabView(0), a);
    EXPECT_EQ(tabs.GetTabView(1), b);
    EXPECT_EQ(tabs.GetTabView(2), nullptr);

    // Only the tab added with an image has an image index, whatever the control holds.
    TCITEM item;
    item.mask = TCIF_IMAGE;
    ASSERT_TRUE(tabs.GetItem(0, &item));
    EXPECT_EQ(item.iImage, -1);
    ASSERT_TRUE(tabs.GetItem(1, &item));
    EXPECT_EQ(item.iImage, 1);

    // A view that cannot be made adds no tab.
    EXPECT_EQ(tabs.AddTabView(RUNTIME_CLASS(FailingView), &doc, &f.frame, 2, "C", 0), nullptr);
    EXPECT_EQ(tabs.GetItemCount(), 2);

    f.frame.m_hWnd->show();
    tabs.SetCurSel(1);
    EXPECT_EQ(tabs.ShowSelTabView(), 1);
    EXPECT_FALSE(a->IsWindowVisible());
    EXPECT_TRUE(b->IsWindowVisible());
    // A user's click on a tab reaches the window's own handler.
    tabBar(tabs)->setCurrentIndex(0);
    EXPECT_TRUE(a->IsWindowVisible());
    EXPECT_FALSE(b->IsWindowVisible());

    // The views outlive the tab window.
    tabs.DestroyWindow();
    EXPECT_TRUE(a->IsWindow());
}

TEST(CTabWindow, MovingHandsBackTheDisplayAreaAndShrinksItEachTime)
{
    Frame f;
    CTabWindow tabs;
    ASSERT_TRUE(tabs.Create(WS_CHILD | WS_VISIBLE | TCS_BOTTOM, CRect(0, 0, 10, 10), &f.frame, 7));
    CView* a = tabs.AddTabView(RUNTIME_CLASS(PlainView), nullptr, &f.frame, 0, "A", 0);
    ASSERT_NE(a, nullptr);

    CRect r(10, 20, 410, 320);
    tabs.MoveTabView(r);
    EXPECT_EQ(tabs.m_hWnd->geometry(), QRect(10, 20, 400, 300));
    const int strip = 300 - 4 - r.Height();
    EXPECT_GT(strip, 10);
    EXPECT_EQ(r, CRect(12, 22, 408, 318 - strip));
    EXPECT_EQ(a->m_hWnd->geometry(), QRect(r.left, r.top, r.Width(), r.Height()));

    CRect again = r;
    tabs.MoveTabView(again);
    EXPECT_EQ(again, CRect(r.left + 2, r.top + 2, r.right - 2, r.bottom - 2 - strip));

    // The erase leaves the display area to the views: only a 4-unit border
    // and a 22-unit strip at the bottom are filled.
    CImageDC dc(400, 300);
    dc.FillSolidRect(0, 0, 400, 300, RGB(1, 2, 3));
    tabs.MoveTabView(r = CRect(0, 0, 400, 300));
    tabs.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(static_cast<CDC*>(&dc)));
    const QImage& img = dc.Image();
    EXPECT_NE(QColor(img.pixel(2, 150)), QColor(1, 2, 3));
    EXPECT_NE(QColor(img.pixel(200, 290)), QColor(1, 2, 3));
    EXPECT_EQ(QColor(img.pixel(200, 150)), QColor(1, 2, 3));
    EXPECT_EQ(QColor(img.pixel(5, 5)), QColor(1, 2, 3));
}

TEST(CViewExSplitWnd, ActivePaneIsTheFramesActiveViewElseTheFocus)
{
    EXPECT_STREQ(RUNTIME_CLASS(CViewExSplitWnd)->m_lpszClassName, "CViewExSplitWnd");
    EXPECT_EQ(RUNTIME_CLASS(CViewExSplitWnd)->m_pBaseClass, RUNTIME_CLASS(CSplitterWnd));

    Frame f;
    CViewExSplitWnd split;
    ASSERT_TRUE(split.CreateStatic(&f.frame, 1, 2));
    ASSERT_TRUE(split.CreateView(0, 1, RUNTIME_CLASS(PlainView), SIZE{100, 100}, nullptr));
    ASSERT_TRUE(split.CreateView(0, 0, RUNTIME_CLASS(PlainView), SIZE{100, 100}, nullptr));
    EXPECT_FALSE(split.CreateView(0, 0, RUNTIME_CLASS(PlainView), SIZE{100, 100}, nullptr));
    CWnd* left = split.GetPane(0, 0);
    CWnd* right = split.GetPane(0, 1);
    ASSERT_TRUE(left && right && left != right);

    f.frame.SetActiveView(static_cast<CView*>(right));
    int row = -7, col = -7;
    EXPECT_EQ(split.GetActivePane(&row, &col), right);
    EXPECT_EQ(row, -7);
    EXPECT_EQ(col, -7);

    // A view outside the splitter counts here, not for the plain splitter.
    CTabWindow tabs;
    ASSERT_TRUE(tabs.Create(WS_CHILD, CRect(0, 0, 10, 10), &f.frame, 3));
    CView* other = tabs.AddTabView(RUNTIME_CLASS(PlainView), nullptr, &f.frame, 0, "o", 0);
    f.frame.SetActiveView(other);
    EXPECT_EQ(split.GetActivePane(), other);
    EXPECT_EQ(split.CSplitterWnd::GetActivePane(), nullptr);

    // No active view: the focus window, or nothing.
    f.frame.SetActiveView(nullptr);
    f.frame.m_hWnd->show();
    QApplication::setActiveWindow(f.frame.m_hWnd);
    left->m_hWnd->setFocus();
    if (QApplication::focusWidget() == left->m_hWnd) {
        EXPECT_EQ(split.GetActivePane(), left);
    }

    // Without a frame the focus decides.
    QWidget bare;
    CWnd parent;
    parent.Attach(&bare);
    CViewExSplitWnd loose;
    ASSERT_TRUE(loose.CreateStatic(&parent, 1, 1));
    ASSERT_TRUE(loose.CreateView(0, 0, RUNTIME_CLASS(PlainView), SIZE{0, 0}, nullptr));
    EXPECT_EQ(loose.GetParentFrame(), nullptr);
    EXPECT_EQ(loose.GetActivePane(), CWnd::GetFocus());
    parent.Detach();
}

TEST(dlgtest, TextFieldTakesAtMostTenCharacters)
{
    dialogdriver::MessageBoxes boxes;
    dlgtest dlg;
    int limit = 0;
    CDialog::ScriptNextModal([&](CDialog& d) {
        limit = dialogdriver::edit(d, 2006)->maxLength();
        dialogdriver::type(d, 2006, "abcdefghijk");
        EXPECT_EQ(dialogdriver::text(d, 2006), "abcdefghij");
        dialogdriver::click(d, IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(limit, 10);
    EXPECT_STREQ(dlg.m_text.GetString(), "abcdefghij");
    EXPECT_TRUE(boxes.texts.empty());

    // Text put past the limit by a program is refused on OK.
    bool stillOpen = false;
    CDialog::ScriptNextModal([&](CDialog& d) {
        QLineEdit* e = dialogdriver::edit(d, 2006);
        e->setMaxLength(100);
        e->setText(QStringLiteral("abcdefghijk"));
        dialogdriver::click(d, IDOK);
        stillOpen = d.IsWindowVisible();
        dialogdriver::click(d, IDCANCEL);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_TRUE(stillOpen);
    ASSERT_EQ(boxes.texts.size(), 1u);
    EXPECT_EQ(boxes.texts[0], "请输入不超过 10 个字符。");
}
