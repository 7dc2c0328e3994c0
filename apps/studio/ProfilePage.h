// The studio's profiles page: a profile file drawn as a profile panel. A
// double-click on an axis opens its parameter dialog, one inside the panel
// the line-style dialog; the page's menu opens, styles and exports.
#pragma once

#include "StudioPage.h"

#include "profile/CRectProf.h"
#include "profile/ProfileFile.h"

class QMenu;

class ProfilePage : public StudioPage {
public:
    explicit ProfilePage(QWidget* parent = nullptr);

    // Reads the file and shows it; on failure the page keeps what it showed
    // and reports the one-line message.
    bool Open(const char* path);
    // Asks for a file with the open-file dialog and opens it.
    void OpenWithDialog();
    // Asks for a file name and writes the panel as PNG, SVG, PDF or BMP.
    void ExportWithDialog();
    // The line-style dialog for all profiles, then a redraw.
    void EditLineStyles();

    // What a double-click at a pixel does; false when it hits nothing.
    bool EditAt(const QPoint& pixel) override;

    // The page's menu, for the main window's menu bar.
    QMenu* CreateMenu(QWidget* parent);

    CRectProf& Panel() noexcept { return m_panel; }
    const ProfileTable& Table() const noexcept { return m_table; }

protected:
    int mapMode() const override;
    void draw(CDC* dc) override;

private:
    ProfileTable m_table;
    CRectProf m_panel;
};
