#pragma once

#include "objects/tmultiobject.h"

// The fan-out object of a class: its procedure table holds, for every procedure the class
// answers to (the main object's own excepted), a descriptor that sends the call to each of the
// process's receivers. Receivers share a class exactly when they reach the same one.
class tAskObject : public tmultiobject {
public:
    explicit tAskObject(tmultiobject& forClass);

    const char* ClassName() const override { return "tAskObject"; }

    // Renews the wrappers from the class's present procedures, so procedures defined since the
    // last addressing are sent too.
    void Refresh();

    tmultiobject& forClass;  // not counted: the class's variable table holds this object
};

// The fan-out object of the object's class (the object itself when it is a class), made when
// first asked for and kept in the class's variables as "@askobj".
tAskObject& askObjectOf(tmultiobject& object);

// Lets the fan-out descriptors call the receivers.
void installReceiverFanOut();
