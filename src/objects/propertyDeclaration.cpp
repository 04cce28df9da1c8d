#include "objects/propertyDeclaration.h"

#include <algorithm>
#include <deque>

#include "interpreter/tProcessContext.h"
#include "objects/currentObject.h"
#include "objects/objectProperties.h"
#include "objects/propertyVariables.h"
#include "objects/tmultiobject.h"
#include "values/tLogoStack.h"
#include "values/tObjCommand.h"
#include "values/tPseudoVarDesc.h"

namespace {

std::vector<uint32_t> getterCodes(const std::vector<int32_t>& numbers)
{
    std::vector<uint32_t> codes;
    for (int32_t number : numbers) codes.push_back(propertyNames(number).getterCode);
    return codes;
}

template <class Each>
void forEachName(uint32_t main, const std::vector<std::string>& extra, Each each)
{
    each(main);
    for (const std::string& name : extra) each(nameCode(name));
}

// What a bound setter needs besides its functions: the getter codes its call marks as set.
struct tBoundSetter {
    const tBoundProperty* functions;
    std::vector<uint32_t> affected;
};

// Bound setters live as long as the program; kinds declare them once per class.
std::deque<tBoundSetter>& boundSetters()
{
    static std::deque<tBoundSetter> setters;
    return setters;
}

void boundGetEntry(void* data, tLogoStack& stack, int)
{
    stack.push(static_cast<const tBoundProperty*>(data)->get(currentObject()));
}

void boundSetMethod(void* data, tLogoStack& stack, int, tlogoobject* receiver)
{
    auto* setter = static_cast<tBoundSetter*>(data);
    auto& object = *static_cast<tmultiobject*>(receiver);
    // The marks are cleared before the value is checked, so a refused value leaves them clear.
    clearAutomaticMarks(object, setter->affected);
    tLogoRef<tlogoobject> value = tLogoRef<tlogoobject>::adopt(stack.popRaw());
    setter->functions->set(object, value.get());
    stack.push(nullptr);
}

// A direct call sets the property of the object the instruction runs in.
void boundSetEntry(void* self, tLogoStack& stack, int n)
{
    static_cast<tPseudoVarObjCommand*>(self)->ExecuteOn(stack, n, currentContext()->currentObject);
}

}  // namespace

void declareProperty(tmultiobject& owner, const tPropertyDeclaration& declaration)
{
    const tPropertyNames& names = propertyNames(declaration.number);
    std::vector<int32_t> affects = declaration.affects;
    if (std::find(affects.begin(), affects.end(), declaration.number) == affects.end())
        affects.insert(affects.begin(), declaration.number);
    const std::vector<uint32_t> affected = getterCodes(affects);

    tProcDesc* getter = nullptr;
    tProcDesc* setter = nullptr;
    forEachName(names.setterCode, names.extraSetterNames, [&](uint32_t code) {
        tProcDesc* descriptor = declaration.makeSetter(code, affected);
        owner.procTable->PutEntry(descriptor);
        if (!setter) setter = descriptor;
    });
    forEachName(names.getterCode, names.extraGetterNames, [&](uint32_t code) {
        tProcDesc* descriptor = declaration.makeGetter(code);
        owner.procTable->PutEntry(descriptor);
        if (!getter) getter = descriptor;
    });

    const auto number = static_cast<uint8_t>(declaration.number);
    tLogoVarDesc* entry;
    if (owner.isInstance)
        entry = new tPseudoVarDesc(names.getterCode, getter, setter, &owner, number, declaration.flags);
    else
        entry = new tPseudoVarPrototype(names.getterCode, getter, setter, number);
    entry->flags = declaration.flags;
    owner.varTable->EraseIfPresent(names.getterCode);
    owner.varTable->PutEntry(entry);
}

void removeProperty(tmultiobject& owner, int32_t number)
{
    const tPropertyNames& names = propertyNames(number);
    owner.varTable->EraseIfPresent(names.getterCode);
    auto erase = [&](uint32_t code) { owner.procTable->EraseIfPresent(code); };
    forEachName(names.getterCode, names.extraGetterNames, erase);
    forEachName(names.setterCode, names.extraSetterNames, erase);
}

tPropertyDeclaration boundPropertyDeclaration(int32_t number, std::vector<int32_t> affects, uint8_t flags,
                                              const tBoundProperty& functions)
{
    tPropertyDeclaration declaration{number, std::move(affects), flags, nullptr, nullptr};
    const tBoundProperty* bound = &functions;
    declaration.makeGetter = [bound](uint32_t code) -> tProcDesc* {
        void* data = const_cast<tBoundProperty*>(bound);
        if (bound->isProtected) return new tProtectedObjProcDesc(code, 0, 0, &boundGetEntry, data);
        return new tObjProcDesc(code, 0, 0, &boundGetEntry, data);
    };
    declaration.makeSetter = [bound](uint32_t code, const std::vector<uint32_t>& affected) -> tProcDesc* {
        tBoundSetter& record = boundSetters().emplace_back(tBoundSetter{bound, affected});
        tPseudoVarObjCommand* setter = bound->isProtected
                                           ? new tProtectedPseudoVarObjCommand(code, 1, &boundSetMethod, &record)
                                           : new tPseudoVarObjCommand(code, 1, &boundSetMethod, &record);
        setter->SetCallEntries(&boundSetEntry, setter);
        return setter;
    };
    return declaration;
}
