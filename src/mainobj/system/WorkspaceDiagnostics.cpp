#include "mainobj/system/systemPrimitives.h"

#include <cxxabi.h>

#include <atomic>
#include <cstdlib>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <typeinfo>

#include "interpreter/tProcessContext.h"
#include "language/Language.h"
#include "mainobj/primitiveTable.h"
#include "mainobj/system/workspaceChanged.h"
#include "mainobj/tMainLogoObject.h"
#include "mainobj/tPrimitiveCall.h"
#include "objects/currentObject.h"
#include "objects/tmultiobject.h"
#include "processes/tLogoprocess.h"
#include "values/ListCellPool.h"
#include "values/tLogoBool.h"
#include "values/tLogoInt.h"
#include "values/tLogoVarDesc.h"
#include "values/tProcDesc.h"
#include "values/tTabDesc.h"
#include "values/valuePools.h"

// The workspace's diagnostics (".mem", ".procedures", ".variables"), its changed flag and
// "dormantall".

namespace {

std::atomic<bool> changed{false};

// Each process's copy of the flag, taken the first time it asks, dropped when it ends.
std::mutex copiesGuard;
std::map<const tLogoprocess*, bool>& copies()
{
    static auto* taken = new std::map<const tLogoprocess*, bool>;
    return *taken;
}

void forgetCopy(tLogoprocess& process)
{
    std::lock_guard<std::mutex> hold(copiesGuard);
    copies().erase(&process);
}

std::string padded(std::string text)
{
    if (text.size() < 20) text.resize(20, ' ');
    return text;
}

// The descriptor's class as the program names it.
std::string className(const tTabDesc& entry)
{
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> name(abi::__cxa_demangle(typeid(entry).name(), nullptr, nullptr, &status),
                                                std::free);
    return status == 0 && name ? name.get() : typeid(entry).name();
}

// name, class, then what a call collects: rest inputs, inputs, and whether each input is a
// whole expression ("etIfFun", as for "if") or stops before a comparison ("etFun").
std::string descriptorLine(tTabDesc& entry)
{
    int variable = 0;
    int inputs = 0;
    const char* kind = "etFun";
    if (auto* procedure = dynamic_cast<tProcDesc*>(&entry)) {
        variable = procedure->variable;
        inputs = procedure->inputs;
        if (procedure->binding) kind = "etIfFun";
    }
    return padded(codeName(entry.code)) + padded(className(entry)) + " varpar=" + std::to_string(variable) +
           " defpar=" + std::to_string(inputs) + " funtype=" + kind +
           " donotsavenow=" + ((entry.flags & kNotSavedUntilSet) ? "1" : "0") +
           " donotsaveperm=" + ((entry.flags & kNotSaved) ? "1" : "0") + "\r\n";
}

void printDescriptors(tLogoTab* table)
{
    std::string text;
    for (tTabDesc* entry = table ? table->first : nullptr; entry; entry = entry->next) text += descriptorLine(*entry);
    mainLogoObject().Write(text);
}

tlogoobject* mem(tPrimitiveCall&)
{
    const tPoolLevels pools = valuePoolLevels();
    const tListCellCounters cells = listCellCounters();
    tProcessContext* context = currentContext();
    // Every cell ever made is free in the pool, in some thread's cache, or in use; the other
    // threads' caches count as in use here.
    const int64_t used = kListCellPoolSize + cells.heapAllocations - cells.heapFrees - cells.freeBlocks;
    mainLogoObject().Write("used listboxes=" + std::to_string(used) + " free listboxes=" +
                           std::to_string(cells.freeBlocks) + "\r\nfree integers=" +
                           std::to_string(pools.integers) + " free reals=" + std::to_string(pools.reals) +
                           " free words=" + std::to_string(pools.words) + " free booleans=" +
                           std::to_string(pools.booleans) + "\r\nstack height=" +
                           std::to_string(context ? context->stack.height() : 0) + "\r\n");
    return nullptr;
}

tlogoobject* procedures(tPrimitiveCall&)
{
    printDescriptors(currentObject().procTable.get());
    return nullptr;
}

tlogoobject* variables(tPrimitiveCall&)
{
    tmultiobject& here = currentObject();
    printDescriptors(&here == &mainLogoObject() ? mainLogoObject().globalVarTable.get() : here.varTable.get());
    return nullptr;
}

tlogoobject* changedp(tPrimitiveCall&) { return NewBoolean(workspaceChanged()); }

tlogoobject* setchanged(tPrimitiveCall& call)
{
    setWorkspaceChanged(call.boolean(0));
    return nullptr;
}

// Pictures here are plain memory that the system's display does not hold: none has device
// resources to give back.
tlogoobject* dormantall(tPrimitiveCall&) { return NewInteger(0); }

constexpr tPrimitiveRow kDiagnosticRows[] = {
    {"dormantall", 0, kFixedInputs, &dormantall},
    {".procedures", 0, kFixedInputs, &procedures},
    {".variables", 0, kFixedInputs, &variables},
    {".mem", 0, kFixedInputs, &mem},
    {".changed?", 0, kFixedInputs, &changedp},
    {".setchanged", 1, kFixedInputs, &setchanged},
};

}  // namespace

bool workspaceChanged()
{
    tLogoprocess* process = tLogoprocess::Current();
    if (!process) return changed;
    std::lock_guard<std::mutex> hold(copiesGuard);
    return copies().try_emplace(process, changed.load()).first->second;
}

void setWorkspaceChanged(bool value)
{
    changed = value;
    if (tLogoprocess* process = tLogoprocess::Current()) {
        std::lock_guard<std::mutex> hold(copiesGuard);
        copies()[process] = value;
    }
}

void registerWorkspaceDiagnostics(tLogoTab& table)
{
    static std::once_flag hooked;
    std::call_once(hooked, [] { addProcessEndHook(&forgetCopy); });
    registerPrimitives(table, kDiagnosticRows);
}
