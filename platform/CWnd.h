// A window: wraps a QWidget. GetDC gives a device context with the window's
// mapping (one unit a pixel, the window's resolution) that draws into the
// window's own surface, shown when the widget paints.
#pragma once

#include "platform/CDC.h"
#include "platform/CRect.h"

#include <memory>

class QWidget;
class QImage;
using HWND = QWidget*;

class CWnd {
public:
    CWnd();
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;
    HWND GetSafeHwnd() const noexcept { return m_hWnd; }
    BOOL Attach(HWND w);
    HWND Detach();
    BOOL IsWindow() const noexcept { return m_hWnd != nullptr; }

    CDC* GetDC();
    int ReleaseDC(CDC* dc);
    void GetClientRect(LPRECT rect) const;
    void Invalidate(BOOL erase = TRUE);
    void UpdateWindow();

    // What GetDC contexts have drawn; the widget shows it when it paints.
    QImage* surface();

private:
    std::shared_ptr<QImage> m_surface;
};

// The device context of a window's client area, released by CWnd::ReleaseDC
// or by its destructor.
class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* wnd);
    ~CClientDC() override;

private:
    std::unique_ptr<GdiBackend> m_painter;
};
