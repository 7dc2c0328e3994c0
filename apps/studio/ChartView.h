// A widget that shows one chart and hands its mouse to it: paints through a
// paint context, converts pointer positions to the chart's logical units
// with the chart's own mapping, and holds the mouse capture while dragging.
#pragma once

#include "EditHistory.h"

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
    // Safe edits: every finished edit of one number (for undo; merge for a
    // held arrow key), the value being edited or why it stopped, and the
    // pointer's position in data units.
    std::function<void(const ValueEdit& edit, bool merge)> onValueEdit;
    std::function<void(const QString& message)> onMessage;
    std::function<void(const QString& readout)> onReadout;
    // Writes one number (undo, redo, a typed value, the layer table) and
    // shows the chart with it, its scales unchanged; false when the chart
    // holds no such number.
    virtual bool SetValue(EditField field, int index, float value) = 0;
    // Whether a drag is in progress.
    bool Dragging() const { return m_dragging; }

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
    // Escape while dragging: the number goes back to where the drag began.
    virtual void CancelDrag() {}
    // A double-click: a point or side under p offers its value for typing.
    virtual void DoubleClick(CPoint) {}
    // An arrow key: dx, dy in device pixels (y downwards); repeat while the
    // key is held. True when the key was used.
    virtual bool Nudge(int /*dx*/, int /*dy*/, bool /*repeat*/) { return false; }
    // Enter: the selected point or side offers its value for typing.
    virtual bool EditSelected() { return false; }
    // On screen only, above the chart: the selection mark.
    virtual void DrawOverlay(CDC*) {}
    // A move of dx, dy device pixels in the chart's logical units at the
    // current fit (y upwards in the charts' metric mappings).
    CPoint LogicalStep(int dx, int dy);
    void recordEdit(const ValueEdit& e, bool merge = false);
    void message(const QString& text);
    void readout(const QString& text);

    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void updateFit();

    CWnd m_wnd;
    bool m_dragging = false;
    int m_fitDpi = 0;
    QSize m_natural{400, 300};
};
