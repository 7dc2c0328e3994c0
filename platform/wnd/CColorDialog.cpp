#include "platform/wnd/CColorDialog.h"

#include "platform/wnd/CWnd.h"

#include <QColorDialog>
#include <QGuiApplication>

namespace {

ColorDialogHook& hookSlot()
{
    static ColorDialogHook hook;
    return hook;
}

}  // namespace

ColorDialogHook AfxSetColorDialogHook(ColorDialogHook hook)
{
    ColorDialogHook old = std::move(hookSlot());
    hookSlot() = std::move(hook);
    return old;
}

CColorDialog::CColorDialog(COLORREF clrInit, DWORD dwFlags, CWnd* pParentWnd) : m_color(clrInit), m_parent(pParentWnd)
{
    m_cc.rgbResult = clrInit;
    m_cc.Flags = dwFlags | (clrInit != 0 ? CC_RGBINIT : 0);
}

CColorDialog::~CColorDialog() = default;

INT_PTR CColorDialog::DoModal()
{
    ColorDialogRequest req;
    req.initial = m_cc.rgbResult & 0x00ffffff;
    req.flags = m_cc.Flags;
    if (const ColorDialogHook& hook = hookSlot()) {
        COLORREF chosen = req.initial;
        if (!hook(req, chosen))
            return IDCANCEL;
        m_color = m_cc.rgbResult = chosen & 0x00ffffff;
        return IDOK;
    }
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        return IDCANCEL;
    QColorDialog dlg(QColor(GetRValue(req.initial), GetGValue(req.initial), GetBValue(req.initial)),
                     m_parent ? m_parent->GetSafeHwnd() : nullptr);
    if (dlg.exec() != QDialog::Accepted)
        return IDCANCEL;
    const QColor c = dlg.selectedColor();
    m_color = m_cc.rgbResult = RGB(c.red(), c.green(), c.blue());
    return IDOK;
}
