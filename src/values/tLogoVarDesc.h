#pragma once

#include <cstdint>
#include <string>

#include "values/tTabDesc.h"

class tlogoobject;

// A variable entry: a counted value (may be none). A pooled temporary is never stored itself:
// a clone takes its place, so the pool can keep recycling it.
class tLogoVarDesc : public tTabDesc {
public:
    tLogoVarDesc(uint32_t code, tlogoobject* value, uint8_t flags);
    ~tLogoVarDesc() override;

    std::string DefinitionText() override;
    tlogoobject* Value() override { return value; }
    // Stores a new value; computed variables override this to run their setter.
    virtual void Store(tlogoobject* newValue);

    tlogoobject* value = nullptr;
    uint8_t valueKind = 0;
};

// The handler instruction list of an event.
class tlogoeventdesc : public tLogoVarDesc {
public:
    using tLogoVarDesc::tLogoVarDesc;
};

class tlogoglobalvardesc : public tLogoVarDesc {
public:
    using tLogoVarDesc::tLogoVarDesc;
};

// A named object held by its container; not printable.
class tlogoobjectdesc : public tLogoVarDesc {
public:
    tlogoobjectdesc(uint32_t code, tlogoobject* object, uint8_t flags);
};
