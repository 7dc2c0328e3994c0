// A widget that shows one chart and hands its mouse to it: paints through a
// paint context, converts pointer positions to the chart's logical units
// with the chart's own mapping, and holds the mouse capture while dragging.
#pragma once

#include "platform/core/CPoint.h"
#include "platform/wnd/CWnd.h"

#include <QWidget>

#include <functional>

class CDC;

class ChartView : public QWidget {
public:
    explicit ChartView(QWidget* parent = nullptr);
    ~ChartView() override;

    CWnd* Wnd() { return &m_wnd; }
    // Called after every edit that changed the chart's values.
    std::function<void()> onEdited;

    // Widget pixels to the chart's logical units, through a window context
    // that carries the chart's mapping.
    CPoint ToLogical(QPoint widgetPos);
    QPoint ToWidget(CPoint logical);
    // Measures the whole drawing with a margin; the chart is then drawn
    // scaled to fit the widget, keeping its proportions.
    void FitToDrawing();
    // The resolution the chart is drawn at to fit the widget.
    int FitDpi() const { return m_fitDpi > 0 ? m_fitDpi : logicalDpiX(); }
    // The drawing's size at the screen's own resolution.
    QSize NaturalSize() const { return m_natural; }
    QSize sizeHint() const override { return m_natural; }
    // The drawing on any surface (paint, export).
    virtual void Draw(CDC* dc) = 0;

protected:
    // Gives a window context the chart's mapping.
    virtual void ApplyMapping(CDC* dc) = 0;
    virtual void Press(CPoint p) = 0;
    virtual void Drag(CPoint p) = 0;
    virtual void Release(CPoint p) = 0;
    // Every move, button held or not.
    virtual void Hover(CPoint) {}
    void edited()
    {
        if (onEdited)
            onEdited();
    }

    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    void updateFit();

    CWnd m_wnd;
    bool m_dragging = false;
    int m_fitDpi = 0;
    QSize m_natural{400, 300};
};
