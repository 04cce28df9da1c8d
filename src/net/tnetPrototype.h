#pragma once

#include "objects/tControlObject.h"

// The built-in net class: it carries the net objects' commands and property declarations,
// and "new" makes tLogoNet objects from it.
class tnetPrototype : public tControlObject {
public:
    using tControlObject::tControlObject;
    const char* ClassName() const override { return "tnetPrototype"; }
    void SetUpTables() override;
};
