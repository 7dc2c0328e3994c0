#include "morvel/CCPloy2DRg.h"

CCPloy2DRg::~CCPloy2DRg()
{
    m_Regions.RemoveAll();
    m_Rings.RemoveAll();
    m_Edges.RemoveAll();
    m_Nodes.RemoveAll();
}

void CCPloy2DRg::operator=(CCPloy2DRg& src)
{
    if (this == &src)
        return;
    m_Nodes.Copy(src.m_Nodes);
    m_Edges.Copy(src.m_Edges);
    m_Rings.Copy(src.m_Rings);
    m_Regions.Copy(src.m_Regions);
}
