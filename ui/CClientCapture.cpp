#include "ui/CClientCapture.h"

#include "platform/core/AtomicFile.h"

#include <bit>
#include <cstdlib>
#include <cstring>
#include <new>
#include <vector>

// The block is written to the file as it lies in memory, which is the BMP
// byte order only on a little-endian machine.
static_assert(std::endian::native == std::endian::little, "BMP blocks are little-endian");

namespace {

int colorTableEntries(const BITMAPINFOHEADER& h) { return h.biBitCount <= 8 ? 1 << h.biBitCount : 0; }

void putLE(std::vector<unsigned char>& out, std::uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<unsigned char>((v >> (8 * i)) & 0xff));
}

}  // namespace

CClientCapture::~CClientCapture()
{
    freeBlock();
    m_Palette.DeleteObject();
}

void CClientCapture::freeBlock()
{
    std::free(m_hDIB);
    m_hDIB = nullptr;
    m_pBMI = nullptr;
    m_pBits = nullptr;
}

void CClientCapture::Release() { freeBlock(); }

void CClientCapture::Capture(CDC* pDC, CRect rect) { WriteWindowToDIB(pDC, rect); }

DWORD CClientCapture::Height() const { return m_pBMI ? static_cast<DWORD>(m_pBMI->biHeight) : 0; }

int CClientCapture::WriteWindowToDIB(CDC* pDC, CRect rect)
{
    // Only the size is taken from the rectangle: the copy starts at the origin.
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    CDC memDC;
    CBitmap bitmap;
    if (!pDC || !memDC.CreateCompatibleDC(pDC) || !bitmap.CreateCompatibleBitmap(pDC, width, height)) {
        freeBlock();
        return FALSE;
    }
    CBitmap* oldBitmap = memDC.SelectObject(&bitmap);
    memDC.BitBlt(0, 0, width, height, pDC, 0, 0, SRCCOPY);

    if (pDC->GetDeviceCaps(RASTERCAPS) & RC_PALETTE) {
        // Entries 0 to 254 of the screen palette, as many as it gives.
        constexpr UINT kAsked = 255;
        std::vector<unsigned char> storage(sizeof(LOGPALETTE) + kAsked * sizeof(PALETTEENTRY));
        auto* lp = new (storage.data()) LOGPALETTE;
        lp->palVersion = 0x300;
        lp->palNumEntries = static_cast<WORD>(GetSystemPaletteEntries(pDC, 0, kAsked, lp->palPalEntry));
        m_Palette.DeleteObject();
        m_Palette.CreatePalette(lp);
    }

    memDC.SelectObject(oldBitmap);
    m_hDIB = DDBToDIB(bitmap, BI_RGB, &m_Palette, pDC);
    memDC.DeleteDC();
    bitmap.DeleteObject();
    return m_hDIB ? TRUE : FALSE;
}

