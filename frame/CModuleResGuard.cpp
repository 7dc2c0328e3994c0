#include "frame/CModuleResGuard.h"

CModuleResGuard::CModuleResGuard() : m_hPrevious(AfxGetResourceHandle())
{
    if (HMODULE own = GetModuleHandle(kModuleName))
        AfxSetResourceHandle(own);
}

CModuleResGuard::~CModuleResGuard() { AfxSetResourceHandle(m_hPrevious); }
