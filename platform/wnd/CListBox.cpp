#include "platform/wnd/CListBox.h"

#include "platform/gdi/QtPainterBackend.h"
#include "platform/wnd/WidgetFont.h"

#include <QEvent>
#include <QListWidget>
#include <algorithm>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyledItemDelegate>

IMPLEMENT_DYNAMIC(CListBox, CWnd)

namespace {

// GetDlgItem's stand-in for a list widget no object owns.
const bool registered = CWnd::RegisterTemporaryFactory([](QWidget* w) -> std::unique_ptr<CWnd> {
    if (qobject_cast<QListWidget*>(w))
        return std::make_unique<CListBox>();
    return nullptr;
});

constexpr int kDataRole = Qt::UserRole;
constexpr int kHeightRole = Qt::UserRole + 1;
constexpr const char* kStyleProperty = "tarnexListStyle";
constexpr int kDefaultItemHeight = 16;

bool ownerDrawn(DWORD style) { return (style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) != 0; }

DWORD styleOf(const QWidget* w)
{
    const QVariant v = w ? w->property(kStyleProperty) : QVariant();
    return v.isValid() ? static_cast<DWORD>(v.toUInt()) : 0;
}

// A device context over the painter the list hands its delegate, with the
// list's font selected, as owner-draw contexts come.
class ItemDC : public CDC {
public:
    ItemDC(QPainter* painter, QWidget* device, const QFont& font)
        : m_backend(painter, device->logicalDpiX(), device->logicalDpiY(), CSize(device->width(), device->height()))
    {
        m_hDC = m_hAttribDC = this;
        setBackend(&m_backend);
        const LOGFONT lf = WidgetFont::FromQFont(font);
        if (m_font.CreateFontIndirect(&lf))
            SelectObject(&m_font);
    }
    ~ItemDC() override { setBackend(nullptr); }

private:
    QtPainterBackend m_backend;
    CFont m_font;
};

DRAWITEMSTRUCT drawRecord(QListWidget* list, CDC* dc, int row, const QRect& r, bool selected, bool focus)
{
    DRAWITEMSTRUCT dis{};
    dis.CtlType = ODT_LISTBOX;
    dis.CtlID = static_cast<UINT>(CWnd::FromHandlePermanent(list) ? CWnd::FromHandlePermanent(list)->GetDlgCtrlID() : 0);
    dis.itemID = static_cast<UINT>(row);
    dis.itemAction = ODA_DRAWENTIRE;
    dis.itemState = (selected ? ODS_SELECTED : 0) | (focus ? ODS_FOCUS : 0) | (list->isEnabled() ? 0 : ODS_DISABLED);
    dis.hwndItem = list;
    dis.hDC = dc;
    dis.rcItem = CRect(r.left(), r.top(), r.left() + r.width(), r.top() + r.height());
    if (row >= 0 && row < list->count())
        dis.itemData = static_cast<ULONG_PTR>(list->item(row)->data(kDataRole).toULongLong());
    return dis;
}

// Items of an owner-drawn list are drawn by the list's owner, whole.
class OwnerDrawDelegate : public QStyledItemDelegate {
public:
    explicit OwnerDrawDelegate(QListWidget* list) : QStyledItemDelegate(list), m_list(list) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        painter->save();
        ItemDC dc(painter, m_list->viewport(), m_list->font());
        const bool focus = m_list->hasFocus() && m_list->currentRow() == index.row();
        DRAWITEMSTRUCT dis = drawRecord(m_list, &dc, index.row(), option.rect,
                                        (option.state & QStyle::State_Selected) != 0, focus);
        AfxReflectOwnerDraw(m_list, WM_DRAWITEM, &dis);
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex& index) const override
    {
        const QVariant h = index.data(kHeightRole);
        return QSize(m_list->viewport()->width(), h.isValid() ? h.toInt() : kDefaultItemHeight);
    }

private:
    QListWidget* m_list;
};

// An empty owner-drawn list with the focus still gets one call, for a focus
// rectangle where the first item would be.
class EmptyListPainter : public QObject {
public:
    explicit EmptyListPainter(QListWidget* list) : QObject(list), m_list(list) {}
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && m_list->count() == 0 && m_list->hasFocus()) {
            QPainter painter(m_list->viewport());
            ItemDC dc(&painter, m_list->viewport(), m_list->font());
            DRAWITEMSTRUCT dis = drawRecord(m_list, &dc, -1, QRect(0, 0, m_list->viewport()->width(),
                                                                   kDefaultItemHeight), false, true);
            dis.itemAction = ODA_FOCUS;
            AfxReflectOwnerDraw(m_list, WM_DRAWITEM, &dis);
            return true;
        }
        return false;
    }

private:
    QListWidget* m_list;
};

QListWidget* listOf(HWND w) { return qobject_cast<QListWidget*>(w); }

}  // namespace

