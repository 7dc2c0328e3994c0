#include "platform/gdi/CRecordingDC.h"

#include "platform/core/AtomicFile.h"
#include "platform/gdi/QtPainterBackend.h"

#include <QBuffer>
#include <QImage>

CRecordingDC::CRecordingDC(int dpi, CSize size) : m_rec(dpi, dpi, size)
{
    m_hDC = m_hAttribDC = this;
    setBackend(&m_rec);
}

CRecordingDC::~CRecordingDC() { setBackend(nullptr); }

bool CRecordingDC::SaveAsPng(const char* path) const
{
    QImage img(m_rec.deviceSize().cx, m_rec.deviceSize().cy, QImage::Format_RGB32);
    if (img.isNull())
        return false;
    img.fill(Qt::white);
    {
        QtPainterBackend painter(&img, m_rec.dpiX(), m_rec.dpiY(), m_rec.deviceSize());
        m_rec.replay(painter);
    }
    // Encoded in memory, then written whole or not at all.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !img.save(&buffer, "PNG"))
        return false;
    CString error;
    return AtomicFile::WriteBytes(path, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())), error);
}
