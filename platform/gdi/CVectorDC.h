// A device context on a vector document: one PDF page or one SVG drawing of a
// given size in millimetres, at a resolution that fixes the device units.
#pragma once

#include "platform/gdi/CDC.h"

#include <memory>
#include <string>

class QBuffer;
class QPaintDevice;
class QtPainterBackend;

class CVectorDC : public CDC {
public:
    enum class Format { Pdf, Svg };

    // The document is drawn in memory and written to path, atomically, when
    // Finish() is called or the context is destroyed; a null path keeps it in
    // memory only (Document()). IsValid() is false when the size or
    // resolution is out of range (above 5 m a side, outside 1 .. 9600 dpi).
    CVectorDC(Format format, const char* path, double widthMm, double heightMm, int dpi = 1200,
              const char* title = "tarnex");
    ~CVectorDC() override;

    bool IsValid() const noexcept { return m_valid; }
    // Ends the document and writes it; false when it could not be written
    // whole (the file at path is then as it was), with Error() saying why.
    bool Finish();
    const CString& Error() const noexcept { return m_error; }
    // The finished document's bytes.
    const std::string& Document() const noexcept { return m_document; }

private:
    std::unique_ptr<QBuffer> m_buffer;
    std::unique_ptr<QPaintDevice> m_device;
    std::unique_ptr<QtPainterBackend> m_painter;
    CString m_path;
    CString m_error;
    std::string m_document;
    bool m_valid = false;
    bool m_finished = false;
    bool m_written = false;
};
