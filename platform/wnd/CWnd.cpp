#include "platform/wnd/CWnd.h"

#include "platform/wnd/AfxMessageBox.h"
#include "platform/gdi/QtPainterBackend.h"
#include "platform/wnd/WidgetFont.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTextEdit>
#include <QTimer>
#include <QVariant>
#include <QWidget>

#include <cstring>
#include <vector>

namespace {
constexpr const char* kWndProperty = "tarnexWnd";
constexpr const char* kIdProperty = "tarnexCtrlId";
}  // namespace

namespace {

// Filled while the library loads, by the control classes' registrations.
std::vector<CWnd::TemporaryFactory>& temporaryFactories()
{
    static std::vector<CWnd::TemporaryFactory> factories;
    return factories;
}

}  // namespace

bool CWnd::RegisterTemporaryFactory(TemporaryFactory factory)
{
    if (factory)
        temporaryFactories().push_back(factory);
    return factory != nullptr;
}

struct CWnd::Links {
    QMetaObject::Connection destroyed;
};

const CRuntimeClass CWnd::classRuntime = {"CWnd", nullptr};
const CRuntimeClass* CWnd::GetRuntimeClass() const { return &CWnd::classRuntime; }

const AFX_MSGMAP* CWnd::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, AfxSig_end, nullptr, nullptr}};
    static const AFX_MSGMAP map = {nullptr, &entries[0]};
    return &map;
}
const AFX_MSGMAP* CWnd::GetMessageMap() const { return GetThisMessageMap(); }

CWnd::CWnd() : m_links(std::make_unique<Links>()) {}

CWnd::~CWnd()
{
    for (auto& [id, t] : m_timers)
        delete t;
    m_timers.clear();
    dropTemporaries();
    if (m_ownsWindow && m_hWnd) {
        releaseChildren();
        HWND w = Detach();
        delete w;
    } else {
        Detach();
    }
}

BOOL CWnd::Attach(HWND w)
{
    if (m_hWnd || !w)
        return FALSE;
    m_hWnd = w;
    w->setProperty(kWndProperty, QVariant::fromValue(static_cast<void*>(this)));
    m_links->destroyed = QObject::connect(w, &QObject::destroyed, [this] {
        m_hWnd = nullptr;
        m_ownsWindow = false;
        dropTemporaries();
    });
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND w = m_hWnd;
    if (w) {
        QObject::disconnect(m_links->destroyed);
        if (FromHandlePermanent(w) == this)
            w->setProperty(kWndProperty, QVariant());
    }
    m_hWnd = nullptr;
    m_ownsWindow = false;
    return w;
}

void CWnd::adoptWindow(HWND w)
{
    if (Attach(w))
        m_ownsWindow = true;
}

