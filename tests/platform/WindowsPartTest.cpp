// The window-side pieces a host uses: the common file dialog with its test
// hook, painting through a window's paint context, and mouse capture.
#include "TestSupport.h"

#include "platform/wnd/CFileDialog.h"
#include "platform/wnd/CPaintDC.h"
#include "platform/wnd/CWnd.h"
#include "platform/wnd/MouseCapture.h"

#include <QImage>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>

namespace {

const char* const kSoundingFilter = "Data Files (*.dat;*.cor;*.txt)|*.dat;*.cor;*.txt|Dat Files (*.dat)|*.dat|"
                                    "Cor Files (*.cor)|*.cor|Text Files (*.txt)|*.txt|All Files (*.*)|*.*||";

// Installs a hook for one test and removes it afterwards.
struct HookGuard {
    explicit HookGuard(FileDialogHook h) { AfxSetFileDialogHook(std::move(h)); }
    ~HookGuard() { AfxSetFileDialogHook(nullptr); }
};

// A window that paints a filled square in MM_LOMETRIC through its paint context.
class PaintedWidget : public QWidget {
public:
    PaintedWidget() { m_wnd.Attach(this); }
    ~PaintedWidget() override { m_wnd.Detach(); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        CPaintDC dc(&m_wnd);
        dc.SetMapMode(MM_LOMETRIC);
        dc.FillSolidRect(CRect(0, 0, 100, -100), RGB(200, 0, 0));  // 10 mm square, top-left
    }

private:
    CWnd m_wnd;
};

}  // namespace

TEST(CFileDialog, FilterStringBecomesQtFiltersAndTheHookAnswers)
{
    EXPECT_EQ(CFileDialog::QtFilter(kSoundingFilter).str(),
              "Data Files (*.dat *.cor *.txt);;Dat Files (*.dat);;Cor Files (*.cor);;Text Files (*.txt);;"
              "All Files (*.*)");
    EXPECT_EQ(CFileDialog::QtFilter("Models|*.txt||ignored|*.x||").str(), "Models (*.txt)");
    EXPECT_TRUE(CFileDialog::QtFilter(nullptr).IsEmpty());

    FileDialogRequest seen;
    HookGuard guard([&](const FileDialogRequest& r, CString& path) {
        seen = r;
        path = "/data/run 1/site.A.dat";
        return true;
    });
    CFileDialog open(TRUE, nullptr, "*.*", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kSoundingFilter);
    ASSERT_EQ(open.DoModal(), IDOK);
    EXPECT_TRUE(seen.open);
    EXPECT_EQ(seen.fileName.str(), "*.*");
    EXPECT_EQ(seen.flags, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
    EXPECT_EQ(seen.filter.str(), kSoundingFilter);
    EXPECT_EQ(open.GetPathName().str(), "/data/run 1/site.A.dat");
    EXPECT_EQ(open.GetFileName().str(), "site.A.dat");
    EXPECT_EQ(open.GetFileExt().str(), "dat");
    EXPECT_EQ(open.GetFileTitle().str(), "site.A");
    EXPECT_EQ(open.GetFolderPath().str(), "/data/run 1");
}

TEST(CFileDialog, SaveAddsTheDefaultExtensionAndCancelChoosesNothing)
{
    CString answer = "/tmp/edited";
    HookGuard guard([&](const FileDialogRequest& r, CString& path) {
        EXPECT_FALSE(r.open);
        path = answer;
        return !answer.IsEmpty();
    });
    CFileDialog save(FALSE, "dat", "site.dat", OFN_OVERWRITEPROMPT, kSoundingFilter);
    ASSERT_EQ(save.DoModal(), IDOK);
    EXPECT_EQ(save.GetPathName().str(), "/tmp/edited.dat");
    answer = "/tmp/edited.cor";
    ASSERT_EQ(save.DoModal(), IDOK);
    EXPECT_EQ(save.GetPathName().str(), "/tmp/edited.cor");

    answer = "";
    CFileDialog cancelled(FALSE, "dat");
    EXPECT_EQ(cancelled.DoModal(), IDCANCEL);
    EXPECT_TRUE(cancelled.GetPathName().IsEmpty());
}

TEST(CFileDialog, WithoutAHookOffscreenItCancelsAtOnce)
{
    CFileDialog dlg(TRUE);
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

TEST(CPaintDC, PaintsOnTheWidgetInTheWindowsResolution)
{
    PaintedWidget w;
    w.resize(200, 200);
    const QImage img = w.grab().toImage();
    const int side = static_cast<int>(10.0 / 25.4 * w.logicalDpiX());  // 10 mm in pixels
    EXPECT_GT(testsupport::countNear(img, side / 2, side / 2, 2, QColor(200, 0, 0)), 20);
    EXPECT_EQ(testsupport::countNear(img, side + 10, side + 10, 2, QColor(200, 0, 0)), 0);
}

TEST(MouseCapture, OneWindowHoldsItUntilReleasedOrGone)
{
    auto a = std::make_unique<QWidget>();
    QWidget b;
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(SetCapture(a.get()), nullptr);
    EXPECT_EQ(GetCapture(), a.get());
    EXPECT_EQ(SetCapture(&b), a.get());
    EXPECT_EQ(GetCapture(), &b);
    EXPECT_TRUE(ReleaseCapture());
    EXPECT_EQ(GetCapture(), nullptr);
    SetCapture(a.get());
    a.reset();  // a destroyed window no longer holds it
    EXPECT_EQ(GetCapture(), nullptr);
}
