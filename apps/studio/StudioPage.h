// What the studio's drawing pages (axes, profiles, section) share: the
// mapping between the page's pixels and the drawing's logical units,
// painting through an image surface, the double-click that edits the part
// under the pointer, export to a file, and errors told through the studio's
// message path.
#pragma once

#include "platform/core/CPoint.h"
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

    // Where errors go; the studio's message path (a message box, standard
    // error offscreen) when unset.
    std::function<void(const CString&)> onError;

protected:
    StudioPage(QWidget* parent, int exportDpi);

    // The page's mapping on a surface of the page's size.
    virtual void applyMapping(CDC& dc) const = 0;
    // Draws the page's content in logical units.
    virtual void draw(CDC* dc) = 0;
    void reportError(const CString& message);

    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    int m_exportDpi;
};
