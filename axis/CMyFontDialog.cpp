#include "axis/CMyFontDialog.h"

#include "platform/core/ChartMath.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CMyFontDialog, CFontDialog)

BEGIN_MESSAGE_MAP(CMyFontDialog, CFontDialog)
    ON_WM_TIMER()
END_MESSAGE_MAP()

CMyFontDialog::CMyFontDialog(LOGFONT* plfInitial, DWORD flags, CDC* pdcPrinter, CWnd* pParentWnd)
    : CFontDialog(plfInitial, flags, pdcPrinter, pParentWnd)
{
}

CMyFontDialog::~CMyFontDialog() = default;

BOOL CMyFontDialog::OnInitDialog()
{
    CFontDialog::OnInitDialog();
    CRect r;
    if (CWnd* sample = GetDlgItem(kFontSampleText)) {
        sample->GetWindowRect(&r);
        ScreenToClient(&r);
    }
    m_editInfo.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_MULTILINE | ES_CENTER, r, this, 0);
    m_editInfo.SetFont(GetFont());
    return TRUE;
}

// Changes in the dialog's own controls arrive as commands; the description
// follows them once they settle, and the box's own changes do not restart it.
BOOL CMyFontDialog::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const BOOL result = CFontDialog::OnCommand(wParam, lParam);
    if (LOWORD(wParam) != m_editInfo.GetDlgCtrlID())
        SetTimer(0, 100, nullptr);
    return result;
}

void CMyFontDialog::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == 0) {
        m_editInfo.SetWindowText(GetFontDescription());
        KillTimer(0);
    }
    CFontDialog::OnTimer(nIDEvent);
}

CString CMyFontDialog::GetFontDescription()
{
    LOGFONT lf;
    GetCurrentFont(&lf);
    CString s;
    s.Format("%i,%i,%i,%i,%i,%i,%i,%i,%i,%i,%i,%i,%i,", static_cast<int>(lf.lfHeight), static_cast<int>(lf.lfWidth),
             static_cast<int>(lf.lfEscapement), static_cast<int>(lf.lfOrientation), static_cast<int>(lf.lfWeight),
             lf.lfItalic, lf.lfUnderline, lf.lfStrikeOut, lf.lfCharSet, lf.lfOutPrecision, lf.lfClipPrecision,
             lf.lfQuality, lf.lfPitchAndFamily);
    s += CString(lf.lfFaceName, static_cast<int>(strnlen(lf.lfFaceName, LF_FACESIZE)));
    return s;
}

bool CMyFontDialog::ChooseAxisFont(LOGFONT& lf, COLORREF& color)
{
    LOGFONT shown = lf;
    shown.lfHeight = lf.lfHeight / 10;
    CMyFontDialog dlg(&shown, CF_SCREENFONTS | CF_EFFECTS, nullptr, nullptr);
    dlg.m_cf.rgbColors = color;
    if (dlg.DoModal() != IDOK)
        return false;
    color = dlg.GetColor();
    dlg.GetCurrentFont(&lf);
    // Back to the axis's logical units; a size no LONG holds stops at its end.
    lf.lfHeight = chartmath::ToUnits(static_cast<double>(lf.lfHeight) * 10.0);
    return true;
}
