// Joins the framework's chain of resource modules when libtarnex is loaded
// and leaves it when the library is unloaded.
#include "frame/CModuleResGuard.h"

#include <QFile>

#include <dlfcn.h>

namespace {

std::string readDialogScript()
{
    QFile f(QStringLiteral(":/tarnex/dialogs.rc"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll().toStdString();
}

std::string loadedPath()
{
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&readDialogScript), &info) && info.dli_fname)
        return info.dli_fname;
    return CModuleResGuard::kModuleName;
}

struct ModuleRegistration {
    HINSTANCE module;
    ModuleRegistration()
        : module(AfxRegisterExtensionModule(CModuleResGuard::kModuleName, loadedPath().c_str(), &readDialogScript))
    {
    }
    ~ModuleRegistration() { AfxTermExtensionModule(module); }
};

const ModuleRegistration registration;

}  // namespace
