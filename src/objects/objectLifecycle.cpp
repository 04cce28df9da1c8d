#include "objects/objectLifecycle.h"

#include <algorithm>

#include "interpreter/tProcessContext.h"
#include "language/Language.h"
#include "objects/creationList.h"
#include "objects/destroyedObjects.h"
#include "objects/objectList.h"
#include "objects/tcontainerobject.h"
#include "processes/tLogoprocess.h"
#include "processes/tallthreads.h"
#include "values/eLogoException.h"
#include "values/objectContextHooks.h"
#include "values/tLogoList.h"
#include "values/tLogoStack.h"
#include "values/tProcDesc.h"

namespace {

uint32_t prefixCode() { return nameCode(primaryWord("name", "namePrefix")); }

// The class's prefix followed by the first number whose name the container does not hold yet,
// so the gaps that erased objects leave are filled first.
std::string automaticName(tcontainerobject& container, tmultiobject& objectClass)
{
    tLogoVarDesc* prefixVariable = objectClass.FindVariable(prefixCode());
    std::string prefix = prefixVariable && prefixVariable->value ? prefixVariable->value->WordText()
                                                                   : primaryWord("prefix", "main");
    for (int number = 1;; ++number) {
        std::string name = prefix + std::to_string(number);
        if (!container.objects->Lookup(nameCode(name))) return name;
    }
}

std::string nameFromProperties(tLogoList* properties)
{
    for (tLogoList* cell = properties; cell && cell->first && cell->rest; cell = cell->rest->rest)
        if (sameWord(cell->first->WordText(), primaryName("name"))) return cell->rest->first->WordText();
    return {};
}

// An instance or class starts with its own copy of the first parent's variables; the main
// object's are the globals, which stay shared.
void copyParentVariables(tmultiobject& object)
{
    tmultiobject* parent = object.FirstParent();
    if (parent && parent != mainObject()) object.CopyMissingVariablesFrom(*parent);
}

// Enters the object under its name; an object already there gives way unless it is a class
// with live instances.
void registerReplacing(tcontainerobject& container, tControlObject* object)
{
    uint32_t code = nameCode(object->name);
    if (tmultiobject* old = container.FindOwn(code)) {
        if (hasInstances(old)) throw eLogoException(erEraseDesc, std::string_view(object->name));
        destroyObject(old);
    }
    container.Register(object);
}

// Runs the steps with the object as the current object.
template <class Steps>
void inContextOf(tmultiobject& object, Steps steps)
{
    tProcessContext* context = currentContext();
    if (!context) return steps();
    context->PushAskInto(&object);
    try {
        steps();
    } catch (...) {
        context->PopAsk();
        throw;
    }
    context->PopAsk();
}

// Runs a lifecycle procedure ("create", "destroy") found along the object's class line, with
// the object as the current object.
void runLifecycle(tmultiobject& object, const char* key)
{
    tProcessContext* context = currentContext();
    if (!context) return;
    int level = 0;
    tProcDesc* procedure = object.LookupMethod(nameCode(primaryName(key)), level);
    if (!procedure) return;
    inContextOf(object, [&] {
        context->foundLevel = level;
        procedure->CallDirectCommand(context->stack, 0);
        context->stack.drop();
    });
}

// A new object of the class, with its tables, linked into the global list.
tControlObject* makeObject(tmultiobject* parent, const std::string& name)
{
    tLogoStack stack(1);
    stack.push(parent);
    tLogoRef<tControlObject> object(new tControlObject(&stack, name, 1));
    object->SetUpTables();
    linkObject(object.get());
    if (tProcessContext* context = currentContext()) context->lastCreated = object.get();
    return object.get();
}

// Undoes a creation that failed half-way: nothing of it stays registered.
template <class Step>
void orUndo(tControlObject* object, Step step)
{
    try {
        step();
    } catch (...) {
        destroyObject(object);
        throw;
    }
}

}  // namespace

bool hasInstances(const tmultiobject* object)
{
    return std::any_of(object->dependents.begin(), object->dependents.end(),
                       [&](const tmultiobject* dependent) { return dependent->FirstParent() == object; });
}

tControlObject* createInstance(tcontainerobject& container, tmultiobject* objectClass, std::string name,
                               tLogoList* properties)
{
    if (!dynamic_cast<tControlObject*>(objectClass)) throw eLogoException(erIvalidPrototype, objectClass);
    if (name.empty()) name = nameFromProperties(properties);
    if (name.empty()) name = automaticName(container, *objectClass);
    tControlObject* object = makeObject(objectClass, name);
    orUndo(object, [&] {
        object->isInstance = true;
        object->SetPlace(&container);
        registerReplacing(container, object);
        runCreation(*object, properties, [&] { runLifecycle(*object, "create"); });
        copyParentVariables(*object);
        object->creationDone = true;
    });
    return object;
}

tControlObject* createClass(tcontainerobject& container, tmultiobject* base, const std::string& name,
                            tLogoList* properties)
{
    auto* control = dynamic_cast<tControlObject*>(base);
    if (!control || control->isInstance) throw eLogoException(erIvalidPrototypeMain, base);
    if (name.empty()) throw eLogoException(erInvalidObjName, std::string_view(name));
    tControlObject* object = makeObject(base, name);
    orUndo(object, [&] {
        inContextOf(*object, [&] { applyPropertyPairs(*object, properties); });
        copyParentVariables(*object);
        registerReplacing(container, object);
        object->creationDone = true;
    });
    return object;
}

void destroyObject(tmultiobject* object)
{
    tLogoRef<tmultiobject> held(object);
    if (currentContext()) keepUntilCommandEnds(object);
    if (object->creationDone && tLogoprocess::Current()) runLifecycle(*object, "destroy");
    unlinkObject(object);
    tallthreads::Instance().ForgetObject(object);
    if (tProcessContext* context = currentContext(); context && context->lastCreated == object)
        context->lastCreated = nullptr;
    std::vector<tmultiobject*> dependents = object->dependents;
    for (auto it = dependents.rbegin(); it != dependents.rend(); ++it) {
        tmultiobject* dependent = *it;
        if (dependent->FirstParent() == object || dependent->place == object)
            destroyObject(dependent);
        else
            dependent->RemoveBehaviour(object);
    }
    while (object->parents.size() > static_cast<size_t>(object->classParentCount))
        object->RemoveBehaviour(object->parents.back());
    if (auto* control = dynamic_cast<tControlObject*>(object); control && control->owner) {
        auto* owner = static_cast<tcontainerobject*>(control->owner);
        control->owner = nullptr;
        owner->objects->EraseIfPresent(nameCode(object->name));
    }
    object->DetachAll();
}

void installObjectDestruction()
{
    tObjectContextHooks hooks = objectContextHooks();
    hooks.destroyObject = [](tlogoobject* object) {
        if (auto* named = dynamic_cast<tmultiobject*>(object)) destroyObject(named);
    };
    setObjectContextHooks(hooks);
}
