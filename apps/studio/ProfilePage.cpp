#include "ProfilePage.h"

#include "StudioFileDialog.h"
#include "StudioWindow.h"

#include "platform/wnd/CFileDialog.h"
#include "profile/ProfilePanel.h"

#include <QCoreApplication>
#include <QMenu>

#include <cstdlib>

namespace {

constexpr int kExportDpi = 150;
// How near an axis line a double-click counts as on it.
constexpr int kAxisHitMm = 4;

}  // namespace

ProfilePage::ProfilePage(QWidget* parent) : StudioPage(parent, kExportDpi)
{
    setWindowTitle(QCoreApplication::translate("Studio", "Profiles"));
    setToolTip(QCoreApplication::translate(
        "Studio", "Double-click an axis to change it, the profiles to change their line styles"));
    if (!Open(StudioWindow::BundledData("profiles.txt")))
        contentChanged();  // the empty panel still shows its axes
}

bool ProfilePage::Open(const char* path)
{
    ProfileTable t;
    CString error;
    if (!ProfileFile::Read(path, t, error)) {
        reportError(error);
        return false;
    }
    m_table = std::move(t);
    ProfilePanel::Load(m_panel, m_table);
    contentChanged();
    return true;
}

void ProfilePage::OpenWithDialog()
{
    StudioFileDialog dlg(TRUE, nullptr, "*.*", OFN_HIDEREADONLY | OFN_FILEMUSTEXIST,
                         QCoreApplication::translate("Studio", "Profile Files (*.txt;*.csv;*.dat)|*.txt;*.csv;*.dat|"
                                                               "All Files (*.*)|*.*||"),
                         QCoreApplication::translate("Studio", "Open Profiles"));
    if (dlg.DoModal() == IDOK)
        Open(dlg.GetPathName());
}

void ProfilePage::ExportWithDialog()
{
    StudioFileDialog dlg(FALSE, "png", "profile.png", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                         StudioFileDialog::ExportFilter(),
                         QCoreApplication::translate("Studio", "Export Profile Panel"));
    if (dlg.DoModal() == IDOK)
        Export(dlg.GetPathName());
}

void ProfilePage::EditLineStyles()
{
    m_panel.SetProfLineArb();
    contentChanged();
}

int ProfilePage::mapMode() const { return ProfilePanel::kMapMode; }

// Near the bottom edge: the abscissa; near the left edge: the ordinate;
// anywhere else inside the panel: the profiles' line styles.
bool ProfilePage::EditAt(const QPoint& pixel)
{
    const CPoint p = ToLogical(pixel);
    const CRect& r = m_panel.m_rcPanel;
    const int near = kAxisHitMm * ProfilePanel::kUnitsPerMm;
    const bool alongX = p.x >= r.left - near && p.x <= r.right;
    const bool alongY = p.y >= r.top - near && p.y <= r.bottom;
    if (alongX && std::abs(p.y - m_panel.m_nOrgY) <= near && p.x > r.left + near) {
        m_panel.SetXaxs();
    } else if (alongY && std::abs(p.x - m_panel.m_nOrgX) <= near) {
        m_panel.SetYaxs();
    } else if (m_panel.IsinPolyRect(p)) {
        m_panel.SetProfLineArb();
    } else {
        return false;
    }
    contentChanged();
    return true;
}

QMenu* ProfilePage::CreateMenu(QWidget* parent)
{
    auto* menu = new QMenu(QCoreApplication::translate("Studio", "&Profiles"), parent);
    menu->addAction(QCoreApplication::translate("Studio", "Open &Profiles..."), [this] { OpenWithDialog(); });
    menu->addAction(QCoreApplication::translate("Studio", "&Line Styles..."), [this] { EditLineStyles(); });
    menu->addAction(QCoreApplication::translate("Studio", "Abscissa &Axis..."), [this] {
        m_panel.SetXaxs();
        contentChanged();
    });
    menu->addAction(QCoreApplication::translate("Studio", "&Ordinate Axis..."), [this] {
        m_panel.SetYaxs();
        contentChanged();
    });
    menu->addSeparator();
    menu->addAction(QCoreApplication::translate("Studio", "&Export Profile Panel..."), [this] { ExportWithDialog(); });
    return menu;
}

void ProfilePage::draw(CDC* dc) { ProfilePanel::Draw(m_panel, m_table, dc); }
