// A push button made owner-drawn that shows a colour: a swatch in a sunken
// edge with a drop arrow beside it, exchanged with a COLORREF in a dialog.
#pragma once

#include "platform/wnd/CButton.h"
#include "platform/wnd/CDataExchange.h"
#include "platform/wnd/OwnerDraw.h"

class CColorButton : public CButton, public COwnerDrawn {
public:
    // m_crColor and m_crText take this to mean "the button face" and "black".
    static constexpr COLORREF kDefaultColour = 0xFF000000;

    CColorButton();
    ~CColorButton() override;

    BOOL m_bActive;
    COLORREF m_crColor;
    COLORREF m_crText;
    CRect m_rcArrow;

    COLORREF GetColour() const noexcept { return m_crColor; }
    // Redraws at once when the control exists.
    void SetColour(COLORREF colour);

    // Creates the control and runs what WM_CREATE does for it.
    BOOL Create(const char* caption, DWORD style, const RECT& rect, CWnd* parent, UINT id);
    void PreSubclassWindow() override;
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
    int OnCreate();

private:
    // Height and minimum width from the system's arrow size; the arrow's place.
    void fitToArrow();
};

// Saving reads the button's colour; loading sets it (and redraws).
void DDX_ColourButton(CDataExchange* pDX, int id, COLORREF& colour);
