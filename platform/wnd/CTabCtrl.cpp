#include "platform/wnd/CTabCtrl.h"

#include "platform/wnd/CPaintDC.h"

#include <QPainter>
#include <QSignalBlocker>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>
#include <QWidget>

#include <cstring>

IMPLEMENT_DYNAMIC(CTabCtrl, CWnd)

namespace {
// The display area's inset from the frame on its three plain sides.
constexpr int kBorder = 2;
}  // namespace

// The control's window: the tab strip and the frame around the display
// area, erased through the control's WM_ERASEBKGND handler.
class CTabCtrl::Widget : public QWidget {
public:
    Widget(CTabCtrl* ctrl, QWidget* parent, bool bottom) : QWidget(parent), m_ctrl(ctrl), m_bar(new QTabBar(this))
    {
        m_bar->setShape(bottom ? QTabBar::RoundedSouth : QTabBar::RoundedNorth);
        m_bar->setDrawBase(false);
        m_bar->setExpanding(false);
        QObject::connect(m_bar, &QTabBar::currentChanged, this, [this](int) { notifyChange(); });
    }
    ~Widget() override { m_ctrl = nullptr; }
    QTabBar* bar() const { return m_bar; }
    void release() { m_ctrl = nullptr; }
    bool bottom() const { return m_bar->shape() == QTabBar::RoundedSouth; }

protected:
    void resizeEvent(QResizeEvent* e) override
    {
        if (m_ctrl)
            m_ctrl->layoutBar();
        QWidget::resizeEvent(e);
    }
    void paintEvent(QPaintEvent*) override
    {
        if (!m_ctrl)
            return;
        {
            CPaintDC dc(m_ctrl);
            m_ctrl->WindowProc(WM_ERASEBKGND, reinterpret_cast<WPARAM>(&dc), 0);
        }
        QPainter p(this);
        QStyleOptionTabWidgetFrame opt;
        opt.initFrom(this);
        CRect area(0, 0, width(), height());
        m_ctrl->AdjustRect(FALSE, &area);
        opt.rect = QRect(area.left - kBorder, area.top - kBorder, area.Width() + 2 * kBorder, area.Height() + 2 * kBorder);
        opt.shape = m_bar->shape();
        style()->drawPrimitive(QStyle::PE_FrameTabWidget, &opt, &p, this);
    }

private:
    void notifyChange()
    {
        if (!m_ctrl)
            return;
        NMHDR hdr;
        hdr.hwndFrom = this;
        hdr.idFrom = static_cast<UINT_PTR>(m_ctrl->GetDlgCtrlID());
        hdr.code = TCN_SELCHANGE;
        CWnd::SendNotify(m_ctrl, &hdr);
    }

    CTabCtrl* m_ctrl;
    QTabBar* m_bar;
};

CTabCtrl::~CTabCtrl()
{
    if (auto* w = dynamic_cast<Widget*>(m_hWnd))
        w->release();
}

BOOL CTabCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    if (m_hWnd || !parent || !parent->m_hWnd)
        return FALSE;
    auto* w = new Widget(this, parent->m_hWnd, (style & TCS_BOTTOM) != 0);
    if (!attachNewControl(w, rect, style, id))
        return FALSE;
    ModifyStyle(0, style);
    routeEvents();
    layoutBar();
    return TRUE;
}

QTabBar* CTabCtrl::bar() const
{
    auto* w = dynamic_cast<Widget*>(m_hWnd);
    return w ? w->bar() : nullptr;
}

int CTabCtrl::stripHeight() const
{
    QTabBar* b = bar();
    if (!b)
        return 0;
    return std::max(b->sizeHint().height(), b->fontMetrics().height() + 10);
}

void CTabCtrl::layoutBar()
{
    QTabBar* b = bar();
    if (!b)
        return;
    const int h = stripHeight();
    const bool bottom = (GetStyle() & TCS_BOTTOM) != 0;
    b->setGeometry(0, bottom ? m_hWnd->height() - h : 0, m_hWnd->width(), h);
}

