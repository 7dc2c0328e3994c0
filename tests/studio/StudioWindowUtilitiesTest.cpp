// The studio built on the window utilities: its tab pages, the charts
// fitting their panes, capturing the active pane and the About box's link.
#include "TestSupport.h"
#include "support/Environment.h"

#include "PageView.h"
#include "SoundingView.h"
#include "StudioWindow.h"

#include <QApplication>
#include <QDialog>
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
