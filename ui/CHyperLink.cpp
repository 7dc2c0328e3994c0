#include "ui/CHyperLink.h"

#include "platform/gdi/WindowDrawing.h"
#include "platform/wnd/AfxMessageBox.h"
#include "platform/wnd/MouseCapture.h"

#include <QCursor>
#include <QWidget>

#include <cstring>

namespace {

constexpr UINT kToolTipId = 1;
// The command line of the registered browser is built in this many bytes.
constexpr size_t kCommandBytes = 2 * MAX_PATH;

// The system highlight colour, the colour a hovered link takes.
COLORREF highlightColour() { return GetSysColor(COLOR_HIGHLIGHT); }

HINSTANCE asHandle(std::intptr_t code) { return reinterpret_cast<HINSTANCE>(code); }

}  // namespace

BEGIN_MESSAGE_MAP(CHyperLink, CStatic)
    ON_CONTROL_REFLECT(STN_CLICKED, OnClicked)
    ON_WM_CTLCOLOR_REFLECT()
    ON_WM_SETCURSOR()
    ON_WM_MOUSEMOVE()
END_MESSAGE_MAP()

CHyperLink::CHyperLink()
    : m_crLinkColour(RGB(0, 0, 238)), m_crVisitedColour(RGB(85, 26, 139)), m_crHoverColour(highlightColour())
{
}

CHyperLink::~CHyperLink()
{
    m_Font.DeleteObject();
    m_ToolTip.DestroyWindow();
}

void CHyperLink::SetURL(CString strURL)
{
    m_strURL = strURL;
    if (m_hWnd) {
        PositionWindow();
        CRect rect;
        GetClientRect(&rect);
        m_ToolTip.AddTool(this, m_strURL, &rect, kToolTipId);
        m_hWnd->setToolTip(QString::fromUtf8(m_strURL.GetString()));
    }
}

void CHyperLink::SetColours(COLORREF crLinkColour, COLORREF crVisitedColour, COLORREF crHoverColour)
{
    m_crLinkColour = crLinkColour;
    m_crVisitedColour = crVisitedColour;
    m_crHoverColour = crHoverColour == 0xFFFFFFFF ? highlightColour() : crHoverColour;
    if (m_hWnd)
        Invalidate();
}

void CHyperLink::SetVisited(BOOL bVisited)
{
    m_bVisited = bVisited;
    if (m_hWnd)
        Invalidate();
}

void CHyperLink::SetLinkCursor(HCURSOR hCursor)
{
    m_hLinkCursor = hCursor;
    if (!m_hLinkCursor)
        SetDefaultCursor();
}

void CHyperLink::SetUnderline(BOOL bUnderline)
{
    m_bUnderline = bUnderline;
    if (!m_hWnd)
        return;
    LOGFONT lf;
    if (CFont* font = GetFont())
        font->GetLogFont(&lf);
    lf.lfUnderline = static_cast<BYTE>(m_bUnderline ? 1 : 0);
    m_Font.DeleteObject();
    m_Font.CreateFontIndirect(&lf);
    SetFont(&m_Font, TRUE);
    Invalidate();
}

void CHyperLink::SetAutoSize(BOOL bAutoSize)
{
    m_bAutoSize = bAutoSize;
    if (m_hWnd)
        PositionWindow();
}

HINSTANCE CHyperLink::GotoURL(LPCTSTR url, int showcmd)
{
    HINSTANCE result = ShellExecute(nullptr, "open", url, nullptr, nullptr, showcmd);
    if (ShellResultCode(result) > 32 || !url)
        return result;

    // The program registered for web pages, started with the address.
    char key[kCommandBytes] = {};
    if (GetRegKey(HKEY_CLASSES_ROOT, ".htm", key) != ERROR_SUCCESS)
        return result;
    std::strcat(key, "\\shell\\open\\command");  // 259 + 19 bytes at most
    if (GetRegKey(HKEY_CLASSES_ROOT, key, key) != ERROR_SUCCESS)
        return result;
    char* pos = std::strstr(key, "\"%1\"");
    if (!pos)
        pos = std::strstr(key, "%1");
    if (pos)
        *pos = '\0';
    const size_t head = std::strlen(key);
    // A command line that would not fit the buffer is refused, never cut.
    if (head + 1 + std::strlen(url) + 1 > sizeof key)
        return asHandle(SE_ERR_OOM);
    std::strcat(key, " ");
    std::strcat(key, url);
    return asHandle(WinExecWithArgument(key, static_cast<int>(head + 1), static_cast<UINT>(showcmd)));
}

BOOL CHyperLink::PreTranslateMessage(MSG* pMsg)
{
    m_ToolTip.RelayEvent(pMsg);
    return CStatic::PreTranslateMessage(pMsg);
}

void CHyperLink::PreSubclassWindow()
{
    ModifyStyle(0, SS_NOTIFY);
    CString text;
    GetWindowText(text);
    if (m_strURL.IsEmpty())
        m_strURL = text;
    if (text.IsEmpty())
        SetWindowText(m_strURL);

    LOGFONT lf;
    if (CFont* font = GetFont())
        font->GetLogFont(&lf);
    lf.lfUnderline = static_cast<BYTE>(m_bUnderline ? 1 : 0);
    m_Font.DeleteObject();
    m_Font.CreateFontIndirect(&lf);
    SetFont(&m_Font, TRUE);

    PositionWindow();
    SetDefaultCursor();

    CRect rect;
    GetClientRect(&rect);
    m_ToolTip.Create(this);
    m_ToolTip.AddTool(this, m_strURL, &rect, kToolTipId);
    m_hWnd->setToolTip(QString::fromUtf8(m_strURL.GetString()));

    CStatic::PreSubclassWindow();
}

