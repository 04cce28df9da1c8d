#include "objects/objectLifecycle.h"

#include <algorithm>
#include <charconv>
#include <exception>

#include "interpreter/tProcessContext.h"
#include "language/Language.h"
#include "objects/activeToolButton.h"
#include "objects/creationList.h"
#include "objects/destroyedObjects.h"
#include "objects/destructionHooks.h"
#include "objects/objectEvents.h"
#include "objects/objectList.h"
#include "objects/objectNames.h"
#include "objects/objectProperties.h"
#include "objects/shownPage.h"
#include "objects/tcontainerobject.h"
#include "processes/tLogoprocess.h"
#include "processes/tallthreads.h"
#include "values/eLogoException.h"
#include "values/objectContextHooks.h"
#include "values/tLogoList.h"
#include "values/tLogoStack.h"
#include "values/tProcDesc.h"

namespace {

// Steps that must all happen even when a handler or a procedure among them fails, or an object
// would be left half made or half gone; the first failure is passed on once they are done.
class tDeferredFailure {
public:
    template <class Step>
    void Run(Step step)
    {
        try {
            step();
        } catch (...) {
            if (!first_) first_ = std::current_exception();
        }
    }
    void Rethrow()
    {
        if (first_) std::rethrow_exception(first_);
    }

private:
    std::exception_ptr first_;
};

// Set while the environment rebuilds itself; otherwise persistent objects stay.
bool persistentErasing = false;

uint32_t prefixCode() { return nameCode(primaryWord("name", "namePrefix")); }

// The prefix followed by the first number after `start` whose name the container does not
// hold yet, so the gaps that erased objects leave are filled first.
std::string firstFreeName(tcontainerobject& container, const std::string& prefix, uint64_t start)
{
    for (uint64_t number = start + 1;; ++number) {
        std::string name = prefix + std::to_string(number);
        if (!container.objects->Lookup(nameCode(name))) return name;
    }
}

std::string classPrefix(tmultiobject& objectClass)
{
    tLogoVarDesc* prefixVariable = objectClass.FindVariable(prefixCode());
    return prefixVariable && prefixVariable->value ? prefixVariable->value->WordText() : primaryWord("prefix", "main");
}

// A given name ("name") as it stands; else a preferred one (".name") while it is free, and
// after that its stem with the next free number after its own; else the class's prefix with
// the first free number.
std::string chooseName(tcontainerobject& container, tmultiobject& objectClass, tLogoRef<tLogoList>& pairs,
                       std::string given)
{
    if (given.empty())
        if (tLogoRef<tlogoobject> value = propertyPairValue(pairs, property::kName, false)) given = value->WordText();
    if (!given.empty()) {
        if (!container.AcceptsName(given)) throw eLogoException(erInvalidObjName, std::string_view(given));
        return given;
    }
    tLogoRef<tlogoobject> preferredValue = propertyPairValue(pairs, property::kPreferredName, false);
    const std::string preferred = preferredValue ? preferredValue->WordText() : std::string();
    if (preferred.empty()) return firstFreeName(container, classPrefix(objectClass), 0);
    if (!container.objects->Lookup(nameCode(preferred)) && container.AcceptsName(preferred)) return preferred;
    size_t stem = preferred.find_last_not_of("0123456789") + 1;
    // More digits than a number holds count from nothing.
    uint64_t start = 0;
    if (preferred.size() - stem <= 18) std::from_chars(preferred.data() + stem, preferred.data() + preferred.size(), start);
    return firstFreeName(container, preferred.substr(0, stem), start);
}

// Where a new instance lives: the nearest object able to hold others, from the object its
// "myPlace" names (an object path, seen from `from`) or else from `from` itself, walking
// outwards through places; without "myPlace" the container "new" runs on serves when that walk
// finds none. Unless "myPlace" names it, the main object gives way to the shown page for a
// class whose instances live on pages (typed lines run in the main object).
tmultiobject* placeFor(tcontainerobject& container, tmultiobject* from, tLogoRef<tLogoList>& pairs,
                       tmultiobject& objectClass)
{
    tmultiobject* start = from;
    tLogoRef<tlogoobject> named = propertyPairValue(pairs, property::kMyPlace, true);
    if (named) {
        start = dynamic_cast<tmultiobject*>(named.get());
        if (!start) start = resolveObjectPath(from, named->WordText());
        if (!start) throw eLogoException(erNoObject, named.get());
    }
    for (tmultiobject* at = start; at; at = at->place) {
        if (!at->CanContain()) continue;
        if (!named && at == mainObject())
            if (tmultiobject* page = shownPageFor(objectClass)) return page;
        return at;
    }
    return named ? nullptr : &container;
}

// The table a new instance is entered in: that of the nearest container around its place.
tcontainerobject& registryFor(tmultiobject* place, tcontainerobject& fallback)
{
    for (tmultiobject* at = place; at; at = at->place)
        if (auto* container = dynamic_cast<tcontainerobject*>(at)) return *container;
    return fallback;
}

bool shownIn(tLogoRef<tLogoList>& pairs)
{
    tLogoRef<tlogoobject> shown = propertyPairValue(pairs, property::kShown, false);
    return !shown || shown->AsBoolean();
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
void callLifecycle(tmultiobject& object, tProcessContext& context, tProcDesc& procedure, int level)
{
    inContextOf(object, [&] {
        context.foundLevel = level;
        procedure.CallDirectCommand(context.stack, 0);
        context.stack.drop();
    });
}

void runLifecycle(tmultiobject& object, const char* key)
{
    tProcessContext* context = currentContext();
    if (!context) return;
    int level = 0;
    tProcDesc* procedure = object.LookupMethod(nameCode(primaryName(key)), level);
    if (!procedure) return;
    callLifecycle(object, *context, *procedure, level);
}

// An object read back gets its visual part from its kind's built-in "create" (a turtle's makes
// its graphic part from the creation list), never from a class's own "create" procedure.
void makeStoredVisualPart(tmultiobject& object)
{
    tProcessContext* context = currentContext();
    if (!context) return object.MakeVisualPart();
    const uint32_t code = nameCode(primaryName("create"));
    for (size_t level = 0; level < object.lifecycleChain.size(); ++level) {
        auto* procedure = dynamic_cast<tProcDesc*>(object.lifecycleChain[level]->Lookup(code));
        if (procedure && procedure->DefinitionText().empty())
            return callLifecycle(object, *context, *procedure, static_cast<int>(level));
    }
    object.MakeVisualPart();
}

tControlObject* makeControlObject(tLogoStack& stack, const std::string& name)
{
    return new tControlObject(&stack, name, 1);
}

// A new object of the class's object class, with its tables, linked into the global list.
tControlObject* makeObject(tmultiobject* parent, const std::string& name)
{
    tLogoStack stack(1);
    stack.push(parent);
    tInstanceMaker maker = parent->instanceClass ? parent->instanceClass : &makeControlObject;
    tLogoRef<tControlObject> object(maker(stack, name));
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
                               tLogoList* properties, tCreationForm form, tmultiobject* placeFrom)
{
    if (!dynamic_cast<tControlObject*>(objectClass)) throw eLogoException(erIvalidPrototype, objectClass);
    tLogoRef<tLogoList> pairs;
    if (form == tCreationForm::kStored)
        pairs = namedPropertyPairs(properties);
    else
        pairs = properties ? normalizePropertyList(properties) : tLogoRef<tLogoList>(new tLogoList);
    tmultiobject* place = placeFor(container, placeFrom ? placeFrom : &container, pairs, *objectClass);
    tcontainerobject& owner = registryFor(place, container);
    name = chooseName(owner, *objectClass, pairs, std::move(name));
    tControlObject* object = makeObject(objectClass, name);
    orUndo(object, [&] {
        object->SetUpInstance();
        if (object->needsPlace) {
            if (!place) throw eLogoException(erNoMyplace);
            object->SetPlace(place);
        }
        object->isInstance = true;
        object->shownAtStart = shownIn(pairs);
        runCreationWith(*object, pairs, [&] {
            if (form == tCreationForm::kStored)
                makeStoredVisualPart(*object);
            else
                runLifecycle(*object, "create");
            if (object->paramsToMove) applyParamsToMove(*object, *object->paramsToMove);
        });
        copyParentVariables(*object);
        object->creationDone = true;
        object->CreationCompleted();
        registerReplacing(owner, object);
    });
    // The kind finishes its object (attaches it to what it lives in) even when a handler fails.
    tDeferredFailure failure;
    if (form == tCreationForm::kNew) failure.Run([&] { runCreateHandlers(*object); });
    object->FinishCreation();
    failure.Rethrow();
    return object;
}

tControlObject* createClass(tcontainerobject& container, tmultiobject* base, const std::string& name,
                            tLogoList* properties)
{
    auto* control = dynamic_cast<tControlObject*>(base);
    if (!control || control->isInstance) throw eLogoException(erIvalidPrototypeMain, base);
    if (name.empty() || !container.AcceptsName(name)) throw eLogoException(erInvalidObjName, std::string_view(name));
    tControlObject* object = makeObject(base, name);
    orUndo(object, [&] {
        inContextOf(*object, [&] { applyPropertyPairs(*object, properties); });
        copyParentVariables(*object);
        registerReplacing(container, object);
        object->creationDone = true;
    });
    return object;
}

void setPersistentErasing(bool allowed) { persistentErasing = allowed; }

void eraseObject(tmultiobject* object, bool evenClasses)
{
    if (object->persistent && !persistentErasing) throw eLogoException(erErasePersistent, object);
    if (!evenClasses && hasInstances(object)) throw eLogoException(erEraseDesc, object);
    destroyObject(object);
}

namespace {

bool isBehaviourOf(const tmultiobject& user, const tmultiobject* behaviour)
{
    return std::find(user.parents.begin() + user.classParentCount, user.parents.end(), behaviour) != user.parents.end();
}

// The behaviour leaves the user, also when its "onDeleteBehaviour" fails.
void detachBehaviour(tmultiobject& user, tmultiobject* behaviour, tDeferredFailure& failure)
{
    failure.Run([&] { user.RemoveBehaviour(behaviour, true); });
    if (isBehaviourOf(user, behaviour)) user.RemoveBehaviour(behaviour, false);
}

// A failing "destroy" keeps the object whose erasing was asked for; the objects that go with
// it by cascade go all the same.
void destroyIn(tmultiobject* object, tDeferredFailure& failure, bool cascaded)
{
    tLogoRef<tmultiobject> held(object);
    if (currentContext()) keepUntilCommandEnds(object);
    // A class never ran its kind's "create", so it gets no "destroy" either (a turtle class
    // has no graphic part to release).
    if (object->isInstance && object->creationDone && tLogoprocess::Current()) {
        if (cascaded)
            failure.Run([&] { runLifecycle(*object, "destroy"); });
        else
            runLifecycle(*object, "destroy");
    }
    if (activeToolButton() == object) setActiveToolButton(nullptr);
    unlinkObject(object);
    tallthreads::Instance().ForgetObject(object);
    runDestructionHooks(*object);
    if (tProcessContext* context = currentContext(); context && context->lastCreated == object)
        context->lastCreated = nullptr;
    std::vector<tmultiobject*> dependents = object->dependents;
    for (auto it = dependents.rbegin(); it != dependents.rend(); ++it) {
        tmultiobject* dependent = *it;
        if (dependent->FirstParent() == object || dependent->place == object)
            destroyIn(dependent, failure, true);
        else
            detachBehaviour(*dependent, object, failure);
    }
    inContextOf(*object, [&] {
        while (object->parents.size() > static_cast<size_t>(object->classParentCount))
            detachBehaviour(*object, object->parents.back(), failure);
    });
    if (auto* control = dynamic_cast<tControlObject*>(object); control && control->owner) {
        auto* owner = static_cast<tcontainerobject*>(control->owner);
        control->owner = nullptr;
        owner->objects->EraseIfPresent(nameCode(object->name));
    }
    object->DetachAll();
}

}  // namespace

void destroyObject(tmultiobject* object)
{
    tDeferredFailure failure;
    destroyIn(object, failure, false);
    failure.Rethrow();
}

void installObjectDestruction()
{
    tObjectContextHooks hooks = objectContextHooks();
    hooks.destroyObject = [](tlogoobject* object) {
        if (auto* named = dynamic_cast<tmultiobject*>(object)) destroyObject(named);
    };
    setObjectContextHooks(hooks);
}
