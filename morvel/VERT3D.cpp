#include "morvel/VERT3D.h"

void VERT3D::operator=(VERT3D& src)
{
    if (this == &src)
        return;
    x = src.x;
    y = src.y;
    z = src.z;
    nId = src.nId;
    nFlag = src.nFlag;
    m_Lines.Copy(src.m_Lines);
    m_Polys.Copy(src.m_Polys);
    m_Cplx.Copy(src.m_Cplx);
    m_Marks.Copy(src.m_Marks);
}
