#pragma once
// The resource chain: the program's own resources first, then the extension modules in the order
// they joined. A lookup by id takes the first module down the chain that has the resource, so an
// id present in the program and in a library resolves to the program's.
#include "platform/afx/res/ResourceModule.h"

#include <optional>
#include <vector>

class CDynLinkLibrary;

namespace hb::afx {

// Registers the program's own resources for the object's lifetime. The program holds one at
// namespace scope, beside its tables.
class ProgramResources {
public:
    explicit ProgramResources(const ResourceModule& module);
    ~ProgramResources();
    ProgramResources(const ProgramResources&) = delete;
    ProgramResources& operator=(const ProgramResources&) = delete;
};

// For tests: `module` stands in for the program's resources until the next platform reset.
void OverrideProgramResources(const ResourceModule& module);

struct ChainLink {
    // The program's own handle (GetModuleHandle(nullptr)) or the extension library's.
    HMODULE handle;
    const ResourceModule* module = nullptr;
};

std::vector<ChainLink> ResourceChain();
std::optional<ChainLink> FindResourceLink(UINT id, ResourceType type);
// The resources of a module handle in the chain, or null.
const ResourceModule* ResourceModuleOf(HMODULE handle);

// First match down the chain.
const DialogTemplate* FindDialogResource(UINT id);
const StringResource* FindStringResource(UINT id);
const ToolBarResource* FindToolBarResource(UINT id);

namespace detail {

// Extension libraries join at the end and leave from anywhere.
void JoinChain(CDynLinkLibrary* library);
void LeaveChain(CDynLinkLibrary* library);
// The chain's extension libraries of one module.
std::vector<CDynLinkLibrary*> LibrariesOf(HMODULE handle);
// Every extension library still in the chain is deleted, and the program's resources are the
// registered ones again.
void ResetResourceChain();

} // namespace detail
} // namespace hb::afx
