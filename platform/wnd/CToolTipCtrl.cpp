#include "platform/wnd/CToolTipCtrl.h"

#include "platform/wnd/CWnd.h"

#include <QApplication>
#include <QCursor>
#include <QToolTip>
#include <QWidget>

namespace {

// Run when a control is destroyed with its tip up. The parent may be gone
// already; only Qt's own tip is touched here.
void HideQtTip()
{
    if (QApplication::instance())
        QToolTip::hideText();
}

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

void CToolTipCtrl::RelayEvent(tagMSG*) {}

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
    QWidget* w = m_parent ? m_parent->m_hWnd : nullptr;
    if (!w || !QApplication::instance())
        return;
    // Windows shows no empty line for the text's closing line feed.
    QString s = QString::fromUtf8(text.GetString(), text.GetLength());
    while (s.endsWith(QLatin1Char('\n')))
        s.chop(1);
    QToolTip::showText(QCursor::pos(), s, w);
    m_onScreen = true;
    m_hideOnScreen = &HideQtTip;
}

void CToolTipCtrl::hideOnScreen()
{
    if (m_onScreen && QApplication::instance())
        QToolTip::hideText();
    m_onScreen = false;
    m_hideOnScreen = nullptr;
}