BOOL CWnd::attachNewControl(QWidget* w, const RECT& rect, DWORD style, UINT id)
{
    AssignControlId(w, static_cast<int>(id));
    w->setGeometry(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    w->setVisible((style & WS_VISIBLE) != 0);
    if (!Attach(w)) {
        delete w;
        return FALSE;
    }
    m_ownsWindow = true;
    return TRUE;
}

CWnd* CWnd::FromHandlePermanent(HWND w)
{
    if (!w)
        return nullptr;
    const QVariant v = w->property(kWndProperty);
    return v.isValid() ? static_cast<CWnd*>(v.value<void*>()) : nullptr;
}

// Temporaries never claimed their widget; they let go of it without touching
// it, as it may already be gone.
void CWnd::dropTemporaries() const
{
    for (auto& entry : m_temporaries)
        entry.second->m_hWnd = nullptr;
    m_temporaries.clear();
}

void CWnd::releaseChildren()
{
    dropTemporaries();
    if (!m_hWnd)
        return;
    for (QWidget* child : m_hWnd->findChildren<QWidget*>())
        if (CWnd* wnd = FromHandlePermanent(child))
            wnd->Detach();
}

BOOL CWnd::DestroyWindow()
{
    if (!m_hWnd)
        return FALSE;
    for (auto& [id, t] : m_timers)
        delete t;
    m_timers.clear();
    releaseChildren();
    const bool owned = m_ownsWindow;
    HWND w = Detach();
    if (owned)
        delete w;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent)
{
    if (!parent || m_hWnd)
        return FALSE;
    CWnd* item = parent->GetDlgItem(static_cast<int>(id));
    if (!item || !item->m_hWnd)
        return FALSE;
    HWND w = item->m_hWnd;
    if (FromHandlePermanent(w) && FromHandlePermanent(w) != item)
        return FALSE;
    if (const auto t = parent->m_temporaries.find(w); t != parent->m_temporaries.end()) {
        t->second->m_hWnd = nullptr;
        parent->m_temporaries.erase(t);
    }
    return SubclassWindow(w);
}

// ---- geometry -------------------------------------------------------------

void CWnd::GetClientRect(LPRECT rect) const
{
    if (!rect)
        return;
    *rect = m_hWnd ? CRect(0, 0, m_hWnd->width(), m_hWnd->height()) : CRect();
}

void CWnd::GetWindowRect(LPRECT rect) const
{
    if (!rect)
        return;
    if (!m_hWnd) {
        *rect = CRect();
        return;
    }
    const QPoint tl = m_hWnd->mapToGlobal(QPoint(0, 0));
    *rect = CRect(tl.x(), tl.y(), tl.x() + m_hWnd->width(), tl.y() + m_hWnd->height());
}

void CWnd::ScreenToClient(LPRECT rect) const
{
    if (!rect || !m_hWnd)
        return;
    const QPoint o = m_hWnd->mapFromGlobal(QPoint(rect->left, rect->top));
    const int dx = o.x() - rect->left, dy = o.y() - rect->top;
    *rect = CRect(rect->left + dx, rect->top + dy, rect->right + dx, rect->bottom + dy);
}

void CWnd::ClientToScreen(LPRECT rect) const
{
    if (!rect || !m_hWnd)
        return;
    const QPoint o = m_hWnd->mapToGlobal(QPoint(rect->left, rect->top));
    const int dx = o.x() - rect->left, dy = o.y() - rect->top;
    *rect = CRect(rect->left + dx, rect->top + dy, rect->right + dx, rect->bottom + dy);
}

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL)
{
    if (m_hWnd)
        m_hWnd->setGeometry(x, y, std::max(0, width), std::max(0, height));
}

void CWnd::MoveWindow(LPCRECT rect, BOOL repaint)
{
    if (rect)
        MoveWindow(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, repaint);
}

QImage* CWnd::surface()
{
    const int w = m_hWnd ? std::max(1, m_hWnd->width()) : 1;
    const int h = m_hWnd ? std::max(1, m_hWnd->height()) : 1;
    if (!m_surface || m_surface->width() != w || m_surface->height() != h) {
        m_surface = std::make_shared<QImage>(w, h, QImage::Format_RGB32);
        m_surface->fill(Qt::white);
    }
    return m_surface.get();
}

CDC* CWnd::GetDC() { return new CClientDC(this); }

int CWnd::ReleaseDC(CDC* dc)
{
    if (!dc)
        return 0;
    delete dc;
    return 1;
}

void CWnd::Invalidate(BOOL)
{
    if (m_hWnd)
        m_hWnd->update();
}

void CWnd::UpdateWindow()
{
    if (m_hWnd)
        m_hWnd->repaint();
}

// ---- text and state -------------------------------------------------------

namespace {

QString textOf(const QWidget* w)
{
    if (auto* e = qobject_cast<const QLineEdit*>(w))
        return e->text();
    if (auto* t = qobject_cast<const QTextEdit*>(w))
        return t->toPlainText();
    if (auto* b = qobject_cast<const QAbstractButton*>(w))
        return b->text();
    if (auto* g = qobject_cast<const QGroupBox*>(w))
        return g->title();
    if (auto* l = qobject_cast<const QLabel*>(w))
        return l->text();
    if (auto* c = qobject_cast<const QComboBox*>(w))
        return c->currentText();
    return w->windowTitle();
}

}  // namespace

void CWnd::SetWindowText(const char* text)
{
    if (!m_hWnd)
        return;
    const QString s = QString::fromUtf8(text ? text : "");
    QWidget* w = m_hWnd;
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
        e->setText(s);
        e->setCursorPosition(0);  // a long text shows its beginning
    } else if (auto* t = qobject_cast<QTextEdit*>(w)) {
        const Qt::Alignment a = t->alignment();
        t->setPlainText(s);
        t->selectAll();
        t->setAlignment(a);
        t->moveCursor(QTextCursor::Start);
    } else if (auto* b = qobject_cast<QAbstractButton*>(w))
        b->setText(s);
    else if (auto* g = qobject_cast<QGroupBox*>(w))
        g->setTitle(s);
    else if (auto* l = qobject_cast<QLabel*>(w))
        l->setText(s);
    else if (auto* c = qobject_cast<QComboBox*>(w); c && c->isEditable())
        c->setEditText(s);
    else
        w->setWindowTitle(s);
}

