// The studio's section page: a 2-D polygon model file drawn as its section at
// true scale with the colour bar; a double-click on an axis opens its dialog.
#pragma once

#include "geometry/SectionSheet.h"
#include "platform/core/CString.h"

#include <QWidget>

#include <functional>

class CDC;
class QPushButton;

class SectionPage : public QWidget {
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
    // Writes the section with its bar (.png, .svg, .pdf, .bmp).
    bool Export(const char* path);

    SectionSheet& Sheet() noexcept { return m_sheet; }
    const CString& Path() const noexcept { return m_path; }
    CPoint ToLogical(const QPoint& pixel) const;
    QPoint ToPixel(const CPoint& logical) const;
    // What a double-click does: the axis under the pixel gets its dialog,
    // the colour bar moves beside the edited axes, the page redraws.
    bool EditAt(const QPoint& pixel);

    // Where errors go; a message box by default, standard error offscreen.
    std::function<void(const CString&)> onError;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void applyMapping(CDC& dc) const;
    // Places the drawing's bounds below the buttons with a margin.
    void fit();
    void reportError(const CString& message);

    SectionSheet m_sheet;
    CString m_path;
    CPoint m_shift;  // viewport origin, in pixels
    CSize m_extent;  // the drawing's size in pixels
    QPushButton* m_open = nullptr;
    QPushButton* m_export = nullptr;
};
