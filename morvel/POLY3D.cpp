#include "morvel/POLY3D.h"

void POLY3D::operator=(POLY3D& src)
{
    if (this == &src)
        return;
    m_Lines.Copy(src.m_Lines);
    m_Sense.Copy(src.m_Sense);
    m_Cplx.Copy(src.m_Cplx);
    m_Marks.Copy(src.m_Marks);
    nId = src.nId;
    nFlag = src.nFlag;
    dArea = src.dArea;
}