void CWnd::GetWindowText(CString& text) const
{
    text = m_hWnd ? CString(textOf(m_hWnd).toStdString()) : CString();
}

// Copies at most maxCount - 1 bytes and a terminating NUL, never splitting a
// character, as the framework's buffer form does.
int CWnd::GetWindowText(char* buffer, int maxCount) const
{
    if (!buffer || maxCount <= 0)
        return 0;
    CString s;
    GetWindowText(s);
    int n = std::min(s.GetLength(), maxCount - 1);
    while (n > 0 && n < s.GetLength() && (static_cast<unsigned char>(s.GetAt(n)) & 0xC0) == 0x80)
        --n;
    std::memcpy(buffer, s.GetString(), static_cast<size_t>(n));
    buffer[n] = '\0';
    return n;
}

int CWnd::GetWindowTextLength() const
{
    CString s;
    GetWindowText(s);
    return s.GetLength();
}

BOOL CWnd::EnableWindow(BOOL enable)
{
    if (!m_hWnd)
        return FALSE;
    const BOOL wasDisabled = m_hWnd->isEnabled() ? FALSE : TRUE;
    m_hWnd->setEnabled(enable != FALSE);
    return wasDisabled;
}

BOOL CWnd::IsWindowEnabled() const { return m_hWnd && m_hWnd->isEnabled() ? TRUE : FALSE; }

BOOL CWnd::ShowWindow(int cmd)
{
    if (!m_hWnd)
        return FALSE;
    const BOOL was = m_hWnd->isVisible() ? TRUE : FALSE;
    m_hWnd->setVisible(cmd != SW_HIDE);
    return was;
}

BOOL CWnd::IsWindowVisible() const { return m_hWnd && m_hWnd->isVisible() ? TRUE : FALSE; }

CWnd* CWnd::SetFocus()
{
    if (m_hWnd)
        m_hWnd->setFocus(Qt::OtherFocusReason);
    return nullptr;
}

void CWnd::SetFont(CFont* font, BOOL)
{
    if (!m_hWnd || !font || !font->GetSafeHandle())
        return;
    m_hWnd->setFont(WidgetFont::ToQFont(font->desc()));
}

CFont* CWnd::GetFont() const
{
    if (!m_hWnd)
        return nullptr;
    m_font = std::make_unique<CFont>();
    const LOGFONT lf = WidgetFont::FromQFont(m_hWnd->font());
    m_font->CreateFontIndirect(&lf);
    return m_font.get();
}

CWnd* CWnd::GetParent() const
{
    if (!m_hWnd)
        return nullptr;
    for (QWidget* p = m_hWnd->parentWidget(); p; p = p->parentWidget())
        if (CWnd* w = FromHandlePermanent(p))
            return w;
    return nullptr;
}

void CWnd::AssignControlId(QWidget* control, int id)
{
    if (control)
        control->setProperty(kIdProperty, id);
}

int CWnd::GetDlgCtrlID() const
{
    if (!m_hWnd)
        return 0;
    const QVariant v = m_hWnd->property(kIdProperty);
    return v.isValid() ? v.toInt() : 0;
}

CWnd* CWnd::GetDlgItem(int id) const
{
    if (!m_hWnd)
        return nullptr;
    for (QWidget* child : m_hWnd->findChildren<QWidget*>()) {
        const QVariant v = child->property(kIdProperty);
        if (!v.isValid() || v.toInt() != id)
            continue;
        if (CWnd* permanent = FromHandlePermanent(child))
            return permanent;
        auto& slot = m_temporaries[child];
        if (!slot) {
            for (TemporaryFactory make : temporaryFactories()) {
                if ((slot = make(child)))
                    break;
            }
            if (!slot)
                slot = std::make_unique<CWnd>();
            // A temporary stands in for the control without claiming it.
            slot->m_hWnd = child;
        }
        return slot.get();
    }
    return nullptr;
}

void CWnd::SetDlgItemText(int id, const char* text)
{
    if (CWnd* w = GetDlgItem(id))
        w->SetWindowText(text);
}

int CWnd::GetDlgItemText(int id, CString& text) const
{
    text.Empty();
    if (CWnd* w = GetDlgItem(id))
        w->GetWindowText(text);
    return text.GetLength();
}

