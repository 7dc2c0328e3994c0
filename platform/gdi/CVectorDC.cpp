#include "platform/gdi/CVectorDC.h"

#include "platform/gdi/QtPainterBackend.h"

#include "platform/core/AtomicFile.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

#include <dlfcn.h>

#include <string>

namespace {

using SvgDeviceFn = QPaintDevice* (*)(QIODevice*, int, int, int, const char*);

// The SVG module lies in the folder tarnex/ beside this library (build tree
// and installed tree alike). It stays loaded once opened: the devices it made
// live on.
SvgDeviceFn SvgDeviceMaker()
{
    static const SvgDeviceFn maker = []() -> SvgDeviceFn {
        Dl_info info{};
        if (!dladdr(reinterpret_cast<void*>(&SvgDeviceMaker), &info) || !info.dli_fname)
            return nullptr;
        std::string dir = info.dli_fname;
        const size_t slash = dir.rfind('/');
        dir = slash == std::string::npos ? std::string() : dir.substr(0, slash + 1);
        void* module = dlopen((dir + "tarnex/libtarnex-gdi-svg.so").c_str(), RTLD_NOW | RTLD_LOCAL);
        return module ? reinterpret_cast<SvgDeviceFn>(dlsym(module, "tarnex_svg_device")) : nullptr;
    }();
    return maker;
}

}  // namespace

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
        // Without the SVG module the context stays invalid, as for a bad size.
        const SvgDeviceFn make = SvgDeviceMaker();
        if (!make)
            return;
        m_device.reset(make(m_buffer.get(), dpi, wPx, hPx, title ? title : ""));
        if (!m_device)
            return;
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
