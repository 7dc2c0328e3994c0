#include "platform/wnd/CToolTipCtrl.h"

#include "platform/wnd/CWnd.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QToolTip>
#include <QWidget>

namespace {

// Where the tip stands against the pointer: below it and a little right, so
// the pointer and what it points at stay visible.
constexpr int kBelowPointerX = 4;
constexpr int kBelowPointerY = 20;
// The gap to the pointer when the tip flips to its left or above it.
constexpr int kFlippedGap = 4;

// The tip's window: a label in the desktop's tooltip colours, a child of the
// tool's window so that it goes with it, taking no mouse input. Its filter
// on the tool's window takes the tip down when the pointer leaves that
// window or the window hides, as no further move would be relayed.
class TipWindow : public QObject {
public:
    TipWindow(CToolTipCtrl* owner, QWidget* tool) : parent(tool), m_owner(owner)
    {
        label = new QLabel(tool, Qt::ToolTip | Qt::FramelessWindowHint | Qt::BypassGraphicsProxyWidget |
                                        Qt::WindowTransparentForInput);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        label->setAttribute(Qt::WA_ShowWithoutActivating);
        label->setPalette(QToolTip::palette());
        label->setFont(QToolTip::font());
        label->setForegroundRole(QPalette::ToolTipText);
        label->setBackgroundRole(QPalette::ToolTipBase);
        label->setAutoFillBackground(true);
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
        label->setMargin(3);
        label->setTextFormat(Qt::PlainText);
        tool->installEventFilter(this);
    }
    ~TipWindow() override
    {
        // The window goes with its parent; one still standing goes now.
        if (label && QApplication::instance())
            delete label.data();
    }

    QPointer<QLabel> label;
    QPointer<QWidget> parent;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (watched == parent && (e->type() == QEvent::Leave || e->type() == QEvent::Hide))
            m_owner->SendMessage(TTM_POP);
        return QObject::eventFilter(watched, e);
    }

private:
    CToolTipCtrl* m_owner;
};

// Run when the control is destroyed: the parent may be gone already, which
// the window's guard knows.
void DeleteTipWindow(void* window) { delete static_cast<TipWindow*>(window); }

}  // namespace

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD)
{
    if (m_created)
        return FALSE;
    m_created = true;
    m_parent = pParentWnd;
    return TRUE;
}

BOOL CToolTipCtrl::DestroyWindow()
{
    if (!m_created)
        return FALSE;
    SendMessage(TTM_POP);
    m_created = false;
    m_parent = nullptr;
    m_tools.clear();
    m_current = 0;
    if (m_hideOnScreen)
        m_hideOnScreen(m_tipWindow);
    m_hideOnScreen = nullptr;
    m_tipWindow = nullptr;
    return TRUE;
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, LPCTSTR lpszText, LPCRECT lpRectTool, UINT nIDTool)
{
    if (!m_created)
        return FALSE;
    Tool tool;
    tool.wnd = pWnd;
    tool.id = nIDTool;
    tool.text = lpszText;
    tool.hasRect = lpRectTool != nullptr;
    if (lpRectTool)
        tool.rect = *lpRectTool;
    for (size_t i = 0; i < m_tools.size(); ++i) {
        if (m_tools[i].wnd == pWnd && m_tools[i].id == nIDTool) {
            m_tools[i] = tool;
            m_current = i;
            return TRUE;
        }
    }
    m_tools.push_back(tool);
    m_current = m_tools.size() - 1;
    return TRUE;
}

LRESULT CToolTipCtrl::SendMessage(UINT message, WPARAM, LPARAM)
{
    if (!m_created)
        return 0;
    if (message == TTM_UPDATE && !m_tools.empty()) {
        m_shown = true;
        showOnScreen(m_tools[m_current].text);
    } else if (message == TTM_POP) {
        if (m_shown)
            hideOnScreen();
        m_shown = false;
    }
    return 0;
}

void CToolTipCtrl::RelayEvent(tagMSG* pMsg)
{
    if (!pMsg || pMsg->message != WM_MOUSEMOVE)
        return;
    m_pointer = pMsg->pt;
    m_pointerKnown = true;
    if (m_onScreen)
        placeAtPointer();
}

CRect CToolTipCtrl::GetTipRect() const
{
    const auto* tip = static_cast<const TipWindow*>(m_tipWindow);
    if (!m_onScreen || !tip || !tip->label || !tip->label->isVisible())
        return CRect();
    const QRect g = tip->label->frameGeometry();
    return CRect(g.left(), g.top(), g.left() + g.width(), g.top() + g.height());
}

CString CToolTipCtrl::GetToolText(CWnd* pWnd, UINT nIDTool) const
{
    for (const Tool& t : m_tools)
        if (t.wnd == pWnd && t.id == nIDTool)
            return t.text;
    return CString();
}

CString CToolTipCtrl::GetShownText() const
{
    return m_shown && !m_tools.empty() ? m_tools[m_current].text : CString();
}

void CToolTipCtrl::showOnScreen(const CString& text)
{
    QWidget* parent = m_parent ? m_parent->m_hWnd : nullptr;
    if (!parent || !parent->isVisible() || !QApplication::instance())
        return;
    auto* tip = static_cast<TipWindow*>(m_tipWindow);
    if (!tip || tip->parent != parent || !tip->label) {
        if (m_hideOnScreen)
            m_hideOnScreen(m_tipWindow);
        tip = new TipWindow(this, parent);
        m_tipWindow = tip;
        m_hideOnScreen = &DeleteTipWindow;
    }
    // Windows shows no empty line for the text's closing line feed.
    QString s = QString::fromUtf8(text.GetString(), text.GetLength());
    while (s.endsWith(QLatin1Char('\n')))
        s.chop(1);
    if (tip->label->text() != s) {
        tip->label->setText(s);
        tip->label->adjustSize();
    }
    m_onScreen = true;
    placeAtPointer();
    if (!tip->label->isVisible())
        tip->label->show();
}

void CToolTipCtrl::hideOnScreen()
{
    auto* tip = static_cast<TipWindow*>(m_tipWindow);
    if (tip && tip->label)
        tip->label->hide();
    m_onScreen = false;
}

// Below and right of the pointer; on the pointer's other side where the
// tip would leave the screen.
void CToolTipCtrl::placeAtPointer()
{
    auto* tip = static_cast<TipWindow*>(m_tipWindow);
    if (!tip || !tip->label)
        return;
    const QPoint pointer = m_pointerKnown ? QPoint(m_pointer.x, m_pointer.y) : QCursor::pos();
    const QSize size = tip->label->size();
    QPoint at = pointer + QPoint(kBelowPointerX, kBelowPointerY);
    const QScreen* screen = QGuiApplication::screenAt(pointer);
    if (!screen && tip->parent)
        screen = tip->parent->screen();
    if (screen) {
        const QRect area = screen->geometry();
        if (at.x() + size.width() > area.right() + 1)
            at.setX(pointer.x() - kFlippedGap - size.width());
        if (at.y() + size.height() > area.bottom() + 1)
            at.setY(pointer.y() - kFlippedGap - size.height());
    }
    tip->label->move(at);
}
