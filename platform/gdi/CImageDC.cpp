#include "platform/gdi/CImageDC.h"

#include "platform/gdi/BmpWriter.h"
#include "platform/gdi/PngWriter.h"
#include "platform/gdi/QtPainterBackend.h"

#include "platform/core/AtomicFile.h"

#include <QBuffer>
#include <QImage>

#include <algorithm>
#include <unordered_set>

namespace {

// The nearest of 0, 4, ..., 252 and 255: black and white stay what they are.
int roundedShade(int g) { return std::min(255, (g + 2) / 4 * 4); }

}  // namespace

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

bool CImageDC::FewerTextShades()
{
    if (!m_painter)
        return false;
    m_painter->flush();
    QImage& img = *m_image;
    // One pass: which greys occur, and the other colours up to the most a palette takes.
    // The size is read once: QImage's accessors are calls into Qt, and in the
    // inner loops they cost as much as the work.
    const int w = img.width(), h = img.height();
    if (w <= 0 || h <= 0)
        return false;
    bool grey[256] = {};
    std::unordered_set<QRgb> others;
    for (int y = 0; y < h; ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        QRgb last = row[0] + 1;
        for (int x = 0; x < w; ++x) {
            const QRgb c = row[x] | 0xff000000u;
            if (c == last)
                continue;
            last = c;
            const int r = qRed(c);
            if (r == qGreen(c) && r == qBlue(c))
                grey[r] = true;
            else if (others.insert(c).second && others.size() > 256)
                return false;
        }
    }
    size_t now = others.size(), after = others.size();
    bool rounded[256] = {};
    for (int g = 0; g < 256; ++g) {
        if (!grey[g])
            continue;
        ++now;
        const int r = roundedShade(g);
        after += !rounded[r];
        rounded[r] = true;
    }
    if (now <= 256 || after > 256)
        return false;
    for (int y = 0; y < h; ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const QRgb c = row[x];
            if (c == 0xffffffffu)  // the paper, most of any chart, stays white
                continue;
            const int r = qRed(c);
            if (r == qGreen(c) && r == qBlue(c)) {
                const int v = roundedShade(r);
                row[x] = qRgb(v, v, v);
            }
        }
    }
    return true;
}
