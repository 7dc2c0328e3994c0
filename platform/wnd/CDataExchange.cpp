#include "platform/wnd/CDataExchange.h"

#include "platform/wnd/AfxMessageBox.h"
#include "platform/core/CLocaleScope.h"
#include "platform/wnd/CButton.h"
#include "platform/wnd/CComboBox.h"
#include "platform/wnd/CEdit.h"

#include <QLineEdit>
#include <QWidget>

#include <cerrno>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdlib>

CDataExchange::CDataExchange(CWnd* dlgWnd, BOOL saveAndValidate)
    : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dlgWnd)
{
}

QWidget* CDataExchange::PrepareCtrl(int id)
{
    CWnd* w = m_pDlgWnd ? m_pDlgWnd->GetDlgItem(id) : nullptr;
    m_idLastControl = id;
    m_bEditLastControl = FALSE;
    return w ? w->m_hWnd : nullptr;
}

QWidget* CDataExchange::PrepareEditCtrl(int id)
{
    QWidget* w = PrepareCtrl(id);
    m_bEditLastControl = TRUE;
    return w;
}

void CDataExchange::Fail()
{
    if (m_bSaveAndValidate && m_pDlgWnd) {
        if (CWnd* w = m_pDlgWnd->GetDlgItem(m_idLastControl)) {
            w->SetFocus();
            if (auto* e = qobject_cast<QLineEdit*>(w->m_hWnd); e && m_bEditLastControl)
                e->selectAll();
        }
    }
    throw CUserException();
}

namespace {

CWnd* item(CDataExchange* pDX, int id, bool edit)
{
    QWidget* w = edit ? pDX->PrepareEditCtrl(id) : pDX->PrepareCtrl(id);
    return w ? pDX->m_pDlgWnd->GetDlgItem(id) : nullptr;
}

CString trimmed(const CString& s)
{
    CString t = s;
    t.Trim();
    return t;
}

bool parseDouble(const CString& text, double& out)
{
    const CString t = trimmed(text);
    if (t.IsEmpty())
        return false;
    const CLocaleScope classic;  // typed values take a point in every locale
    errno = 0;
    char* end = nullptr;
    const double d = std::strtod(t.GetString(), &end);
    if (*end != '\0' || errno == ERANGE || !std::isfinite(d))
        return false;
    out = d;
    return true;
}

void failWith(CDataExchange* pDX, const char* message)
{
    AfxMessageBox(message, MB_ICONEXCLAMATION);
    pDX->Fail();
}

template <class T>
void exchangeNumber(CDataExchange* pDX, int id, T& value, const char* loadFormat, int digits, bool (*take)(double, T&))
{
    CWnd* w = item(pDX, id, true);
    if (!w)
        return;
    if (!pDX->m_bSaveAndValidate) {
        CString s;
        s.Format(loadFormat, digits, static_cast<double>(value));
        w->SetWindowText(s);
        return;
    }
    CString text;
    w->GetWindowText(text);
    double d = 0;
    if (!parseDouble(text, d) || !take(d, value))
        failWith(pDX, ddxmsg::kParseReal);
}

}  // namespace

void DDX_Text(CDataExchange* pDX, int id, int& value)
{
    CWnd* w = item(pDX, id, true);
    if (!w)
        return;
    if (!pDX->m_bSaveAndValidate) {
        CString s;
        s.Format("%d", value);
        w->SetWindowText(s);
        return;
    }
    CString text;
    w->GetWindowText(text);
    const CString t = trimmed(text);
    errno = 0;
    char* end = nullptr;
    const long long v = std::strtoll(t.GetString(), &end, 10);
    if (t.IsEmpty() || *end != '\0' || errno == ERANGE || v < INT_MIN || v > INT_MAX)
        failWith(pDX, ddxmsg::kParseInt);
    value = static_cast<int>(v);
}

void DDX_Text(CDataExchange* pDX, int id, float& value)
{
    exchangeNumber<float>(pDX, id, value, "%.*g", FLT_DIG, [](double d, float& v) {
        if (std::fabs(d) > FLT_MAX)
            return false;
        v = static_cast<float>(d);
        return true;
    });
}

void DDX_Text(CDataExchange* pDX, int id, double& value)
{
    exchangeNumber<double>(pDX, id, value, "%.*g", DBL_DIG, [](double d, double& v) {
        v = d;
        return true;
    });
}

void DDX_Text(CDataExchange* pDX, int id, CString& value)
{
    CWnd* w = item(pDX, id, true);
    if (!w)
        return;
    if (pDX->m_bSaveAndValidate)
        w->GetWindowText(value);
    else
        w->SetWindowText(value);
}

void DDX_Check(CDataExchange* pDX, int id, int& value)
{
    CWnd* w = item(pDX, id, false);
    auto* b = w ? dynamic_cast<CButton*>(w) : nullptr;
    if (!b)
        return;
    if (pDX->m_bSaveAndValidate)
        value = b->GetCheck();
    else
        b->SetCheck(value);
}

void DDX_CBIndex(CDataExchange* pDX, int id, int& index)
{
    CWnd* w = item(pDX, id, false);
    auto* c = w ? dynamic_cast<CComboBox*>(w) : nullptr;
    if (!c)
        return;
    if (pDX->m_bSaveAndValidate)
        index = c->GetCurSel();
    else
        c->SetCurSel(index);
}

void DDX_Control(CDataExchange* pDX, int id, CWnd& control)
{
    if (!control.m_hWnd)
        control.SubclassDlgItem(static_cast<UINT>(id), pDX->m_pDlgWnd);
}

namespace {

void failRange(CDataExchange* pDX, const char* format, const CString& lo, const CString& hi)
{
    CString msg;
    msg.Format(format, lo.GetString(), hi.GetString());
    failWith(pDX, msg);
}

CString number(const char* fmt, int digits, double v)
{
    CString s;
    s.Format(fmt, digits, v);
    return s;
}

}  // namespace

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal)
{
    if (!pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal))
        return;
    CString lo, hi;
    lo.Format("%d", minVal);
    hi.Format("%d", maxVal);
    failRange(pDX, ddxmsg::kIntRange, lo, hi);
}

void DDV_MinMaxFloat(CDataExchange* pDX, float const& value, float minVal, float maxVal)
{
    if (!pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal))
        return;
    failRange(pDX, ddxmsg::kRealRange, number("%.*g", FLT_DIG, minVal), number("%.*g", FLT_DIG, maxVal));
}

void DDV_MinMaxDouble(CDataExchange* pDX, double const& value, double minVal, double maxVal)
{
    if (!pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal))
        return;
    failRange(pDX, ddxmsg::kRealRange, number("%.*g", DBL_DIG, minVal), number("%.*g", DBL_DIG, maxVal));
}

void DDV_MaxChars(CDataExchange* pDX, CString const& value, int maxChars)
{
    if (!pDX->m_bSaveAndValidate) {
        if (CWnd* w = pDX->m_pDlgWnd ? pDX->m_pDlgWnd->GetDlgItem(pDX->m_idLastControl) : nullptr)
            if (auto* e = dynamic_cast<CEdit*>(w))
                e->SetLimitText(static_cast<UINT>(maxChars));
        return;
    }
    if (QString::fromUtf8(value.GetString(), value.GetLength()).size() <= maxChars)
        return;
    CString msg;
    msg.Format(ddxmsg::kMaxChars, maxChars);
    failWith(pDX, msg);
}
