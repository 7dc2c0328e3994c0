#include "profile/CColorButton.h"

#include <QWidget>

#include <algorithm>

CColorButton::CColorButton() : m_bActive(FALSE), m_crColor(0), m_crText(kDefaultColour) {}

CColorButton::~CColorButton() = default;

void CColorButton::SetColour(COLORREF colour)
{
    m_crColor = colour;
    if (m_hWnd)
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

BOOL CColorButton::Create(const char* caption, DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    if (!CButton::Create(caption, style, rect, parent, id))
        return FALSE;
    AfxMakeOwnerDrawn(m_hWnd, ODT_BUTTON);
    return OnCreate() == 0 ? TRUE : FALSE;
}

int CColorButton::OnCreate()
{
    fitToArrow();
    return 0;
}

void CColorButton::PreSubclassWindow()
{
    AfxMakeOwnerDrawn(m_hWnd, ODT_BUTTON);
    fitToArrow();
}

void CColorButton::fitToArrow()
{
    if (!m_hWnd)
        return;
    const int ex = GetSystemMetrics(SM_CXEDGE);
    const int ey = GetSystemMetrics(SM_CYEDGE);
    const int a = std::max({GetSystemMetrics(SM_CXHTHUMB), 5 * ex, GetSystemMetrics(SM_CYVTHUMB), 5 * ey});
    QWidget* w = m_hWnd;
    const int width = std::max(2 * (a + ex), w->width());
    MoveWindow(w->x(), w->y(), width, a + 2 * ey);
    CRect client;
    GetClientRect(&client);
    m_rcArrow = CRect(client.right - a - ex, client.top + ey, client.right - ex, client.bottom - ey);
}

void CColorButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (!lpDrawItemStruct || !lpDrawItemStruct->hDC)
        return;
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    const UINT state = lpDrawItemStruct->itemState;
    CRect r(lpDrawItemStruct->rcItem);
    const bool pressed = m_bActive || (state & ODS_SELECTED);
    const bool disabled = (state & ODS_DISABLED) != 0;
    const int ex = GetSystemMetrics(SM_CXEDGE);
    const int ey = GetSystemMetrics(SM_CYEDGE);

    UINT arrow = DFCS_SCROLLDOWN;
    if (pressed)
        arrow |= DFCS_PUSHED;
    if (disabled)
        arrow |= DFCS_INACTIVE;
    pDC->DrawFrameControl(&m_rcArrow, DFC_SCROLL, arrow);
    pDC->DrawEdge(&r, EDGE_SUNKEN, BF_RECT);

    CRect swatch(r.left + ex, r.top + ey, r.right - ex - m_rcArrow.Width(), r.bottom - ey);
    const COLORREF fill = disabled || m_crColor == kDefaultColour ? GetSysColor(COLOR_BTNFACE) : m_crColor;
    const COLORREF bk = pDC->GetBkColor();
    pDC->FillSolidRect(&swatch, fill & 0x00ffffff);
    pDC->SetBkColor(bk);

    CString caption;
    GetWindowText(caption);
    if (!caption.IsEmpty()) {
        const int mode = pDC->SetBkMode(TRANSPARENT);
        const COLORREF text = pDC->GetTextColor();
        const UINT fmt = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
        if (disabled) {
            CRect shifted = swatch;
            shifted.OffsetRect(1, 1);
            pDC->SetTextColor(GetSysColor(COLOR_BTNHIGHLIGHT));
            pDC->DrawText(caption, &shifted, fmt);
            pDC->SetTextColor(GetSysColor(COLOR_BTNSHADOW));
            pDC->DrawText(caption, &swatch, fmt);
        } else {
            pDC->SetTextColor(m_crText == kDefaultColour ? RGB(0, 0, 0) : m_crText);
            pDC->DrawText(caption, &swatch, fmt);
        }
        pDC->SetTextColor(text);
        pDC->SetBkMode(mode);
    }
    if (state & ODS_FOCUS) {
        CRect focus = swatch;
        focus.DeflateRect(1, 1);
        pDC->DrawFocusRect(&focus);
    }
}

void DDX_ColourButton(CDataExchange* pDX, int id, COLORREF& colour)
{
    if (!pDX || !pDX->PrepareCtrl(id))
        return;
    auto* button = dynamic_cast<CColorButton*>(pDX->m_pDlgWnd->GetDlgItem(id));
    if (!button)
        return;
    if (pDX->m_bSaveAndValidate)
        colour = button->GetColour();
    else
        button->SetColour(colour);
}
