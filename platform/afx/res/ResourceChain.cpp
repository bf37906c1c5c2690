#include "platform/afx/res/ResourceChain.h"

#include "platform/afx/res/CDynLinkLibrary.h"
#include "platform/afx/res/ResourceLoading.h"
#include "platform/win/sys/Modules.h"

#include <algorithm>

namespace hb::afx {

namespace {

struct ChainState {
    const ResourceModule* registered = nullptr;
    const ResourceModule* override = nullptr;
    std::vector<CDynLinkLibrary*> libraries;
};

ChainState& State() {
    static ChainState state;
    return state;
}

const ResourceModule* ProgramModule() {
    return State().override ? State().override : State().registered;
}

template <class Find>
auto FirstMatch(UINT id, ResourceType type, Find find) {
    const auto link = FindResourceLink(id, type);
    return link ? find(*link->module) : nullptr;
}

} // namespace

ProgramResources::ProgramResources(const ResourceModule& module) {
    State().registered = &module;
}

ProgramResources::~ProgramResources() {
    State().registered = nullptr;
}

void OverrideProgramResources(const ResourceModule& module) {
    State().override = &module;
}

std::vector<ChainLink> ResourceChain() {
    std::vector<ChainLink> chain;
    if (const ResourceModule* program = ProgramModule()) {
        chain.push_back({GetModuleHandle(nullptr), program});
    }
    for (const CDynLinkLibrary* library : State().libraries) {
        chain.push_back({library->m_hModule, library->m_pResources});
    }
    return chain;
}

std::optional<ChainLink> FindResourceLink(UINT id, ResourceType type) {
    for (const ChainLink& link : ResourceChain()) {
        if (link.module->Has(id, type)) {
            return link;
        }
    }
    return std::nullopt;
}

const ResourceModule* ResourceModuleOf(HMODULE handle) {
    for (const ChainLink& link : ResourceChain()) {
        if (link.handle == handle) {
            return link.module;
        }
    }
    return nullptr;
}

const DialogTemplate* FindDialogResource(UINT id) {
    return FirstMatch(id, ResourceType::Dialog,
                      [id](const ResourceModule& m) { return m.FindDialog(id); });
}

const StringResource* FindStringResource(UINT id) {
    return FirstMatch(id, ResourceType::String,
                      [id](const ResourceModule& m) { return m.FindString(id); });
}

const ToolBarResource* FindToolBarResource(UINT id) {
    return FirstMatch(id, ResourceType::ToolBar,
                      [id](const ResourceModule& m) { return m.FindToolBar(id); });
}

namespace detail {

void JoinChain(CDynLinkLibrary* library) {
    if (library->m_pResources) {
        State().libraries.push_back(library);
    }
}

void LeaveChain(CDynLinkLibrary* library) {
    auto& libraries = State().libraries;
    if (std::erase(libraries, library) != 0 &&
        std::ranges::none_of(libraries, [&](const CDynLinkLibrary* other) {
            return other->m_hModule == library->m_hModule;
        })) {
        ForgetSharedResources(library->m_hModule);
    }
}

std::vector<CDynLinkLibrary*> LibrariesOf(HMODULE handle) {
    std::vector<CDynLinkLibrary*> found;
    std::ranges::copy_if(
        State().libraries, std::back_inserter(found),
        [&](const CDynLinkLibrary* library) { return library->m_hModule == handle; });
    return found;
}

void ResetResourceChain() {
    while (!State().libraries.empty()) {
        delete State().libraries.back();
    }
    State().override = nullptr;
    ForgetSharedResources({});
}

} // namespace detail
} // namespace hb::afx
