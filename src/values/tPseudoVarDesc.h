#pragma once

#include <cstdint>

#include "values/tLogoVarDesc.h"

class tProcDesc;

// A computed variable (a property): reading runs the getter on the object, storing runs the
// setter. Both go through the object model (objectContextHooks().readProperty/writeProperty).
class tPseudoVarDesc : public tLogoVarDesc {
public:
    tPseudoVarDesc(uint32_t code, tProcDesc* getter, tProcDesc* setter, tlogoobject* object, uint8_t kind,
                   uint8_t flags = 0);

    tlogoobject* Value() override;
    void Store(tlogoobject* newValue) override;

    tProcDesc* getter;
    tProcDesc* setter;
    tlogoobject* object;  // the owner of the property, not counted
    uint8_t kind;
    uint8_t extra = 0;
};

// The class-level description of a property.
class tPseudoVarPrototype : public tLogoVarDesc {
public:
    tPseudoVarPrototype(uint32_t code, tProcDesc* getter, tProcDesc* setter, uint8_t kind);

    tProcDesc* getter;
    tProcDesc* setter;
    uint8_t kind;
};
