#include "axis/AxisDialog.h"

#include "axis/BoundedNumber.h"
#include "axis/CMyFontDialog.h"
#include "platform/wnd/AfxMessageBox.h"
#include "res/resource.h"

namespace {

constexpr const char* kInputError = "输入错误！请重输";

bool isChecked(CWnd* w)
{
    auto* b = dynamic_cast<CButton*>(w);
    return b && b->GetCheck() == BST_CHECKED;
}

void setChecked(CWnd* w, bool on)
{
    if (auto* b = dynamic_cast<CButton*>(w))
        b->SetCheck(on ? BST_CHECKED : BST_UNCHECKED);
}

}  // namespace

BEGIN_MESSAGE_MAP(AxisDialog, CDialog)
    ON_BN_CLICKED(IDC_AXIS_KIND_X, OnAxisKind)
    ON_BN_CLICKED(IDC_AXIS_KIND_Y, OnAxisKind)
    ON_BN_CLICKED(IDC_AXIS_KIND_Z, OnAxisKind)
    ON_BN_CLICKED(IDC_AXIS_TITLE_FONT, OnAxisMarkFont)
    ON_BN_CLICKED(IDC_AXIS_LABEL_FONT, OnStickMarkFont)
    ON_BN_CLICKED(IDC_AXIS_LABELS_ON, OnStickMark)
    ON_BN_CLICKED(IDC_AXIS_LINE_STYLE, OnAxisLineStyle)
    ON_BN_CLICKED(IDC_AXIS_TICK_LINE_STYLE, OnStickLineStyle)
    ON_EN_CHANGE(IDC_AXIS_LENGTH, OnChangeAxisLength)
    ON_EN_CHANGE(IDC_AXIS_MAX, OnChangeAxisMax)
    ON_EN_CHANGE(IDC_AXIS_MIN, OnChangeAxisMin)
    ON_EN_CHANGE(IDC_AXIS_SCALE, OnChangeAxisScale)
END_MESSAGE_MAP()

AxisDialog::AxisDialog(CWnd* pParent)
    : CDialog(IDD_AXIS_PARAM, pParent), m_fLength(0), m_fMax(0), m_fMin(0), m_fScale(0), m_fTickStart(0),
      m_fTickStep(0), m_nDecimals(0), m_fTickLength(0), m_bTitle(0), m_bLabels(0), m_nTickDir(-1),
      m_strTitle("a"), m_nKind(0), m_fLabelAngle(0), m_fLineWidth(0), m_fTickLineWidth(0), m_pRadioX(nullptr),
      m_pRadioY(nullptr), m_pRadioZ(nullptr), m_crTitle(0), m_crLabel(0)
{
}

AxisDialog::~AxisDialog() = default;

void AxisDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_AXIS_SCALE, m_editScale);
    DDX_Control(pDX, IDC_AXIS_MIN, m_editMin);
    DDX_Control(pDX, IDC_AXIS_MAX, m_editMax);
    DDX_Control(pDX, IDC_AXIS_LENGTH, m_editLength);
    DDX_Text(pDX, IDC_AXIS_LENGTH, m_fLength);
    DDX_Text(pDX, IDC_AXIS_MAX, m_fMax);
    DDX_Text(pDX, IDC_AXIS_MIN, m_fMin);
    DDX_Text(pDX, IDC_AXIS_SCALE, m_fScale);
    DDX_Text(pDX, IDC_AXIS_TICK_START, m_fTickStart);
    DDX_Text(pDX, IDC_AXIS_TICK_STEP, m_fTickStep);
    DDX_Text(pDX, IDC_AXIS_DECIMALS, m_nDecimals);
    DDV_MinMaxInt(pDX, m_nDecimals, 0, 15);
    DDX_Text(pDX, IDC_AXIS_TICK_LENGTH, m_fTickLength);
    DDV_MinMaxFloat(pDX, m_fTickLength, 0.f, 1000.f);
    DDX_Check(pDX, IDC_AXIS_TITLE_ON, m_bTitle);
    DDX_Check(pDX, IDC_AXIS_LABELS_ON, m_bLabels);
    DDX_CBIndex(pDX, IDC_AXIS_TICK_DIR, m_nTickDir);
    DDX_Text(pDX, IDC_AXIS_TITLE, m_strTitle);
    DDV_MaxChars(pDX, m_strTitle, 128);
    DDX_Text(pDX, IDC_AXIS_LABEL_ANGLE, m_fLabelAngle);
    DDV_MinMaxFloat(pDX, m_fLabelAngle, 0.f, 360.f);
    DDX_Text(pDX, IDC_AXIS_LINE_WIDTH, m_fLineWidth);
    DDV_MinMaxFloat(pDX, m_fLineWidth, 0.f, 10.f);
    DDX_Text(pDX, IDC_AXIS_TICK_LINE_WIDTH, m_fTickLineWidth);
    DDV_MinMaxFloat(pDX, m_fTickLineWidth, 0.f, 10.f);
}

