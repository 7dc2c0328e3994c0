// The members of CRectProf that run dialogs: window code, kept in libtarnex
// so that programs that only draw profiles need no widgets.
#include "profile/CRectProf.h"

#include "frame/CModuleResGuard.h"
#include "profile/CProfLineDlg.h"

#include <algorithm>

void CRectProf::SetXaxs()
{
    m_XAxis.SetAxisParm();
    FollowXAxis();
}

void CRectProf::SetYaxs()
{
    m_YAxis.SetAxisParm();
    FollowYAxis();
}

void CRectProf::SetProfLineArb()
{
    CModuleResGuard guard;
    CProfLineDlg dlg(nullptr);
    for (const CMyProf& p : m_Profs)
        dlg.AddEntry(p.m_crColor, p.m_fWidth, p.m_nStyle);
    if (m_Profs.IsEmpty())
        return;
    if (dlg.DoModal() != IDOK)
        return;
    const int n = std::min(m_Profs.GetSize(), dlg.m_Attrs.GetSize());
    for (int i = 0; i < n; ++i) {
        m_Profs[i].m_crColor = dlg.m_Attrs[i].color;
        m_Profs[i].m_fWidth = dlg.m_Attrs[i].width;
        m_Profs[i].m_nStyle = dlg.m_Attrs[i].style;
    }
}
