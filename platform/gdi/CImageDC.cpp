#include "platform/gdi/CImageDC.h"

#include "platform/gdi/BmpWriter.h"
#include "platform/gdi/PngWriter.h"
#include "platform/gdi/QtPainterBackend.h"

#include "platform/core/AtomicFile.h"

#include <QBuffer>
#include <QImage>

CImageDC::CImageDC(int widthPx, int heightPx, int dpi)
{
    if (widthPx < 1 || heightPx < 1 || widthPx > 32768 || heightPx > 32768 || dpi < 1 || dpi > 9600 ||
        !FitsMemory(widthPx, heightPx))
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

bool CImageDC::Encode(const char* format, std::string& out, int quality)
{
    out.clear();
    if (!m_painter)
        return false;
    const QByteArray fmt = QByteArray(format ? format : "PNG").toUpper();
    if (fmt == "PNG")
        return PngWriter::Encode(Image(), out);
    if (fmt == "BMP")
        return BmpWriter::Encode(Image(), out);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !Image().save(&buffer, fmt.constData(), quality))
        return false;
    out.assign(bytes.constData(), static_cast<size_t>(bytes.size()));
    return true;
}

bool CImageDC::Save(const char* path, const char* format, int quality)
{
    if (!m_painter || !path)
        return false;
    QByteArray fmt = QByteArray(format ? format : "").toUpper();
    if (fmt.isEmpty()) {
        const QString p = QString::fromUtf8(path);
        const int dot = p.lastIndexOf(QLatin1Char('.'));
        fmt = dot >= 0 ? p.mid(dot + 1).toUpper().toLatin1() : QByteArray("PNG");
    }
    std::string bytes;
    CString error;
    return Encode(fmt.constData(), bytes, quality) && AtomicFile::WriteBytes(path, bytes, error);
}
