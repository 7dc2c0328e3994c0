#include "morvel/POLY3D_CPLX3D.h"

void POLY3D_CPLX3D::operator=(POLY3D_CPLX3D& src)
{
    if (this == &src)
        return;
    m_Faces.Copy(src.m_Faces);
    m_Sense.Copy(src.m_Sense);
    m_Neighbours.Copy(src.m_Neighbours);
    m_Marks.Copy(src.m_Marks);
    nId = src.nId;
    nFlag = src.nFlag;
    dVolume = src.dVolume;
    dRho = src.dRho;
    dCharge = src.dCharge;
    dExpC = src.dExpC;
    dTau = src.dTau;
    dSusc = src.dSusc;
    dDensity = src.dDensity;
}
