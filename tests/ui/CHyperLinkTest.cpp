// The hyperlink label: attaching, fitting its text, colours and hover, and
// opening its address with a stand-in opener or registered program that
// records the argument vector it was given.
#include "TestSupport.h"
#include "support/Environment.h"

#include "axis/DialogDriver.h"
#include "platform/wnd/MouseCapture.h"
#include "ui/CHyperLink.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QWidget>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

namespace {

// Protected handlers, reached as the framework would reach them.
struct Link : CHyperLink {
    using CHyperLink::CtlColor;
    using CHyperLink::GetRegKey;
    using CHyperLink::OnMouseMove;
    using CHyperLink::OnSetCursor;
    using CHyperLink::ReportError;
    BOOL hover() const { return m_bHover; }
};

// A parent window with one static control, id 100, at (100, 10) 200 x 30.
struct Host {
    QWidget widget;
    CWnd wnd;
    QWidget* label;
    Host(const char* text, DWORD style = SS_LEFT)
    {
        wnd.Attach(&widget);
        widget.resize(400, 100);
        label = CStatic::CreateWidget(style, text, &widget);
        CWnd::AssignControlId(label, 100);
        label->setGeometry(100, 10, 200, 30);
    }
    ~Host() { wnd.Detach(); }
};

// A desktop with nothing on PATH and association folders of its own.
struct Desktop {
    std::string dir = testsupport::tempDir();
    testsupport::Environment env;
    Desktop()
    {
        for (const char* d : {"/bin", "/config", "/data/applications", "/none"})
            std::filesystem::create_directories(dir + d);
        env.set("PATH", dir + "/bin");
        env.set("XDG_CONFIG_HOME", dir + "/config");
        env.set("XDG_CONFIG_DIRS", dir + "/none");
        env.set("XDG_DATA_HOME", dir + "/data");
        env.set("XDG_DATA_DIRS", dir + "/none");
    }
    // A program that writes its argument count and each argument in brackets to its log.
    std::string recorder(const std::string& name)
    {
        const std::string path = dir + "/bin/" + name;
        std::ofstream(path) << "#!/bin/sh\nout=\"${0%/*}/" << name << ".log\"\n"
                            << "printf '%s\\n' \"$#\" > \"$out\"\n"
                            << "for a in \"$@\"; do printf '[%s]\\n' \"$a\" >> \"$out\"; done\n"
                            << ": > \"$out.done\"\n";
        std::filesystem::permissions(path, std::filesystem::perms::owner_all);
        return path;
    }
    // The recorder's log, waited for: a registered program runs on its own.
    std::string log(const std::string& name)
    {
        const std::string path = dir + "/bin/" + name + ".log";
        for (int i = 0; i < 500 && !std::filesystem::exists(path + ".done"); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        std::ifstream in(path);
        std::stringstream s;
        s << in.rdbuf();
        in.close();
        std::filesystem::remove(path + ".done");
        std::filesystem::remove(path);
        return s.str();
    }
    void registerBrowser(const std::string& exec)
    {
        std::ofstream(dir + "/config/mimeapps.list") << "[Default Applications]\ntext/html=rec.desktop;\n";
        std::ofstream(dir + "/data/applications/rec.desktop")
            << "[Desktop Entry]\nType=Application\nName=Recorder\nExec=" << exec << "\n";
    }
};

void clickOn(QWidget* w)
{
    const QPointF at(2, 2);
    QMouseEvent press(QEvent::MouseButtonPress, at, w->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(w, &release);
}

const char* const kHostile = "http://example.org/a b;touch PWNED $(touch PWNED2) `touch PWNED3` \"q\" 'r'&x=1";

}  // namespace

TEST(CHyperLink, AttachingTakesTextOrAddressAndFitsTheText)
{
    {
        Host h("x");
        Link link;
        ASSERT_TRUE(link.SubclassDlgItem(100, &h.wnd));
        EXPECT_STREQ(link.GetURL().GetString(), "x");
        EXPECT_TRUE(link.GetStyle() & SS_NOTIFY);
        EXPECT_STREQ(link.ToolTip().GetToolText(&link, 1).GetString(), "x");
        EXPECT_TRUE(link.GetFont()->desc().lfUnderline);
        ASSERT_NE(link.GetLinkCursor(), nullptr);
        EXPECT_EQ(link.GetLinkCursor()->shape(), Qt::PointingHandCursor);
        // Left aligned: the left edge stays, the width becomes the text's.
        EXPECT_EQ(h.label->x(), 100);
        EXPECT_GT(h.label->width(), 0);
        EXPECT_LT(h.label->width(), 30);
    }
    {
        Host h("", SS_RIGHT);
        Link link;
        link.SetURL("https://example.org/docs");
        ASSERT_TRUE(link.SubclassDlgItem(100, &h.wnd));
        CString text;
        link.GetWindowText(text);
        EXPECT_STREQ(text.GetString(), "https://example.org/docs");
        // Right aligned: the right edge stays at 300 and the left one moves to fit.
        const int width = h.label->width();
        EXPECT_EQ(h.label->x() + width, 300);
        EXPECT_GT(width, 60);
        EXPECT_LT(width, 200);
        CDC* dc = link.GetDC();
        CFont* font = link.GetFont();
        dc->SelectObject(font);
        EXPECT_EQ(width, dc->GetTextExtent(text).cx);
        EXPECT_EQ(h.label->height(), dc->GetTextExtent(text).cy);
        link.ReleaseDC(dc);
        // Without underline the window font loses it.
        link.SetUnderline(FALSE);
        EXPECT_FALSE(link.GetFont()->desc().lfUnderline);
    }
}

TEST(CHyperLink, ColoursFollowHoverAndVisitedState)
{
    Host h("link");
    Link link;
    ASSERT_TRUE(link.SubclassDlgItem(100, &h.wnd));
    CDC dc;
    EXPECT_EQ(link.CtlColor(&dc, CTLCOLOR_STATIC), static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)));
    EXPECT_EQ(dc.GetTextColor(), RGB(0, 0, 238));
    EXPECT_EQ(dc.GetBkMode(), TRANSPARENT);

