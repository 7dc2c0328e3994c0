// The studio's section page: a 2-D polygon model file drawn as its section at
// true scale with the colour bar; a double-click on an axis opens its dialog.
#pragma once

#include "StudioPage.h"

#include "geometry/SectionSheet.h"

class QPushButton;

class SectionPage : public StudioPage {
public:
    // Shows the bundled sample model.
    explicit SectionPage(QWidget* parent = nullptr);
    ~SectionPage() override;

    // Reads and shows a model file; on a bad file tells the user why
    // (onError) and keeps the model shown.
    bool Open(const char* path);
    // Ask for a file with the file dialog, then open or export it.
    bool OpenWithDialog();
    bool ExportWithDialog();

    SectionSheet& Sheet() noexcept { return m_sheet; }
    const CString& Path() const noexcept { return m_path; }
    // What a double-click does: the axis under the pixel gets its dialog,
    // the colour bar moves beside the edited axes, the page redraws.
    bool EditAt(const QPoint& pixel) override;

protected:
    // The buttons' strip above the drawing.
    int controlStrip() const override;
    int mapMode() const override;
    // The section with its bar (Export writes the same).
    void draw(CDC* dc) override { m_sheet.Draw(dc); }

private:
    SectionSheet m_sheet;
    CString m_path;
    QPushButton* m_open = nullptr;
    QPushButton* m_export = nullptr;
};
