#include "turtle/controlProperties.h"

#include <limits>
#include <map>
#include <mutex>
#include <vector>

#include "mainobj/primitiveTable.h"
#include "mainobj/tPrimitiveCall.h"
#include "objects/destructionHooks.h"
#include "objects/objectProperties.h"
#include "objects/propertyDeclaration.h"
#include "objects/propertyVariables.h"
#include "objects/tmultiobject.h"
#include "processes/tWindowThread.h"
#include "turtle/hintProperty.h"
#include "turtle/pointerState.h"
#include "turtle/realGeometry.h"
#include "turtle/tgrScreen.h"
#include "turtle/turtleAccess.h"
#include "values/eLogoException.h"
#include "values/registration.h"
#include "values/tLogoBool.h"
#include "values/tLogoList.h"
#include "values/tLogoRef.h"
#include "values/tLogoString.h"
#include "values/tLogoTab.h"
#include "values/valuePools.h"

namespace {

// The window thread reads the switches while the mouse moves; processes set them.
struct tControlRegistry {
    std::mutex lock;
    std::map<const tmultiobject*, tControlState> states;
    std::map<const tmultiobject*, const tControlKind*> kinds;  // by built-in class object
};

void forgetControl(tmultiobject& object);

tControlRegistry& registry()
{
    static tControlRegistry* made = [] {
        addDestructionHook(&forgetControl);
        return new tControlRegistry;
    }();
    return *made;
}

void forgetControl(tmultiobject& object)
{
    tControlRegistry& all = registry();
    std::lock_guard<std::mutex> hold(all.lock);
    all.states.erase(&object);
    all.kinds.erase(&object);
}

template <class Change>
void changeState(tmultiobject& control, Change change)
{
    tControlRegistry& all = registry();
    std::lock_guard<std::mutex> hold(all.lock);
    change(all.states[&control]);
}

// The kind of the nearest class up the first-parent line that declared the properties.
const tControlKind* findKind(tmultiobject& control)
{
    tControlRegistry& all = registry();
    std::lock_guard<std::mutex> hold(all.lock);
    for (const tmultiobject* at = &control; at; at = at->FirstParent()) {
        auto found = all.kinds.find(at);
        if (found != all.kinds.end()) return found->second;
    }
    return nullptr;
}

const tControlKind& kindOf(tmultiobject& control)
{
    const tControlKind* kind = findKind(control);
    if (!kind) throw eLogoException(erInitTurtle);
    return *kind;
}

// The kind's visual part belongs to the window thread; a call from it runs at once.
template <class Work>
void onInterfaceThread(Work work)
{
    RunOnWindowThread([&] { work(); });
}

tControlBounds boundsOf(tmultiobject& control)
{
    tControlBounds bounds;
    onInterfaceThread([&] { bounds = kindOf(control).bounds(control); });
    return bounds;
}

template <class Change>
void changeBounds(tmultiobject& control, Change change)
{
    const tControlKind& kind = kindOf(control);
    onInterfaceThread([&] {
        tControlBounds bounds = kind.bounds(control);
        change(bounds);
        kind.setBounds(control, bounds);
    });
}

void placeAt(tmultiobject& control, tRealPoint corner)
{
    changeBounds(control, [&](tControlBounds& bounds) {
        bounds.left = static_cast<int>(roundPixel(corner.x));
        bounds.top = static_cast<int>(roundPixel(corner.y));
    });
}

// The surface the control lies on, whose logo coordinates "pos" gives; none for a window.
tgrScreen* groundOf(tmultiobject& control) { return control.place ? screenOf(*control.place) : nullptr; }

tlogoobject* getAPos(tmultiobject& control)
{
    const tControlBounds bounds = boundsOf(control);
    return newPointList(bounds.left, bounds.top);
}
void setAPos(tmultiobject& control, tlogoobject* value) { placeAt(control, pointOf(value)); }

tlogoobject* getPos(tmultiobject& control)
{
    const tControlBounds bounds = boundsOf(control);
    tgrScreen* ground = groundOf(control);
    if (!ground) return newPointList(bounds.left, bounds.top);
    return newPointList(ground->LogoX(bounds.left), ground->LogoY(bounds.top));
}
void setPos(tmultiobject& control, tlogoobject* value)
{
    const tRealPoint logo = pointOf(value);
    tgrScreen* ground = groundOf(control);
    placeAt(control, ground ? ground->ToSurface(logo.x, logo.y) : logo);
}

tlogoobject* getSize(tmultiobject& control)
{
    const tControlBounds bounds = boundsOf(control);
    return newPointList(bounds.width, bounds.height);
}
void setSize(tmultiobject& control, tlogoobject* value)
{
    const auto [width, height] = controlSides(value);
    changeBounds(control, [&](tControlBounds& bounds) {
        bounds.width = width;
        bounds.height = height;
    });
}

// The switch a property number names.
bool& switchField(tControlState& state, int32_t number)
{
    return number == property::kShown ? state.shown : number == property::kEnabled ? state.enabled : state.frozen;
}

// "shown" and "enabled" are told to the kind; "frozen" only matters to the mouse.
void setSwitch(tmultiobject& control, int32_t number, bool value)
{
    const tControlKind* kind = number == property::kFrozen ? nullptr : &kindOf(control);
    bool changed = false;
    changeState(control, [&](tControlState& state) {
        bool& field = switchField(state, number);
        changed = field != value;
        field = value;
    });
    if (changed && kind && kind->stateChanged) onInterfaceThread([&] { kind->stateChanged(control); });
}

template <int32_t Number>
tlogoobject* getSwitch(tmultiobject& control)
{
    tControlState state = controlState(control);
    return NewBoolean(switchField(state, Number));
}
template <int32_t Number>
void setSwitchValue(tmultiobject& control, tlogoobject* value)
{
    setSwitch(control, Number, value->AsBoolean());
}

// The hint is kept with every object's hint; a kind that shows its own tooltip is told. Texts
// made for other programs end in a zero character, which a tooltip does not show.
tlogoobject* getHint(tmultiobject& control) { return hintProperty().get(control); }
void setHint(tmultiobject& control, tlogoobject* value)
{
    const tControlKind& kind = kindOf(control);
    tLogoRef<tlogoobject> hint(value);
    if (value->IsWord() && !value->IsNumber()) {
        const std::string& text = value->WordText();
        if (!text.empty() && text.back() == '\0') hint = NewLiteralWord(text.substr(0, text.size() - 1));
    }
    hintProperty().set(control, hint.get());
    if (kind.hintChanged) onInterfaceThread([&] { kind.hintChanged(control); });
}

// Position, size and the two switches the window shows touch the user interface; "frozen"
// only decides what the mouse may do.
const tBoundProperty kAPosFunctions{&getAPos, &setAPos, true};
const tBoundProperty kPosFunctions{&getPos, &setPos, true};
const tBoundProperty kSizeFunctions{&getSize, &setSize, true};
const tBoundProperty kEnabledFunctions{&getSwitch<property::kEnabled>, &setSwitchValue<property::kEnabled>, true};
const tBoundProperty kShownFunctions{&getSwitch<property::kShown>, &setSwitchValue<property::kShown>, true};
const tBoundProperty kFrozenFunctions{&getSwitch<property::kFrozen>, &setSwitchValue<property::kFrozen>, false};
const tBoundProperty kHintFunctions{&getHint, &setHint, true};

// A command sets the property as assigning it would: the marks of what it affects are
// cleared first.
void clearMarks(tmultiobject& control, std::initializer_list<int32_t> numbers)
{
    std::vector<uint32_t> codes;
    for (int32_t number : numbers) codes.push_back(propertyNames(number).getterCode);
    clearAutomaticMarks(control, codes);
}

template <int32_t Number, bool Value>
tlogoobject* switchCommand(tPrimitiveCall&)
{
    tmultiobject& control = addressedObject();
    clearMarks(control, {Number});
    setSwitch(control, Number, Value);
    return nullptr;
}

template <void (*Set)(tmultiobject&, tlogoobject*)>
tlogoobject* placeCommand(tPrimitiveCall& call)
{
    tmultiobject& control = addressedObject();
    clearMarks(control, {property::kPos, property::kAPos});
    Set(control, call[0]);
    return nullptr;
}

// [dx -dy]: where the left button last went down on the control, from its top-left corner.
tlogoobject* clickedpos(tPrimitiveCall&)
{
    const tObjectPointer* record = findObjectPointer(addressedObject());
    if (!record) return newPointList(0, 0);
    return newPointList(record->clickX, -record->clickY);
}

tlogoobject* isfrozen(tPrimitiveCall&) { return NewBoolean(isFrozen(addressedObject())); }

constexpr tPrimitiveRow kControlRows[] = {
    {"showme", 0, kFixedInputs, &switchCommand<property::kShown, true>},
    {"hideme", 0, kFixedInputs, &switchCommand<property::kShown, false>},
    {"enable", 0, kFixedInputs, &switchCommand<property::kEnabled, true>},
    {"disable", 0, kFixedInputs, &switchCommand<property::kEnabled, false>},
    {"freezeme", 0, kFixedInputs, &switchCommand<property::kFrozen, true>},
    {"unfreezeme", 0, kFixedInputs, &switchCommand<property::kFrozen, false>},
    {".setapos", 1, kFixedInputs, &placeCommand<&setAPos>},
    {".setpos", 1, kFixedInputs, &placeCommand<&setPos>},
    {"clickedpos", 0, kFixedInputs, &clickedpos},
    {"isfrozen?", 0, kFixedInputs, &isfrozen},
};

void removeCommand(tmultiobject& kindClass, const char* key)
{
    for (const std::string& name : registrationNames(key)) kindClass.procTable->EraseIfPresent(nameCode(name));
}

}  // namespace