int CTabCtrl::InsertItem(int index, const TCITEM* item)
{
    QTabBar* b = bar();
    if (!b || !item || index < 0)
        return -1;
    index = std::min(index, GetItemCount());
    Item it;
    if ((item->mask & TCIF_TEXT) && item->pszText)
        it.text = item->pszText;
    if (item->mask & TCIF_IMAGE)
        it.image = item->iImage;
    if (item->mask & TCIF_PARAM)
        it.param = item->lParam;
    const QSignalBlocker quiet(b);
    m_items.insert(m_items.begin() + index, it);
    b->insertTab(index, QString::fromUtf8(it.text.GetString()));
    return index;
}

int CTabCtrl::InsertItem(int index, LPCTSTR label)
{
    TCITEM item;
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(label);
    return InsertItem(index, &item);
}

BOOL CTabCtrl::GetItem(int index, TCITEM* item) const
{
    if (!item || index < 0 || index >= GetItemCount())
        return FALSE;
    const Item& it = m_items[static_cast<size_t>(index)];
    if ((item->mask & TCIF_TEXT) && item->pszText && item->cchTextMax > 0) {
        const int n = std::min(it.text.GetLength(), item->cchTextMax - 1);
        std::memcpy(item->pszText, it.text.GetString(), static_cast<size_t>(n));
        item->pszText[n] = '\0';
    }
    if (item->mask & TCIF_IMAGE)
        item->iImage = it.image;
    if (item->mask & TCIF_PARAM)
        item->lParam = it.param;
    return TRUE;
}

BOOL CTabCtrl::SetItem(int index, const TCITEM* item)
{
    if (!item || index < 0 || index >= GetItemCount())
        return FALSE;
    Item& it = m_items[static_cast<size_t>(index)];
    if ((item->mask & TCIF_TEXT) && item->pszText) {
        it.text = item->pszText;
        bar()->setTabText(index, QString::fromUtf8(it.text.GetString()));
    }
    if (item->mask & TCIF_IMAGE)
        it.image = item->iImage;
    if (item->mask & TCIF_PARAM)
        it.param = item->lParam;
    return TRUE;
}

BOOL CTabCtrl::DeleteItem(int index)
{
    if (index < 0 || index >= GetItemCount())
        return FALSE;
    const QSignalBlocker quiet(bar());
    m_items.erase(m_items.begin() + index);
    bar()->removeTab(index);
    return TRUE;
}

BOOL CTabCtrl::DeleteAllItems()
{
    while (GetItemCount() > 0)
        DeleteItem(GetItemCount() - 1);
    return TRUE;
}

int CTabCtrl::GetItemCount() const { return static_cast<int>(m_items.size()); }

int CTabCtrl::GetCurSel() const
{
    QTabBar* b = bar();
    return b ? b->currentIndex() : -1;
}

int CTabCtrl::SetCurSel(int index)
{
    QTabBar* b = bar();
    if (!b || index < 0 || index >= GetItemCount())
        return -1;
    const int old = b->currentIndex();
    const QSignalBlocker quiet(b);
    b->setCurrentIndex(index);
    return old;
}

void CTabCtrl::AdjustRect(BOOL larger, LPRECT rect) const
{
    if (!rect)
        return;
    const int strip = stripHeight();
    const bool bottom = (GetStyle() & TCS_BOTTOM) != 0;
    const int d = larger ? -1 : 1;
    rect->left += d * kBorder;
    rect->right -= d * kBorder;
    rect->top += d * (kBorder + (bottom ? 0 : strip));
    rect->bottom -= d * (kBorder + (bottom ? strip : 0));
}

LRESULT CTabCtrl::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const int index = static_cast<int>(wParam);
    switch (message) {
    case TCM_GETITEMCOUNT: return GetItemCount();
    case TCM_GETITEM: return GetItem(index, reinterpret_cast<TCITEM*>(lParam));
    case TCM_SETITEM: return SetItem(index, reinterpret_cast<const TCITEM*>(lParam));
    case TCM_INSERTITEM: return InsertItem(index, reinterpret_cast<const TCITEM*>(lParam));
    case TCM_DELETEITEM: return DeleteItem(index);
    case TCM_DELETEALLITEMS: return DeleteAllItems();
    case TCM_GETCURSEL: return GetCurSel();
    case TCM_SETCURSEL: return SetCurSel(index);
    case TCM_ADJUSTRECT: AdjustRect(static_cast<BOOL>(wParam), reinterpret_cast<LPRECT>(lParam)); return 0;
    default: return CWnd::DefWindowProc(message, wParam, lParam);
    }
}
