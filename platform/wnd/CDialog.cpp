#include "platform/wnd/CDialog.h"

#include "platform/wnd/AfxModule.h"
#include "platform/wnd/CButton.h"
#include "platform/wnd/CComboBox.h"
#include "platform/wnd/CEdit.h"
#include "platform/wnd/CListBox.h"
#include "platform/wnd/CStatic.h"
#include "platform/wnd/WidgetFont.h"

#include <QComboBox>
#include <QDialog>
#include <QFontMetrics>
#include <QGroupBox>
#include <QGuiApplication>
#include <QPointer>
#include <QScrollArea>
#include <QStyle>
#include <QTimer>

#include <deque>

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

namespace {

// The dialog's window: closing it or pressing Escape is the Cancel command.
class DialogWindow : public QDialog {
public:
    DialogWindow(CWnd* owner, QWidget* parent) : QDialog(parent), m_owner(owner) {}
    void reject() override { m_owner->SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0); }
    void accept() override { m_owner->SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0); }

private:
    CWnd* m_owner;
};

struct ModalScripts {
    std::deque<CDialog::ModalScript> queue;
    int cancelledForNobody = 0;
};

ModalScripts& scripts()
{
    static ModalScripts s;
    return s;
}

int mulDiv(int a, int b, int c)
{
    const long long p = static_cast<long long>(a) * b;
    return static_cast<int>((p >= 0 ? p + c / 2 : p - c / 2) / c);
}

}  // namespace

CDialog::CDialog() = default;

CDialog::CDialog(UINT idTemplate, CWnd* parent) : m_pParentWnd(parent), m_nIDTemplate(idTemplate) {}

CDialog::~CDialog() = default;

void CDialog::ScriptNextModal(ModalScript script) { scripts().queue.push_back(std::move(script)); }
int CDialog::PendingModalScripts() { return static_cast<int>(scripts().queue.size()); }
void CDialog::ClearModalScripts() { scripts().queue.clear(); }
int CDialog::ModalRunsCancelledForNobody() { return scripts().cancelledForNobody; }

void CDialog::MapDialogRect(LPRECT rect) const
{
    if (!rect)
        return;
    rect->left = mulDiv(rect->left, m_baseUnitX, 4);
    rect->right = mulDiv(rect->right, m_baseUnitX, 4);
    rect->top = mulDiv(rect->top, m_baseUnitY, 8);
    rect->bottom = mulDiv(rect->bottom, m_baseUnitY, 8);
}

void CDialog::buildControls(const DialogTemplate& t, QWidget* parent)
{
    std::vector<QWidget*> groups;
    for (const DialogItemTemplate& it : t.items) {
        QWidget* w = nullptr;
        switch (it.kind) {
        case DialogItemTemplate::Kind::Edit: w = CEdit::CreateWidget(it.style, parent); break;
        case DialogItemTemplate::Kind::PushButton: w = CButton::CreateWidget(BS_PUSHBUTTON, it.text, parent); break;
        case DialogItemTemplate::Kind::DefPushButton:
            w = CButton::CreateWidget(BS_DEFPUSHBUTTON, it.text, parent);
            break;
        case DialogItemTemplate::Kind::CheckBox: w = CButton::CreateWidget(BS_AUTOCHECKBOX, it.text, parent); break;
        case DialogItemTemplate::Kind::RadioButton:
            w = CButton::CreateWidget(BS_AUTORADIOBUTTON, it.text, parent);
            break;
        case DialogItemTemplate::Kind::GroupBox:
            w = CButton::CreateWidget(BS_GROUPBOX, it.text, parent);
            groups.push_back(w);
            break;
        case DialogItemTemplate::Kind::ComboBox: {
            w = CComboBox::CreateWidget(it.style, parent);
            auto* c = static_cast<QComboBox*>(w);
            for (const CString& s : it.listItems)
                c->addItem(QString::fromUtf8(s.GetString()));
            c->setCurrentIndex(-1);
            break;
        }
        case DialogItemTemplate::Kind::Static: w = CStatic::CreateWidget(it.style, it.text, parent); break;
        case DialogItemTemplate::Kind::ListBox: w = CListBox::CreateWidget(it.style, parent); break;
        }
        AssignControlId(w, it.id);
        CRect r = it.rect;
        MapDialogRect(&r);
        int height = r.Height();
        // A combo's rectangle includes its dropped list; the closed box is one line.
        if (it.kind == DialogItemTemplate::Kind::ComboBox)
            height = std::min(height, w->sizeHint().height());
        w->setGeometry(r.left, r.top, r.Width(), height);
        w->setEnabled((it.style & WS_DISABLED) == 0);
    }
    // Group boxes frame the controls beside them; they must not cover them.
    for (QWidget* g : groups)
        g->lower();
}

