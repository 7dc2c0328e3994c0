// A device context: drawing state (map mode, origins, selected objects, text
// settings, current position), the logical-to-device mapping, and a backend
// that draws the primitives. Metric map modes have y growing upwards and
// scale by the surface's resolution; MM_TEXT is one unit a pixel, y down.
#pragma once

#include "platform/gdi/CBitmap.h"
#include "platform/gdi/CBrush.h"
#include "platform/gdi/CFont.h"
#include "platform/gdi/CPalette.h"
#include "platform/gdi/CPen.h"
#include "platform/core/CRect.h"
#include "platform/core/CString.h"
#include "platform/gdi/GdiBackend.h"
#include "platform/gdi/WindowDrawing.h"

#include <memory>
#include <vector>

class CDC;
class QImage;
using HDC = CDC*;

class CDC {
public:
    CDC();
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    HDC m_hDC = nullptr;
    HDC m_hAttribDC = nullptr;
    HDC GetSafeHdc() const noexcept { return m_hDC; }
    static CDC* FromHandle(HDC h) noexcept { return h; }

    // A memory context with the resolution of pDC (or of the screen). It
    // draws nothing until a bitmap is selected into it.
    BOOL CreateCompatibleDC(CDC* pDC);
    BOOL DeleteDC();

    // Mapping.
    int SetMapMode(int mode);
    int GetMapMode() const noexcept { return m_s.mapMode; }
    CPoint SetWindowOrg(int x, int y);
    CPoint SetWindowOrg(const tagPOINT& p) { return SetWindowOrg(p.x, p.y); }
    CPoint GetWindowOrg() const noexcept { return m_s.windowOrg; }
    CPoint SetViewportOrg(int x, int y);
    CPoint SetViewportOrg(const tagPOINT& p) { return SetViewportOrg(p.x, p.y); }
    CPoint GetViewportOrg() const noexcept { return m_s.viewportOrg; }
    void LPtoDP(LPPOINT pts, int count = 1) const;
    void LPtoDP(LPRECT rect) const;
    void LPtoDP(tagSIZE* size) const;
    void DPtoLP(LPPOINT pts, int count = 1) const;
    void DPtoLP(LPRECT rect) const;
    void DPtoLP(tagSIZE* size) const;

    // Selected objects: each returns the object selected before.
    CPen* SelectObject(CPen* pen);
    CBrush* SelectObject(CBrush* brush);
    CFont* SelectObject(CFont* font);
    CBitmap* SelectObject(CBitmap* bitmap);
    CGdiObject* SelectStockObject(int stockId);
    CPen* GetCurrentPen() const noexcept { return m_s.pen; }
    CBrush* GetCurrentBrush() const noexcept { return m_s.brush; }
    CFont* GetCurrentFont() const noexcept { return m_s.font; }
    CBitmap* GetCurrentBitmap() const noexcept { return m_s.bitmap; }

    // Text settings.
    UINT SetTextAlign(UINT flags);
    UINT GetTextAlign() const noexcept { return m_s.textAlign; }
    COLORREF SetTextColor(COLORREF c);
    COLORREF GetTextColor() const noexcept { return m_s.textColor; }
    COLORREF SetBkColor(COLORREF c);
    COLORREF GetBkColor() const noexcept { return m_s.bkColor; }
    int SetBkMode(int mode);
    int GetBkMode() const noexcept { return m_s.bkMode; }

