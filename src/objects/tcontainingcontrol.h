#pragma once

#include "objects/tControlObject.h"

// An object that new objects are placed in (a pane): it is its own place for them, whether or
// not it also keeps them in a table of its own.
class tcontainingcontrol : public tControlObject {
public:
    using tControlObject::tControlObject;

    const char* ClassName() const override { return "tcontainingcontrol"; }
    bool CanContain() const override { return true; }
};
