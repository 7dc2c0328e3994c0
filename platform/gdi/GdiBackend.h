// The small set of drawing primitives a device context composes everything
// from. Every call carries its full style, so a backend keeps no pen, brush
// or font state, and each carries its logical geometry beside the device
// geometry so that a recording backend can keep what the caller asked for.
#pragma once

#include "platform/gdi/CBrush.h"
#include "platform/gdi/CPen.h"
#include "platform/core/CPoint.h"
#include "platform/core/CRect.h"
#include "platform/core/CString.h"

#include <memory>
#include <vector>

class QImage;

// The style in force on the surface when a primitive was asked for.
struct GdiStyle {
    PenDesc pen;             // width in logical units
    int penDeviceWidth = 0;  // pen width on the device; 0 = thinnest line
    BrushDesc brush;
    LOGFONT font;            // lfHeight in logical units
    int fontDeviceHeight = 0;  // character height (em) on the device, in pixels
    UINT textAlign = 0;
    COLORREF textColor = RGB(0, 0, 0);
    COLORREF bkColor = RGB(255, 255, 255);
    int bkMode = OPAQUE;
    int mapMode = 1;
};

struct GdiOp {
    enum class Kind { Polyline, Rectangle, FillRect, Text, Blit, Invert, Polygon };
    Kind kind = Kind::Polyline;
    std::vector<CPoint> logical;  // polyline points; two corners; text reference point
    std::vector<CPoint> device;   // the same points on the device
    CString text;
    // Text: where the baseline starts on the device after alignment, and the
    // rotation counter-clockwise in degrees; the run's width and cell metrics.
    double originX = 0, originY = 0, angle = 0;
    double width = 0, ascent = 0, descent = 0;
    COLORREF fill = 0;  // FillRect colour
    std::shared_ptr<const QImage> image;  // Blit source (a snapshot)
    CRect source;                          // Blit source rectangle in the image's pixels
    bool dotted = false;  // Invert: only every other pixel, as focus rectangles do
    GdiStyle style;
    // Polygon: the point count of each closed ring in logical/device, in order.
    std::vector<int> rings;
};

struct GdiTextMetrics {
    double width = 0;
    double ascent = 0;
    double descent = 0;
};

class GdiBackend {
public:
    virtual ~GdiBackend() = default;
    virtual void draw(const GdiOp& op) = 0;
    // Width and cell of a text run in device pixels for the style's font.
    virtual GdiTextMetrics measure(const CString& text, const GdiStyle& style) = 0;
    virtual int dpiX() const = 0;
    virtual int dpiY() const = 0;
    virtual CSize deviceSize() const = 0;
    // The pixels behind the surface, for surfaces that have them (BitBlt source).
    virtual const QImage* pixels() { return nullptr; }
    // Finish pending drawing so that pixels() reflects it.
    virtual void flush() {}
};
