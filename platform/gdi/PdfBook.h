// A PDF of many pages, each of its own size, drawn in memory one page after
// another through a device context: the form of a survey report.
#pragma once

#include "platform/gdi/CDC.h"
#include "platform/core/CString.h"

#include <memory>
#include <string>

class PdfBook {
public:
    // dpi fixes the device units of every page, as for CVectorDC.
    explicit PdfBook(int dpi, const char* title = "tarnex");
    ~PdfBook();
    PdfBook(const PdfBook&) = delete;
    PdfBook& operator=(const PdfBook&) = delete;

    // Starts the next page, widthMm x heightMm (up to 5 m a side), and
    // returns the context that draws on it until the next call or Finish;
    // nullptr when the size is out of range or the document failed.
    CDC* NewPage(double widthMm, double heightMm);
    int Pages() const noexcept { return m_pages; }
    // Ends the document and hands over its bytes; false with a one-line
    // message when it has no page or came out empty.
    bool Finish(std::string& bytes, CString& error);

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
    int m_pages = 0;
};
