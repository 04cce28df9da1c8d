#include "mainobj/objectPrimitives.h"

#include <algorithm>
#include <string>

#include "interpreter/Evaluator.h"
#include "interpreter/tCompiledForm.h"
#include "interpreter/tProcessContext.h"
#include "language/Language.h"
#include "mainobj/primitiveTable.h"
#include "mainobj/tPrimitiveCall.h"
#include "objects/creationList.h"
#include "objects/currentObject.h"
#include "objects/objectNames.h"
#include "objects/tAskObject.h"
#include "objects/tControlObject.h"
#include "values/eLogoException.h"
#include "values/tListBuilder.h"
#include "values/tLogoString.h"
#include "values/tLogoList.h"
#include "values/valuePools.h"

// Choosing the objects that instructions address: "ask" runs them inside other objects, "tell"
// names the receivers of later instructions, "each" repeats instructions for every receiver.

namespace {

tProcessContext& context() { return *currentContext(); }

// An object name as seen from the current object; a compound name is resolved part by part,
// each part from the object found so far.
tmultiobject* addressedObject(tlogoobject* name)
{
    tmultiobject* at = &currentObject();
    const std::string& text = name->WordText();
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = std::min(text.find('\'', start), text.size());
        if (end > start) {
            at = resolveObjectName(at, nameCode(std::string_view(text).substr(start, end - start)));
            if (!at) throw eLogoException(erNoObject, name);
        }
        start = end + 1;
    }
    return at;
}

// Makes the objects the receivers; they must share one class, whose procedures are then sent
// to all of them.
void setReceivers(tProcessContext& process, tlogoobject* target, const std::vector<tmultiobject*>& objects)
{
    tListBuilder receivers;
    tAskObject* common = objects.empty() ? nullptr : &askObjectOf(*objects.front());
    for (tmultiobject* object : objects) {
        if (&askObjectOf(*object) != common) throw eLogoException(erIncopatible, target);
        receivers.Append(object);
    }
    // Sent to nobody, turtle commands do nothing rather than run in the addressing object.
    if (objects.empty())
        if (tmultiobject* turtles = resolveObjectName(&currentObject(), nameCode(primaryWord("class", "turtle"))))
            common = &askObjectOf(*turtles);
    if (common) common->Refresh();
    process.receivers = tLogoRef<tlogoobject>(receivers.Take());
    process.privateTable = common ? common->procTable.get() : nullptr;
}

std::vector<tmultiobject*> namedObjects(tlogoobject* target)
{
    if (target->IsWord()) return {addressedObject(target)};
    if (!target->IsList()) throw eLogoException(erExpectList, target);
    std::vector<tmultiobject*> objects;
    for (tlogoobject* name : elements(static_cast<tLogoList*>(target))) {
        if (!name->IsWord()) throw eLogoException(erExpectList, target);
        objects.push_back(addressedObject(name));
    }
    return objects;
}

// Inside an ask context: one object becomes the current one, several the receivers.
void addressForAsk(tProcessContext& process, tlogoobject* target)
{
    std::vector<tmultiobject*> objects = namedObjects(target);
    if (objects.size() == 1)
        process.currentObject = objects.front();
    else
        setReceivers(process, target, objects);
}

// Runs the body in a new ask context, restoring the saved one however it ends.
template <class Body>
tlogoobject* inAskContext(Body body)
{
    tProcessContext& process = context();
    process.PushAsk();
    tLogoRef<tlogoobject> result;
    try {
        result = body(process);
    } catch (...) {
        process.PopAsk();
        throw;
    }
    process.PopAsk();
    return handOver(result);
}

tlogoobject* runOrEvaluate(tPrimitiveCall& call, tlogoobject* instructions)
{
    if (!call.asOperation) {
        RunInstructions(instructions);
        return nullptr;
    }
    tLogoRef<tlogoobject> value = EvaluateList(CompiledForm(instructions, tCompiledForm::kInstructions));
    return handOver(value);
}

bool stillAddressed(const tlogoobject* receivers, const tlogoobject* object)
{
    if (!receivers || !receivers->IsList()) return false;
    for (tlogoobject* element : elements(static_cast<const tLogoList*>(receivers)))
        if (element == object) return true;
    return false;
}

// Runs the instructions once in every receiver of the saved context; a receiver destroyed
// meanwhile has left the saved receivers and is skipped.
tlogoobject* forEachReceiver(tPrimitiveCall& call, tlogoobject* instructions)
{
    return inAskContext([&](tProcessContext& process) -> tlogoobject* {
        tLogoRef<tlogoobject> receivers = process.askStack.back().receivers;
        if (!receivers) return runOrEvaluate(call, instructions);
        std::vector<tLogoRef<tlogoobject>> objects;
        for (tlogoobject* element : elements(static_cast<tLogoList*>(receivers.get()))) objects.emplace_back(element);
        for (tLogoRef<tlogoobject>& object : objects) {
            if (!stillAddressed(process.askStack.back().receivers.get(), object.get())) continue;
            process.currentObject = object.get();
            RunInstructions(instructions);
        }
        return nullptr;
    });
}

