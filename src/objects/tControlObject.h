#pragma once

#include "objects/tmultiobject.h"

// An object of a kind that can have a visual part; also the generic class of created
// instances. It knows the container whose objects table holds it.
class tControlObject : public tmultiobject {
public:
    using tmultiobject::tmultiobject;

    const char* ClassName() const override { return "tControlObject"; }

    // The full name: the owners' names joined by apostrophes, outermost first.
    std::string FullName() const;
    // Takes the new name, also in the owner's table; a name another object of the owner has
    // fails erObjNameDuplicate.
    void Rename(const std::string& newName);

    tmultiobject* owner = nullptr;  // not counted: the owner's table holds this object
    uint32_t kindKey = 0;
    bool hasGraphic = false;
};
