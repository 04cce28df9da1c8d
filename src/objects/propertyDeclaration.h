#pragma once

#include <cstdint>
#include <functional>
#include <vector>

class tlogoobject;
class tmultiobject;
class tProcDesc;

// Entry flags of property variables.
namespace propertyFlag {
// Another property carries the same information, so the object's text leaves it out.
constexpr uint8_t kDerived = 0x01;
// Not set explicitly yet; left out of the object's text until a setter runs.
constexpr uint8_t kAutomatic = 0x04;
}  // namespace propertyFlag

// How a kind declares one property on its class object (or, for per-object properties, on the
// object itself): the number, the properties whose automatic mark the setter clears (the
// property itself is always among them), the entry flags, and makers of the getter and setter
// descriptors, called once for every name the property answers to.
struct tPropertyDeclaration {
    int32_t number;
    std::vector<int32_t> affects;
    uint8_t flags = 0;
    std::function<tProcDesc*(uint32_t code)> makeGetter;
    // `affected` holds the getter codes of the affected properties.
    std::function<tProcDesc*(uint32_t code, const std::vector<uint32_t>& affected)> makeSetter;
};

// Registers the setter under the setter name and every extra setter name, the getter under the
// getter name and every extra getter name, and the variable entry under the getter name: a
// declaration (tPseudoVarPrototype) on a class, a variable bound to the object otherwise.
void declareProperty(tmultiobject& owner, const tPropertyDeclaration& declaration);

// Takes the property out of the object's tables again: its variable entry, getter and setter
// under all their names (a kind that inherits a property it does not want).
void removeProperty(tmultiobject& owner, int32_t number);

// A property whose getter and setter are plain functions of the object they run on.
struct tBoundProperty {
    tlogoobject* (*get)(tmultiobject& object);
    void (*set)(tmultiobject& object, tlogoobject* value);
    // Protected properties touch the user interface, so they run on the window thread.
    bool isProtected = false;
};

// The declaration of a bound-function property; `functions` must outlive the declaration
// (kinds keep them in static tables).
tPropertyDeclaration boundPropertyDeclaration(int32_t number, std::vector<int32_t> affects, uint8_t flags,
                                              const tBoundProperty& functions);
