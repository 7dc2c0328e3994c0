#include "platform/gdi/CBitmap.h"

#include "platform/core/CSize.h"
#include "platform/gdi/CDC.h"

#include <QImage>

CBitmap::CBitmap() = default;
CBitmap::~CBitmap() = default;

BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int width, int height)
{
    constexpr int kMaxSide = 32768;
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide)
        return FALSE;
    if (!beginCreate())
        return FALSE;
    m_image = std::make_shared<QImage>(width, height, QImage::Format_RGB32);
    if (m_image->isNull()) {
        m_image.reset();
        CGdiObject::DeleteObject();
        return FALSE;
    }
    m_image->fill(Qt::white);
    m_bitsPixel = pDC ? pDC->GetDeviceCaps(BITSPIXEL) : 32;
    return TRUE;
}

int CBitmap::GetBitmap(BITMAP* bm) const
{
    if (!bm || !m_image)
        return 0;
    bm->bmWidth = m_image->width();
    bm->bmHeight = m_image->height();
    // Device-dependent rows are padded to 16 bits.
    bm->bmWidthBytes = (m_image->width() * m_bitsPixel + 15) / 16 * 2;
    bm->bmBitsPixel = static_cast<WORD>(m_bitsPixel);
    bm->bmPlanes = 1;
    bm->bmBits = nullptr;
    return static_cast<int>(sizeof(BITMAP));
}

CSize CBitmap::GetBitmapDimension() const
{
    return m_image ? CSize(m_image->width(), m_image->height()) : CSize();
}

BOOL CBitmap::DeleteObject()
{
    m_image.reset();
    return CGdiObject::DeleteObject();
}
