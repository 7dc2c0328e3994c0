#include "platform/wnd/CFontDialog.h"

#include "platform/wnd/CButton.h"
#include "platform/wnd/CComboBox.h"
#include "platform/wnd/CStatic.h"
#include "platform/wnd/WidgetFont.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QFontDialog>
#include <QFontInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>
#include <cmath>
#include <cstring>

IMPLEMENT_DYNAMIC(CFontDialog, CDialog)

namespace {

struct NamedColour {
    const char* name;
    COLORREF value;
};

// The sixteen colours the Windows font dialog offers.
constexpr NamedColour kColours[] = {
    {"黑色", RGB(0, 0, 0)},        {"褐红色", RGB(128, 0, 0)},   {"绿色", RGB(0, 128, 0)},
    {"橄榄色", RGB(128, 128, 0)},  {"深蓝色", RGB(0, 0, 128)},   {"紫色", RGB(128, 0, 128)},
    {"深青色", RGB(0, 128, 128)},  {"灰色", RGB(128, 128, 128)}, {"银色", RGB(192, 192, 192)},
    {"红色", RGB(255, 0, 0)},      {"酸橙色", RGB(0, 255, 0)},   {"黄色", RGB(255, 255, 0)},
    {"蓝色", RGB(0, 0, 255)},      {"紫红色", RGB(255, 0, 255)}, {"水绿色", RGB(0, 255, 255)},
    {"白色", RGB(255, 255, 255)},
};

// The chooser's own words, as the font dialog of a Chinese desktop has them.
void translateChooser(QFontDialog* chooser)
{
    static const std::pair<const char*, const char*> words[] = {
        {"&Font", "字体(&F):"},      {"Font st&yle", "字形(&Y):"}, {"&Size", "大小(&S):"},
        {"Effects", "效果"},         {"Stri&keout", "删除线(&K)"}, {"&Underline", "下划线(&U)"},
        {"Sample", "示例"},          {"Wr&iting System", "字符集(&R):"},
    };
    auto chinese = [](const QString& text) -> QString {
        for (const auto& [en, zh] : words)
            if (text == QLatin1String(en))
                return QString::fromUtf8(zh);
        return text;
    };
    for (QLabel* l : chooser->findChildren<QLabel*>())
        l->setText(chinese(l->text()));
    for (QGroupBox* g : chooser->findChildren<QGroupBox*>())
        g->setTitle(chinese(g->title()));
    for (QAbstractButton* b : chooser->findChildren<QAbstractButton*>())
        b->setText(chinese(b->text()));
}

QIcon swatch(COLORREF c)
{
    QPixmap p(14, 14);
    p.fill(QColor(GetRValue(c), GetGValue(c), GetBValue(c)));
    return QIcon(p);
}

// The chooser lists installed families only, so a Windows face name is
// shown as the family it resolves to.
QFont chooserFont(const LOGFONT& lf)
{
    QFont f = WidgetFont::ToQFont(lf);
    f.setFamily(QFontInfo(f).family());
    const int px = std::max(1, std::abs(static_cast<int>(lf.lfHeight == 0 ? 16 : lf.lfHeight)));
    f.setPointSizeF(px * 72.0 / WidgetFont::ScreenDpi());
    return f;
}

}  // namespace

CFontDialog::CFontDialog(LOGFONT* plfInitial, DWORD flags, CDC*, CWnd* pParentWnd) : CDialog(0, pParentWnd)
{
    if (plfInitial) {
        m_lf = *plfInitial;
        flags |= CF_INITTOLOGFONTSTRUCT;
    }
    m_initial = m_lf;
    m_cf.Flags = flags;
    m_cf.lpLogFont = &m_lf;
}

CFontDialog::~CFontDialog() = default;

