#include "morvel/PLYDT.h"

void PLYDT::operator=(PLYDT& src)
{
    if (this == &src)
        return;
    m_Pnts.Copy(src.m_Pnts);
    m_Arcs.Copy(src.m_Arcs);
    m_Plys.Copy(src.m_Plys);
    m_Rgns.Copy(src.m_Rgns);
    m_Lbls.Copy(src.m_Lbls);
    m_Mrks.Copy(src.m_Mrks);
}

void PLYDT::RemoveAll()
{
    m_Pnts.RemoveAll();
    m_Arcs.RemoveAll();
    m_Plys.RemoveAll();
    m_Rgns.RemoveAll();
    m_Lbls.RemoveAll();
    m_Mrks.RemoveAll();
}
