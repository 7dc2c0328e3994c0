#include "profile/CProfLineDlg.h"

#include "axis/BoundedNumber.h"
#include "platform/wnd/CColorDialog.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CProfLineDlg, CDialog)
    ON_BN_CLICKED(IDC_PROF_COLOR, OnColour)
    ON_CBN_SELCHANGE(IDC_PROF_STYLE, OnSelchangeStyle)
    ON_EN_CHANGE(IDC_PROF_WIDTH, OnChangeWidth)
    ON_LBN_SELCHANGE(IDC_PROF_LIST, OnSelchangeProfile)
END_MESSAGE_MAP()

namespace {

// Dashed and dotted pens exist only one unit wide; wider lines are solid.
constexpr float kStyledWidth = 1.0f;
constexpr int kWidthFieldChars = 15;

}  // namespace

CProfLineDlg::CProfLineDlg(CWnd* pParent)
    : CDialog(IDD_PROF_LINE, pParent), m_fWidth(1.0f), m_nStyle(0), m_crColor(0)
{
}

CProfLineDlg::~CProfLineDlg() = default;

void CProfLineDlg::AddEntry(COLORREF color, float width, int style)
{
    ProfLineAttr a{color, width, style};
    m_Attrs.Add(a);
}

void CProfLineDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PROF_WIDTH, m_editWidth);
    DDX_Control(pDX, IDC_PROF_STYLE, m_comboStyle);
    DDX_Control(pDX, IDC_PROF_COLOR, m_btnColor);
    DDX_Control(pDX, IDC_PROF_LIST, m_listProf);
    DDX_Text(pDX, IDC_PROF_WIDTH, m_fWidth);
    DDV_MinMaxFloat(pDX, m_fWidth, 0.0f, 10.0f);
    DDX_CBIndex(pDX, IDC_PROF_STYLE, m_nStyle);
    DDX_ColourButton(pDX, IDC_PROF_COLOR, m_crColor);
}

BOOL CProfLineDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_listProf.ResetContent();
    m_listProf.SetCurSel(-1);
    rebuild();
    m_listProf.SetCurSel(0);
    showEntry();
    return TRUE;
}

// Every edit goes to the profile list's current selection.
int CProfLineDlg::selectedEntry()
{
    return static_cast<int>(m_listProf.SendMessage(LB_GETCURSEL));
}

void CProfLineDlg::showEntry()
{
    const int sel = selectedEntry();
    if (sel < 0 || sel >= m_Attrs.GetSize()) {
        m_editWidth.SetWindowText("1.0");
        m_comboStyle.SetCurSel(-1);
        m_btnColor.SetColour(RGB(0, 0, 0));
        return;
    }
    const ProfLineAttr& a = m_Attrs[sel];
    m_editWidth.SetWindowText(BoundedNumber::Format(a.width, 6, BoundedNumber::kEditChars));
    m_comboStyle.SetCurSel(a.style);
    m_btnColor.SetColour(a.color);
}

void CProfLineDlg::rebuild()
{
    m_listProf.ResetContent();
    for (int i = 0; i < m_Attrs.GetSize(); ++i) {
        const ProfLineAttr& a = m_Attrs[i];
        CString text;
        text.Format(" 剖面 %d", i + 1);
        const int index = m_listProf.AddItem(a.color, a.width, a.style, text);
        m_listProf.SetCurSel(index);
        showEntry();
    }
}

void CProfLineDlg::refresh(int index)
{
    rebuild();
    m_listProf.SetCurSel(index);
    showEntry();
}

void CProfLineDlg::OnColour()
{
    const int sel = selectedEntry();
    if (sel < 0 || sel >= m_Attrs.GetSize())
        return;
    CColorDialog dlg(RGB(0, 0, 0), 0);
    if (dlg.DoModal() == IDOK)
        m_Attrs[sel].color = dlg.GetColor();
    refresh(sel);
}

void CProfLineDlg::OnSelchangeStyle()
{
    const int sel = selectedEntry();
    const int style = m_comboStyle.GetCurSel();
    if (sel < 0 || sel >= m_Attrs.GetSize() || style < 0)
        return;
    if (style > 0)
        m_Attrs[sel].width = kStyledWidth;
    m_Attrs[sel].style = style;
    refresh(sel);
}

// Only the user's typing counts: text the dialog writes into the field
// itself leaves the edit's modified flag clear.
void CProfLineDlg::OnChangeWidth()
{
    const int sel = selectedEntry();
    if (sel < 0 || sel >= m_Attrs.GetSize() || !m_editWidth.m_hWnd || !m_editWidth.SendMessage(EM_GETMODIFY))
        return;
    char text[kWidthFieldChars + 1];
    m_editWidth.GetWindowText(text, sizeof text);
    float width = 0;
    if (!BoundedNumber::ParseFloat(text, width))
        return;
    m_Attrs[sel].width = width;
    if (width > kStyledWidth)
        m_Attrs[sel].style = PS_SOLID;
    refresh(sel);
}

void CProfLineDlg::OnSelchangeProfile() { showEntry(); }