    link.SetVisited(TRUE);
    link.CtlColor(&dc, CTLCOLOR_STATIC);
    EXPECT_EQ(dc.GetTextColor(), RGB(85, 26, 139));

    // The first move over it hovers and captures the mouse; leaving ends both.
    link.SetColours(RGB(1, 2, 3), RGB(200, 0, 0), RGB(7, 8, 9));
    link.OnMouseMove(0, CPoint(1, 1));
    EXPECT_TRUE(link.hover());
    EXPECT_EQ(GetCapture(), h.label);
    link.CtlColor(&dc, CTLCOLOR_STATIC);
    EXPECT_EQ(dc.GetTextColor(), RGB(7, 8, 9));
    link.OnMouseMove(0, CPoint(2, 2));
    EXPECT_TRUE(link.hover());
    link.OnMouseMove(0, CPoint(-3, 2));
    EXPECT_FALSE(link.hover());
    EXPECT_EQ(GetCapture(), nullptr);
    link.CtlColor(&dc, CTLCOLOR_STATIC);
    EXPECT_EQ(dc.GetTextColor(), RGB(200, 0, 0));

    // The label paints in the colour its handler gives.
    h.widget.show();
    const QImage shot = h.label->grab().toImage();
    EXPECT_GT(testsupport::countColour(shot, QColor(200, 0, 0), 60), 3);

