#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "values/tLogoRef.h"

class tLogoList;
class tlogoobject;
class tmultiobject;

// A property list as a creation list or "let" gives it: pairs of a name and a value. A value
// that is a word starting with ":" becomes that variable's value and a parenthesized group its
// value. Not a list: erExpectList; a name without value or a name that is not a word:
// erBadStructure with the rest of the list from that name on.
tLogoRef<tLogoList> normalizePropertyList(tlogoobject* list);
// The same walk handing each pair over as soon as it is complete, so that the pairs before a
// faulty one have taken effect.
void forEachPropertyPair(tlogoobject* list, const std::function<void(tlogoobject* name, tlogoobject* value)>& take);

// A stored creation list (objects read back): pairs whose keys are property numbers, or words
// for plain variables, as a list keyed by the properties' names. Values are taken as they
// stand. A number that names no property: erNoProperty.
tLogoRef<tLogoList> namedPropertyPairs(tlogoobject* stored);

// The value of the first pair of a normalized list that names the property (any of its
// words), taken out of the list when `take`; none when no pair does.
tLogoRef<tlogoobject> propertyPairValue(tLogoRef<tLogoList>& pairs, int32_t number, bool take);

// The local variable that holds the creation list while an object is being made.
uint32_t creationListCode();

// The list that a property dialog or the project reader hands to the objects it creates on this
// thread while the scope lasts: pairs of an upper-case name and a value, consulted before the
// creation list.
class tPendingPropertiesScope {
public:
    explicit tPendingPropertiesScope(tLogoList* pairs);
    ~tPendingPropertiesScope();
    tPendingPropertiesScope(const tPendingPropertiesScope&) = delete;
    tPendingPropertiesScope& operator=(const tPendingPropertiesScope&) = delete;

private:
    tLogoRef<tLogoList> previous_;
};

// The value the creation gives for a property, taken out of the pending list or the creation
// list (the first pair naming any synonym of it); none when neither has it.
tLogoRef<tlogoobject> takeCreationValue(int32_t number);
// As takeCreationValue, else the class's value: the property's variable in the object's first
// parent's own table; none when that has none either.
tLogoRef<tlogoobject> creationValueOrDefault(tmultiobject& object, int32_t number);
// Alternatives such as an absolute or a relative position: the first one the creation gives
// wins and the others are dropped from the lists. The index of the winner, -1 when none.
int takeCreationAlternative(const std::vector<int32_t>& numbers, tLogoRef<tlogoobject>& value);

// The value the creation list gives for a plain name ("getparam"), taken out of the list unless
// only peeked at; none when no object is being created or the list lacks the name.
tLogoRef<tlogoobject> creationParameter(uint32_t code, bool remove);

// Assigns, in the kind's order, every property the creation or else the class gives, through
// its setter.
void applyParamsToMove(tmultiobject& object, const std::vector<int32_t>& order);
// Assigns name-value pairs in list order: property variables through their setters, any other
// word as an own variable of the object (with its accessors); "name" and ".name" are skipped
// because naming used them.
void applyPropertyPairs(tmultiobject& object, tlogoobject* pairs);
// applyPropertyPairs of what is left in the creation list.
void applyCreationLeftovers(tmultiobject& object);

// The creation of an instance around the kind's own steps (its "create" procedure, the
// properties it applies in its order): the instance gets its property variables, it is the
// current object, and the normalized
// property list is its creation list in a fresh local frame; what the steps leave in the list
// is applied afterwards.
void runCreation(tmultiobject& object, tLogoList* properties, const std::function<void()>& kindSteps);
// The same with a list that is normalized already.
void runCreationWith(tmultiobject& object, tLogoRef<tLogoList> pairs, const std::function<void()>& kindSteps);
