// A bitmap that a memory device context draws into: pixels held in a QImage
// shared with the surface it is selected into.
#pragma once

#include "platform/gdi/CGdiObject.h"
#include "platform/core/CSize.h"

#include <memory>

class CDC;
class QImage;

struct BITMAP {
    LONG bmType = 0;
    LONG bmWidth = 0;
    LONG bmHeight = 0;
    LONG bmWidthBytes = 0;
    WORD bmPlanes = 1;
    WORD bmBitsPixel = 32;
    void* bmBits = nullptr;
};

class CBitmap : public CGdiObject {
public:
    CBitmap();
    ~CBitmap() override;

    // A white bitmap of the given size in pixels; refused for sizes that are
    // not positive or larger than 32768 pixels a side.
    BOOL CreateCompatibleBitmap(CDC* pDC, int width, int height);
    int GetBitmap(BITMAP* bm) const;
    CSize GetBitmapDimension() const;
    BOOL DeleteObject() override;

    const std::shared_ptr<QImage>& image() const noexcept { return m_image; }
    // The depth of the context the bitmap was made compatible with; the
    // pixels are kept in true colour and read out at this depth.
    int BitsPixel() const noexcept { return m_bitsPixel; }

private:
    int m_bitsPixel = 32;
    std::shared_ptr<QImage> m_image;
};
