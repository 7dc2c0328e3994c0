#include "platform/wnd/CComboBox.h"

#include <QComboBox>

IMPLEMENT_DYNAMIC(CComboBox, CWnd)

namespace {

// GetDlgItem's stand-in for a CComboBox widget no object owns.
const bool registered = CWnd::RegisterTemporaryFactory([](QWidget* w) -> std::unique_ptr<CWnd> {
    if (qobject_cast<QComboBox*>(w))
        return std::make_unique<CComboBox>();
    return nullptr;
});

}  // namespace

QWidget* CComboBox::CreateWidget(DWORD style, QWidget* parent)
{
    auto* c = new QComboBox(parent);
    c->setEditable((style & 0x3) == CBS_DROPDOWN || (style & 0x3) == CBS_SIMPLE);
    QObject::connect(c, &QComboBox::activated, c, [c] { CWnd::NotifyParent(c, CBN_SELCHANGE); });
    return c;
}

int CComboBox::AddString(const char* text)
{
    auto* c = qobject_cast<QComboBox*>(m_hWnd);
    if (!c)
        return CB_ERR;
    c->addItem(QString::fromUtf8(text ? text : ""));
    if (c->count() == 1)
        c->setCurrentIndex(-1);  // adding does not select, as Windows does
    return c->count() - 1;
}

int CComboBox::GetCount() const
{
    auto* c = qobject_cast<QComboBox*>(m_hWnd);
    return c ? c->count() : CB_ERR;
}

int CComboBox::GetCurSel() const
{
    auto* c = qobject_cast<QComboBox*>(m_hWnd);
    return c ? c->currentIndex() : CB_ERR;
}

int CComboBox::SetCurSel(int index)
{
    auto* c = qobject_cast<QComboBox*>(m_hWnd);
    if (!c)
        return CB_ERR;
    if (index < 0 || index >= c->count()) {
        c->setCurrentIndex(-1);
        return CB_ERR;
    }
    c->setCurrentIndex(index);
    return index;
}

int CComboBox::GetLBText(int index, CString& text) const
{
    auto* c = qobject_cast<QComboBox*>(m_hWnd);
    if (!c || index < 0 || index >= c->count())
        return CB_ERR;
    text = CString(c->itemText(index).toStdString());
    return text.GetLength();
}

void CComboBox::ResetContent()
{
    if (auto* c = qobject_cast<QComboBox*>(m_hWnd))
        c->clear();
}
