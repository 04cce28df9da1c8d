#include "objects/tmultiobject.h"

#include <algorithm>

#include "interpreter/tProcessContext.h"
#include "language/Language.h"
#include "objects/eventNames.h"
#include "objects/lifecycleNames.h"
#include "objects/objectEvents.h"
#include "objects/objectList.h"
#include "processes/tLogoprocess.h"
#include "values/eLogoException.h"
#include "values/tLogoRef.h"
#include "values/tLogoStack.h"
#include "values/tLogoTab.h"
#include "values/tProcDesc.h"
#include "values/tPseudoVarDesc.h"

namespace {

template <class T>
void removeValue(std::vector<T*>& list, const T* value)
{
    list.erase(std::remove(list.begin(), list.end(), value), list.end());
}

// Keeps the last occurrence of every member: a shared ancestor then comes after every object
// that inherits from it.
template <class T>
std::vector<T*> lastOccurrences(const std::vector<T*>& candidates)
{
    std::vector<T*> kept;
    for (auto it = candidates.rbegin(); it != candidates.rend(); ++it)
        if (std::find(kept.begin(), kept.end(), *it) == kept.end()) kept.push_back(*it);
    std::reverse(kept.begin(), kept.end());
    return kept;
}

template <class T>
void append(std::vector<T*>& to, const std::vector<T*>& from)
{
    to.insert(to.end(), from.begin(), from.end());
}

}  // namespace

tmultiobject::tmultiobject(tLogoStack* stack, std::string objectName, int parentCount)
    : name(std::move(objectName)), eventTable(std::make_unique<tLogoEventTab>(this))
{
    if (parentCount == kOnlyMain && mainObject()) {
        parents.push_back(mainObject());
    } else if (parentCount > 0) {
        for (int k = parentCount - 1; k >= 0; --k)
            parents.push_back(static_cast<tmultiobject*>(stack->peek(k)));
    }
    for (tmultiobject* parent : parents) AddRef(parent);
    if (parentCount > 0) stack->dropN(parentCount);
    classParentCount = static_cast<int>(parents.size());
    for (tmultiobject* parent : parents) parent->AddDependent(this);
    if (tmultiobject* first = FirstParent()) {
        instanceClass = first->instanceClass;
        paramsToMove = first->paramsToMove;
    }
    if (name.empty()) name = "Object" + std::to_string(nextAutomaticNumber());
}

tmultiobject::~tmultiobject() { DetachAll(); }

void tmultiobject::DetachAll()
{
    for (tmultiobject* dependent : dependents) {
        // A dependent that outlives this object must not reach it through a dangling pointer.
        auto at = std::find(dependent->parents.begin(), dependent->parents.end(), this);
        if (at != dependent->parents.end()) {
            if (at - dependent->parents.begin() < dependent->classParentCount) --dependent->classParentCount;
            dependent->parents.erase(at);
        }
        if (dependent->place == this) dependent->place = nullptr;
    }
    dependents.clear();
    for (tmultiobject* parent : parents) {
        parent->RemoveDependent(this);
        Release(parent);
    }
    parents.clear();
    if (place) {
        place->RemoveDependent(this);
        Release(std::exchange(place, nullptr));
    }
}

std::string tmultiobject::PrintText(int) { return name; }

void tmultiobject::SetUpTables()
{
    procTable = std::make_unique<tLogoTab>(this);
    varTable = std::make_unique<tLogoVarTab>(this);
    RebuildChains();
}

void tmultiobject::AddDependent(tmultiobject* dependent)
{
    if (std::find(dependents.begin(), dependents.end(), dependent) == dependents.end())
        dependents.push_back(dependent);
}

void tmultiobject::RemoveDependent(tmultiobject* dependent) { removeValue(dependents, dependent); }

bool tmultiobject::IsDependentOf(const tmultiobject* object) const
{
    return std::find(ancestors.begin(), ancestors.end(), object) != ancestors.end();
}

void tmultiobject::RebuildOwnChains()
{
    std::vector<tLogoTab*> variables, procedures, events, lifecycle;
    std::vector<tmultiobject*> reached;
    if (varTable) variables.push_back(varTable.get());
    events.push_back(eventTable.get());
    if (procTable) {
        procedures.push_back(procTable.get());
        lifecycle.push_back(procTable.get());
    }
    for (size_t i = classParentCount; i < parents.size(); ++i) {
        tmultiobject* behaviour = parents[i];
        append(variables, behaviour->varChain);
        append(procedures, behaviour->procChain);
        append(events, behaviour->eventChain);
        reached.push_back(behaviour);
        append(reached, behaviour->ancestors);
    }
    for (int i = 0; i < classParentCount; ++i) {
        tmultiobject* parent = parents[i];
        append(variables, parent->varChain);
        append(procedures, parent->procChain);
        append(events, parent->eventChain);
        append(lifecycle, parent->lifecycleChain);
        reached.push_back(parent);
        append(reached, parent->ancestors);
    }
    if (place) {
        append(variables, place->varChain);
        append(procedures, place->procChain);
        reached.push_back(place);
        append(reached, place->ancestors);
    }
    varChain = lastOccurrences(variables);
    procChain = lastOccurrences(procedures);
    eventChain = lastOccurrences(events);
    lifecycleChain = lastOccurrences(lifecycle);
    ancestors = lastOccurrences(reached);
    noteNameTablesChanged();  // resolutions remembered by the evaluator used the old chains
}