    // 0xFFFFFFFF stands for the system highlight colour, whatever the
    // desktop's palette says.
    QPalette purple = QApplication::palette();
    purple.setColor(QPalette::Highlight, QColor(128, 0, 128));
    QApplication::setPalette(purple);
    link.SetColours(RGB(1, 2, 3), RGB(4, 5, 6), 0xFFFFFFFF);
    EXPECT_EQ(link.GetHoverColour(), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(Link().GetHoverColour(), GetSysColor(COLOR_HIGHLIGHT)) << "a new link's hover colour";
    QApplication::setPalette(QPalette());

    EXPECT_TRUE(link.OnSetCursor(&link, HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), link.GetLinkCursor());
}

TEST(CHyperLink, OpenerGetsTheAddressAsOneArgumentWithoutAShell)
{
    Desktop d;
    d.recorder("xdg-open");
    Host h("link");
    Link link;
    link.SetURL(kHostile);
    ASSERT_TRUE(link.SubclassDlgItem(100, &h.wnd));
    dialogdriver::MessageBoxes boxes;
    clickOn(h.label);
    EXPECT_EQ(d.log("xdg-open"), std::string("1\n[") + kHostile + "]\n");
    EXPECT_TRUE(boxes.texts.empty());
    EXPECT_TRUE(link.GetVisited());
    for (const char* f : {"PWNED", "PWNED2", "PWNED3"})
        EXPECT_FALSE(std::filesystem::exists(f) || std::filesystem::exists(d.dir + "/" + f));
}

TEST(CHyperLink, WithoutOpenerOrAssociationTheUserIsTold)
{
    Desktop d;
    Host h("link");
    Link link;
    link.SetURL("https://example.org");
    ASSERT_TRUE(link.SubclassDlgItem(100, &h.wnd));
    link.SetVisited(TRUE);
    dialogdriver::MessageBoxes boxes;
    const int beeps = MessageBeepCount();
    EXPECT_EQ(ShellResultCode(link.GotoURL("https://example.org", SW_SHOW)), 2);
    clickOn(h.label);
    ASSERT_EQ(boxes.texts.size(), 1u);
    EXPECT_EQ(boxes.texts[0], "Unable to open hyperlink:\n\nThe specified file was not found.");
    EXPECT_EQ(MessageBeepCount(), beeps + 1);
    EXPECT_FALSE(link.GetVisited());

    link.ReportError(26);
    link.ReportError(4);
    link.ReportError(31);
    ASSERT_EQ(boxes.texts.size(), 4u);
    EXPECT_EQ(boxes.texts[1], "Unable to open hyperlink:\n\nA sharing violation occurred. ");
    EXPECT_EQ(boxes.texts[2], "Unable to open hyperlink:\n\nUnknown Error (4) occurred.");
    EXPECT_EQ(boxes.texts[3],
              "Unable to open hyperlink:\n\nThere is no application associated\nwith the given filename extension.");
}

TEST(CHyperLink, RegisteredBrowserRunsWithTheAddressInPlaceOfItsPlaceholder)
{
    Desktop d;
    const std::string rec = d.recorder("browser");
    Link link;
    char value[MAX_PATH] = "unchanged";

    // The quoted placeholder and what follows are dropped: program, two spaces, address.
    d.registerBrowser(rec + " \"%u\" --private-window");
    ASSERT_EQ(link.GetRegKey(HKEY_CLASSES_ROOT, ".htm", value), ERROR_SUCCESS);
    EXPECT_STREQ(value, "rec.desktop");
    ASSERT_EQ(link.GetRegKey(HKEY_CLASSES_ROOT, "rec.desktop\\shell\\open\\command", value), ERROR_SUCCESS);
    EXPECT_EQ(std::string(value), rec + " \"%1\" --private-window");
    EXPECT_GT(ShellResultCode(link.GotoURL(kHostile, SW_SHOW)), 32);
    EXPECT_EQ(d.log("browser"), std::string("1\n[") + kHostile + "]\n");

    // Without a placeholder the address follows the whole command line.
    d.registerBrowser(rec + " --new-window");
    EXPECT_GT(ShellResultCode(link.GotoURL("https://example.org/x y", SW_SHOW)), 32);
    EXPECT_EQ(d.log("browser"), "2\n[--new-window]\n[https://example.org/x y]\n");

    // A command line and address beyond the 520-byte buffer are refused, nothing runs.
    d.registerBrowser(rec + " " + std::string(180, 'o') + " %U");
    const std::string longUrl = "https://example.org/" + std::string(300, 'p');
    EXPECT_EQ(ShellResultCode(link.GotoURL(longUrl.c_str(), SW_SHOW)), 8);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_FALSE(std::filesystem::exists(d.dir + "/bin/browser.log"));

    // A registered value longer than 260 bytes is refused and the buffer kept.
    std::strcpy(value, "unchanged");
    d.registerBrowser(rec + " " + std::string(300, 'o'));
    EXPECT_EQ(link.GetRegKey(HKEY_CLASSES_ROOT, "rec.desktop\\shell\\open\\command", value), ERROR_MORE_DATA);
    EXPECT_STREQ(value, "unchanged");
    EXPECT_EQ(ShellResultCode(link.GotoURL("https://example.org", SW_SHOW)), 2);
}