BOOL AxisDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_pRadioX = GetDlgItem(IDC_AXIS_KIND_X);
    m_pRadioY = GetDlgItem(IDC_AXIS_KIND_Y);
    m_pRadioZ = GetDlgItem(IDC_AXIS_KIND_Z);
    setChecked(m_pRadioX, false);
    setChecked(m_pRadioY, false);
    setChecked(m_pRadioZ, false);
    SetAxisKind();
    return TRUE;
}

void AxisDialog::SetAxisKind()
{
    if (m_nKind == 2)
        setChecked(m_pRadioY, true);
    else if (m_nKind == 3)
        setChecked(m_pRadioZ, true);
    else
        setChecked(m_pRadioX, true);
}

void AxisDialog::OnAxisKind()
{
    if (isChecked(m_pRadioX))
        m_nKind = 1;
    else if (isChecked(m_pRadioY))
        m_nKind = 2;
    else if (isChecked(m_pRadioZ))
        m_nKind = 3;
}

void AxisDialog::OnAxisMarkFont() { CMyFontDialog::ChooseAxisFont(m_lfTitle, m_crTitle); }
void AxisDialog::OnStickMarkFont() { CMyFontDialog::ChooseAxisFont(m_lfLabel, m_crLabel); }

void AxisDialog::OnChangeAxisLength() { onLiveChange(LiveBox::Length); }
void AxisDialog::OnChangeAxisMax() { onLiveChange(LiveBox::Max); }
void AxisDialog::OnChangeAxisMin() { onLiveChange(LiveBox::Min); }
void AxisDialog::OnChangeAxisScale() { onLiveChange(LiveBox::Scale); }

void AxisDialog::OnStickMark() {}
void AxisDialog::OnAxisLineStyle() {}
void AxisDialog::OnStickLineStyle() {}

// Range, length and scale follow one another as the user types: a new length
// gives a new scale, a new range end or scale a new length. Only the user's
// typing counts; text the dialog puts in a box triggers nothing.
void AxisDialog::onLiveChange(LiveBox which)
{
    CEdit* box = nullptr;
    float* member = nullptr;
    switch (which) {
    case LiveBox::Min: box = &m_editMin; member = &m_fMin; break;
    case LiveBox::Max: box = &m_editMax; member = &m_fMax; break;
    case LiveBox::Length: box = &m_editLength; member = &m_fLength; break;
    case LiveBox::Scale: box = &m_editScale; member = &m_fScale; break;
    }
    if (!box->m_hWnd || !box->GetModify())
        return;
    char text[BoundedNumber::kTypedChars + 1];
    box->GetWindowText(text, sizeof text);
    if (text[0] == '\0')
        return;
    float v = 0;
    bool ok = BoundedNumber::ParseFloat(text, v);
    if (ok) {
        switch (which) {
        case LiveBox::Length:
        case LiveBox::Scale: ok = v > 0; break;
        case LiveBox::Max: ok = v >= m_fMin; break;
        case LiveBox::Min: ok = v <= m_fMax; break;
        }
    }
    if (!ok) {
        AfxMessageBox(kInputError, MB_OK);
        box->SetWindowText(BoundedNumber::Format(*member, 2, BoundedNumber::kEditChars));
        return;
    }
    const double typed = v;
    if (which == LiveBox::Length) {
        m_fScale = static_cast<float>((static_cast<double>(m_fMax) - m_fMin) / typed);
        m_editScale.SetWindowText(BoundedNumber::Format(m_fScale, 2, BoundedNumber::kEditChars));
    } else {
        double range = 0;
        double scale = m_fScale;
        if (which == LiveBox::Max)
            range = typed - m_fMin;
        else if (which == LiveBox::Min)
            range = static_cast<double>(m_fMax) - typed;
        else {
            range = static_cast<double>(m_fMax) - m_fMin;
            scale = typed;
        }
        m_fLength = static_cast<float>(range / scale);
        m_editLength.SetWindowText(BoundedNumber::Format(m_fLength, 2, BoundedNumber::kEditChars));
    }
    *member = v;
}