void CHyperLink::OnClicked()
{
    const int result = ShellResultCode(GotoURL(m_strURL, SW_SHOW));
    m_bVisited = result > 32 ? TRUE : FALSE;
    if (!m_bVisited) {
        MessageBeep(MB_ICONEXCLAMATION);
        ReportError(result);
    } else {
        SetVisited();
    }
}

HBRUSH CHyperLink::CtlColor(CDC* pDC, UINT)
{
    if (m_bHover)
        pDC->SetTextColor(m_crHoverColour);
    else if (m_bVisited)
        pDC->SetTextColor(m_crVisitedColour);
    else
        pDC->SetTextColor(m_crLinkColour);
    pDC->SetBkMode(TRANSPARENT);
    return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

void CHyperLink::OnMouseMove(UINT nFlags, CPoint point)
{
    CStatic::OnMouseMove(nFlags, point);
    if (m_bHover) {
        CRect rect;
        GetClientRect(&rect);
        if (!rect.PtInRect(point)) {
            m_bHover = FALSE;
            ReleaseCapture();
            RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        }
    } else {
        m_bHover = TRUE;
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        SetCapture(m_hWnd);
    }
}

BOOL CHyperLink::OnSetCursor(CWnd*, UINT, UINT)
{
    if (m_hLinkCursor) {
        ::SetCursor(m_hLinkCursor);
        return TRUE;
    }
    return FALSE;
}

void CHyperLink::PositionWindow()
{
    if (!m_hWnd || !m_bAutoSize)
        return;
    const QRect g = m_hWnd->geometry();
    CRect rect(g.x(), g.y(), g.x() + g.width(), g.y() + g.height());

    CString text;
    GetWindowText(text);
    CDC* dc = GetDC();
    CFont* old = dc->SelectObject(&m_Font);
    SIZE extent{0, 0};
    GetTextExtentPoint32(dc->GetSafeHdc(), text.GetString(), text.GetLength(), &extent);
    if (old)
        dc->SelectObject(old);
    ReleaseDC(dc);

    const DWORD style = GetStyle();
    if (style & SS_CENTERIMAGE) {
        const int dy = (rect.Height() - extent.cy) / 2;
        rect.top += dy;
        rect.bottom -= dy;
    } else {
        rect.bottom = rect.top + extent.cy;
    }
    if (style & SS_CENTER) {
        const int dx = (rect.Width() - extent.cx) / 2;
        rect.left += dx;
        rect.right -= dx;
    } else if (style & SS_RIGHT) {
        rect.left = rect.right - extent.cx;
    } else {
        rect.right = rect.left + extent.cx;
    }
    SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(), SWP_NOZORDER);
}

// The help program's hand cursor that Windows offers does not exist here;
// the desktop's pointing hand is the hand cursor.
void CHyperLink::SetDefaultCursor()
{
    if (m_hLinkCursor)
        return;
    if (!m_handCursor)
        m_handCursor = std::make_unique<QCursor>(Qt::PointingHandCursor);
    m_hLinkCursor = m_handCursor.get();
}

// A value longer than the 260-byte buffer is refused (its read error is
// returned) and retdata left as it was.
LONG CHyperLink::GetRegKey(HKEY key, LPCTSTR subkey, LPTSTR retdata)
{
    HKEY hkey = nullptr;
    const LONG retval = RegOpenKeyEx(key, subkey, 0, KEY_QUERY_VALUE, &hkey);
    if (retval != ERROR_SUCCESS)
        return retval;
    char data[MAX_PATH];
    LONG datasize = MAX_PATH;
    const LONG read = RegQueryValue(hkey, nullptr, data, &datasize);
    RegCloseKey(hkey);
    if (read != ERROR_SUCCESS)
        return read;
    std::memcpy(retdata, data, static_cast<size_t>(datasize));
    return ERROR_SUCCESS;
}

void CHyperLink::ReportError(int nError)
{
    CString str;
    switch (nError) {
    case 0: str = "The operating system is out\nof memory or resources."; break;
    case 2: str = "The specified file was not found."; break;
    case 3: str = "The specified path was not found."; break;
    case 5: str = "The operating system denied\naccess to the specified file."; break;
    case 8: str = "There was not enough memory to complete the operation."; break;
    case 11: str = "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."; break;
    case 26: str = "A sharing violation occurred. "; break;
    case 27: str = "The filename association is\nincomplete or invalid."; break;
    case 28: str = "The DDE transaction could not\nbe completed because the request timed out."; break;
    case 29: str = "The DDE transaction failed."; break;
    case 30:
        str = "The DDE transaction could not\nbe completed because other DDE transactions\nwere being processed.";
        break;
    case 31: str = "There is no application associated\nwith the given filename extension."; break;
    case 32: str = "The specified dynamic-link library was not found."; break;
    default: str.Format("Unknown Error (%d) occurred.", nError); break;
    }
    CString text("Unable to open hyperlink:\n\n");
    text += str;
    AfxMessageBox(text.GetString(), MB_ICONEXCLAMATION | MB_OK);
}