tlogoobject* ask(tPrimitiveCall& call)
{
    return inAskContext([&](tProcessContext& process) {
        addressForAsk(process, call[0]);
        return runOrEvaluate(call, call[1]);
    });
}

tlogoobject* askeach(tPrimitiveCall& call)
{
    return inAskContext([&](tProcessContext& process) {
        addressForAsk(process, call[0]);
        return forEachReceiver(call, call[1]);
    });
}

tlogoobject* each(tPrimitiveCall& call) { return forEachReceiver(call, call[0]); }

tlogoobject* tell(tPrimitiveCall& call)
{
    tProcessContext& process = context();
    if (!process.askStack.empty()) throw eLogoException(erWrongPlaceAsk);
    setReceivers(process, call[0], namedObjects(call[0]));
    return nullptr;
}

tlogoobject* who(tPrimitiveCall&)
{
    tProcessContext& process = context();
    if (process.receivers && process.receivers->IsList()) {
        std::vector<std::string> names;
        for (tlogoobject* object : elements(static_cast<tLogoList*>(process.receivers.get())))
            names.push_back(static_cast<tmultiobject*>(object)->name);
        if (names.size() == 1) return NewWord(names.front());
        tListBuilder list;
        for (const std::string& name : names) list.Append(NewWord(name));
        return list.Take();
    }
    if (!process.askStack.empty() && process.currentObject)
        return NewWord(static_cast<tmultiobject*>(process.currentObject)->name);
    return new tLogoList;
}

tlogoobject* myname(tPrimitiveCall&) { return NewWord(currentObject().name); }

// The last object this process created: its name, or its name qualified by its owners.
tlogoobject* lastname(tPrimitiveCall&)
{
    auto* object = static_cast<tmultiobject*>(context().lastCreated);
    return NewWord(object ? object->name : std::string());
}

tlogoobject* fullLastname(tPrimitiveCall&)
{
    tlogoobject* object = context().lastCreated;
    if (auto* control = dynamic_cast<tControlObject*>(object)) return NewWord(control->FullName());
    return NewWord(object ? static_cast<tmultiobject*>(object)->name : std::string());
}

// The creation of the current object is under way: its creation list may still be read.
bool creating(tmultiobject& object) { return object.isInstance && !object.creationDone; }

tlogoobject* parameter(tPrimitiveCall& call, bool remove)
{
    tmultiobject& object = currentObject();
    const uint32_t code = call[0]->NameCode();
    if (creating(object))
        if (tLogoRef<tlogoobject> given = creationParameter(code, remove)) return handOver(given);
    if (tmultiobject* parent = object.FirstParent(); parent && parent->varTable)
        if (tTabDesc* entry = parent->varTable->Lookup(code)) return entry->Value();
    return call[1];
}

tlogoobject* getparam(tPrimitiveCall& call) { return parameter(call, true); }
tlogoobject* peekparam(tPrimitiveCall& call) { return parameter(call, false); }

// The built-in "create" asks the current object's kind to make its visual part (plain objects
// have none); a class's own "create" comes earlier in the chain and runs instead.
tlogoobject* create(tPrimitiveCall&)
{
    currentObject().MakeVisualPart();
    return nullptr;
}

// The main object and the objects made from it have nothing to destroy or move home: the kinds
// that do register their own versions of these in their classes.
tlogoobject* nothing(tPrimitiveCall&) { return nullptr; }

constexpr tPrimitiveRow kAddressingRows[] = {
    {"ask", 2, kFixedInputs, &ask},
    {"askeach", 2, kFixedInputs, &askeach},
    {"tell", 1, kFixedInputs, &tell},
    {"each", 1, kFixedInputs, &each},
    {"who", 0, kFixedInputs, &who},
    {"myname", 0, kFixedInputs, &myname},
    {"lastname", 0, kFixedInputs, &lastname},
    {".lastname", 0, kFixedInputs, &fullLastname},
    {"getparam", 2, kFixedInputs, &getparam},
    {"peekparam", 2, kFixedInputs, &peekparam},
    {"create", 0, kFixedInputs, &create},
    {"destroy", 0, kFixedInputs, &nothing},
    {"home", 0, kFixedInputs, &nothing},
};

}  // namespace

void registerAddressingPrimitives(tLogoTab& table) { registerPrimitives(table, kAddressingRows); }
