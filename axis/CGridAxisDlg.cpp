#include "axis/CGridAxisDlg.h"

#include "axis/BoundedNumber.h"
#include "axis/CMyFontDialog.h"
#include "platform/wnd/AfxMessageBox.h"
#include "res/resource.h"

namespace {
constexpr const char* kInputError = "输入错误！请重输";
constexpr const char* kXScaleError = "X向比例尺输入错误！请重输";
constexpr const char* kYScaleError = "Y向比例尺输入错误！请重输";
// A scale below this is taken as zero when the dialog closes.
constexpr double kSmallestScale = 1e-13;
constexpr int kShownDecimals = 7;
}  // namespace

// The controls and values of one direction, so that x and y share the live rules.
struct CGridAxisDlg::Direction {
    CEdit& minBox;
    CEdit& maxBox;
    CEdit& lengthBox;
    CEdit& scaleBox;
    double& min;
    double& max;
    double& length;
    double& scale;
    CEdit* tickEdits[5];
};

CGridAxisDlg::Direction CGridAxisDlg::direction(Side which)
{
    if (which == Side::X)
        return {m_editXMin, m_editXMax, m_editXLength, m_editXScale, m_dXMin, m_dXMax, m_dXLength, m_dXScale,
                {&m_editXGridWidth, &m_editXTickLength, &m_editXTickStep, &m_editXDecimals, &m_editXTickStart}};
    return {m_editYMin, m_editYMax, m_editYLength, m_editYScale, m_dYMin, m_dYMax, m_dYLength, m_dYScale,
            {&m_editYGridWidth, &m_editYTickLength, &m_editYTickStep, &m_editYDecimals, &m_editYTickStart}};
}

BEGIN_MESSAGE_MAP(CGridAxisDlg, CDialog)
    ON_BN_CLICKED(IDC_GX_TITLE_ON, OnXAxisMark)
    ON_BN_CLICKED(IDC_GY_TITLE_ON, OnYAxisMark)
    ON_BN_CLICKED(IDC_GX_LABELS_ON, OnXStickMark)
    ON_BN_CLICKED(IDC_GY_LABELS_ON, OnYStickMark)
    ON_BN_CLICKED(IDC_GX_TITLE_FONT, OnXAxisMarkFont)
    ON_BN_CLICKED(IDC_GX_LABEL_FONT, OnXStickMarkFont)
    ON_BN_CLICKED(IDC_GY_TITLE_FONT, OnYAxisMarkFont)
    ON_BN_CLICKED(IDC_GY_LABEL_FONT, OnYStickMarkFont)
    ON_EN_CHANGE(IDC_GX_LENGTH, OnChangeXAxisLength)
    ON_EN_CHANGE(IDC_GX_SCALE, OnChangeXAxisScale)
    ON_EN_CHANGE(IDC_GY_LENGTH, OnChangeYAxisLength)
    ON_EN_CHANGE(IDC_GY_SCALE, OnChangeYAxisScale)
    ON_EN_CHANGE(IDC_GX_MAX, OnChangeXAxisMax)
    ON_EN_CHANGE(IDC_GX_MIN, OnChangeXAxisMin)
    ON_EN_CHANGE(IDC_GY_MAX, OnChangeYAxisMax)
    ON_EN_CHANGE(IDC_GY_MIN, OnChangeYAxisMin)
END_MESSAGE_MAP()

CGridAxisDlg::CGridAxisDlg(CWnd* pParent)
    : CDialog(IDD_GRID_AXIS_PARAM, pParent), m_dXLength(0), m_dXLineWidth(0), m_bXTitle(1), m_dXMax(0),
      m_dXMin(0), m_dXScale(0), m_dXTickStart(0), m_nXDecimals(0), m_dXTickStep(0), m_dXTickLength(0),
      m_bXLabels(0), m_dYLength(0), m_dYLineWidth(0), m_bYTitle(0), m_dYMax(0), m_dYMin(0), m_dYScale(0),
      m_dYTickStart(0), m_nYDecimals(0), m_dYTickStep(0), m_dYTickLength(0), m_dYGridWidth(0), m_bYLabels(0),
      m_dXGridWidth(0), m_crXTitle(0), m_crXLabel(0), m_crYTitle(0), m_crYLabel(0)
{
}

CGridAxisDlg::~CGridAxisDlg() = default;

void CGridAxisDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_GY_MIN, m_editYMin);
    DDX_Control(pDX, IDC_GY_MAX, m_editYMax);
    DDX_Control(pDX, IDC_GX_MIN, m_editXMin);
    DDX_Control(pDX, IDC_GX_MAX, m_editXMax);
    DDX_Control(pDX, IDC_GY_LENGTH, m_editYLength);
    DDX_Control(pDX, IDC_GY_SCALE, m_editYScale);
    DDX_Control(pDX, IDC_GX_LENGTH, m_editXLength);
    DDX_Control(pDX, IDC_GX_SCALE, m_editXScale);
    DDX_Control(pDX, IDC_GX_LABELS_ON, m_checkXLabels);
    DDX_Control(pDX, IDC_GX_GRID_WIDTH, m_editXGridWidth);
    DDX_Control(pDX, IDC_GX_TICK_LENGTH, m_editXTickLength);
    DDX_Control(pDX, IDC_GX_TICK_STEP, m_editXTickStep);
    DDX_Control(pDX, IDC_GX_DECIMALS, m_editXDecimals);
    DDX_Control(pDX, IDC_GX_TICK_START, m_editXTickStart);
    DDX_Control(pDX, IDC_GY_LABELS_ON, m_checkYLabels);
    DDX_Control(pDX, IDC_GY_GRID_WIDTH, m_editYGridWidth);
    DDX_Control(pDX, IDC_GY_TICK_LENGTH, m_editYTickLength);
    DDX_Control(pDX, IDC_GY_TICK_STEP, m_editYTickStep);
    DDX_Control(pDX, IDC_GY_DECIMALS, m_editYDecimals);
    DDX_Control(pDX, IDC_GY_TICK_START, m_editYTickStart);
    DDX_Control(pDX, IDC_GY_TITLE, m_editYTitle);
    DDX_Control(pDX, IDC_GY_TITLE_ON, m_checkYTitle);
    DDX_Control(pDX, IDC_GX_TITLE, m_editXTitle);
    DDX_Control(pDX, IDC_GX_TITLE_ON, m_checkXTitle);
    DDX_Control(pDX, IDC_GY_LABEL_FONT, m_btnYLabelFont);
    DDX_Control(pDX, IDC_GY_TITLE_FONT, m_btnYTitleFont);
    DDX_Control(pDX, IDC_GX_LABEL_FONT, m_btnXLabelFont);
    DDX_Control(pDX, IDC_GX_TITLE_FONT, m_btnXTitleFont);

    exchangeSide(pDX, Side::X);
    DDX_Check(pDX, IDC_GX_LABELS_ON, m_bXLabels);
    exchangeSide(pDX, Side::Y);
    DDX_Text(pDX, IDC_GY_GRID_WIDTH, m_dYGridWidth);
    DDX_Check(pDX, IDC_GY_LABELS_ON, m_bYLabels);
    DDX_Text(pDX, IDC_GX_GRID_WIDTH, m_dXGridWidth);
}

// The values both directions exchange alike, each bound tested right after
// its control. The y frame width has the bound of the x one: the edges are alike.
void CGridAxisDlg::exchangeSide(CDataExchange* pDX, Side which)
{
    const bool x = which == Side::X;
    Direction d = direction(which);
    DDX_Text(pDX, x ? IDC_GX_LENGTH : IDC_GY_LENGTH, d.length);
    DDV_MinMaxDouble(pDX, d.length, 0., 10000000.);
    DDX_Text(pDX, x ? IDC_GX_LINE_WIDTH : IDC_GY_LINE_WIDTH, x ? m_dXLineWidth : m_dYLineWidth);
    DDV_MinMaxDouble(pDX, x ? m_dXLineWidth : m_dYLineWidth, 0., 100.);
    DDX_Check(pDX, x ? IDC_GX_TITLE_ON : IDC_GY_TITLE_ON, x ? m_bXTitle : m_bYTitle);
    DDX_Text(pDX, x ? IDC_GX_MAX : IDC_GY_MAX, d.max);
    DDX_Text(pDX, x ? IDC_GX_MIN : IDC_GY_MIN, d.min);
    DDX_Text(pDX, x ? IDC_GX_SCALE : IDC_GY_SCALE, d.scale);
    DDX_Text(pDX, x ? IDC_GX_TITLE : IDC_GY_TITLE, x ? m_strXTitle : m_strYTitle);
    DDX_Text(pDX, x ? IDC_GX_TICK_START : IDC_GY_TICK_START, x ? m_dXTickStart : m_dYTickStart);
    int& decimals = x ? m_nXDecimals : m_nYDecimals;
    DDX_Text(pDX, x ? IDC_GX_DECIMALS : IDC_GY_DECIMALS, decimals);
    DDV_MinMaxInt(pDX, decimals, 0, 15);
    DDX_Text(pDX, x ? IDC_GX_TICK_STEP : IDC_GY_TICK_STEP, x ? m_dXTickStep : m_dYTickStep);
    DDX_Text(pDX, x ? IDC_GX_TICK_LENGTH : IDC_GY_TICK_LENGTH, x ? m_dXTickLength : m_dYTickLength);
}

void CGridAxisDlg::setTickEditsReadOnly(Side which, bool readOnly)
{
    for (CEdit* e : direction(which).tickEdits)
        e->SetReadOnly(readOnly ? TRUE : FALSE);
}