QDialog* CFontDialog::CreateDialogWindow(QWidget* parent)
{
    QDialog* dlg = newDialogWindow(parent);
    dlg->setWindowTitle(QStringLiteral("字体"));
    dlg->setFont(WidgetFont::PointFont("宋体", 9));
    auto* layout = new QVBoxLayout(dlg);

    m_chooser = new QFontDialog(dlg);
    m_chooser->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    m_chooser->setWindowFlags(Qt::Widget);
    m_chooser->setCurrentFont(chooserFont(m_lf));
    m_shownFirst = m_chooser->currentFont();
    translateChooser(m_chooser);
    layout->addWidget(m_chooser);
    QObject::connect(m_chooser, &QFontDialog::currentFontChanged, m_chooser, [this] {
        SendMessage(WM_COMMAND, MAKEWPARAM(kFontFaceCombo, CBN_SELCHANGE), 0);
    });

    auto* row = new QHBoxLayout;
    auto* colourBox = new QVBoxLayout;
    auto* colourLabel = new QLabel(QStringLiteral("颜色(C):"), dlg);
    m_colors = static_cast<QComboBox*>(CComboBox::CreateWidget(CBS_DROPDOWNLIST, dlg));
    AssignControlId(m_colors, kFontColorCombo);
    int current = -1;
    for (int i = 0; i < static_cast<int>(std::size(kColours)); ++i) {
        m_colors->addItem(swatch(kColours[i].value), QString::fromUtf8(kColours[i].name),
                          static_cast<uint>(kColours[i].value));
        if (kColours[i].value == m_cf.rgbColors)
            current = i;
    }
    if (current < 0) {
        m_colors->addItem(swatch(m_cf.rgbColors), QStringLiteral("自定义"), static_cast<uint>(m_cf.rgbColors));
        current = m_colors->count() - 1;
    }
    m_colors->setCurrentIndex(current);
    const bool effects = (m_cf.Flags & CF_EFFECTS) != 0;
    colourLabel->setVisible(effects);
    m_colors->setVisible(effects);
    colourBox->addWidget(colourLabel);
    colourBox->addWidget(m_colors);
    colourBox->addStretch();
    row->addLayout(colourBox);

    auto* sampleGroup = new QGroupBox(QStringLiteral("字体参数"), dlg);
    auto* sampleLayout = new QVBoxLayout(sampleGroup);
    QWidget* sample = CStatic::CreateWidget(SS_CENTER, "", sampleGroup);
    AssignControlId(sample, kFontSampleText);
    sample->setMinimumSize(180, 56);
    sampleLayout->addWidget(sample);
    row->addWidget(sampleGroup, 1);

    auto* buttons = new QVBoxLayout;
    QWidget* ok = CButton::CreateWidget(BS_DEFPUSHBUTTON, "确定", dlg);
    AssignControlId(ok, IDOK);
    QWidget* cancel = CButton::CreateWidget(BS_PUSHBUTTON, "取消", dlg);
    AssignControlId(cancel, IDCANCEL);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch();
    row->addLayout(buttons);
    layout->addLayout(row);

    // The layout is settled now, as a window is before it initialises, so
    // that rectangles read in OnInitDialog stay true once it shows.
    // Nested layouts only apply when shown: one unseen showing does it.
    dlg->setFixedSize(dlg->sizeHint());
    dlg->setAttribute(Qt::WA_DontShowOnScreen, true);
    dlg->show();
    dlg->hide();
    dlg->setAttribute(Qt::WA_DontShowOnScreen, false);
    return dlg;
}

// Only what the user changed in the chooser replaces the caller's fields:
// the chooser knows whole point sizes and installed families, and a font
// picked unchanged must come back as it went in.
LOGFONT CFontDialog::chosenFont() const
{
    if (!m_chooser)
        return m_lf;
    const QFont f = m_chooser->currentFont();
    const QFont& first = m_shownFirst;
    LOGFONT lf = m_initial;  // escapement, charset and precisions stay the caller's
    if (f.pointSizeF() != first.pointSizeF())
        lf.lfHeight =
            -std::max(1, static_cast<int>(std::lround(f.pointSizeF() * WidgetFont::ScreenDpi() / 72.0)));
    if (f.weight() != first.weight())
        lf.lfWeight = std::clamp(static_cast<int>(f.weight()), 100, 900);
    if (f.italic() != first.italic())
        lf.lfItalic = f.italic() ? 1 : 0;
    if (f.underline() != first.underline())
        lf.lfUnderline = f.underline() ? 1 : 0;
    if (f.strikeOut() != first.strikeOut())
        lf.lfStrikeOut = f.strikeOut() ? 1 : 0;
    if (f.family() != first.family()) {
        const LOGFONT named = WidgetFont::FromQFont(f);
        std::memcpy(lf.lfFaceName, named.lfFaceName, LF_FACESIZE);
    }
    return lf;
}

COLORREF CFontDialog::chosenColor() const
{
    if (!m_colors || m_colors->currentIndex() < 0)
        return m_cf.rgbColors;
    return static_cast<COLORREF>(m_colors->currentData().toUInt());
}

void CFontDialog::GetCurrentFont(LOGFONT* lf) const
{
    if (lf)
        *lf = m_hWnd ? chosenFont() : m_lf;
}

COLORREF CFontDialog::GetColor() const { return m_hWnd ? chosenColor() : m_cf.rgbColors; }

CString CFontDialog::GetFaceName() const
{
    LOGFONT lf;
    GetCurrentFont(&lf);
    return CString(lf.lfFaceName);
}

int CFontDialog::GetSize() const { return m_cf.iPointSize; }

void CFontDialog::SelectFont(const LOGFONT& lf)
{
    if (m_chooser)
        m_chooser->setCurrentFont(chooserFont(lf));
}

void CFontDialog::SelectColor(COLORREF color)
{
    if (!m_colors)
        return;
    int at = m_colors->findData(static_cast<uint>(color));
    if (at < 0) {
        m_colors->addItem(swatch(color), QStringLiteral("自定义"), static_cast<uint>(color));
        at = m_colors->count() - 1;
    }
    m_colors->setCurrentIndex(at);
    SendMessage(WM_COMMAND, MAKEWPARAM(kFontColorCombo, CBN_SELCHANGE), 0);
}

void CFontDialog::OnOK()
{
    m_lf = chosenFont();
    m_cf.rgbColors = chosenColor();
    if (m_chooser)
        m_cf.iPointSize = static_cast<int>(std::lround(m_chooser->currentFont().pointSizeF() * 10.0));
    CDialog::OnOK();
}

BOOL CFontDialog::DestroyWindow()
{
    m_chooser = nullptr;
    m_colors = nullptr;
    return CDialog::DestroyWindow();
}
