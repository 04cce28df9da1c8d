#include "objects/tAskObject.h"

#include <algorithm>
#include <vector>

#include "interpreter/tProcessContext.h"
#include "language/Language.h"
#include "objects/objectList.h"
#include "values/eLogoException.h"
#include "values/objectContextHooks.h"
#include "values/tListBuilder.h"
#include "values/tLogoList.h"
#include "values/tLogoStack.h"
#include "values/tObjCommand.h"

namespace {

// Procedures that make or unmake objects act on one object, never on all receivers: their
// names in the current language.
std::vector<uint32_t> oneObjectProcedures()
{
    std::vector<uint32_t> codes;
    for (const char* key : {"create", "destroy", "addBehaviour", "removeBehaviour"})
        for (uint32_t synonym : nameCodes(key)) codes.push_back(synonym);
    return codes;
}

tmultiobject& classOf(tmultiobject& object)
{
    tmultiobject* at = &object;
    while (at->isInstance && at->FirstParent()) at = at->FirstParent();
    return *at;
}

// Calls the procedure of that name in one receiver with copies of the inputs.
void callIn(tProcessContext& process, tmultiobject& receiver, const tGrObjectProcDesc& descriptor,
            const std::vector<tlogoobject*>& inputs, bool asOperation)
{
    process.PushAskInto(&receiver);
    try {
        int level = 0;
        tProcDesc* procedure = receiver.LookupMethod(descriptor.code, level);
        if (!procedure) throw eLogoException(erDoNotKnowHowTo, tCulpritName{descriptor.code});
        for (tlogoobject* input : inputs) process.stack.push(input);
        process.foundLevel = level;
        const int n = static_cast<int>(inputs.size());
        if (asOperation)
            procedure->CallDirectOperation(process.stack, n);
        else
            procedure->CallDirectCommand(process.stack, n);
    } catch (...) {
        process.PopAsk();
        throw;
    }
    process.PopAsk();
}

// A command runs in every receiver; an operation outputs the one receiver's value, or the list
// of all their values.
void fanOut(tGrObjectProcDesc& descriptor, tLogoStack& stack, int n, bool asOperation)
{
    tProcessContext& process = *currentContext();
    std::vector<tLogoRef<tlogoobject>> held(n);
    for (int i = n - 1; i >= 0; --i) held[i] = tLogoRef<tlogoobject>::adopt(stack.popRaw());
    std::vector<tlogoobject*> inputs;
    for (auto& input : held) inputs.push_back(input.get());

    std::vector<tLogoRef<tlogoobject>> receivers;
    if (process.receivers && process.receivers->IsList())
        for (tlogoobject* receiver : elements(static_cast<tLogoList*>(process.receivers.get())))
            receivers.emplace_back(receiver);

    tListBuilder values;
    tLogoRef<tlogoobject> only;
    for (tLogoRef<tlogoobject>& receiver : receivers) {
        callIn(process, *static_cast<tmultiobject*>(receiver.get()), descriptor, inputs, asOperation);
        tLogoRef<tlogoobject> value = tLogoRef<tlogoobject>::adopt(process.stack.popRaw());
        if (!asOperation) continue;
        values.Append(value.get());
        only = value;
    }
    if (!asOperation)
        stack.push(nullptr);
    else if (receivers.size() == 1)
        stack.push(only.get());
    else
        stack.push(values.Take());
}

}  // namespace

tAskObject::tAskObject(tmultiobject& forClass) : tmultiobject(nullptr, "@askobj", kNoParents), forClass(forClass)
{
    SetUpTables();
}

void tAskObject::Refresh()
{
    procTable->EraseAll(0);
    // The walk holds the table-list lock, so the wrappers go in after it.
    std::vector<tProcDesc*> procedures;
    for (tLogoTab* table : forClass.procChain) {
        if (table->owner == mainObject()) continue;
        table->ForEachInOrder(
            [](void* data, tTabDesc* entry) {
                static_cast<std::vector<tProcDesc*>*>(data)->push_back(static_cast<tProcDesc*>(entry));
            },
            &procedures);
    }
    const std::vector<uint32_t> staysWithOneObject = oneObjectProcedures();
    for (tProcDesc* procedure : procedures) {
        if (procTable->Lookup(procedure->code) ||
            std::find(staysWithOneObject.begin(), staysWithOneObject.end(), procedure->code) != staysWithOneObject.end())
            continue;
        auto* wrapper = new tGrObjectProcDesc(procedure->code, procedure->inputs, procedure->variable != 0);
        wrapper->binding = procedure->binding;
        procTable->PutEntry(wrapper);
    }
}

tAskObject& askObjectOf(tmultiobject& object)
{
    tmultiobject& kind = classOf(object);
    const uint32_t code = nameCode("@askobj");
    if (tTabDesc* entry = kind.varTable->Lookup(code))
        if (auto* existing = dynamic_cast<tAskObject*>(entry->Value())) return *existing;
    auto* created = new tAskObject(kind);
    kind.varTable->Define(code, created, 0);
    return *created;
}

void installReceiverFanOut()
{
    tObjectContextHooks hooks = objectContextHooks();
    hooks.fanOut = &fanOut;
    setObjectContextHooks(hooks);
}