void tmultiobject::RebuildChains()
{
    // Reaching an object whose dependents are being rebuilt means the parent graph has a loop.
    if (rebuilding) throw eLogoException(erLinkLoop, this);
    RebuildOwnChains();
    rebuilding = true;
    try {
        std::vector<tmultiobject*> snapshot = dependents;
        for (tmultiobject* dependent : snapshot) dependent->RebuildChains();
    } catch (...) {
        rebuilding = false;
        throw;
    }
    rebuilding = false;
}

void tmultiobject::SetPlace(tmultiobject* newPlace)
{
    if (newPlace == place) return;
    if (place) place->RemoveDependent(this);
    if (newPlace) newPlace->AddDependent(this);
    tmultiobject* old = place;
    place = static_cast<tmultiobject*>(AddRef(newPlace));
    Release(old);
    RebuildChains();
}

void tmultiobject::AddBehaviour(tmultiobject* behaviour, bool runHandlers)
{
    if (std::find(parents.begin(), parents.end(), behaviour) != parents.end()) return;
    parents.push_back(static_cast<tmultiobject*>(AddRef(behaviour)));
    behaviour->AddDependent(this);
    try {
        RebuildChains();
    } catch (eLogoException&) {
        parents.pop_back();
        behaviour->RemoveDependent(this);
        Release(behaviour);
        RebuildChains();
        throw;
    }
    if (!runHandlers) return;
    CopyMissingVariablesFrom(*behaviour);
    runEventInPlace(*behaviour, eventCode(tEventKey::onAddBehaviour), *this);
}

void tmultiobject::CopyMissingVariablesFrom(tmultiobject& source)
{
    if (!source.varTable || !varTable) return;
    // The walk holds the table-list lock, which defining an entry takes again: collect first.
    std::vector<std::pair<uint32_t, tLogoRef<tlogoobject>>> missing;
    struct tWalk {
        tLogoVarTab* into;
        std::vector<std::pair<uint32_t, tLogoRef<tlogoobject>>>* missing;
    } walk{varTable.get(), &missing};
    source.varTable->ForEachInOrder(
        [](void* data, tTabDesc* entry) {
            auto& state = *static_cast<tWalk*>(data);
            if (dynamic_cast<tPseudoVarDesc*>(entry) || state.into->Lookup(entry->code)) return;
            state.missing->emplace_back(entry->code, tLogoRef<tlogoobject>(entry->Value()));
        },
        &walk);
    for (auto& [code, value] : missing) varTable->Define(code, value.get(), 0);
}

void tmultiobject::RemoveBehaviour(tmultiobject* behaviour, bool runHandlers)
{
    auto isBehaviour = [&] {
        return std::find(parents.begin() + classParentCount, parents.end(), behaviour) != parents.end();
    };
    if (!isBehaviour()) throw eLogoException(erNotFoundObj, behaviour->name);
    if (runHandlers && tLogoprocess::Current()) {
        tLogoRef<tmultiobject> held(behaviour);
        runEventInPlace(*behaviour, eventCode(tEventKey::onDeleteBehaviour), *this);
        // The handler may have removed it already.
        if (!isBehaviour()) return;
    }
    parents.erase(std::find(parents.begin() + classParentCount, parents.end(), behaviour));
    behaviour->RemoveDependent(this);
    Release(behaviour);
    RebuildChains();
}

tProcDesc* tmultiobject::LookupMethod(uint32_t code, int& level)
{
    level = 0;
    if (isLifecycleName(code)) {
        for (tLogoTab* table : lifecycleChain) {
            if (tTabDesc* entry = table->Lookup(code)) return static_cast<tProcDesc*>(entry);
            ++level;
        }
        return nullptr;
    }
    if (tProcessContext* context = currentContext(); context && context->privateTable)
        if (tTabDesc* entry = context->privateTable->Lookup(code)) return static_cast<tProcDesc*>(entry);
    for (tLogoTab* table : procChain) {
        if (tTabDesc* entry = table->Lookup(code)) return static_cast<tProcDesc*>(entry);
        ++level;
    }
    return nullptr;
}

tProcDesc* tmultiobject::FindNextMethod(int& level, uint32_t code)
{
    const std::vector<tLogoTab*>& chain = isLifecycleName(code) ? lifecycleChain : procChain;
    for (int i = level + 1; i < static_cast<int>(chain.size()); ++i) {
        if (tTabDesc* entry = chain[i]->Lookup(code)) {
            level = i;
            return static_cast<tProcDesc*>(entry);
        }
    }
    throw eLogoException(erDoNotKnowHowTo, tCulpritName{code});
}

bool tmultiobject::HasName(uint32_t code, tTabDesc*& entry)
{
    entry = procTable ? procTable->Lookup(code) : nullptr;
    return entry != nullptr;
}

void tmultiobject::EraseProcedure(uint32_t code)
{
    if (!procTable) throw eLogoException(erDoNotKnowHowTo, tCulpritName{code});
    procTable->Erase(code);
}

tlogoeventdesc* tmultiobject::FindEventHandler(uint32_t code)
{
    for (tLogoTab* table : eventChain)
        if (tTabDesc* entry = table->Lookup(code)) return static_cast<tlogoeventdesc*>(entry);
    return nullptr;
}

tLogoVarDesc* tmultiobject::FindVariable(uint32_t code)
{
    for (tLogoTab* table : varChain)
        if (tTabDesc* entry = table->Lookup(code)) return static_cast<tLogoVarDesc*>(entry);
    return nullptr;
}
