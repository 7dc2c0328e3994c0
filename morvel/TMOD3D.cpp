#include "morvel/TMOD3D.h"

void TMOD3D::operator=(TMOD3D& src)
{
    if (this == &src)
        return;
    m_Verts.Copy(src.m_Verts);
    m_Lines.Copy(src.m_Lines);
    m_Polys.Copy(src.m_Polys);
    m_Bodies.Copy(src.m_Bodies);
    nId = src.nId;
    dBackRho = src.dBackRho;
    dOrgX = src.dOrgX;
    dOrgY = src.dOrgY;
    dUnit = src.dUnit;
    m_Survey.nLines = src.m_Survey.nLines;
    m_Survey.m_From.Copy(src.m_Survey.m_From);
    m_Survey.m_To.Copy(src.m_Survey.m_To);
    m_Survey.m_Kind.Copy(src.m_Survey.m_Kind);
    m_Survey.m_Section.Copy(src.m_Survey.m_Section);
    m_Survey.m_Stations.Copy(src.m_Survey.m_Stations);
    m_SectA = src.m_SectA;
    m_SectB = src.m_SectB;
}
