#include "platform/gdi/PdfBook.h"

#include "platform/gdi/QtPainterBackend.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace {

// A context on the page the book is drawing now.
class PageDC : public CDC {
public:
    explicit PageDC(std::unique_ptr<QtPainterBackend> backend) : m_backend(std::move(backend))
    {
        m_hDC = m_hAttribDC = this;
        setBackend(m_backend.get());
    }
    ~PageDC() override
    {
        m_backend->flush();
        setBackend(nullptr);
    }

private:
    std::unique_ptr<QtPainterBackend> m_backend;
};

}  // namespace

struct PdfBook::Impl {
    QBuffer buffer;
    std::unique_ptr<QPdfWriter> writer;
    QPainter painter;
    std::unique_ptr<PageDC> page;
    int dpi = 0;
    bool failed = false;
};

PdfBook::PdfBook(int dpi, const char* title) : m_impl(std::make_unique<Impl>())
{
    m_impl->dpi = dpi;
    if (dpi < 1 || dpi > 9600 || !m_impl->buffer.open(QIODevice::WriteOnly)) {
        m_impl->failed = true;
        return;
    }
    m_impl->writer = std::make_unique<QPdfWriter>(&m_impl->buffer);
    m_impl->writer->setResolution(dpi);
    m_impl->writer->setTitle(QString::fromUtf8(title ? title : ""));
    m_impl->writer->setCreator(QStringLiteral("tarnex"));
}

PdfBook::~PdfBook()
{
    m_impl->page.reset();
    if (m_impl->painter.isActive())
        m_impl->painter.end();
}

CDC* PdfBook::NewPage(double widthMm, double heightMm)
{
    Impl& d = *m_impl;
    if (d.failed || !(widthMm > 0 && widthMm <= 5000) || !(heightMm > 0 && heightMm <= 5000))
        return nullptr;
    d.page.reset();
    // The layout set before a page starts is the layout of that page.
    d.writer->setPageLayout(QPageLayout(QPageSize(QSizeF(widthMm, heightMm), QPageSize::Millimeter),
                                        QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    if (m_pages == 0) {
        if (!d.painter.begin(d.writer.get())) {
            d.failed = true;
            return nullptr;
        }
    } else if (!d.writer->newPage()) {
        d.failed = true;
        return nullptr;
    }
    ++m_pages;
    const CSize size(static_cast<int>(widthMm / 25.4 * d.dpi + 0.5), static_cast<int>(heightMm / 25.4 * d.dpi + 0.5));
    d.page = std::make_unique<PageDC>(std::make_unique<QtPainterBackend>(&d.painter, d.dpi, d.dpi, size));
    return d.page.get();
}

bool PdfBook::Finish(std::string& bytes, CString& error)
{
    Impl& d = *m_impl;
    d.page.reset();
    if (d.painter.isActive())
        d.painter.end();
    d.writer.reset();  // the writer completes the document when it goes
    if (d.failed || m_pages == 0) {
        error = m_pages == 0 ? "the document has no page" : "the PDF could not be drawn";
        return false;
    }
    const QByteArray& b = d.buffer.buffer();
    bytes.assign(b.constData(), static_cast<size_t>(b.size()));
    if (bytes.empty()) {
        error = "the document came out empty";
        return false;
    }
    return true;
}
