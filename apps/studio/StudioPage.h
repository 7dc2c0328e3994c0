// What the studio's drawing pages (axes, profiles, section) share: the
// drawing scaled up to fill the page and centred, or kept at its readable
// size in a smaller page (which a scroll area then scrolls); the mapping
// between the page's pixels and the drawing's logical units at that scale;
// the double-click that edits the part under the pointer; export to a file
// at the export's own size; errors told through the studio's message path.
#pragma once

#include "platform/core/CPoint.h"
#include "platform/core/CRect.h"
#include "platform/core/CString.h"

#include <QWidget>

#include <functional>

class CDC;

class StudioPage : public QWidget {
public:
    // The logical point of the drawing under a pixel of the page, and back.
    CPoint ToLogical(const QPoint& pixel) const;
    QPoint ToPixel(const CPoint& logical) const;
    // What a double-click at a pixel does; false when it hits nothing.
    virtual bool EditAt(const QPoint& pixel) = 0;
    // Writes the page's drawing as PNG, SVG, PDF or BMP; a failure is told
    // to the user (onError) and returns false.
    bool Export(const char* path);

    // The part of the page the drawing is centred in: all of it below the
    // strip a page keeps for its own controls.
    QRect DrawingArea() const { return rect().adjusted(0, controlStrip(), 0, 0); }
    // How much larger than its readable size the drawing is shown (1 when
    // the page is at or below that size).
    double Scale() const;

    // The drawing at its readable size with a margin round it, plus any
    // strip of controls: the least the page takes before it scrolls.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

    // Where errors go; the studio's message path (a message box, standard
    // error offscreen) when unset.
    std::function<void(const CString&)> onError;

protected:
    StudioPage(QWidget* parent, int exportDpi);

    // The height of a strip of controls along the page's top, in pixels.
    virtual int controlStrip() const { return 0; }
    // The map mode the drawing is made in.
    virtual int mapMode() const = 0;
    // Draws the page's content in logical units.
    virtual void draw(CDC* dc) = 0;
    // The content changed (opened, edited): measures the drawing again,
    // fits it to the page and repaints.
    void contentChanged();
    void reportError(const CString& message);

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    // The mapping the page draws and hit-tests with.
    void applyMapping(CDC& dc) const;
    // The drawing's device bounds at a resolution with the logical origin
    // at pixel (0, 0).
    CRect measure(int dpi);
    // The part of bounds that the drawing at a resolution inks.
    CRect inked(int dpi, const CRect& bounds);
    // Picks the resolution that makes the drawing fill the drawing area
    // and the origin that centres it there.
    void fit();

    int m_exportDpi;
    CRect m_readable;      // bounds at the screen's resolution
    int m_dpi = 96;        // the resolution the page draws at
    CPoint m_origin;       // pixel of the logical origin
};
