#include "morvel/LINE3D.h"

void LINE3D::operator=(LINE3D& src)
{
    if (this == &src)
        return;
    nV0 = src.nV0;
    nV1 = src.nV1;
    nId = src.nId;
    nFlag = src.nFlag;
    m_Left.Copy(src.m_Left);
    m_Right.Copy(src.m_Right);
}
