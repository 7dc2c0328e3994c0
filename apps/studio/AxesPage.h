// The studio's axes page: the sample sheet of a horizontal and a vertical
// axis meeting at one origin and a grid axis, drawn to fit the page; a
// double-click on a part opens its parameter dialog and redraws the result.
#pragma once

#include "axis/AxisSampleSheet.h"

#include <QWidget>

class CDC;

class AxesPage : public QWidget {
public:
    explicit AxesPage(QWidget* parent = nullptr);

    AxisSampleSheet& Sheet() noexcept { return m_sheet; }
    // The sheet's logical point under a pixel of the page.
    CPoint ToLogical(const QPoint& pixel) const;
    // The pixel of the page showing a logical point of the sheet.
    QPoint ToPixel(const CPoint& logical) const;
    // What a double-click at a pixel does: opens the part's dialog.
    bool EditAt(const QPoint& pixel);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    // The page's mapping on a surface: the sheet's origin at the lower left.
    void applyMapping(CDC& dc) const;

    AxisSampleSheet m_sheet;
};