void declareControlProperties(tmultiobject& kindClass, const tControlKind& kind)
{
    {
        tControlRegistry& all = registry();
        std::lock_guard<std::mutex> hold(all.lock);
        all.kinds[&kindClass] = &kind;
    }
    const uint8_t derived = propertyFlag::kDerived;
    declareProperty(kindClass, boundPropertyDeclaration(property::kAPos, {property::kAPos, property::kPos}, 0, kAPosFunctions));
    declareProperty(kindClass, boundPropertyDeclaration(property::kPos, {property::kAPos, property::kPos}, derived, kPosFunctions));
    declareProperty(kindClass, boundPropertyDeclaration(property::kSize, {}, 0, kSizeFunctions));
    declareProperty(kindClass, boundPropertyDeclaration(property::kHint, {}, 0, kHintFunctions));
    declareProperty(kindClass, boundPropertyDeclaration(property::kEnabled, {}, 0, kEnabledFunctions));
    declareProperty(kindClass, boundPropertyDeclaration(property::kShown, {}, 0, kShownFunctions));
    declareFrozenProperty(kindClass);
    registerPrimitives(*kindClass.procTable, kControlRows);
}

void declareFrozenProperty(tmultiobject& kindClass)
{
    declareProperty(kindClass, boundPropertyDeclaration(property::kFrozen, {}, 0, kFrozenFunctions));
}

