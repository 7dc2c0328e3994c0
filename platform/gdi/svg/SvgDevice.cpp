// The SVG paint device of CVectorDC, in a module of its own: Qt Svg is
// loaded only by a process that writes SVG, not by every program that draws.
#include <QIODevice>
#include <QRect>
#include <QSize>
#include <QString>
#include <QSvgGenerator>

extern "C" __attribute__((visibility("default"))) QPaintDevice* tarnex_svg_device(QIODevice* out, int dpi,
                                                                                   int widthPx, int heightPx,
                                                                                   const char* title)
{
    auto* svg = new QSvgGenerator();
    svg->setOutputDevice(out);
    svg->setResolution(dpi);
    svg->setSize(QSize(widthPx, heightPx));
    svg->setViewBox(QRect(0, 0, widthPx, heightPx));
    svg->setTitle(QString::fromUtf8(title));
    return svg;
}
