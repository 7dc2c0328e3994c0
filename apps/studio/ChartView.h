// A widget that shows one chart and hands its mouse to it: paints through a
// paint context, converts pointer positions to the chart's logical units
// with the chart's own mapping, and holds the mouse capture while dragging.
// The chart is fitted to the widget or zoomed with Ctrl+wheel and scrolled;
// a drag repaints only what moves, over images of what does not.
#pragma once

#include "EditHistory.h"

#include "platform/core/CArray.h"
#include "platform/core/CPoint.h"
#include "platform/wnd/CWnd.h"

#include <QImage>
#include <QWidget>

#include <functional>
#include <vector>

class CDC;
class CToolTipCtrl;
class QPainter;
class QScrollBar;

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
    // that carries the chart's mapping, the zoom and the scrolling.
    CPoint ToLogical(QPoint widgetPos);
    QPoint ToWidget(CPoint logical);
    // Measures the whole drawing with a margin; the chart is then drawn
    // scaled to fit the widget, keeping its proportions, unless zoomed.
    void FitToDrawing();
    // The resolution the chart is drawn at to fit the widget.
    int FitDpi() const { return m_fitDpi > 0 ? m_fitDpi : logicalDpiX(); }
    // The resolution it is drawn at now: the fitting one or the zoomed one.
    int DrawDpi() const { return m_zoomDpi > 0 ? m_zoomDpi : FitDpi(); }
    bool IsZoomed() const { return m_zoomDpi > 0; }
    // Scales the drawing by factor so that the chart point under anchor
    // (widget pixels) stays under it, as far as scrolling can keep it there.
    void ZoomAt(QPoint anchor, double factor);
    // The whole drawing fitted to the widget again, unscrolled.
    void FitToWindow();
    // How far the drawing is scrolled, in widget pixels: positive while a
    // zoomed drawing is larger than the widget, negative where a smaller one
    // was zoomed about a point away from its top-left corner.
    QPoint ScrollOffset() const { return m_scroll; }
    void ScrollTo(QPoint offset);
    // The drawing's size at the screen's own resolution.
    QSize NaturalSize() const { return m_natural; }
    QSize sizeHint() const override { return m_natural; }
    // The drawing on any surface (paint, export).
    virtual void Draw(CDC* dc) = 0;
    // Paints area (widget pixels) as the widget shows it: during a drag from
    // the images of what does not move, otherwise as one whole drawing.
    void Paint(QPainter& painter, const QRect& area);
    // The widget's picture as one whole drawing, whatever is going on.
    QImage RenderWhole();
    // Forgets the images a drag is painted from. Anything that changes what
    // the chart shows, other than the dragged point itself, calls this.
    void DropDragImages();

protected:
    // The pane's shape changed (widget pixels): a view whose chart can be
    // laid out in any proportion lays it out again to fill that shape, then
    // calls FitToDrawing. Not called while a drag is in progress or zoomed.
    virtual void ShapeTo(QSize) {}
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
    // The keys held as the mouse button went down (Shift+click masks a sample).
    Qt::KeyboardModifiers PressModifiers() const { return m_pressModifiers; }
    void message(const QString& text);
    void readout(const QString& text);

    // ---- dragging over images ----
    // A view whose drag moves a small part of a large drawing draws in
    // passes 0 .. DragPasses() - 1, in that order; together they are the
    // whole drawing. The even passes do not change while the same part is
    // dragged and are painted from images (pass 0 opaque, the others over
    // it with transparency); the odd ones are drawn on every paint. 0: the
    // view has no passes and every paint draws the whole chart.
    virtual int DragPasses() const { return 0; }
    // Names the part being dragged; the images serve while it stays the
    // same. 0 while nothing is dragged.
    virtual long long DragKey() const { return 0; }
    // The widget pixels the odd passes cover now.
    virtual QRect MovingArea() { return QRect(); }
    // The widget pixels that logical points fall on, as one rectangle.
    QRect WidgetBounds(const CArray<CPoint, CPoint>& pts);
    // The pass Draw is asked for: -1 for the whole drawing.
    int DrawingPass() const { return m_pass; }
    // A drag step's repaint: the moving part where it was and where it is,
    // once the images exist; the whole widget before.
    void RedrawMoving();
    // The tooltip control that mouse moves are relayed to, if any.
    virtual CToolTipCtrl* ToolTip() { return nullptr; }

    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void updateFit();
    void updateScrollBars();
    QSize contentSize() const;
    QSize viewSize() const;
    // A context at the drawing's resolution with the chart's mapping and the
    // scrolling, for conversions.
    void prepare(CDC* dc, QPoint scroll);
    void drawPass(QPainter& painter, int pass, bool fillWhite);
    bool dragImagesUsable() const;
    void makeDragImages();

    CWnd m_wnd;
    bool m_dragging = false;
    Qt::KeyboardModifiers m_pressModifiers;
    int m_fitDpi = 0;
    int m_zoomDpi = 0;  // 0: fitted
    QPoint m_scroll;
    QSize m_natural{400, 300};
    QScrollBar* m_hbar = nullptr;
    QScrollBar* m_vbar = nullptr;
    int m_pass = -1;

    // The images of a drag's even passes and what they were made for.
    struct DragImages {
        long long key = 0;
        QSize size;
        int dpi = 0;
        QPoint scroll;
        std::vector<QImage> passes;  // pass 2k at index k
    };
    DragImages m_images;
    QRect m_lastMoving;
};
