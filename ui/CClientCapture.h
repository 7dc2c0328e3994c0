// Copies a surface's pixels (a view's client area, say) into a packed
// device-independent bitmap held in memory, paints it back and writes it as a BMP file.
#pragma once

#include "platform/core/CRect.h"
#include "platform/core/CString.h"
#include "platform/gdi/CPalette.h"
#include "platform/gdi/DibBits.h"

class CClientCapture {
public:
    CClientCapture() = default;
    ~CClientCapture();
    CClientCapture(const CClientCapture&) = delete;
    CClientCapture& operator=(const CClientCapture&) = delete;

    // Replaces the held bitmap with rect's size worth of pixels from the
    // surface's origin; WriteDIB and Paint tell whether it worked.
    void Capture(CDC* pDC, CRect rect);
    // Unscaled when the rectangles have the same size, else stretched with
    // whole pixels; FALSE when nothing is held.
    BOOL Paint(HDC hDC, CPalette* pPal, LPRECT lpDCRect, LPRECT lpDIBRect) const;
    void OnDraw(HDC hDC, CRect rcDC, CRect rcDIB);
    // A BMP file: the 14-byte file header, then the held block. FALSE, and
    // no file, when nothing is held or the file cannot be written.
    BOOL WriteDIB(CString fileName);
    // Drops the bitmap; the palette stays.
    void Release();

    // The packed block: header, colour table, rows (bottom row first).
    void* m_hDIB = nullptr;
    LPBITMAPINFOHEADER m_pBMI = nullptr;
    void* m_pBits = nullptr;
    CPalette m_Palette;

private:
    friend struct CClientCaptureInternals;
    int WriteWindowToDIB(CDC* pDC, CRect rect);
    void* DDBToDIB(CBitmap& bitmap, DWORD dwCompression, CPalette* pPal, CDC* pDC);
    DWORD Height() const;
    void freeBlock();
};
