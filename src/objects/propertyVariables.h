#pragma once

#include <cstdint>
#include <vector>

class tlogoobject;
class tmultiobject;
class tPseudoVarDesc;

// Gives a new instance its property variables: the declarations of every built-in class up its
// first-parent line, the farthest first, each copied as a variable bound to the instance, so
// that a nearer class's declaration of the same name wins.
void giveInstanceProperties(tmultiobject& object);

// Clears the automatic mark of the object's property variables with these getter codes.
void clearAutomaticMarks(tmultiobject& object, const std::vector<uint32_t>& getterCodes);

// The order in which a kind applies the properties of a creation list: the head numbers first,
// then every property the class declares that is neither in the head nor excluded, in the
// order of the class's variable table.
std::vector<int32_t> buildParamsToMove(tmultiobject& kindClass, const std::vector<int32_t>& head,
                                       const std::vector<int32_t>& excluded);

// Reading runs the getter, assigning runs the setter, both with the property's object as the
// current object; the result of a read is floating (count 0 or held elsewhere).
tlogoobject* readPropertyValue(tPseudoVarDesc& property);
void writePropertyValue(tPseudoVarDesc& property, tlogoobject* value);
