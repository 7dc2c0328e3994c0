#include "morvel/POLY3D_CPLX.h"

void POLY3D_CPLX::operator=(POLY3D_CPLX& src)
{
    if (this == &src)
        return;
    m_Rings.Copy(src.m_Rings);
    m_Neighbours.Copy(src.m_Neighbours);
    m_Verts.Copy(src.m_Verts);
    m_Marks.Copy(src.m_Marks);
    nId = src.nId;
    nFlag = src.nFlag;
    dRho = src.dRho;
    dCharge = src.dCharge;
    dExpC = src.dExpC;
}
