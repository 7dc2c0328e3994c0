#include "platform/wnd/CEdit.h"

#include "platform/wnd/OwnerDraw.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QTextEdit>

IMPLEMENT_DYNAMIC(CEdit, CWnd)

namespace {

// GetDlgItem's stand-in for a CEdit widget no object owns.
const bool registered = CWnd::RegisterTemporaryFactory([](QWidget* w) -> std::unique_ptr<CWnd> {
    if (qobject_cast<QLineEdit*>(w) || qobject_cast<QTextEdit*>(w))
        return std::make_unique<CEdit>();
    return nullptr;
});

}  // namespace

QWidget* CEdit::CreateWidget(DWORD style, QWidget* parent)
{
    if (style & ES_MULTILINE) {
        auto* t = new QTextEdit(parent);
        t->setAcceptRichText(false);
        t->setReadOnly((style & ES_READONLY) != 0);
        if (style & ES_CENTER)
            t->setAlignment(Qt::AlignHCenter);
        t->setFrameShape((style & WS_BORDER) ? QFrame::StyledPanel : QFrame::NoFrame);
        QObject::connect(t, &QTextEdit::textChanged, t, [t] { CWnd::NotifyParent(t, EN_CHANGE); });
        return t;
    }
    auto* e = new QLineEdit(parent);
    e->setReadOnly((style & ES_READONLY) != 0);
    if (style & ES_CENTER)
        e->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    else if (style & ES_RIGHT)
        e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (style & ES_NUMBER)
        e->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), e));
    QObject::connect(e, &QLineEdit::textChanged, e, [e] { CWnd::NotifyParent(e, EN_CHANGE); });
    return e;
}

BOOL CEdit::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    if (m_hWnd || !parent || !parent->m_hWnd)
        return FALSE;
    return attachNewControl(CreateWidget(style, parent->m_hWnd), rect, style, id);
}

BOOL CEdit::GetModify() const
{
    if (auto* e = qobject_cast<QLineEdit*>(m_hWnd))
        return e->isModified() ? TRUE : FALSE;
    if (auto* t = qobject_cast<QTextEdit*>(m_hWnd))
        return t->document()->isModified() ? TRUE : FALSE;
    return FALSE;
}

void CEdit::SetModify(BOOL modified)
{
    if (auto* e = qobject_cast<QLineEdit*>(m_hWnd))
        e->setModified(modified != FALSE);
    else if (auto* t = qobject_cast<QTextEdit*>(m_hWnd))
        t->document()->setModified(modified != FALSE);
}

BOOL CEdit::SetReadOnly(BOOL readOnly)
{
    if (auto* e = qobject_cast<QLineEdit*>(m_hWnd))
        e->setReadOnly(readOnly != FALSE);
    else if (auto* t = qobject_cast<QTextEdit*>(m_hWnd))
        t->setReadOnly(readOnly != FALSE);
    else
        return FALSE;
    return TRUE;
}

BOOL CEdit::IsReadOnly() const
{
    if (auto* e = qobject_cast<QLineEdit*>(m_hWnd))
        return e->isReadOnly() ? TRUE : FALSE;
    if (auto* t = qobject_cast<QTextEdit*>(m_hWnd))
        return t->isReadOnly() ? TRUE : FALSE;
    return FALSE;
}

// 0 lifts the limit to the largest a single-line edit takes.
void CEdit::SetLimitText(UINT maxChars)
{
    if (auto* e = qobject_cast<QLineEdit*>(m_hWnd))
        e->setMaxLength(maxChars == 0 || maxChars > 32767 ? 32767 : static_cast<int>(maxChars));
}

UINT CEdit::GetLimitText() const
{
    if (auto* e = qobject_cast<QLineEdit*>(m_hWnd))
        return static_cast<UINT>(e->maxLength());
    return 0;
}

// A negative start removes the selection; an end of -1 selects to the end.
void CEdit::SetSel(int start, int end, BOOL)
{
    auto* e = qobject_cast<QLineEdit*>(m_hWnd);
    if (!e)
        return;
    if (start < 0) {
        e->deselect();
        return;
    }
    const int len = static_cast<int>(e->text().size());
    const int to = end < 0 || end > len ? len : end;
    e->setSelection(std::min(start, len), to - std::min(start, len));
}

void CEdit::ReplaceSel(const char* text, BOOL)
{
    if (auto* e = qobject_cast<QLineEdit*>(m_hWnd))
        e->insert(QString::fromUtf8(text ? text : ""));
}

LRESULT CEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == EM_GETMODIFY)
        return GetModify();
    return CWnd::WindowProc(message, wParam, lParam);
}
