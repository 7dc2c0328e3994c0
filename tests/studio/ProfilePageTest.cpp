// The studio's profiles page with the mouse: double-clicks on the axes and
// inside the panel open their dialogs, and the page exports what it shows.
#include "TestSupport.h"

#include "ProfilePage.h"

#include "../axis/DialogDriver.h"
#include "platform/wnd/CDialog.h"
#include "platform/wnd/CFileDialog.h"
#include "res/resource.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QMouseEvent>

#include <gtest/gtest.h>

using namespace dialogdriver;

namespace {

void doubleClick(QWidget* w, QPoint at)
{
    QMouseEvent e(QEvent::MouseButtonDblClick, QPointF(at), QPointF(w->mapToGlobal(at)), Qt::LeftButton,
                  Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

}  // namespace

// On a page as large as a full-screen pane, drawn larger than its readable
// size: the clicks still land on what is drawn where they land.
TEST(ProfilePage, DoubleClicksOpenTheAxisAndLineStyleDialogs)
{
    ProfilePage page;
    page.resize(1900, 1000);
    page.show();
    ASSERT_GT(page.Scale(), 1.5);
    ASSERT_EQ(page.Panel().m_Profs.GetSize(), 5);
    const CRect& r = page.Panel().m_rcPanel;
    // The panel's left edge (the ordinate) is painted where the mapping puts it.
    const QImage shot = page.grab().toImage();
    const QPoint onY = page.ToPixel(CPoint(r.left, (r.top + r.bottom) / 2));
    EXPECT_LT(qGray(shot.pixel(onY)), 100);

    int ran = 0;
    CDialog::ScriptNextModal([&](CDialog& d) {
        ++ran;
        EXPECT_EQ(d.TemplateId(), IDD_AXIS_PARAM);
        retype(d, IDC_AXIS_MAX, "500");
        click(d, IDOK);
    });
    doubleClick(&page, page.ToPixel(CPoint((r.left + r.right) / 2, r.top + 5)));
    EXPECT_DOUBLE_EQ(page.Panel().m_dXMax, 500.0);

    CDialog::ScriptNextModal([&](CDialog& d) {
        ++ran;
        EXPECT_EQ(d.TemplateId(), IDD_AXIS_PARAM);
        click(d, IDCANCEL);
    });
    doubleClick(&page, onY);

    CDialog::ScriptNextModal([&](CDialog& d) {
        ++ran;
        EXPECT_EQ(d.TemplateId(), IDD_PROF_LINE);
        pick(d, IDC_PROF_STYLE, 2);
        click(d, IDOK);
    });
    doubleClick(&page, page.ToPixel(CPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2)));
    EXPECT_EQ(ran, 3);
    EXPECT_EQ(page.Panel().m_Profs[0].m_nStyle, PS_DOT);
    EXPECT_FALSE(page.EditAt(page.ToPixel(CPoint(r.right + 400, r.bottom + 400))));
    EXPECT_EQ(CDialog::PendingModalScripts(), 0);
}

TEST(ProfilePage, OpensAndExportsThroughTheFileDialogs)
{
    ProfilePage page;
    std::vector<CString> errors;
    page.onError = [&](const CString& e) { errors.push_back(e); };
    const std::string data = testsupport::writeFile("line.txt", "pos a b\n0 1 2\n10 3 4\n20 5 1\n");
    const std::string out = testsupport::tempDir() + "/panel.svg";
    std::vector<std::string> answers = {data, out};
    FileDialogHook previous = AfxSetFileDialogHook([&](const FileDialogRequest&, CString& path) {
        path = answers.front().c_str();
        answers.erase(answers.begin());
        return true;
    });
    page.OpenWithDialog();
    EXPECT_EQ(page.Table().Profiles(), 2);
    page.ExportWithDialog();
    AfxSetFileDialogHook(std::move(previous));
    EXPECT_TRUE(QFile::exists(QString::fromStdString(out)));
    EXPECT_TRUE(errors.empty());
    EXPECT_FALSE(page.Open("/nonexistent/x.txt"));
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(page.Table().Profiles(), 2);
}
