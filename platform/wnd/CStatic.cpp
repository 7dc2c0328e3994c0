#include "platform/wnd/CStatic.h"

#include <QLabel>

IMPLEMENT_DYNAMIC(CStatic, CWnd)

namespace {

// GetDlgItem's stand-in for a CStatic widget no object owns.
const bool registered = CWnd::RegisterTemporaryFactory([](QWidget* w) -> std::unique_ptr<CWnd> {
    if (qobject_cast<QLabel*>(w))
        return std::make_unique<CStatic>();
    return nullptr;
});

}  // namespace

QWidget* CStatic::CreateWidget(DWORD style, const char* text, QWidget* parent)
{
    auto* l = new QLabel(QString::fromUtf8(text ? text : ""), parent);
    l->setWordWrap(true);
    Qt::Alignment h = Qt::AlignLeft;
    if ((style & 0x3) == SS_CENTER)
        h = Qt::AlignHCenter;
    else if ((style & 0x3) == SS_RIGHT)
        h = Qt::AlignRight;
    l->setAlignment(h | Qt::AlignTop);
    l->setContentsMargins(0, 0, 0, 0);
    l->setMargin(0);
    return l;
}
