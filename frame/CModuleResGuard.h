// Makes this library's module the framework's source of resources for as
// long as the guard lives, so that its dialog templates are found even when
// the host has templates of the same ids; puts the previous module back.
#pragma once

#include "platform/wnd/AfxModule.h"

class CModuleResGuard {
public:
    // The module's file name as the process knows it.
    static constexpr const char* kModuleName = "libtarnex.so";

    CModuleResGuard();
    ~CModuleResGuard();
    CModuleResGuard(const CModuleResGuard&) = delete;
    CModuleResGuard& operator=(const CModuleResGuard&) = delete;

private:
    HINSTANCE m_hPrevious;
};