BOOL CGridAxisDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_editXTitle.SetReadOnly(m_bXTitle != 1);
    m_editYTitle.SetReadOnly(m_bYTitle != 1);
    setTickEditsReadOnly(Side::X, m_bXLabels != 1);
    setTickEditsReadOnly(Side::Y, m_bYLabels != 1);
    return TRUE;
}

void CGridAxisDlg::OnXAxisMark() { m_editXTitle.SetReadOnly(m_checkXTitle.GetCheck() != BST_CHECKED); }
void CGridAxisDlg::OnYAxisMark() { m_editYTitle.SetReadOnly(m_checkYTitle.GetCheck() != BST_CHECKED); }
void CGridAxisDlg::OnXStickMark() { setTickEditsReadOnly(Side::X, m_checkXLabels.GetCheck() != BST_CHECKED); }
void CGridAxisDlg::OnYStickMark() { setTickEditsReadOnly(Side::Y, m_checkYLabels.GetCheck() != BST_CHECKED); }

void CGridAxisDlg::get_font_color(LOGFONT& lf, COLORREF& color) { CMyFontDialog::ChooseAxisFont(lf, color); }

void CGridAxisDlg::OnXAxisMarkFont() { get_font_color(m_lfXTitle, m_crXTitle); }
void CGridAxisDlg::OnXStickMarkFont() { get_font_color(m_lfXLabel, m_crXLabel); }
void CGridAxisDlg::OnYAxisMarkFont() { get_font_color(m_lfYTitle, m_crYTitle); }
void CGridAxisDlg::OnYStickMarkFont() { get_font_color(m_lfYLabel, m_crYLabel); }

void CGridAxisDlg::OnChangeXAxisLength() { onLiveChange(Side::X, LiveBox::Length); }
void CGridAxisDlg::OnChangeXAxisScale() { onLiveChange(Side::X, LiveBox::Scale); }
void CGridAxisDlg::OnChangeYAxisLength() { onLiveChange(Side::Y, LiveBox::Length); }
void CGridAxisDlg::OnChangeYAxisScale() { onLiveChange(Side::Y, LiveBox::Scale); }
void CGridAxisDlg::OnChangeXAxisMax() { onLiveChange(Side::X, LiveBox::Max); }
void CGridAxisDlg::OnChangeXAxisMin() { onLiveChange(Side::X, LiveBox::Min); }
void CGridAxisDlg::OnChangeYAxisMax() { onLiveChange(Side::Y, LiveBox::Max); }
void CGridAxisDlg::OnChangeYAxisMin() { onLiveChange(Side::Y, LiveBox::Min); }

// A length or scale of zero or less is left standing without a word (the
// check at OK catches a scale); a range end past the other end is refused.
void CGridAxisDlg::onLiveChange(Side which, LiveBox kind)
{
    Direction d = direction(which);
    CEdit* box = nullptr;
    double* member = nullptr;
    switch (kind) {
    case LiveBox::Min: box = &d.minBox; member = &d.min; break;
    case LiveBox::Max: box = &d.maxBox; member = &d.max; break;
    case LiveBox::Length: box = &d.lengthBox; member = &d.length; break;
    case LiveBox::Scale: box = &d.scaleBox; member = &d.scale; break;
    }
    if (!box->m_hWnd || !box->GetModify())
        return;
    char text[BoundedNumber::kTypedChars + 1];
    box->GetWindowText(text, sizeof text);
    if (text[0] == '\0')
        return;
    auto show = [](CEdit& e, double v) {
        e.SetWindowText(BoundedNumber::Format(v, kShownDecimals, BoundedNumber::kEditChars));
    };
    float parsed = 0;
    if (!BoundedNumber::ParseFloat(text, parsed)) {
        AfxMessageBox(kInputError, MB_OK);
        show(*box, *member);
        return;
    }
    const double v = parsed;
    switch (kind) {
    case LiveBox::Length:
        if (v > 0) {
            d.scale = (d.max - d.min) / v;
            show(d.scaleBox, d.scale);
            d.length = v;
        }
        break;
    case LiveBox::Scale:
        if (v > 0) {
            d.length = (d.max - d.min) / v;
            show(d.lengthBox, d.length);
            d.scale = v;
        }
        break;
    case LiveBox::Max:
    case LiveBox::Min: {
        const bool ok = kind == LiveBox::Max ? v >= d.min : v <= d.max;
        if (!ok) {
            AfxMessageBox(kInputError, MB_OK);
            show(*box, *member);
            return;
        }
        if (d.scale > 0) {
            d.length = (kind == LiveBox::Max ? v - d.min : d.max - v) / d.scale;
            show(d.lengthBox, d.length);
        }
        *member = v;
        break;
    }
    }
}

void CGridAxisDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    if (m_dXScale < kSmallestScale) {
        AfxMessageBox(kXScaleError, MB_OK);
        return;
    }
    if (m_dYScale < kSmallestScale) {
        AfxMessageBox(kYScaleError, MB_OK);
        return;
    }
    CDialog::OnOK();
}
