// The process's modules as the framework sees them: the application and the
// extension libraries that joined the chain of resource modules, each with
// its dialog templates. Dialogs look templates up through this chain.
#pragma once

#include "platform/core/CString.h"
#include "platform/wnd/DialogTemplate.h"

#include <functional>
#include <map>
#include <string>
#include <memory>

class AfxModule {
public:
    using ScriptLoader = std::function<std::string()>;

    AfxModule(const char* name, const char* path, const char* dialogScript);
    // The script is read on the first lookup, when the module's own
    // resources are surely in place.
    AfxModule(const char* name, const char* path, ScriptLoader loader);

    const CString& Name() const noexcept { return m_name; }
    const CString& Path() const noexcept { return m_path; }
    // Adds (or replaces) templates from resource-script text; throws
    // DialogTemplateError on malformed text and then adds nothing.
    void AddDialogResources(const char* dialogScript);
    const DialogTemplate* FindDialog(UINT id) const;
    void RemoveDialog(UINT id);

private:
    void loadPending() const;
    mutable ScriptLoader m_loader;
    CString m_name;
    CString m_path;
    mutable std::map<UINT, DialogTemplate> m_dialogs;
};

using HINSTANCE = AfxModule*;
using HMODULE = AfxModule*;

// The application's own module: the first in the chain and the resource
// module until someone sets another.
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE module);

// An extension library joins the chain when it is loaded and leaves it when
// unloaded. Leaving while current makes the application current again.
HINSTANCE AfxRegisterExtensionModule(const char* name, const char* path, const char* dialogScript);
HINSTANCE AfxRegisterExtensionModule(const char* name, const char* path, AfxModule::ScriptLoader loader);
void AfxTermExtensionModule(HINSTANCE module);

// A loaded module by its file name (directories ignored); null gives the
// application, an unknown name null.
HMODULE GetModuleHandle(const char* name);

// The current resource module first, then the rest of the chain in the
// order the modules joined, as the framework searches.
const DialogTemplate* AfxFindDialogTemplate(UINT id);