QWidget* CListBox::CreateWidget(DWORD style, QWidget* parent)
{
    auto* l = new QListWidget(parent);
    l->setProperty(kStyleProperty, static_cast<uint>(style));
    l->setSelectionMode(QAbstractItemView::SingleSelection);
    l->setUniformItemSizes((style & LBS_OWNERDRAWVARIABLE) == 0);
    l->setVerticalScrollBarPolicy((style & WS_VSCROLL) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    l->setHorizontalScrollBarPolicy((style & WS_HSCROLL) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    l->setFrameShape((style & WS_BORDER) ? QFrame::Box : QFrame::NoFrame);
    if (ownerDrawn(style)) {
        l->setItemDelegate(new OwnerDrawDelegate(l));
        l->viewport()->installEventFilter(new EmptyListPainter(l));
    }
    QObject::connect(l, &QListWidget::currentRowChanged, l, [l] {
        if (styleOf(l) & LBS_NOTIFY)
            CWnd::NotifyParent(l, LBN_SELCHANGE);
    });
    return l;
}

BOOL CListBox::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    if (m_hWnd || !parent || !parent->m_hWnd)
        return FALSE;
    return attachNewControl(CreateWidget(style, parent->m_hWnd), rect, style, id);
}

DWORD CListBox::GetStyle() const { return styleOf(m_hWnd); }

int CListBox::AddString(const char* item)
{
    QListWidget* l = listOf(m_hWnd);
    if (!l)
        return LB_ERR;
    const DWORD style = styleOf(l);
    auto* it = new QListWidgetItem;
    const bool keepsData = ownerDrawn(style) && !(style & LBS_HASSTRINGS);
    if (keepsData)
        it->setData(kDataRole, static_cast<qulonglong>(reinterpret_cast<ULONG_PTR>(item)));
    else
        it->setText(QString::fromUtf8(item ? item : ""));
    const QSignalBlocker quiet(l);
    l->addItem(it);
    const int index = l->count() - 1;
    if (ownerDrawn(style)) {
        MEASUREITEMSTRUCT mis{ODT_LISTBOX, static_cast<UINT>(GetDlgCtrlID()), static_cast<UINT>(index),
                              static_cast<UINT>(l->viewport()->width()), kDefaultItemHeight,
                              keepsData ? reinterpret_cast<ULONG_PTR>(item) : 0};
        AfxReflectOwnerDraw(l, WM_MEASUREITEM, &mis);
        it->setData(kHeightRole, static_cast<int>(std::min<UINT>(mis.itemHeight, 255)));
    }
    return index;
}

int CListBox::DeleteString(UINT index)
{
    QListWidget* l = listOf(m_hWnd);
    if (!l || index >= static_cast<UINT>(l->count()))
        return LB_ERR;
    const QSignalBlocker quiet(l);
    delete l->takeItem(static_cast<int>(index));
    return l->count();
}

void CListBox::ResetContent()
{
    if (QListWidget* l = listOf(m_hWnd)) {
        const QSignalBlocker quiet(l);
        l->clear();
    }
}

int CListBox::GetCount() const
{
    QListWidget* l = listOf(m_hWnd);
    return l ? l->count() : LB_ERR;
}

int CListBox::GetCurSel() const
{
    QListWidget* l = listOf(m_hWnd);
    if (!l)
        return LB_ERR;
    const QList<QListWidgetItem*> sel = l->selectedItems();
    return sel.isEmpty() ? LB_ERR : l->row(sel.first());
}

// -1 clears the selection; an index outside the list clears it too and
// returns LB_ERR, as the framework does.
int CListBox::SetCurSel(int index)
{
    QListWidget* l = listOf(m_hWnd);
    if (!l)
        return LB_ERR;
    const QSignalBlocker quiet(l);
    if (index < 0 || index >= l->count()) {
        l->clearSelection();
        l->setCurrentRow(-1);
        l->viewport()->update();
        return LB_ERR;
    }
    l->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
    l->scrollToItem(l->item(index));
    l->viewport()->update();
    return index;
}

ULONG_PTR CListBox::GetItemData(int index) const
{
    QListWidget* l = listOf(m_hWnd);
    if (!l || index < 0 || index >= l->count())
        return static_cast<ULONG_PTR>(LB_ERR);
    return static_cast<ULONG_PTR>(l->item(index)->data(kDataRole).toULongLong());
}

void* CListBox::GetItemDataPtr(int index) const
{
    QListWidget* l = listOf(m_hWnd);
    if (!l || index < 0 || index >= l->count())
        return nullptr;
    return reinterpret_cast<void*>(GetItemData(index));
}

int CListBox::SetItemData(int index, ULONG_PTR data)
{
    QListWidget* l = listOf(m_hWnd);
    if (!l || index < 0 || index >= l->count())
        return LB_ERR;
    l->item(index)->setData(kDataRole, static_cast<qulonglong>(data));
    return 0;
}

int CListBox::GetText(int index, CString& text) const
{
    QListWidget* l = listOf(m_hWnd);
    if (!l || index < 0 || index >= l->count())
        return LB_ERR;
    text = CString(l->item(index)->text().toUtf8().constData());
    return text.GetLength();
}

int CListBox::GetItemRect(int index, LPRECT rect) const
{
    QListWidget* l = listOf(m_hWnd);
    if (!l || !rect || index < 0 || index >= l->count())
        return LB_ERR;
    const QRect r = l->visualItemRect(l->item(index));
    *rect = CRect(r.left(), r.top(), r.left() + r.width(), r.top() + r.height());
    return 0;
}

int CListBox::GetItemHeight(int index) const
{
    QListWidget* l = listOf(m_hWnd);
    if (!l)
        return LB_ERR;
    if (index < 0 || index >= l->count())
        return kDefaultItemHeight;
    const QVariant h = l->item(index)->data(kHeightRole);
    return h.isValid() ? h.toInt() : kDefaultItemHeight;
}

int CListBox::SetItemHeight(int index, UINT height)
{
    QListWidget* l = listOf(m_hWnd);
    if (!l || index < 0 || index >= l->count() || height > 255)
        return LB_ERR;
    l->item(index)->setData(kHeightRole, static_cast<int>(height));
    return 0;
}

LRESULT CListBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == LB_GETCURSEL)
        return GetCurSel();
    return CWnd::WindowProc(message, wParam, lParam);
}
