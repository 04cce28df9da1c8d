#include "objects/propertyVariables.h"

#include <algorithm>

#include "interpreter/tProcessContext.h"
#include "objects/tmultiobject.h"
#include "values/eLogoException.h"
#include "values/tLogoStack.h"
#include "values/tObjCommand.h"
#include "values/tPseudoVarDesc.h"

namespace {

bool contains(const std::vector<int32_t>& numbers, int32_t number)
{
    return std::find(numbers.begin(), numbers.end(), number) != numbers.end();
}

template <class Each>
void forEachDeclaration(tmultiobject& object, Each each)
{
    if (!object.varTable) return;
    std::vector<tTabDesc*> entries;
    object.varTable->ForEachInOrder(
        [](void* data, tTabDesc* entry) { static_cast<std::vector<tTabDesc*>*>(data)->push_back(entry); },
        &entries);
    for (tTabDesc* entry : entries)
        if (auto* declaration = dynamic_cast<tPseudoVarPrototype*>(entry)) each(*declaration);
}

tProcessContext& context()
{
    tProcessContext* context = currentContext();
    if (!context) throw eLogoException(erNoActiveObj);
    return *context;
}

// Runs a call with the property's object as the current object, whatever way it leaves.
template <class Call>
void inPropertyObject(tPseudoVarDesc& property, Call call)
{
    tProcessContext& process = context();
    process.PushAskInto(property.object);
    try {
        call(process.stack);
    } catch (...) {
        process.PopAsk();
        throw;
    }
    process.PopAsk();
}

}  // namespace

void giveInstanceProperties(tmultiobject& object)
{
    std::vector<tmultiobject*> kinds;
    for (tmultiobject* at = object.FirstParent(); at; at = at->FirstParent())
        if (at->isPrototype) kinds.push_back(at);
    for (auto kind = kinds.rbegin(); kind != kinds.rend(); ++kind) {
        forEachDeclaration(**kind, [&](tPseudoVarPrototype& declaration) {
            object.varTable->EraseIfPresent(declaration.code);
            object.varTable->PutEntry(new tPseudoVarDesc(declaration.code, declaration.getter, declaration.setter,
                                                         &object, declaration.kind, declaration.flags));
        });
    }
}

void clearAutomaticMarks(tmultiobject& object, const std::vector<uint32_t>& getterCodes)
{
    if (!object.varTable) return;
    for (uint32_t code : getterCodes)
        if (tTabDesc* entry = object.varTable->Lookup(code); entry && dynamic_cast<tPseudoVarDesc*>(entry))
            entry->flags = static_cast<uint8_t>(entry->flags & ~kNotSavedUntilSet);
}

std::vector<int32_t> buildParamsToMove(tmultiobject& kindClass, const std::vector<int32_t>& head,
                                       const std::vector<int32_t>& excluded)
{
    std::vector<int32_t> order = head;
    forEachDeclaration(kindClass, [&](tPseudoVarPrototype& declaration) {
        int32_t number = declaration.kind;
        if (!contains(head, number) && !contains(excluded, number) && !contains(order, number))
            order.push_back(number);
    });
    return order;
}

tlogoobject* readPropertyValue(tPseudoVarDesc& property)
{
    if (!property.getter) throw eLogoException(erNoVal, tCulpritName{property.code});
    tlogoobject* value = nullptr;
    inPropertyObject(property, [&](tLogoStack& stack) {
        property.getter->CallDirectOperation(stack, 0);
        value = stack.popRaw();
    });
    Unhold(value);
    return value;
}

void writePropertyValue(tPseudoVarDesc& property, tlogoobject* value)
{
    if (!property.setter) throw eLogoException(erUndefObjVar, tCulpritName{property.code});
    inPropertyObject(property, [&](tLogoStack& stack) {
        stack.push(value);
        if (auto* bound = dynamic_cast<tPseudoVarObjCommand*>(property.setter))
            bound->ExecuteOn(stack, 1, property.object);
        else
            property.setter->CallDirectCommand(stack, 1);
        Release(stack.popRaw());
    });
}