QDialog* CDialog::CreateDialogWindow(QWidget* parent)
{
    const DialogTemplate* t = AfxFindDialogTemplate(m_nIDTemplate);
    if (!t)
        return nullptr;
    QDialog* dlg = newDialogWindow(parent);
    const QFont font = WidgetFont::PointFont(t->faceName.GetString(), t->pointSize);
    dlg->setFont(font);
    const QFontMetrics fm(font);
    const int letters = fm.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    m_baseUnitX = (letters / 26 + 1) / 2;
    m_baseUnitY = fm.height();
    dlg->setWindowTitle(QString::fromUtf8(t->caption.GetString()));
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint;
    if (t->style & WS_CAPTION)
        flags |= Qt::WindowTitleHint;
    if (t->style & WS_SYSMENU)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    dlg->setWindowFlags(flags);
    CRect client(0, 0, t->rect.Width(), t->rect.Height());
    MapDialogRect(&client);
    // Scroll bars get room beside the client area, so that the dialog opens
    // showing all of its controls.
    const int bar = dlg->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int barW = (t->style & WS_VSCROLL) ? bar : 0;
    const int barH = (t->style & WS_HSCROLL) ? bar : 0;
    dlg->setFixedSize(client.Width() + barW, client.Height() + barH);

    QWidget* content = dlg;
    if (t->style & (WS_VSCROLL | WS_HSCROLL)) {
        auto* area = new QScrollArea(dlg);
        area->setFrameShape(QFrame::NoFrame);
        area->setVerticalScrollBarPolicy((t->style & WS_VSCROLL) ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
        area->setHorizontalScrollBarPolicy((t->style & WS_HSCROLL) ? Qt::ScrollBarAlwaysOn
                                                                   : Qt::ScrollBarAlwaysOff);
        area->setGeometry(0, 0, client.Width() + barW, client.Height() + barH);
        content = new QWidget;
        content->setFixedSize(client.Width(), client.Height());
        area->setWidget(content);
    }
    buildControls(*t, content);
    return dlg;
}

QDialog* CDialog::newDialogWindow(QWidget* parent) { return new DialogWindow(this, parent); }

INT_PTR CDialog::DoModal()
{
    QWidget* parent = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    QDialog* w = CreateDialogWindow(parent);
    if (!w)
        return -1;
    adoptWindow(w);
    w->setModal(true);
    m_nModalResult = -1;
    m_ended = false;
    OnInitDialog();
    if (!m_ended && m_hWnd) {
        ModalScripts& s = scripts();
        QPointer<QDialog> guard(w);
        if (!s.queue.empty()) {
            ModalScript script = std::move(s.queue.front());
            s.queue.pop_front();
            QTimer::singleShot(0, w, [this, guard, script] {
                script(*this);
                if (guard && !m_ended) {
                    ++scripts().cancelledForNobody;
                    EndDialog(IDCANCEL);
                }
            });
        } else if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
            QTimer::singleShot(0, w, [this, guard] {
                if (guard && !m_ended) {
                    ++scripts().cancelledForNobody;
                    EndDialog(IDCANCEL);
                }
            });
        }
        const int r = w->exec();
        if (!m_ended)
            m_nModalResult = r;
    }
    const int result = m_nModalResult;
    DestroyWindow();
    return result;
}

void CDialog::EndDialog(int result)
{
    m_nModalResult = result;
    m_ended = true;
    if (auto* d = qobject_cast<QDialog*>(m_hWnd))
        d->QDialog::done(result);
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL CDialog::UpdateData(BOOL saveAndValidate)
{
    CDataExchange dx(this, saveAndValidate);
    try {
        DoDataExchange(&dx);
    } catch (const CUserException&) {
        return FALSE;
    }
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}
