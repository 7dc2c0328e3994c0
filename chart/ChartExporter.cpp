#include "chart/ChartExporter.h"

#include "platform/core/AtomicFile.h"
#include "platform/gdi/CImageDC.h"
#include "platform/gdi/CRecordingDC.h"
#include "platform/gdi/CVectorDC.h"

#include <cmath>
#include <string>
#include <cstring>
#include <strings.h>

namespace {

enum class Kind { None, Png, Bmp, Svg, Pdf };

Kind kindOf(const char* path)
{
    if (!path)
        return Kind::None;
    const char* dot = std::strrchr(path, '.');
    const char* slash = std::strrchr(path, '/');
    if (!dot || (slash && dot < slash))
        return Kind::None;
    if (!strcasecmp(dot, ".png")) return Kind::Png;
    if (!strcasecmp(dot, ".bmp")) return Kind::Bmp;
    if (!strcasecmp(dot, ".svg")) return Kind::Svg;
    if (!strcasecmp(dot, ".pdf")) return Kind::Pdf;
    return Kind::None;
}

}  // namespace

const std::vector<std::string>& ChartExporter::Formats()
{
    static const std::vector<std::string> formats = {"png", "svg", "pdf", "bmp"};
    return formats;
}

bool ChartExporter::IsSupported(const char* path) { return kindOf(path) != Kind::None; }

bool ChartExporter::Export(const DrawFn& draw, const char* path, int dpi, CString& error)
{
    std::string bytes;
    return Encode(draw, path, dpi, bytes, error, true) && AtomicFile::WriteBytes(path, bytes, error);
}

bool ChartExporter::Encode(const DrawFn& draw, const char* path, int dpi, std::string& bytes, CString& error,
                           bool checkWritable)
{
    bytes.clear();
    const Kind kind = kindOf(path);
    if (kind == Kind::None) {
        error.Format("unknown output type for %s: use .png, .svg, .pdf or .bmp", path ? path : "(none)");
        return false;
    }
    if (dpi < 1 || dpi > 9600) {
        error.Format("resolution %d dpi is out of range", dpi);
        return false;
    }
    CSize pixels;
    CPoint shift;
    if (!Layout(draw, dpi, pixels, shift, error))
        return false;
    const long long w = pixels.cx, h = pixels.cy;
    if ((kind == Kind::Png || kind == Kind::Bmp) && !CImageDC::FitsMemory(w, h)) {
        error.Format("the chart needs %lld x %lld pixels at %d dpi, more than the %lld MiB an image may take", w, h,
                     dpi, CImageDC::kMaxImageBytes >> 20);
        return false;
    }
    // Fail before drawing when the file cannot be written at all.
    if (checkWritable && !AtomicFile::CheckWritable(path, error))
        return false;

    const int width = static_cast<int>(w), height = static_cast<int>(h);
    if (kind == Kind::Png || kind == Kind::Bmp) {
        CImageDC dc(width, height, dpi);
        if (!dc.IsValid()) {
            error.Format("cannot make a %d x %d image for %s", width, height, path);
            return false;
        }
        dc.SetViewportOrg(shift);
        draw(&dc);
        if (kind == Kind::Png)
            dc.FewerTextShades();
        if (!dc.Encode(kind == Kind::Png ? "PNG" : "BMP", bytes)) {
            error.Format("cannot encode %s", path);
            return false;
        }
    } else {
        CVectorDC dc(kind == Kind::Pdf ? CVectorDC::Format::Pdf : CVectorDC::Format::Svg, nullptr,
                     width * 25.4 / dpi, height * 25.4 / dpi, dpi);
        if (!dc.IsValid()) {
            error.Format("cannot make a document for %s", path);
            return false;
        }
        dc.SetViewportOrg(shift);
        draw(&dc);
        if (!dc.Finish()) {
            error.Format("cannot write %s: %s", path, dc.Error().GetString());
            return false;
        }
        bytes = dc.Document();
    }
    return true;
}

bool ChartExporter::Layout(const DrawFn& draw, int dpi, CSize& pixels, CPoint& shift, CString& error)
{
    if (dpi < 1 || dpi > 9600) {
        error.Format("resolution %d dpi is out of range", dpi);
        return false;
    }
    // Measure: draw once on a recording surface at the same resolution.
    CRecordingDC probe(dpi);
    probe.SetBoundsOnly(true);
    draw(&probe);
    const CRect bounds = probe.DeviceBounds();
    if (bounds.IsRectEmpty()) {
        error = "nothing to draw";
        return false;
    }
    const int margin = static_cast<int>(std::lround(kMarginMm * dpi / 25.4));
    const long long w = static_cast<long long>(bounds.Width()) + 2 * margin;
    const long long h = static_cast<long long>(bounds.Height()) + 2 * margin;
    if (w > 32768 || h > 32768) {
        error.Format("the chart needs %lld x %lld pixels at %d dpi, more than 32768 a side", w, h, dpi);
        return false;
    }
    pixels = CSize(static_cast<int>(w), static_cast<int>(h));
    shift = CPoint(margin - bounds.left, margin - bounds.top);
    return true;
}
