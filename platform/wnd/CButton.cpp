#include "platform/wnd/CButton.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

IMPLEMENT_DYNAMIC(CButton, CWnd)

namespace {

// GetDlgItem's stand-in for a CButton widget no object owns.
const bool registered = CWnd::RegisterTemporaryFactory([](QWidget* w) -> std::unique_ptr<CWnd> {
    if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QGroupBox*>(w))
        return std::make_unique<CButton>();
    return nullptr;
});

}  // namespace

QWidget* CButton::CreateWidget(DWORD style, const char* caption, QWidget* parent)
{
    const QString text = QString::fromUtf8(caption ? caption : "");
    QAbstractButton* b = nullptr;
    switch (style & BS_TYPEMASK) {
    case BS_GROUPBOX: {
        auto* g = new QGroupBox(text, parent);
        g->setFocusPolicy(Qt::NoFocus);
        return g;
    }
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX: b = new QCheckBox(text, parent); break;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON: b = new QRadioButton(text, parent); break;
    default: {
        auto* p = new QPushButton(text, parent);
        // Only the default button answers Enter, as Windows does.
        p->setAutoDefault(false);
        p->setDefault((style & BS_TYPEMASK) == BS_DEFPUSHBUTTON);
        b = p;
        break;
    }
    }
    QObject::connect(b, &QAbstractButton::clicked, b, [b] { CWnd::NotifyParent(b, BN_CLICKED); });
    return b;
}

BOOL CButton::Create(const char* caption, DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    if (m_hWnd || !parent || !parent->m_hWnd)
        return FALSE;
    return attachNewControl(CreateWidget(style, caption, parent->m_hWnd), rect, style, id);
}

int CButton::GetCheck() const
{
    auto* b = qobject_cast<QAbstractButton*>(m_hWnd);
    return b && b->isChecked() ? BST_CHECKED : BST_UNCHECKED;
}

void CButton::SetCheck(int check)
{
    if (auto* b = qobject_cast<QAbstractButton*>(m_hWnd))
        SetChecked(b, check == BST_CHECKED);
}

void CButton::SetChecked(QAbstractButton* button, bool checked) { setButtonChecked(button, checked); }
