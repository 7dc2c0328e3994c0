// The members of the polygon section that run the axis dialogs: window code,
// kept in libtarnex so that drawing a section needs no widgets.
#include "geometry/CMyPolySect.h"

// The dialog edits the axis in single precision; the section takes the
// range and scale back so that the model follows the edited axis. The other
// axis keeps its scale, so the section may leave true scale on purpose.
void CMyPolySect::SetXaxs()
{
    m_XAxis.SetAxisParm();
    m_dXMin = m_XAxis.m_fMin;
    m_dXMax = m_XAxis.m_fMax;
    m_dXScale = m_XAxis.m_fScale;
}

void CMyPolySect::SetYaxs()
{
    m_YAxis.SetAxisParm();
    m_dYMin = m_YAxis.m_fMin;
    m_dYMax = m_YAxis.m_fMax;
    m_dYScale = m_YAxis.m_fScale;
}