void removeControlPlacement(tmultiobject& kindClass)
{
    for (int32_t number : {property::kAPos, property::kPos, property::kShown}) removeProperty(kindClass, number);
    for (const char* key : {".setapos", ".setpos", "showme", "hideme"}) removeCommand(kindClass, key);
}

bool isControl(tmultiobject& object) { return findKind(object) != nullptr; }

tControlState controlState(tmultiobject& control)
{
    tControlRegistry& all = registry();
    std::lock_guard<std::mutex> hold(all.lock);
    auto found = all.states.find(&control);
    return found == all.states.end() ? tControlState{} : found->second;
}

void setControlShown(tmultiobject& control, bool shown)
{
    changeState(control, [&](tControlState& state) { state.shown = shown; });
}

bool isFrozen(tmultiobject& object)
{
    for (tmultiobject* at = &object; at; at = at->place)
        if (controlState(*at).frozen) return true;
    return false;
}

bool takesMouse(tmultiobject& object)
{
    for (tmultiobject* at = &object; at; at = at->place) {
        const tControlState state = controlState(*at);
        if (!state.shown || !state.enabled) return false;
    }
    return true;
}

int controlSide(tlogoobject* value)
{
    const int32_t side = value->AsInteger();
    if (side < 1) throw eLogoException(erMinMax, 1, std::numeric_limits<int32_t>::max(), value);
    return side;
}

std::pair<int, int> controlSides(tlogoobject* value)
{
    if (!value->IsList()) throw eLogoException(erExpectList2, value);
    std::vector<tlogoobject*> sides;
    for (tlogoobject* side : elements(static_cast<tLogoList*>(value))) sides.push_back(side);
    if (sides.size() != 2) throw eLogoException(erExpectList2, value);
    return {controlSide(sides[0]), controlSide(sides[1])};
}
