// The floor a Qt drawing process stands on: a QGuiApplication that draws a
// title, 40 lines and a few labels onto an image and writes it as PNG, with
// nothing of tarnex. bench/compare.sh times it beside tarnex-render.
//   bench-bare-qtgui WIDTH HEIGHT OUT.png
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cmath>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fputs("usage: bench-bare-qtgui WIDTH HEIGHT OUT.png\n", stderr);
        return 2;
    }
    const int w = std::atoi(argv[1]), h = std::atoi(argv[2]);
    if (w < 1 || h < 1 || w > 20000 || h > 20000) {
        std::fputs("bench-bare-qtgui: size out of range\n", stderr);
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int qargc = 1;
    QGuiApplication app(qargc, argv);
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setFont(QFont(QStringLiteral("WenQuanYi Micro Hei"), 20));
    p.drawText(w / 8, h / 12, QStringLiteral("一维垂直磁分量、视电阻率曲线图"));
    p.setFont(QFont(QStringLiteral("WenQuanYi Micro Hei"), 9));
    for (int i = 0; i < 40; ++i) {
        p.setPen(i % 2 ? QColor(155, 155, 0) : QColor(255, 0, 0));
        if (i < 20)
            p.drawLine(w / 10 + i * w / 25, h / 8, w / 10 + i * w / 25, h * 7 / 8);
        else
            p.drawLine(w / 10, h / 8 + (i - 20) * h / 25, w * 9 / 10, h / 8 + (i - 20) * h / 25);
    }
    p.setPen(Qt::black);
    for (int i = 0; i < 6; ++i)
        p.drawText(w / 10 + i * w / 6, h * 7 / 8 + 20, QString::number(0.1 * std::pow(10.0, i), 'f', 1));
    p.end();
    return img.save(QString::fromLocal8Bit(argv[3]), "PNG") ? 0 : 1;
}
