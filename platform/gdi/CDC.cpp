#include "platform/gdi/CDC.h"

#include "platform/gdi/FontResolver.h"
#include "platform/gdi/QtPainterBackend.h"

#include <QImage>

#include <climits>
#include <cmath>
#include <cstring>

namespace {

// Logical units per inch of the metric map modes; 0 for MM_TEXT.
double unitsPerInch(int mode)
{
    switch (mode) {
    case MM_LOMETRIC: return 254.0;
    case MM_HIMETRIC: return 2540.0;
    case MM_LOENGLISH: return 100.0;
    case MM_HIENGLISH: return 1000.0;
    case MM_TWIPS: return 1440.0;
    default: return 0.0;
    }
}

// GDI rounds mapped coordinates to the nearest unit, halves away from zero.
// Values beyond the 32-bit range are clamped and NaN maps to 0, so that a
// wild coordinate never becomes undefined behaviour.
LONG roundToLong(double v)
{
    if (std::isnan(v))
        return 0;
    const double r = std::round(v);
    if (r >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (r <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<LONG>(r);
}

}  // namespace

CDC::CDC() { resetState(); }

CDC::~CDC()
{
    if (m_backend)
        m_backend->flush();
}

void CDC::resetState()
{
    m_s = State{};
    m_s.pen = CPen::FromStock(BLACK_PEN);
    m_s.penDesc = m_s.pen->desc();
    m_s.brush = CBrush::FromStock(WHITE_BRUSH);
    m_s.brushDesc = m_s.brush->desc();
    m_s.font = CFont::FromStock(SYSTEM_FONT);
    m_s.fontDesc = m_s.font->desc();
    m_saved.clear();
}

BOOL CDC::CreateCompatibleDC(CDC* pDC)
{
    if (m_hDC)
        return FALSE;
    if (pDC && pDC->m_backend) {
        m_memDpiX = pDC->m_backend->dpiX();
        m_memDpiY = pDC->m_backend->dpiY();
    }
    if (pDC)
        m_bitsPixel = pDC->m_bitsPixel;
    m_isMemory = true;
    m_hDC = m_hAttribDC = this;
    resetState();
    return TRUE;
}

BOOL CDC::DeleteDC()
{
    if (!m_hDC)
        return FALSE;
    if (m_backend)
        m_backend->flush();
    if (m_ownBackend.get() == m_backend)
        m_backend = nullptr;
    m_ownBackend.reset();
    m_hDC = m_hAttribDC = nullptr;
    m_isMemory = false;
    resetState();
    return TRUE;
}

// ---- mapping ----

int CDC::SetMapMode(int mode)
{
    const int old = m_s.mapMode;
    if (mode == MM_TEXT || unitsPerInch(mode) > 0)
        m_s.mapMode = mode;
    return old;
}

CPoint CDC::SetWindowOrg(int x, int y)
{
    const CPoint old = m_s.windowOrg;
    m_s.windowOrg = CPoint(x, y);
    return old;
}

CPoint CDC::SetViewportOrg(int x, int y)
{
    const CPoint old = m_s.viewportOrg;
    m_s.viewportOrg = CPoint(x, y);
    return old;
}

double CDC::scaleX() const
{
    const double upi = unitsPerInch(m_s.mapMode);
    return upi > 0 ? GetDeviceCaps(LOGPIXELSX) / upi : 1.0;
}

double CDC::scaleY() const
{
    const double upi = unitsPerInch(m_s.mapMode);
    return upi > 0 ? -GetDeviceCaps(LOGPIXELSY) / upi : 1.0;
}

CPoint CDC::toDevice(const tagPOINT& p) const
{
    const double dx = (static_cast<double>(p.x) - m_s.windowOrg.x) * scaleX() + m_s.viewportOrg.x;
    const double dy = (static_cast<double>(p.y) - m_s.windowOrg.y) * scaleY() + m_s.viewportOrg.y;
    return CPoint(roundToLong(dx), roundToLong(dy));
}

CPoint CDC::toLogical(const tagPOINT& p) const
{
    const double lx = (static_cast<double>(p.x) - m_s.viewportOrg.x) / scaleX() + m_s.windowOrg.x;
    const double ly = (static_cast<double>(p.y) - m_s.viewportOrg.y) / scaleY() + m_s.windowOrg.y;
    return CPoint(roundToLong(lx), roundToLong(ly));
}

void CDC::LPtoDP(LPPOINT pts, int count) const
{
    for (int i = 0; pts && i < count; ++i)
        pts[i] = toDevice(pts[i]);
}

void CDC::LPtoDP(LPRECT r) const
{
    if (!r)
        return;
    const CPoint a = toDevice(CPoint(r->left, r->top));
    const CPoint b = toDevice(CPoint(r->right, r->bottom));
    *r = CRect(a, b);
}

void CDC::LPtoDP(tagSIZE* s) const
{
    if (!s)
        return;
    s->cx = roundToLong(s->cx * std::fabs(scaleX()));
    s->cy = roundToLong(s->cy * std::fabs(scaleY()));
}

void CDC::DPtoLP(LPPOINT pts, int count) const
{
    for (int i = 0; pts && i < count; ++i)
        pts[i] = toLogical(pts[i]);
}

void CDC::DPtoLP(LPRECT r) const
{
    if (!r)
        return;
    const CPoint a = toLogical(CPoint(r->left, r->top));
    const CPoint b = toLogical(CPoint(r->right, r->bottom));
    *r = CRect(a, b);
}

void CDC::DPtoLP(tagSIZE* s) const
{
    if (!s)
        return;
    s->cx = roundToLong(s->cx / std::fabs(scaleX()));
    s->cy = roundToLong(s->cy / std::fabs(scaleY()));
}

// ---- objects ----

CPen* CDC::SelectObject(CPen* pen)
{
    if (!pen || !pen->GetSafeHandle())
        return nullptr;
    CPen* old = m_s.pen;
    m_s.pen = pen;
    m_s.penDesc = pen->desc();
    return old;
}

CBrush* CDC::SelectObject(CBrush* brush)
{
    if (!brush || !brush->GetSafeHandle())
        return nullptr;
    CBrush* old = m_s.brush;
    m_s.brush = brush;
    m_s.brushDesc = brush->desc();
    return old;
}

CFont* CDC::SelectObject(CFont* font)
{
    if (!font || !font->GetSafeHandle())
        return nullptr;
    CFont* old = m_s.font;
    m_s.font = font;
    m_s.fontDesc = font->desc();
    return old;
}

CBitmap* CDC::SelectObject(CBitmap* bitmap)
{
    if (!m_isMemory)
        return nullptr;
    if (bitmap && !bitmap->image())
        return nullptr;
    CBitmap* old = m_s.bitmap;
    if (m_backend)
        m_backend->flush();
    m_ownBackend.reset();
    m_backend = nullptr;
    m_s.bitmap = bitmap;
    if (bitmap) {
        const auto& img = bitmap->image();
        m_ownBackend = std::make_unique<QtPainterBackend>(img.get(), m_memDpiX, m_memDpiY,
                                                          CSize(img->width(), img->height()), img);
        m_backend = m_ownBackend.get();
    }
    return old;
}

CGdiObject* CDC::SelectStockObject(int stockId)
{
    if (CPen* p = CPen::FromStock(stockId))
        return SelectObject(p);
    if (CBrush* b = CBrush::FromStock(stockId))
        return SelectObject(b);
    if (CFont* f = CFont::FromStock(stockId))
        return SelectObject(f);
    return nullptr;
}

// ---- text settings ----

UINT CDC::SetTextAlign(UINT flags)
{
    const UINT old = m_s.textAlign;
    m_s.textAlign = flags;
    return old;
}

COLORREF CDC::SetTextColor(COLORREF c)
{
    const COLORREF old = m_s.textColor;
    m_s.textColor = c;
    return old;
}

COLORREF CDC::SetBkColor(COLORREF c)
{
    const COLORREF old = m_s.bkColor;
    m_s.bkColor = c;
    return old;
}

int CDC::SetBkMode(int mode)
{
    const int old = m_s.bkMode;
    if (mode == TRANSPARENT || mode == OPAQUE)
        m_s.bkMode = mode;
    return old;
}

// ---- drawing ----

GdiStyle CDC::style() const
{
    GdiStyle st;
    st.pen = m_s.penDesc;
    st.penDeviceWidth = roundToLong(m_s.penDesc.width * std::fabs(scaleX()));
    st.brush = m_s.brushDesc;
    st.font = m_s.fontDesc;
    const LONG h = m_s.fontDesc.lfHeight;
    if (h == 0) {
        st.fontDeviceHeight = -std::max(1, GetDeviceCaps(LOGPIXELSY) * 12 / 72);
    } else {
        const LONG mag = std::max<LONG>(1, roundToLong(std::fabs(static_cast<double>(h) * scaleY())));
        st.fontDeviceHeight = h < 0 ? -mag : mag;
    }
    st.textAlign = m_s.textAlign;
    st.textColor = m_s.textColor;
    st.bkColor = m_s.bkColor;
    st.bkMode = m_s.bkMode;
    st.mapMode = m_s.mapMode;
    return st;
}

GdiTextMetrics CDC::measure(const CString& text, const GdiStyle& st) const
{
    return m_backend ? m_backend->measure(text, st) : FontResolver::measure(text, st);
}

void CDC::submit(GdiOp&& op)
{
    if (!m_backend)
        return;
    op.device.reserve(op.logical.size());
    for (const CPoint& p : op.logical)
        op.device.push_back(toDevice(p));
    m_backend->draw(op);
}

CPoint CDC::MoveTo(int x, int y)
{
    const CPoint old = m_s.current;
    m_s.current = CPoint(x, y);
    return old;
}

BOOL CDC::LineTo(int x, int y)
{
    GdiOp op;
    op.kind = GdiOp::Kind::Polyline;
    op.logical = {m_s.current, CPoint(x, y)};
    op.style = style();
    submit(std::move(op));
    m_s.current = CPoint(x, y);
    return TRUE;
}

BOOL CDC::Polyline(const tagPOINT* pts, int count)
{
    if (!pts || count < 0)
        return FALSE;
    GdiOp op;
    op.kind = GdiOp::Kind::Polyline;
    op.logical.assign(pts, pts + count);
    op.style = style();
    submit(std::move(op));
    // GDI draws nothing for fewer than two points and says so.
    return count >= 2 ? TRUE : FALSE;
}

BOOL CDC::PolyPolygon(const tagPOINT* pts, const int* counts, int rings)
{
    if (!pts || !counts || rings < 1)
        return FALSE;
    GdiOp op;
    op.kind = GdiOp::Kind::Polygon;
    long long total = 0;
    for (int i = 0; i < rings; ++i) {
        // GDI refuses rings of fewer than two points.
        if (counts[i] < 2)
            return FALSE;
        total += counts[i];
        op.rings.push_back(counts[i]);
    }
    op.logical.assign(pts, pts + total);
    op.style = style();
    submit(std::move(op));
    return TRUE;
}

BOOL CDC::Rectangle(int l, int t, int r, int b)
{
    GdiOp op;
    op.kind = GdiOp::Kind::Rectangle;
    op.logical = {CPoint(l, t), CPoint(r, b)};
    op.style = style();
    submit(std::move(op));
    return TRUE;
}

void CDC::FillRect(LPCRECT rect, CBrush* brush)
{
    if (!rect || !brush || !brush->GetSafeHandle() || brush->desc().style == BS_NULL)
        return;
    GdiOp op;
    op.kind = GdiOp::Kind::FillRect;
    op.logical = {CPoint(rect->left, rect->top), CPoint(rect->right, rect->bottom)};
    op.fill = brush->desc().color;
    op.style = style();
    submit(std::move(op));
}

// As the framework does it, the background colour is left at the fill colour.
void CDC::FillSolidRect(LPCRECT rect, COLORREF color)
{
    if (!rect)
        return;
    SetBkColor(color);
    GdiOp op;
    op.kind = GdiOp::Kind::FillRect;
    op.logical = {CPoint(rect->left, rect->top), CPoint(rect->right, rect->bottom)};
    op.fill = color;
    op.style = style();
    submit(std::move(op));
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF color)
{
    const CRect r(x, y, x + cx, y + cy);
    FillSolidRect(&r, color);
}

BOOL CDC::TextOut(int x, int y, const char* text, int count)
{
    if (!text || count < 0)
        return FALSE;
    return TextOut(x, y, CString(text, static_cast<int>(strnlen(text, static_cast<size_t>(count)))));
}

BOOL CDC::TextOut(int x, int y, const CString& text)
{
    const bool updateCp = (m_s.textAlign & TA_UPDATECP) != 0;
    const CPoint ref = updateCp ? m_s.current : CPoint(x, y);
    GdiOp op;
    op.kind = GdiOp::Kind::Text;
    op.logical = {ref};
    op.text = text;
    op.style = style();
    const GdiTextMetrics m = measure(text, op.style);
    op.width = m.width;
    op.ascent = m.ascent;
    op.descent = m.descent;

    // Align in the run's own frame (x along the baseline, y down), then rotate
    // that offset by the escapement around the reference point.
    const UINT h = m_s.textAlign & TA_CENTER;
    const UINT v = m_s.textAlign & TA_BASELINE;
    const double dx = h == TA_RIGHT ? -m.width : h == TA_CENTER ? -m.width / 2 : 0.0;
    const double dy = v == TA_BASELINE ? 0.0 : v == TA_BOTTOM ? -m.descent : m.ascent;
    const double a = m_s.fontDesc.lfEscapement / 10.0 * M_PI / 180.0;
    op.angle = m_s.fontDesc.lfEscapement / 10.0;
    const CPoint dev = toDevice(ref);
    op.originX = dev.x + dx * std::cos(a) + dy * std::sin(a);
    op.originY = dev.y - dx * std::sin(a) + dy * std::cos(a);
    if (updateCp) {
        // The current position moves to the far end of the run.
        const double adv = h == TA_RIGHT ? -m.width : h == TA_CENTER ? 0.0 : m.width;
        CPoint end(roundToLong(dev.x + adv * std::cos(a)), roundToLong(dev.y - adv * std::sin(a)));
        m_s.current = toLogical(end);
    }
    submit(std::move(op));
    return TRUE;
}

CSize CDC::GetTextExtent(const char* text, int count) const
{
    if (!text || count <= 0)
        return CSize(0, 0);
    return GetTextExtent(CString(text, static_cast<int>(strnlen(text, static_cast<size_t>(count)))));
}

CSize CDC::GetTextExtent(const CString& text) const
{
    const GdiStyle st = style();
    const GdiTextMetrics m = measure(text, st);
    return CSize(roundToLong(m.width / std::fabs(scaleX())),
                 roundToLong((m.ascent + m.descent) / std::fabs(scaleY())));
}

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* src, int xSrc, int ySrc, DWORD rop)
{
    if (rop != SRCCOPY || !src || !src->m_backend || width == 0 || height == 0)
        return FALSE;
    const QImage* pix = src->m_backend->pixels();
    if (!pix)
        return FALSE;
    tagSIZE size{width, height};
    LPtoDP(&size);
    CPoint s = src->toDevice(CPoint(xSrc, ySrc));
    const QRect want(s.x, s.y, std::abs(static_cast<int>(size.cx)), std::abs(static_cast<int>(size.cy)));
    const QRect have = want.intersected(pix->rect());
    if (have.isEmpty())
        return TRUE;
    GdiOp op;
    op.kind = GdiOp::Kind::Blit;
    op.logical = {CPoint(x, y)};
    op.image = std::make_shared<const QImage>(pix->copy(have));
    op.source = CRect(0, 0, have.width(), have.height());
    op.style = style();
    if (!m_backend)
        return FALSE;
    op.device = {toDevice(op.logical[0]) + CPoint(have.x() - want.x(), have.y() - want.y())};
    m_backend->draw(op);
    return TRUE;
}

int CDC::GetDeviceCaps(int index) const
{
    const int dx = m_backend ? m_backend->dpiX() : m_memDpiX;
    const int dy = m_backend ? m_backend->dpiY() : m_memDpiY;
    const CSize size = m_backend ? m_backend->deviceSize() : CSize(1, 1);
    switch (index) {
    case LOGPIXELSX: return dx;
    case LOGPIXELSY: return dy;
    case HORZRES: return size.cx;
    case VERTRES: return size.cy;
    case HORZSIZE: return static_cast<int>(size.cx * 25.4 / dx);
    case VERTSIZE: return static_cast<int>(size.cy * 25.4 / dy);
    case BITSPIXEL: return m_bitsPixel;
    case PLANES: return 1;
    case SIZEPALETTE: return m_bitsPixel <= 8 ? 1 << m_bitsPixel : 0;
    case RASTERCAPS: return RC_BITBLT | RC_DI_BITMAP | RC_STRETCHDIB | (m_bitsPixel <= 8 ? RC_PALETTE : 0);
    default: return 0;
    }
}

int CDC::SaveDC()
{
    m_saved.push_back(m_s);
    return static_cast<int>(m_saved.size());
}

BOOL CDC::RestoreDC(int saved)
{
    const int n = static_cast<int>(m_saved.size());
    const int index = saved < 0 ? n + saved : saved - 1;
    if (index < 0 || index >= n)
        return FALSE;
    State s = m_saved[static_cast<size_t>(index)];
    m_saved.resize(static_cast<size_t>(index));
    // The bitmap of a memory context stays as it is.
    s.bitmap = m_s.bitmap;
    m_s = s;
    return TRUE;
}

BOOL GetTextExtentPoint32(HDC hdc, const char* text, int count, tagSIZE* size)
{
    if (!hdc || !size)
        return FALSE;
    *size = hdc->GetTextExtent(text, count);
    return TRUE;
}

void* GetStockObject(int stockId)
{
    if (CPen* p = CPen::FromStock(stockId))
        return p;
    if (CBrush* b = CBrush::FromStock(stockId))
        return b;
    return CFont::FromStock(stockId);
}

// ---- pixel depth, palettes and device-independent bitmaps ----

BOOL CDC::SetBitsPixel(int bits)
{
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return FALSE;
    m_bitsPixel = bits;
    return TRUE;
}

int CDC::SetStretchBltMode(int mode)
{
    const int old = m_stretchMode;
    if (mode >= BLACKONWHITE && mode <= HALFTONE)
        m_stretchMode = mode;
    return old;
}

CPalette* CDC::SelectPalette(CPalette* palette, BOOL)
{
    if (!palette || !palette->GetSafeHandle())
        return nullptr;
    CPalette* old = GetCurrentPalette();
    m_palette = palette;
    return old;
}

// Every entry is taken as it is asked for: the surfaces keep true colour and
// map to the palette only when pixels are read out as a palette bitmap.
UINT CDC::RealizePalette() { return static_cast<UINT>(GetCurrentPalette()->GetEntryCount()); }

CPalette* CDC::GetCurrentPalette() const noexcept
{
    return m_palette ? m_palette : CPalette::FromStock(DEFAULT_PALETTE);
}

void CDC::DrawImage(int x, int y, const QImage& image)
{
    if (!m_backend || image.isNull())
        return;
    GdiOp op;
    op.kind = GdiOp::Kind::Blit;
    op.logical = {CPoint(x, y)};
    op.image = std::make_shared<const QImage>(image);
    op.source = CRect(0, 0, image.width(), image.height());
    op.style = style();
    op.device = {toDevice(op.logical[0])};
    m_backend->draw(op);
}

// Windows answers with the kind of region left; a rectangle is all we keep.
int CDC::ExcludeClipRect(LPCRECT rect)
{
    if (!rect)
        return 0;  // ERROR
    m_excluded.emplace_back(*rect);
    return 3;  // COMPLEXREGION
}
