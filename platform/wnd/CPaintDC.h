// The device context of a window's paint handler: draws straight onto the
// widget, so it may only live inside the widget's paint event. It starts in
// MM_TEXT at the window's resolution, as a fresh window context does.
#pragma once

#include "platform/gdi/CDC.h"

#include <memory>

class CWnd;

class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* wnd);
    ~CPaintDC() override;

    CWnd* m_pWnd;

private:
    std::unique_ptr<GdiBackend> m_painter;
};