// Windows sends the button BM_SETCHECK; here the button's widget is set
// directly.
void CWnd::CheckDlgButton(int id, UINT check)
{
    CWnd* w = m_hWnd ? GetDlgItem(id) : nullptr;
    setButtonChecked(w ? qobject_cast<QAbstractButton*>(w->m_hWnd) : nullptr, check == BST_CHECKED);
}

// Radio buttons can be cleared too, which their exclusive group would refuse.
void CWnd::setButtonChecked(QAbstractButton* button, bool checked)
{
    if (!button || !button->isCheckable())
        return;
    const bool exclusive = button->autoExclusive();
    if (!checked && exclusive)
        button->setAutoExclusive(false);
    button->setChecked(checked);
    if (!checked && exclusive)
        button->setAutoExclusive(true);
}

UINT CWnd::IsDlgButtonChecked(int id) const
{
    CWnd* w = GetDlgItem(id);
    auto* b = w ? qobject_cast<QAbstractButton*>(w->m_hWnd) : nullptr;
    return b && b->isChecked() ? BST_CHECKED : BST_UNCHECKED;
}

// ---- messages -------------------------------------------------------------

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapse, void*)
{
    if (!m_hWnd)
        return 0;
    KillTimer(id);
    auto* t = new QTimer(m_hWnd);
    t->setInterval(static_cast<int>(std::min<UINT>(elapse, 0x7fffffff)));
    QObject::connect(t, &QTimer::timeout, t, [this, id] { dispatch(WM_TIMER, 0, 0, id); });
    m_timers[id] = t;
    t->start();
    return id == 0 ? 1 : id;
}

BOOL CWnd::KillTimer(UINT_PTR id)
{
    const auto it = m_timers.find(id);
    if (it == m_timers.end())
        return FALSE;
    it->second->stop();
    it->second->deleteLater();
    m_timers.erase(it);
    return TRUE;
}

int CWnd::MessageBox(const char* text, const char* caption, UINT type)
{
    return AfxShowMessageBox(text, caption, type);
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM) { return dispatch(WM_COMMAND, HIWORD(wParam), LOWORD(wParam), 0); }

void CWnd::OnTimer(UINT_PTR) {}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) { return WindowProc(message, wParam, lParam); }

BOOL CWnd::dispatch(UINT message, UINT code, UINT id, UINT_PTR arg)
{
    for (const AFX_MSGMAP* map = GetMessageMap(); map; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* e = map->lpEntries; e->nSig != AfxSig_end; ++e) {
            if (e->nMessage != message)
                continue;
            if (message == WM_COMMAND && (e->nCode != code || id < e->nID || id > e->nLastID))
                continue;
            if (e->nSig == AfxSig_vv && e->pfn)
                (this->*(e->pfn))();
            else if (e->nSig == AfxSig_vw && e->pfnW)
                (this->*(e->pfnW))(arg);
            return TRUE;
        }
    }
    return FALSE;
}

void CWnd::NotifyParent(QWidget* control, UINT code)
{
    if (!control)
        return;
    const QVariant v = control->property(kIdProperty);
    const int id = v.isValid() ? v.toInt() : 0;
    for (QWidget* p = control->parentWidget(); p; p = p->parentWidget()) {
        if (CWnd* wnd = FromHandlePermanent(p)) {
            wnd->OnCommand(MAKEWPARAM(static_cast<UINT>(id) & 0xffff, code), reinterpret_cast<LPARAM>(control));
            return;
        }
    }
}

// ---- client device context -------------------------------------------------

CClientDC::CClientDC(CWnd* wnd)
{
    const int dpiX = wnd && wnd->m_hWnd ? wnd->m_hWnd->logicalDpiX() : 96;
    const int dpiY = wnd && wnd->m_hWnd ? wnd->m_hWnd->logicalDpiY() : 96;
    QImage* img = wnd ? wnd->surface() : nullptr;
    if (img)
        m_painter = std::make_unique<QtPainterBackend>(img, dpiX, dpiY, CSize(img->width(), img->height()));
    m_hDC = m_hAttribDC = this;
    setBackend(m_painter.get());
    // A window's surface has the screen's depth.
    if (wnd && wnd->m_hWnd && wnd->m_hWnd->screen())
        SetBitsPixel(wnd->m_hWnd->screen()->depth());
}

CClientDC::~CClientDC()
{
    setBackend(nullptr);
}
