#include "platform/gdi/CVectorDC.h"

#include "platform/gdi/QtPainterBackend.h"

#include "platform/core/AtomicFile.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>

CVectorDC::CVectorDC(Format format, const char* path, double widthMm, double heightMm, int dpi, const char* title)
{
    if (!(widthMm > 0 && widthMm <= 5000) || !(heightMm > 0 && heightMm <= 5000) || dpi < 1 || dpi > 9600)
        return;
    const int wPx = static_cast<int>(widthMm / 25.4 * dpi + 0.5);
    const int hPx = static_cast<int>(heightMm / 25.4 * dpi + 0.5);
    if (wPx < 1 || hPx < 1)
        return;
    m_path = path ? path : "";
    m_buffer = std::make_unique<QBuffer>();
    if (!m_buffer->open(QIODevice::WriteOnly))
        return;
    if (format == Format::Pdf) {
        auto pdf = std::make_unique<QPdfWriter>(m_buffer.get());
        pdf->setResolution(dpi);
        pdf->setTitle(QString::fromUtf8(title));
        pdf->setCreator(QStringLiteral("tarnex"));
        pdf->setPageLayout(QPageLayout(QPageSize(QSizeF(widthMm, heightMm), QPageSize::Millimeter),
                                       QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        m_device = std::move(pdf);
    } else {
        auto svg = std::make_unique<QSvgGenerator>();
        svg->setOutputDevice(m_buffer.get());
        svg->setResolution(dpi);
        svg->setSize(QSize(wPx, hPx));
        svg->setViewBox(QRect(0, 0, wPx, hPx));
        svg->setTitle(QString::fromUtf8(title));
        m_device = std::move(svg);
    }
    m_painter = std::make_unique<QtPainterBackend>(m_device.get(), dpi, dpi, CSize(wPx, hPx));
    if (!m_painter->start()) {
        m_painter.reset();
        m_device.reset();
        return;
    }
    m_hDC = m_hAttribDC = this;
    setBackend(m_painter.get());
    m_valid = true;
}

CVectorDC::~CVectorDC()
{
    Finish();
    setBackend(nullptr);
}

bool CVectorDC::Finish()
{
    if (!m_valid)
        return false;
    if (!m_finished) {
        m_finished = true;
        m_painter->flush();
        setBackend(nullptr);
        // The writers finish their documents when the painter ends; the
        // PDF writer only when it is gone.
        m_painter.reset();
        m_device.reset();
        const QByteArray& bytes = m_buffer->buffer();
        m_document.assign(bytes.constData(), static_cast<size_t>(bytes.size()));
        m_buffer.reset();
        if (m_document.empty())
            m_error = "the document came out empty";
        else if (m_path.IsEmpty())
            m_written = true;
        else
            m_written = AtomicFile::WriteBytes(m_path, m_document, m_error);
    }
    return m_written;
}