    // Drawing, in logical units.
    CPoint MoveTo(int x, int y);
    CPoint MoveTo(const tagPOINT& p) { return MoveTo(p.x, p.y); }
    BOOL LineTo(int x, int y);
    BOOL LineTo(const tagPOINT& p) { return LineTo(p.x, p.y); }
    CPoint GetCurrentPosition() const noexcept { return m_s.current; }
    BOOL Polyline(const tagPOINT* pts, int count);
    // Closed rings filled with the selected brush by the alternate (even-odd)
    // rule, so a ring inside another leaves a hole, and outlined with the pen.
    BOOL Polygon(const tagPOINT* pts, int count) { return PolyPolygon(pts, &count, 1); }
    BOOL PolyPolygon(const tagPOINT* pts, const int* counts, int rings);
    BOOL Rectangle(int l, int t, int r, int b);
    BOOL Rectangle(LPCRECT rect) { return Rectangle(rect->left, rect->top, rect->right, rect->bottom); }
    void FillRect(LPCRECT rect, CBrush* brush);
    void FillSolidRect(LPCRECT rect, COLORREF color);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF color);
    BOOL TextOut(int x, int y, const CString& text);
    BOOL TextOut(int x, int y, const char* text, int count);
    // Extent of a text run with the selected font, in logical units.
    CSize GetTextExtent(const CString& text) const;
    CSize GetTextExtent(const char* text, int count) const;
    CSize GetOutputTextExtent(const CString& text) const { return GetTextExtent(text); }

    // Window drawing in the system's colours, composed from the primitives
    // (constants in platform/gdi/WindowDrawing.h).
    BOOL DrawEdge(LPRECT rect, UINT edge, UINT flags);
    BOOL DrawFrameControl(LPRECT rect, UINT type, UINT state);
    void InvertRect(LPCRECT rect);
    void DrawFocusRect(LPCRECT rect);
    int DrawText(const CString& text, LPRECT rect, UINT format);
    int DrawText(const char* text, int count, LPRECT rect, UINT format);

    BOOL BitBlt(int x, int y, int width, int height, CDC* src, int xSrc, int ySrc, DWORD rop);
    int GetDeviceCaps(int index) const;

    int SaveDC();
    BOOL RestoreDC(int saved);

    // The backend, for surfaces that let callers reach it (tests, replay).
    GdiBackend* backend() const noexcept { return m_backend; }

protected:
    // Surfaces that own their backend hand it over here.
    void setBackend(GdiBackend* backend) noexcept { m_backend = backend; }

private:
    struct State {
        int mapMode = 1;  // MM_TEXT
        CPoint windowOrg;
        CPoint viewportOrg;
        CPen* pen = nullptr;
        CBrush* brush = nullptr;
        CFont* font = nullptr;
        CBitmap* bitmap = nullptr;
        PenDesc penDesc;
        BrushDesc brushDesc;
        LOGFONT fontDesc;
        UINT textAlign = 0;
        COLORREF textColor = RGB(0, 0, 0);
        COLORREF bkColor = RGB(255, 255, 255);
        int bkMode = 2;  // OPAQUE
        CPoint current;
    };

    // Device units per logical unit along x and y, with sign (y flips in metric modes).
    double scaleX() const;
    double scaleY() const;
    CPoint toDevice(const tagPOINT& p) const;
    CPoint toLogical(const tagPOINT& p) const;
    GdiStyle style() const;
    GdiTextMetrics measure(const CString& text, const GdiStyle& st) const;
    void submit(GdiOp&& op);
    void resetState();

    State m_s;
    std::vector<State> m_saved;
    GdiBackend* m_backend = nullptr;
    std::unique_ptr<GdiBackend> m_ownBackend;  // memory contexts
    int m_memDpiX = 96, m_memDpiY = 96;
    bool m_isMemory = false;

    // ---- pixel depth, palettes and device-independent bitmaps ----
public:
    // The bits a pixel the surface reports: 1, 4, 8, 16, 24 or 32 (others are
    // refused). At 8 and fewer it is a palette device. Compatible contexts and
    // bitmaps take the depth of the context they are made for.
    BOOL SetBitsPixel(int bits);
    int SetStretchBltMode(int mode);
    int GetStretchBltMode() const noexcept { return m_stretchMode; }
    // The palette is not copied: it must outlive its selection.
    CPalette* SelectPalette(CPalette* palette, BOOL forceBackground);
    UINT RealizePalette();
    // The palette in force: the one selected, else the stock default palette.
    CPalette* GetCurrentPalette() const noexcept;
    // Puts image on the surface pixel for pixel, its top left corner at the
    // logical point (x, y).
    void DrawImage(int x, int y, const QImage& image);
    // Areas (logical units) a window's background erase leaves alone; other
    // drawing is not clipped by them.
    int ExcludeClipRect(LPCRECT rect);
    const std::vector<CRect>& ExcludedRects() const noexcept { return m_excluded; }

private:
    std::vector<CRect> m_excluded;
    int m_bitsPixel = 32;
    int m_stretchMode = 1;  // BLACKONWHITE
    CPalette* m_palette = nullptr;
};

// Capabilities and stretching modes of the depth and palette block above.
constexpr int PLANES = 14;
constexpr int SIZEPALETTE = 104;
constexpr int BLACKONWHITE = 1;
constexpr int WHITEONBLACK = 2;
constexpr int COLORONCOLOR = 3;
constexpr int HALFTONE = 4;

// Win32-style free functions the charts call.
BOOL GetTextExtentPoint32(HDC hdc, const char* text, int count, tagSIZE* size);
void* GetStockObject(int stockId);