void* CClientCapture::DDBToDIB(CBitmap& bitmap, DWORD dwCompression, CPalette* pPal, CDC* pDC)
{
    if (dwCompression == BI_BITFIELDS || !pDC)
        return nullptr;
    CPalette* pal = pPal && pPal->GetSafeHandle() ? pPal : CPalette::FromStock(DEFAULT_PALETTE);

    BITMAP bm;
    bitmap.GetBitmap(&bm);
    BITMAPINFOHEADER bi;
    bi.biSize = sizeof(BITMAPINFOHEADER);
    bi.biWidth = bm.bmWidth;
    bi.biHeight = bm.bmHeight;
    bi.biPlanes = 1;
    bi.biBitCount = static_cast<WORD>(bm.bmPlanes * bm.bmBitsPixel);
    bi.biCompression = dwCompression;
    const int n = colorTableEntries(bi);

    CPalette* oldPal = pDC->SelectPalette(pal, FALSE);
    pDC->RealizePalette();
    const auto restore = [&] {
        if (oldPal)
            pDC->SelectPalette(oldPal, FALSE);
    };

    freeBlock();
    const size_t headLen = bi.biSize + 4 * static_cast<size_t>(n);
    m_hDIB = std::calloc(1, headLen);
    if (!m_hDIB) {
        restore();
        return nullptr;
    }
    std::memcpy(m_hDIB, &bi, sizeof bi);
    // The platform completes the header (image size, colour table).
    GetDIBits(pDC, &bitmap, 0, static_cast<UINT>(bi.biHeight), nullptr, static_cast<BITMAPINFO*>(m_hDIB),
              DIB_RGB_COLORS);
    std::memcpy(&bi, m_hDIB, sizeof bi);
    if (bi.biSizeImage == 0) {
        bi.biSizeImage = static_cast<DWORD>(dib::RowBytes(bi.biWidth, bi.biBitCount) * static_cast<DWORD>(bi.biHeight));
        if (dwCompression != BI_RGB)
            bi.biSizeImage = bi.biSizeImage * 3 / 2;
    }

    void* grown = bi.biSizeImage <= dib::kMaxImageBytes ? std::realloc(m_hDIB, headLen + bi.biSizeImage) : nullptr;
    int lines = 0;
    if (grown) {
        m_hDIB = grown;
        m_pBMI = static_cast<LPBITMAPINFOHEADER>(m_hDIB);
        std::memcpy(m_pBMI, &bi, sizeof bi);
        m_pBits = static_cast<unsigned char*>(m_hDIB) + bi.biSize + 4 * static_cast<size_t>(n);
        lines = GetDIBits(pDC, &bitmap, 0, static_cast<UINT>(bi.biHeight), m_pBits, static_cast<BITMAPINFO*>(m_hDIB),
                          DIB_RGB_COLORS);
    }
    if (!grown || lines == 0) {
        freeBlock();
        restore();
        return nullptr;
    }
    restore();
    return m_hDIB;
}

BOOL CClientCapture::Paint(HDC hDC, CPalette* pPal, LPRECT lpDCRect, LPRECT lpDIBRect) const
{
    if (!m_hDIB || !hDC || !lpDCRect || !lpDIBRect)
        return FALSE;
    const auto* bmi = static_cast<const BITMAPINFO*>(m_hDIB);
    CPalette* oldPal = nullptr;
    if (pPal && pPal->GetSafeHandle())
        oldPal = SelectPalette(hDC, pPal, TRUE);
    SetStretchBltMode(hDC, COLORONCOLOR);

    const CRect dc(*lpDCRect), dibRect(*lpDIBRect);
    int result;
    if (dc.Width() == dibRect.Width() && dc.Height() == dibRect.Height()) {
        result = SetDIBitsToDevice(hDC, dc.left, dc.top, static_cast<DWORD>(dc.Width()), static_cast<DWORD>(dc.Height()),
                                   dibRect.left, static_cast<int>(Height()) - dibRect.bottom, 0,
                                   static_cast<WORD>(Height()), m_pBits, bmi, DIB_RGB_COLORS);
    } else {
        result = StretchDIBits(hDC, dc.left, dc.top, dc.Width(), dc.Height(), dibRect.left, dibRect.top,
                               dibRect.Width(), dibRect.Height(), m_pBits, bmi, DIB_RGB_COLORS, SRCCOPY);
    }
    if (oldPal)
        SelectPalette(hDC, oldPal, TRUE);
    return result != 0 ? TRUE : FALSE;
}

void CClientCapture::OnDraw(HDC hDC, CRect rcDC, CRect rcDIB) { Paint(hDC, &m_Palette, &rcDC, &rcDIB); }

BOOL CClientCapture::WriteDIB(CString fileName)
{
    if (!m_hDIB)
        return FALSE;
    const BITMAPINFOHEADER& h = *m_pBMI;
    const size_t blockLen = h.biSize + 4 * static_cast<size_t>(colorTableEntries(h)) + h.biSizeImage;
    std::vector<unsigned char> head;
    putLE(head, 0x4D42, 2);  // "BM"
    putLE(head, static_cast<std::uint32_t>(14 + blockLen), 4);
    putLE(head, 0, 2);
    putLE(head, 0, 2);
    putLE(head, 14 + h.biSize + 4 * static_cast<std::uint32_t>(colorTableEntries(h)), 4);
    CString error;
    const bool ok = AtomicFile::Write(fileName, [&](std::FILE* f) {
        return std::fwrite(head.data(), 1, head.size(), f) == head.size() &&
               std::fwrite(m_hDIB, 1, blockLen, f) == blockLen;
    }, error);
    return ok ? TRUE : FALSE;
}
