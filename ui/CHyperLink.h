// A static text control turned into a hyperlink label: link colours, an
// underline, a hand cursor and the address as tooltip; a click opens the address.
#pragma once

#include "platform/gdi/CFont.h"
#include "platform/wnd/AfxModule.h"
#include "platform/wnd/CStatic.h"
#include "platform/wnd/CToolTipCtrl.h"
#include "platform/wnd/ShellOpen.h"

#include <memory>

class CHyperLink : public CStatic {
public:
    CHyperLink();
    ~CHyperLink() override;

    void SetURL(CString strURL);
    CString GetURL() const { return m_strURL; }
    // A hover colour of 0xFFFFFFFF stands for the desktop's highlight colour.
    void SetColours(COLORREF crLinkColour, COLORREF crVisitedColour, COLORREF crHoverColour = 0xFFFFFFFF);
    COLORREF GetLinkColour() const { return m_crLinkColour; }
    COLORREF GetVisitedColour() const { return m_crVisitedColour; }
    COLORREF GetHoverColour() const { return m_crHoverColour; }
    void SetVisited(BOOL bVisited = TRUE);
    BOOL GetVisited() const { return m_bVisited; }
    // A null cursor brings back the hand cursor.
    void SetLinkCursor(HCURSOR hCursor);
    HCURSOR GetLinkCursor() const { return m_hLinkCursor; }
    void SetUnderline(BOOL bUnderline = TRUE);
    BOOL GetUnderline() const { return m_bUnderline; }
    void SetAutoSize(BOOL bAutoSize = TRUE);
    BOOL GetAutoSize() const { return m_bAutoSize; }

    // Above 32 when the address opened, else the failure's code.
    HINSTANCE GotoURL(LPCTSTR url, int showcmd);
    BOOL PreTranslateMessage(MSG* pMsg) override;
    const CToolTipCtrl& ToolTip() const { return m_ToolTip; }

protected:
    void PreSubclassWindow() override;
    void OnClicked();
    HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    void OnMouseMove(UINT nFlags, CPoint point);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void PositionWindow();
    void SetDefaultCursor();
    LONG GetRegKey(HKEY key, LPCTSTR subkey, LPTSTR retdata);
    void ReportError(int nError);

    DECLARE_MESSAGE_MAP()

    COLORREF m_crLinkColour;
    COLORREF m_crVisitedColour;
    COLORREF m_crHoverColour;
    BOOL m_bHover = FALSE;
    BOOL m_bVisited = FALSE;
    BOOL m_bUnderline = TRUE;
    BOOL m_bAutoSize = TRUE;
    CString m_strURL;
    CFont m_Font;
    HCURSOR m_hLinkCursor = nullptr;
    CToolTipCtrl m_ToolTip;

private:
    std::unique_ptr<QCursor> m_handCursor;
};
