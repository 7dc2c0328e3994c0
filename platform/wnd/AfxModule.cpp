#include "platform/wnd/AfxModule.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QtGlobal>

#include <algorithm>
#include <cstring>
#include <vector>

AfxModule::AfxModule(const char* name, const char* path, const char* dialogScript)
    : m_name(name ? name : ""), m_path(path ? path : "")
{
    AddDialogResources(dialogScript);
}

AfxModule::AfxModule(const char* name, const char* path, ScriptLoader loader)
    : m_loader(std::move(loader)), m_name(name ? name : ""), m_path(path ? path : "")
{
}

// A module whose script is broken keeps no templates; its dialogs then fail
// to open (DoModal returns -1) instead of taking the process down.
void AfxModule::loadPending() const
{
    if (!m_loader)
        return;
    ScriptLoader loader = std::move(m_loader);
    m_loader = nullptr;
    try {
        for (auto& [id, t] : DialogTemplateParser::Parse(loader().c_str()))
            m_dialogs[id] = t;
    } catch (const DialogTemplateError& e) {
        qWarning("%s: %s", m_name.GetString(), e.what());
    }
}

void AfxModule::AddDialogResources(const char* dialogScript)
{
    for (auto& [id, t] : DialogTemplateParser::Parse(dialogScript))
        m_dialogs[id] = t;
}

const DialogTemplate* AfxModule::FindDialog(UINT id) const
{
    loadPending();
    const auto it = m_dialogs.find(id);
    return it == m_dialogs.end() ? nullptr : &it->second;
}

void AfxModule::RemoveDialog(UINT id)
{
    loadPending();
    m_dialogs.erase(id);
}

namespace {

struct Chain {
    std::vector<std::unique_ptr<AfxModule>> modules;  // [0] is the application
    HINSTANCE current = nullptr;
};

QString exeName()
{
    const QFileInfo exe(QStringLiteral("/proc/self/exe"));
    return exe.exists() ? QFileInfo(exe.symLinkTarget()).fileName() : QStringLiteral("application");
}

// Created on first use and kept for the life of the process, so that
// libraries unloading at exit can still leave it.
Chain& chain()
{
    static Chain* c = [] {
        auto* ch = new Chain;
        const QByteArray name = exeName().toUtf8();
        ch->modules.push_back(std::make_unique<AfxModule>(name.constData(), "/proc/self/exe", nullptr));
        ch->current = ch->modules.front().get();
        return ch;
    }();
    return *c;
}

}  // namespace

HINSTANCE AfxGetInstanceHandle() { return chain().modules.front().get(); }
HINSTANCE AfxGetResourceHandle() { return chain().current; }

void AfxSetResourceHandle(HINSTANCE module)
{
    if (module)
        chain().current = module;
}

HINSTANCE AfxRegisterExtensionModule(const char* name, const char* path, const char* dialogScript)
{
    chain().modules.push_back(std::make_unique<AfxModule>(name, path, dialogScript));
    return chain().modules.back().get();
}

HINSTANCE AfxRegisterExtensionModule(const char* name, const char* path, AfxModule::ScriptLoader loader)
{
    chain().modules.push_back(std::make_unique<AfxModule>(name, path, std::move(loader)));
    return chain().modules.back().get();
}

void AfxTermExtensionModule(HINSTANCE module)
{
    Chain& c = chain();
    if (!module || module == AfxGetInstanceHandle())
        return;
    if (c.current == module)
        c.current = AfxGetInstanceHandle();
    c.modules.erase(std::remove_if(c.modules.begin(), c.modules.end(),
                                   [module](const std::unique_ptr<AfxModule>& m) { return m.get() == module; }),
                    c.modules.end());
}

HMODULE GetModuleHandle(const char* name)
{
    if (!name)
        return AfxGetInstanceHandle();
    const char* slash = std::strrchr(name, '/');
    const char* base = slash ? slash + 1 : name;
    for (const auto& m : chain().modules)
        if (m->Name() == base)
            return m.get();
    return nullptr;
}

const DialogTemplate* AfxFindDialogTemplate(UINT id)
{
    Chain& c = chain();
    if (c.current)
        if (const DialogTemplate* t = c.current->FindDialog(id))
            return t;
    for (const auto& m : c.modules)
        if (const DialogTemplate* t = m->FindDialog(id))
            return t;
    return nullptr;
}
