#include "platform/gdi/CImageDC.h"

#include "platform/gdi/BmpWriter.h"
#include "platform/gdi/PngWriter.h"
#include "platform/gdi/QtPainterBackend.h"

#include <QImage>

CImageDC::CImageDC(int widthPx, int heightPx, int dpi)
{
    if (widthPx < 1 || heightPx < 1 || widthPx > 32768 || heightPx > 32768 || dpi < 1 || dpi > 9600)
        return;
    m_image = std::make_shared<QImage>(widthPx, heightPx, QImage::Format_RGB32);
    if (m_image->isNull())
        return;
    m_image->fill(Qt::white);
    const int dpm = static_cast<int>(dpi / 0.0254 + 0.5);
    m_image->setDotsPerMeterX(dpm);
    m_image->setDotsPerMeterY(dpm);
    m_painter = std::make_unique<QtPainterBackend>(m_image.get(), dpi, dpi, CSize(widthPx, heightPx), m_image);
    m_hDC = m_hAttribDC = this;
    setBackend(m_painter.get());
}

CImageDC::~CImageDC() { setBackend(nullptr); }

const QImage& CImageDC::Image()
{
    static const QImage empty;
    if (!m_painter)
        return empty;
    m_painter->flush();
    return *m_image;
}

bool CImageDC::Save(const char* path, const char* format, int quality)
{
    if (!m_painter || !path)
        return false;
    const QByteArray fmt = QByteArray(format ? format : "").toUpper();
    const QString p = QString::fromUtf8(path);
    if (fmt == "PNG" || (fmt.isEmpty() && p.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)))
        return PngWriter::Write(Image(), path);
    if (fmt == "BMP" || (fmt.isEmpty() && p.endsWith(QStringLiteral(".bmp"), Qt::CaseInsensitive)))
        return BmpWriter::Write(Image(), path);
    return Image().save(p, format, quality);
}
