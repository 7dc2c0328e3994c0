// The studio built on the window utilities: its tab pages, the charts
// fitting their panes, capturing the active pane, the About box's link and
// the docks that go with the charts page.
#include "TestSupport.h"
#include "support/Environment.h"
#include "support/StudioFixture.h"

#include "PageView.h"
#include "SoundingView.h"
#include "StudioPage.h"
#include "StudioWindow.h"

#include <QApplication>
#include <QDialog>
#include <QDockWidget>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QtTest/QTest>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

TEST(StudioUtilities, PagesSplitterCaptureAndAboutLink)
{
    StudioWindow w;
    w.onError = [](const CString& m) { ADD_FAILURE() << m.GetString(); };
    w.OpenSounding(StudioWindow::BundledData("sounding.dat"));
    w.resize(1000, 700);
    w.show();
    QApplication::processEvents();

    // Sounding and model, axes, profiles, section.
    ASSERT_EQ(w.Tabs().GetItemCount(), 4);
    EXPECT_EQ(w.Tabs().ShowSelTabView(), 0);
    EXPECT_TRUE(w.Tabs().GetTabView(0)->IsWindowVisible());
    for (int page = 1; page < 4; ++page)
        EXPECT_FALSE(w.Tabs().GetTabView(page)->IsWindowVisible()) << page;

    // The chart fills its pane and is redrawn to the pane's size.
    CWnd* pane = w.Split().GetActivePane();
    ASSERT_EQ(pane, w.Split().GetPane(0, 0));
    const int dpiBefore = w.Sounding()->FitDpi();
    EXPECT_GT(w.Sounding()->width(), pane->m_hWnd->width() - 10);
    w.resize(600, 400);
    QApplication::processEvents();
    EXPECT_LT(w.Sounding()->FitDpi(), dpiBefore);

    const std::string path = testsupport::tempDir() + "/pane.bmp";
    ASSERT_TRUE(w.CaptureActivePane(path.c_str()));
    QImage shot(QString::fromStdString(path));
    ASSERT_FALSE(shot.isNull());
    EXPECT_EQ(shot.size(), pane->m_hWnd->size());
    EXPECT_GT(testsupport::countColour(shot, QColor(255, 255, 255), 10), shot.width() * shot.height() / 4);

    // The About box's link opens the documentation with the desktop's opener.
    const std::string bin = testsupport::tempDir();
    std::ofstream(bin + "/xdg-open") << "#!/bin/sh\nprintf '%s' \"$1\" > \"${0%/*}/opened\"\n";
    std::filesystem::permissions(bin + "/xdg-open", std::filesystem::perms::owner_all);
    testsupport::Environment env;  // PATH comes back however the test ends
    env.set("PATH", bin);
    QDialog* about = w.CreateAboutDialog();
    about->show();
    QLabel* link = nullptr;
    for (QLabel* l : about->findChildren<QLabel*>())
        if (l->text() == QStringLiteral("Documentation"))
            link = l;
    ASSERT_NE(link, nullptr);
    const QPointF at(3, 3);
    QMouseEvent press(QEvent::MouseButtonPress, at, link->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, link->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(link, &press);
    QApplication::sendEvent(link, &release);
    std::ifstream in(bin + "/opened");
    std::string opened((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(opened, StudioWindow::DocumentationUrl().str());
    EXPECT_EQ(opened.rfind("file:///", 0), 0u);
    about->close();
}

// An installed studio links to the README installed beside it, found through
// the links the file system resolves (/bin may link to /usr/bin); without it
// to the installed guides, and a studio run from its build tree to the
// source tree's README.
TEST(StudioUtilities, AboutLinkFindsTheInstalledDocumentation)
{
    namespace fs = std::filesystem;
    const fs::path prefix = fs::path(testsupport::tempDir()) / "prefix";
    const fs::path docs = prefix / "share" / "doc" / "tarnex";
    fs::create_directories(prefix / "bin");
    fs::create_directories(docs);
    std::ofstream(docs / "README.md") << "# tarnex\n";
    const fs::path link = fs::path(testsupport::tempDir()) / "linked-bin";
    fs::remove(link);
    fs::create_directory_symlink(prefix / "bin", link);
    const std::string readme = fs::canonical(docs / "README.md").string();
    EXPECT_EQ(StudioWindow::DocumentationPath((prefix / "bin").c_str()).str(), readme);
    EXPECT_EQ(StudioWindow::DocumentationPath(link.c_str()).str(), readme);

    fs::remove(docs / "README.md");
    EXPECT_EQ(StudioWindow::DocumentationPath((prefix / "bin").c_str()).str(), fs::canonical(docs).string());

    fs::remove_all(prefix / "share");
    const std::string source = StudioWindow::DocumentationPath((prefix / "bin").c_str()).str();
    EXPECT_EQ(source, std::string(TARNEX_SOURCE_DIR) + "/README.md");
    EXPECT_TRUE(fs::is_regular_file(source));
}

// The layer table, the station list and the read-outs in the status bar
// belong to the charts page: another tab hides them, the first brings them
// back, and a dock the user closed stays closed.
TEST(StudioUtilities, DocksAndReadoutsOnlyOnTheChartsPage)
{
    testsupport::StudioFixture s;
    s.activate();
    ASSERT_TRUE(s.w.OpenSurvey(StudioWindow::BundledData("survey.csv")));
    QApplication::processEvents();
    auto* layers = s.w.findChild<QDockWidget*>(QStringLiteral("layers"));
    auto* stations = s.w.findChild<QDockWidget*>(QStringLiteral("stations"));
    QLabel* misfit = s.w.MisfitLabel();
    ASSERT_TRUE(layers && stations && misfit);
    auto* bar = s.w.Tabs().m_hWnd->findChild<QTabBar*>();
    ASSERT_NE(bar, nullptr);
    const auto click = [&](int tab) {
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(tab).center());
        QApplication::processEvents();
        ASSERT_EQ(s.w.Tabs().GetCurSel(), tab);
    };
    const auto shown = [&](bool on) {
        for (QWidget* w : {static_cast<QWidget*>(layers), static_cast<QWidget*>(stations),
                           static_cast<QWidget*>(s.w.Readout()), static_cast<QWidget*>(misfit)})
            EXPECT_EQ(w->isVisible(), on) << w->metaObject()->className() << " " << s.w.Tabs().GetCurSel();
    };
    shown(true);
    for (int tab : {1, 2, 3}) {
        click(tab);
        shown(false);
    }
    click(0);
    shown(true);

    layers->close();
    click(2);
    click(0);
    EXPECT_FALSE(layers->isVisible());
    EXPECT_TRUE(stations->isVisible());

    // A survey opened from the axes page keeps its list for the charts.
    click(1);
    ASSERT_TRUE(s.w.OpenSurvey(StudioWindow::BundledData("survey.csv")));
    QApplication::processEvents();
    EXPECT_FALSE(stations->isVisible());
    click(0);
    EXPECT_TRUE(stations->isVisible());
}

namespace {

// The bounds of what a page painted inside its drawing area (the section's
// buttons left out), in page pixels.
QRect inkBounds(StudioPage* page)
{
    const QRect area = page->DrawingArea();
    const QImage img = page->grab(area).toImage().convertToFormat(QImage::Format_RGB32);
    QRect ink;
    for (int y = 0; y < img.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x)
            if (qGray(row[x]) < 200)
                ink |= QRect(x, y, 1, 1);
    }
    return ink.translated(area.topLeft());
}

}  // namespace

// The axes, profiles and section pages fill a large pane at the drawing's
// proportions, centred; a pane smaller than the readable drawing scrolls
// to every part of it.
TEST(StudioUtilities, DrawingPagesFillTheirPaneCentredAndScrollWhenSmaller)
{
    StudioWindow w;
    w.show();
    for (int tab : {1, 2, 3}) {
        w.Tabs().SetCurSel(tab);
        w.Tabs().ShowSelTabView();
        auto* view = static_cast<PageView*>(w.Tabs().GetTabView(tab));
        auto* area = qobject_cast<QScrollArea*>(view->Content());
        ASSERT_NE(area, nullptr) << tab;
        auto* page = dynamic_cast<StudioPage*>(area->widget());
        ASSERT_NE(page, nullptr) << tab;
        for (QSize size : {QSize(1000, 650), QSize(1920, 1080)}) {
            w.resize(size);
            QApplication::processEvents();
            ASSERT_EQ(page->size(), area->viewport()->size()) << tab;
            EXPECT_GT(page->Scale(), 1.0) << tab;
            const QRect room = page->DrawingArea();
            const QRect ink = inkBounds(page);
            const bool fillsWidth = ink.width() >= 0.9 * room.width();
            const bool fillsHeight = ink.height() >= 0.9 * room.height();
            EXPECT_TRUE(fillsWidth || fillsHeight) << tab << ": " << ink.width() << "x" << ink.height() << " in "
                                                  << room.width() << "x" << room.height();
            // Equal room either side, to a pixel or two.
            EXPECT_LE(std::abs((ink.left() - room.left()) - (room.right() - ink.right())), 4) << tab;
            EXPECT_LE(std::abs((ink.top() - room.top()) - (room.bottom() - ink.bottom())), 4) << tab;
        }
        w.resize(400, 300);
        QApplication::processEvents();
        EXPECT_EQ(page->Scale(), 1.0) << tab;
        EXPECT_GE(page->width(), page->sizeHint().width()) << tab;
        EXPECT_GE(page->height(), page->sizeHint().height()) << tab;
        QScrollBar* h = area->horizontalScrollBar();
        QScrollBar* v = area->verticalScrollBar();
        ASSERT_GT(h->maximum(), 0) << tab;
        ASSERT_GT(v->maximum(), 0) << tab;
        // Scrolled to the far corner, the drawing's right and bottom edges show.
        h->setValue(h->maximum());
        v->setValue(v->maximum());
        QApplication::processEvents();
        const QRect seen(page->mapFrom(area->viewport(), QPoint(0, 0)), area->viewport()->size());
        const QRect ink = inkBounds(page);
        EXPECT_TRUE(seen.contains(ink.bottomRight())) << tab;
    }
}
